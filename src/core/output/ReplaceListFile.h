#pragma once

#include "io/DataFolders.h"
#include "output/ReplaceList.h"
#include "ui/Ui.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace regforge::output {

// Where the stored list `name` is read from: the first replace/ folder holding it.
std::filesystem::path storedListPath(const io::DataFolders& folders, const std::string& name);
// Where a list saved as `name` goes: the written data folder's replace/.
std::filesystem::path savedListPath(const io::DataFolders& folders, const std::string& name);

// Reads a stored list. A line that is not a pair, or whose find text (letter case included) an
// earlier pair already has, is offered to the user for skipping; nullopt when the user refused,
// after telling them to mend the file. Throws io::FileError when the file cannot be read.
std::optional<std::vector<ReplacePair>> readReplaceListFile(const std::filesystem::path& path, ui::Ui& ui);

} // namespace regforge::output
