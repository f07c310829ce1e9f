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

// How a write treats a target the user may not write.
struct WriteOptions {
    // Replace a file even when its mode (or, for another user's file, the access rules) forbids
    // writing it, as the rename allows; by default such a target is refused.
    bool force = false;
};

// Every file the program writes goes through here. A regular target (or a missing one) is
// written to a file of its own beside it: an unnamed one where the system offers it (a kill
// during the write leaves nothing behind), linked under an unpredictable temporary name only
// once it is complete, else one of an unpredictable name created exclusively. Every write, the
// flush to disk and the close are checked, the target's permissions are kept and the complete
// file is renamed over the target, then the folder is flushed. A symbolic link is followed, so
// its target is replaced and the link stays. A device or FIFO is written directly, and
// /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N through the descriptor the program
// already holds (an appending redirect keeps appending). A target the user may not write is
// refused as a shell redirect refuses it ("PATH: Permission denied") unless options.force.
// A failure throws FileError, leaves the old file whole and removes the temporary file.
void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines, LineEnding ending,
                WriteOptions options = {});
void writeBytes(const std::filesystem::path& path, const std::string& bytes, WriteOptions options = {});

// Throws FileError ("PATH: Permission denied") when `path` is an existing file the user may not
// write: their own file without the owner's write bit, or another user's file the access rules
// forbid. Nothing when options.force or the file does not exist.
void requireWritable(const std::filesystem::path& path, WriteOptions options);

// Writes `bytes` as a new file under the first of `names` that nothing (no file, folder or
// link, even a dangling one) holds yet; a link is never followed. The file appears whole or not
// at all, with the permission bits (and, where the writer may give it, the owner) of `like`.
// Returns the name taken; throws FileError when every name is taken or the write fails.
std::filesystem::path createNewFile(const std::vector<std::filesystem::path>& names, const std::string& bytes,
                                    const std::filesystem::path& like);

// The descriptor of this process a path such as /dev/stdout, /dev/stderr, /dev/fd/N or
// /proc/self/fd/N names; nullopt for any other path.
std::optional<int> descriptorNamedBy(const std::filesystem::path& path);

// The base names (file name without extension) of the files in `folder` whose name ends in
// `extension` (such as ".ini", letter case ignored); folders are skipped. With `recurse`,
// sub-folders are searched too. A missing folder gives no names.
std::vector<std::string> listBaseNames(const std::filesystem::path& folder, const std::string& extension,
                                       bool recurse);

} // namespace regforge::io
