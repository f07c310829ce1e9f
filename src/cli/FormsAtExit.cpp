#include "cli/FormsAtExit.h"

#include <vector>

namespace regforge::cli {

namespace {

bool keeping = false;

std::vector<std::unique_ptr<app::MainForm>>& keptForms() {
    static std::vector<std::unique_ptr<app::MainForm>> forms;
    return forms;
}

} // namespace

void keepFormsUntilExit() {
    keeping = true;
}

FormAtExit::~FormAtExit() {
    if (keeping && form_)
        keptForms().push_back(std::move(form_));
}

} // namespace regforge::cli
