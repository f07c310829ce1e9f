#include "output/FileExport.h"

#include "output/UnifiedDiff.h"

#include <optional>
#include <system_error>

namespace regforge::output {

namespace fs = std::filesystem;

namespace {

// The text a file holds now; nullopt when there is no such file.
std::optional<std::string> currentText(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec)) && !fs::exists(file, ec))
        return std::nullopt;
    return io::readBytes(file);
}

void requireFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw io::FileError(folder.string() +
                            (fs::exists(folder, ec) ? ": not a folder" : ": no such folder"));
}

} // namespace

std::vector<std::string> exportFiles(const fs::path& folder, const std::vector<GeneratedFile>& files,
                                     io::WriteOptions options) {
    requireFolder(folder);
    std::vector<std::string> written;
    for (const auto& file : files) {
        const fs::path path = folder / file.name;
        std::optional<std::string> current;
        try {
            current = currentText(path);
        } catch (const io::FileError&) {
            // A file that cannot be read is written over, as a save replaces it.
        }
        if (current == file.text)
            continue;
        io::writeBytes(path, file.text, options);
        written.push_back(file.name);
    }
    return written;
}

std::string filesDrift(const fs::path& folder, const std::vector<GeneratedFile>& files) {
    std::string diff;
    for (const auto& file : files) {
        const fs::path path = folder / file.name;
        const std::optional<std::string> current = currentText(path);
        if (current == file.text)
            continue;
        diff += unifiedDiff(current.value_or(""), file.text, current ? path.string() : "/dev/null",
                            path.string() + " (generated)");
    }
    return diff;
}

} // namespace regforge::output
