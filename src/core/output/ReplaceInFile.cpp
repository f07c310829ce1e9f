#include "output/ReplaceInFile.h"

#include "io/TextFile.h"

namespace regforge::output {

std::filesystem::path backupPathOf(const std::filesystem::path& path) {
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

void replaceInFile(const std::filesystem::path& path, const std::vector<ReplacePair>& pairs) {
    const std::string original = io::readBytes(path);
    const std::string replaced = applyReplaceList(original, pairs);
    io::writeBytes(backupPathOf(path), original);
    io::writeBytes(path, replaced);
}

} // namespace regforge::output
