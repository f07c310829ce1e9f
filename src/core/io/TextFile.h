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

// Throws FileError when the file cannot be read.
TextLines readLines(const std::filesystem::path& path);
std::string readBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target, so a failed
// write never destroys the previous file. Throws FileError.
void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines, LineEnding ending);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The base names (file name without extension) of the files in `folder` whose name ends in
// `extension` (such as ".ini", letter case ignored); folders are skipped. With `recurse`,
// sub-folders are searched too. A missing folder gives no names.
std::vector<std::string> listBaseNames(const std::filesystem::path& folder, const std::string& extension,
                                       bool recurse);

} // namespace regforge::io
