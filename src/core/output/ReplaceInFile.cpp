#include "output/ReplaceInFile.h"

#include "io/TextFile.h"

#include <cerrno>
#include <cstring>

namespace regforge::output {

std::filesystem::path backupPathOf(const std::filesystem::path& path) {
    return numberedBackupPathOf(path, 0);
}

std::filesystem::path numberedBackupPathOf(const std::filesystem::path& path, int number) {
    std::filesystem::path backup = path;
    backup += number == 0 ? ".bak" : "." + std::to_string(number) + ".bak";
    return backup;
}

std::filesystem::path replaceInFile(const std::filesystem::path& path, const std::vector<ReplacePair>& pairs,
                                    io::WriteOptions options) {
    const std::string original = io::readBytes(path);
    const std::string replaced = applyReplaceList(original, pairs);
    // Refused before a backup is made, so a refusal leaves no trace.
    io::requireWritable(path, options);
    const auto first = backupPathOf(path);
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(first, ec)))
        throw io::FileError("cannot write " + first.string() + ": " + std::strerror(EISDIR));
    std::vector<std::filesystem::path> names;
    for (int n = 0; n < kMaxBackups; ++n)
        names.push_back(numberedBackupPathOf(path, n));
    const auto backup = io::createNewFile(names, original, path);
    io::writeBytes(path, replaced, options);
    return backup;
}

} // namespace regforge::output
