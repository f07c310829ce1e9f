#pragma once

#include "cli/Command.h"

#include <iosfwd>

namespace regforge::cli {

// A data folder the user named (--data-dir or REGFORGE_DATA_DIR) must hold include/. When it
// does not, says so on `err` in the user's terms and returns false; the program's own folder
// is left to the core's start-up, which speaks of the executable's folder.
bool namedDataFolderUsable(const Invocation& invocation, std::ostream& err);

} // namespace regforge::cli
