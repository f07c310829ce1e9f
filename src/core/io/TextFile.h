#pragma once

#include "Error.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace regforge::io {

enum class LineEnding { CrLf, Lf };

// A text file as a list of lines. Bytes are kept as they are (the 8-bit code page); only
// the line breaks are interpreted. Reading accepts CR LF and LF.
struct TextLines {
    std::vector<std::string> lines;
    LineEnding ending = LineEnding::CrLf;
};

class FileError : public regforge::Error {
public:
    using regforge::Error::Error;
};

// Splits text into lines: CR LF and LF end a line; a final line break adds no empty line.
TextLines splitLines(const std::string& bytes);
// Joins lines, each followed by the line break.
std::string joinLines(const std::vector<std::string>& lines, LineEnding ending);

// The largest file the program reads (profiles, configurations, replace lists, the settings
// file): far beyond any real one, small enough that a wrong file is refused before it fills
// memory.
inline constexpr std::size_t kMaxReadBytes = 16u * 1024u * 1024u;

// Throws FileError when the file cannot be read, is a folder or is larger than kMaxReadBytes.
TextLines readLines(const std::filesystem::path& path);
std::string readBytes(const std::filesystem::path& path);

// Every file the program writes goes through here. A regular target (or a missing one) gets a
// temporary file of an unpredictable name created exclusively beside it; every write, the
// flush to disk and the close are checked, the target's permissions are kept and the
// temporary file is renamed over the target, then the folder is flushed. A symbolic link is
// followed, so its target is replaced and the link stays. A device or FIFO (such as
// /dev/stdout) is written directly. A failure throws FileError, leaves the old file whole and
// removes the temporary file.
void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines, LineEnding ending);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The base names (file name without extension) of the files in `folder` whose name ends in
// `extension` (such as ".ini", letter case ignored); folders are skipped. With `recurse`,
// sub-folders are searched too. A missing folder gives no names.
std::vector<std::string> listBaseNames(const std::filesystem::path& folder, const std::string& extension,
                                       bool recurse);

} // namespace regforge::io
