#pragma once

#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/Command.h"

#include <iosfwd>
#include <memory>

namespace regforge::cli {

// A window without a view with the saved configuration CONFIG.sav (the first operand) loaded as
// "Load configuration" loads it; null when it could not be applied (the reason is on `err`).
std::unique_ptr<app::MainForm> loadSavedConfiguration(const Invocation& invocation, CliUi& ui,
                                                      std::ostream& err);

} // namespace regforge::cli
