#pragma once

#include "io/TextFile.h"
#include "output/SetupFiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace regforge::output {

// Writes the files into `folder`, each only when the folder does not already hold exactly its
// text, so an unchanged file keeps its time stamp and a build does not redo work. Every write is
// atomic. Returns the names written. Throws io::FileError when `folder` is not an existing
// folder or a write fails.
std::vector<std::string> exportFiles(const std::filesystem::path& folder,
                                     const std::vector<GeneratedFile>& files, io::WriteOptions options = {});

// The drift check: a unified diff of every file that `folder` holds differently from the text
// (a missing file differs from any text); empty when the folder holds exactly these texts.
// Throws io::FileError when a file exists but cannot be read.
std::string filesDrift(const std::filesystem::path& folder, const std::vector<GeneratedFile>& files);

} // namespace regforge::output
