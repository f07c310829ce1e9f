#include "config/SettingsFile.h"

#include "io/AsciiCase.h"
#include "model/NumberText.h"

namespace regforge::config {

namespace {
constexpr const char* kFormSize = "[FORMSIZE]";
constexpr const char* kLastLoaded = "[LASTLOADED]";
constexpr const char* kExportFolders = "[EXPORTFOLDERS]";

// The line of `configPath` among the pairs after the export header at `header`, or the end of
// the pairs (the next header or the end of the file) when it has none.
std::size_t exportPair(const std::vector<std::string>& lines, std::size_t header,
                       const std::string& configPath) {
    std::size_t i = header + 1;
    for (; i + 1 < lines.size() && (lines[i].empty() || lines[i][0] != '['); i += 2)
        if (lines[i] == configPath)
            return i;
    return i < lines.size() && !lines[i].empty() && lines[i][0] == '[' ? i : lines.size();
}
} // namespace

int findHeader(const std::vector<std::string>& lines, const std::string& header) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (io::equalIgnoringCase(lines[i], header))
            return static_cast<int>(i);
    return -1;
}

std::filesystem::path SettingsFile::locate(const std::filesystem::path& programFolder) {
    return programFolder / "include" / "regforge";
}

bool SettingsFile::exists() const {
    std::error_code ec;
    return std::filesystem::exists(path_, ec);
}

io::TextLines SettingsFile::load() const {
    try {
        return io::readLines(path_);
    } catch (const io::FileError& e) {
        throw Error(e.what());
    }
}

void SettingsFile::save(const io::TextLines& text) const {
    try {
        if (writePath_ != path_) {
            std::error_code ec;
            std::filesystem::create_directories(writePath_.parent_path(), ec);
        }
        io::writeLines(writePath_, text.lines, text.ending);
    } catch (const io::FileError& e) {
        throw Error(e.what());
    }
}

std::optional<SettingsFile::FormSize> SettingsFile::readFormSize() const {
    if (!exists())
        return std::nullopt;
    const auto text = load();
    const int h = findHeader(text.lines, kFormSize);
    if (h < 0 || static_cast<std::size_t>(h) + 2 >= text.lines.size())
        return std::nullopt;
    const auto height = model::parseInt32(text.lines[h + 1]);
    const auto width = model::parseInt32(text.lines[h + 2]);
    if (!height || !width)
        throw Error("window size is not a number");
    return FormSize{*height, *width};
}

void SettingsFile::writeFormSize(FormSize size) const {
    if (!exists())
        return;
    auto text = load();
    const int h = findHeader(text.lines, kFormSize);
    if (h < 0) {
        text.lines.push_back(kFormSize);
        text.lines.push_back(std::to_string(size.height));
        text.lines.push_back(std::to_string(size.width));
    } else {
        // A header at the very end gains its missing lines rather than overwriting others.
        text.lines.resize(std::max(text.lines.size(), static_cast<std::size_t>(h) + 3));
        text.lines[h + 1] = std::to_string(size.height);
        text.lines[h + 2] = std::to_string(size.width);
    }
    save(text);
}

std::optional<std::string> SettingsFile::readLastLoaded() const {
    if (!exists())
        return std::nullopt;
    const auto text = load();
    const int h = findHeader(text.lines, kLastLoaded);
    if (h < 0 || static_cast<std::size_t>(h) + 1 >= text.lines.size())
        return std::nullopt;
    return text.lines[h + 1];
}

void SettingsFile::writeLastLoaded(const std::string& configPath) const {
    if (!exists())
        return;
    auto text = load();
    const int h = findHeader(text.lines, kLastLoaded);
    if (h < 0) {
        text.lines.push_back(kLastLoaded);
        text.lines.push_back(configPath);
    } else if (static_cast<std::size_t>(h) + 1 >= text.lines.size()) {
        text.lines.push_back(configPath);
    } else {
        text.lines[h + 1] = configPath;
    }
    save(text);
}

std::optional<std::string> SettingsFile::readExportFolder(const std::string& configPath) const {
    if (!exists())
        return std::nullopt;
    const auto text = load();
    const int h = findHeader(text.lines, kExportFolders);
    if (h < 0)
        return std::nullopt;
    const std::size_t at = exportPair(text.lines, static_cast<std::size_t>(h), configPath);
    if (at + 1 >= text.lines.size() || text.lines[at] != configPath)
        return std::nullopt;
    return text.lines[at + 1];
}

void SettingsFile::writeExportFolder(const std::string& configPath, const std::string& folder) const {
    if (!exists())
        return;
    auto text = load();
    auto& lines = text.lines;
    int h = findHeader(lines, kExportFolders);
    if (h < 0) {
        lines.push_back(kExportFolders);
        h = static_cast<int>(lines.size()) - 1;
    }
    const auto header = static_cast<std::size_t>(h);
    const std::size_t at = exportPair(lines, header, configPath);
    if (at + 1 < lines.size() && lines[at] == configPath)
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at),
                    lines.begin() + static_cast<std::ptrdiff_t>(at) + 2);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header) + 1, {configPath, folder});
    save(text);
}

} // namespace regforge::config
