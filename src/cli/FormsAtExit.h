#pragma once

#include "app/MainForm.h"

#include <memory>

namespace regforge::cli {

// A window a command is done with goes to the end of the process instead of being taken apart
// control by control (a tenth of a short command's time). Only the program's main() turns this on,
// as it then ends the process with quick_exit; everywhere else (the tests run commands in process,
// a sanitizer build checks that everything is freed) a window goes as usual.
void keepFormsUntilExit();

// Hands `form` over when forms are kept until the exit; leaves it where it is otherwise. The
// commands do this as they return.
class FormAtExit {
public:
    explicit FormAtExit(std::unique_ptr<app::MainForm>& form) : form_(form) {}
    ~FormAtExit();
    FormAtExit(const FormAtExit&) = delete;
    FormAtExit& operator=(const FormAtExit&) = delete;

private:
    std::unique_ptr<app::MainForm>& form_;
};

} // namespace regforge::cli
