#pragma once

#include "output/ReplaceList.h"

#include <filesystem>
#include <vector>

namespace regforge::output {

// Applies the list to a file in place, byte for byte: line breaks (CR LF or LF), a missing final
// line break, bytes above 0x7F and NUL bytes come back as they were; only the find texts
// change. The replaced text is made first, so a list that would make the file too large
// (ReplaceError) changes nothing. Then the original goes unchanged to path + ".bak" and the
// result replaces the file through a temporary file, so a failed write (io::FileError) leaves
// the original whole.
void replaceInFile(const std::filesystem::path& path, const std::vector<ReplacePair>& pairs);

// "main.c" gives "main.c.bak".
std::filesystem::path backupPathOf(const std::filesystem::path& path);

} // namespace regforge::output
