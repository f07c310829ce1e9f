#pragma once

#include "io/TextFile.h"
#include "output/ReplaceList.h"

#include <filesystem>
#include <vector>

namespace regforge::output {

// How many backups of one file are kept: FILE.bak, FILE.1.bak ... FILE.999.bak.
inline constexpr int kMaxBackups = 1000;

// Applies the list to a file in place, byte for byte: line breaks (CR LF or LF), a missing final
// line break, bytes above 0x7F and NUL bytes come back as they were; only the find texts
// change. The replaced text is made first, so a list that would make the file too large
// (ReplaceError) changes nothing, and a file the user may not write (io::requireWritable) is
// refused before anything is written. Then the original goes unchanged, with the file's
// permissions, to a new backup: path + ".bak", or when that name is taken (an earlier run's
// backup, a link) the first free path + ".N.bak", so no earlier backup is ever overwritten or
// written through. A folder named path + ".bak" is refused. The result replaces the file through
// a temporary file, so a failed write (io::FileError) leaves the original whole. Returns the
// backup's path.
std::filesystem::path replaceInFile(const std::filesystem::path& path, const std::vector<ReplacePair>& pairs,
                                    io::WriteOptions options = {});

// "main.c" gives "main.c.bak".
std::filesystem::path backupPathOf(const std::filesystem::path& path);
// "main.c" with 0 gives "main.c.bak", with 2 "main.c.2.bak".
std::filesystem::path numberedBackupPathOf(const std::filesystem::path& path, int number);

} // namespace regforge::output
