#include "io/DataFolders.h"

#include <cstdlib>

namespace regforge::io {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// $XDG_DATA_HOME/regforge, else $HOME/.local/share/regforge; empty when neither is usable.
fs::path userFolder(const UserEnvironment& user) {
    const fs::path xdg = user.xdgDataHome;
    if (xdg.is_absolute())
        return xdg / "regforge";
    if (!user.home.empty())
        return fs::path(user.home) / ".local" / "share" / "regforge";
    return {};
}

} // namespace

UserEnvironment UserEnvironment::fromProcess() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {xdg != nullptr ? xdg : "", home != nullptr ? home : ""};
}

DataFolders::DataFolders(Layout layout, std::vector<fs::path> read, fs::path write)
    : layout_(layout), read_(std::move(read)), write_(std::move(write)) {}

DataFolders DataFolders::single(fs::path folder, Layout layout) {
    return DataFolders(layout, {folder}, folder);
}

DataFolders DataFolders::locate(const fs::path& exeFolder, const fs::path& chosen,
                                const UserEnvironment& user) {
    if (!chosen.empty())
        return single(chosen, Layout::Chosen);
    if (isFolder(exeFolder / "include"))
        return single(exeFolder);
    const fs::path shipped = (exeFolder / ".." / "share" / "regforge").lexically_normal();
    if (!isFolder(shipped / "include"))
        return single(exeFolder);
    const fs::path own = userFolder(user);
    // Without a home there is nowhere else to write; writes into the shipped folder then fail
    // and are reported like any other failed write.
    if (own.empty())
        return single(shipped, Layout::Installed);
    return DataFolders(Layout::Installed, {own, shipped}, own);
}

std::vector<fs::path> DataFolders::subFolders(const std::string& sub) const {
    std::vector<fs::path> folders;
    for (const auto& folder : read_)
        folders.push_back(folder / sub);
    return folders;
}

bool DataFolders::hasSubFolder(const std::string& sub) const {
    for (const auto& folder : read_)
        if (isFolder(folder / sub))
            return true;
    return false;
}

fs::path DataFolders::find(const std::string& sub, const std::string& fileName) const {
    for (const auto& folder : read_) {
        std::error_code ec;
        const fs::path path = folder / sub / fileName;
        if (fs::exists(path, ec))
            return path;
    }
    return read_.front() / sub / fileName;
}

} // namespace regforge::io
