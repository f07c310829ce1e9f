#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace regforge::io {

// What the environment says about the user's own data folder.
struct UserEnvironment {
    std::string xdgDataHome; // XDG_DATA_HOME; only an absolute path counts
    std::string home;        // HOME

    static UserEnvironment fromProcess();
};

// The data folders of one run. Each holds include/ (device profiles, pictures, the settings
// file) and replace/ (replace lists).
//
// - Portable: the executable's folder holds include/; everything is read and written there.
// - Installed: the executable sits in <prefix>/bin and the shipped data in <prefix>/share/regforge,
//   which users cannot write. Profiles and replace lists are read from the user's folder
//   ($XDG_DATA_HOME/regforge, else ~/.local/share/regforge) first, then from the shipped one;
//   everything the program writes goes to the user's folder.
// - Chosen: a folder named on the command line or in REGFORGE_DATA_DIR, read and written.
class DataFolders {
public:
    enum class Layout { Portable, Installed, Chosen };

    // One folder, read and written.
    static DataFolders single(std::filesystem::path folder, Layout layout = Layout::Portable);
    // The layout for an executable in `exeFolder`; a non-empty `chosen` folder wins. An executable
    // in neither layout is treated as portable, so start-up reports its missing include folder.
    static DataFolders locate(const std::filesystem::path& exeFolder, const std::filesystem::path& chosen,
                              const UserEnvironment& user);

    Layout layout() const { return layout_; }
    // Read in this order; the first folder holding a file wins.
    const std::vector<std::filesystem::path>& readFolders() const { return read_; }
    // Where files are written. In the installed layout it may not exist yet.
    const std::filesystem::path& writeFolder() const { return write_; }

    // `sub` ("include", "replace") of every read folder, in read order.
    std::vector<std::filesystem::path> subFolders(const std::string& sub) const;
    // True when any read folder has the sub-folder.
    bool hasSubFolder(const std::string& sub) const;
    // sub/fileName in the first read folder that has it; when none has it, the path it would
    // have in the first read folder (so a failed read names a sensible file).
    std::filesystem::path find(const std::string& sub, const std::string& fileName) const;

private:
    DataFolders(Layout layout, std::vector<std::filesystem::path> read, std::filesystem::path write);

    Layout layout_;
    std::vector<std::filesystem::path> read_;
    std::filesystem::path write_;
};

} // namespace regforge::io
