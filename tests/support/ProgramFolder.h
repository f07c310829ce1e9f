#pragma once

#include "app/MainForm.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <memory>
#include <string>
#include <vector>

namespace regforge::testing {

// A program folder in a temporary directory with a started main window: tests write
// profiles into include/, then load them the way the user does.
class ProgramFolder {
public:
    ProgramFolder();

    // Writes include/<name>.ini (lines joined with "\r\n").
    void addProfile(const std::string& name, const std::string& text);
    // Starts (or restarts) the main window: FormCreate scans the folders.
    app::MainForm& start(std::vector<app::PageFactory> pages = app::programPages());
    // Selects the device in the device list and presses "Load profile".
    bool load(const std::string& device);

    app::MainForm& form() { return *form_; }
    FakeUi ui;
    TempDir dir;

private:
    std::unique_ptr<app::MainForm> form_;
};

} // namespace regforge::testing
