#pragma once

#include "cli/CliUi.h"
#include "io/DataFolders.h"
#include "output/ReplaceList.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace regforge::cli {

// The stored replace list `name` (a file name inside replace/, without ".ini"), read as the
// desktop program's "Load" reads it, bad lines skipped with a warning. nullopt after saying why
// on `err`: a name that is no plain file name, a missing list, an unreadable file.
std::optional<std::vector<output::ReplacePair>>
loadStoredReplaceList(const io::DataFolders& folders, const std::string& name, CliUi& ui, std::ostream& err);

} // namespace regforge::cli
