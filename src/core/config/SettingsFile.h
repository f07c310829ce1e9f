#pragma once

#include "Error.h"
#include "io/DataFolders.h"
#include "io/TextFile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace regforge::config {

// The small settings file include/regforge: a list of lines read and written whole. Only the
// window size, the last loaded configuration and the export folders are interpreted; every other
// line is kept.
class SettingsFile {
public:
    struct FormSize {
        int height = 0;
        int width = 0;
    };

    class Error : public regforge::Error {
    public:
        using regforge::Error::Error;
    };

    explicit SettingsFile(std::filesystem::path path) : path_(path), writePath_(std::move(path)) {}
    // The settings file of a run: read from the first data folder that has one, written to the
    // folder the run writes to. An installed program reads the shipped file until its first
    // write puts the user's own copy in place.
    explicit SettingsFile(const io::DataFolders& folders)
        : path_(folders.find("include", "regforge")), writePath_(locate(folders.writeFolder())) {}
    static std::filesystem::path locate(const std::filesystem::path& programFolder);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // The size after "[FORMSIZE]"; nullopt when the file, the header or one of its two lines
    // is missing. Throws Error when the file cannot be read or a size line is not an integer.
    std::optional<FormSize> readFormSize() const;
    // Replaces the two lines after "[FORMSIZE]" (or appends the header and both lines) in an
    // existing file. A missing file is not created. Throws Error when writing fails.
    void writeFormSize(FormSize size) const;

    // The line after "[LASTLOADED]"; nullopt when there is none. Throws Error on read failure.
    std::optional<std::string> readLastLoaded() const;
    // Sets the line after "[LASTLOADED]" in an existing file. Throws Error on failure.
    void writeLastLoaded(const std::string& configPath) const;

    // The folder the files of configuration `configPath` were last exported to: the line after
    // the configuration's line in the pairs under "[EXPORTFOLDERS]"; nullopt when there is none.
    // Throws Error on read failure.
    std::optional<std::string> readExportFolder(const std::string& configPath) const;
    // Sets that folder in an existing file (the newest pair first). Throws Error on failure.
    void writeExportFolder(const std::string& configPath, const std::string& folder) const;

private:
    io::TextLines load() const;
    void save(const io::TextLines& text) const;

    std::filesystem::path path_;
    std::filesystem::path writePath_;
};

// The index of the first line equal to `header` with letter case ignored, or -1.
int findHeader(const std::vector<std::string>& lines, const std::string& header);

} // namespace regforge::config
