#pragma once

#include <filesystem>

namespace regforge::app {

class MainForm;

// "Export files..." on the Result page: the result as the two files the user's build compiles,
// written into a folder the user picks. The folder is remembered per configuration file in the
// settings file, so the next export of that configuration starts there.
class ExportFilesCommand {
public:
    explicit ExportFilesCommand(MainForm& form) : form_(form) {}

    // Creates the files for the Result page's compiler, asks for the folder and writes the
    // files whose text changed. True when the folder holds the files afterwards; otherwise the
    // user was told why (or cancelled the dialog).
    bool ExportFilesButtonClick();

private:
    // The configuration the folder is remembered for: the file last loaded or saved, absolute.
    std::string configurationKey() const;
    std::filesystem::path startFolder() const;
    void rememberFolder(const std::filesystem::path& folder);

    MainForm& form_;
    // The folder of this run's last export, for a set-up not saved in a file.
    std::filesystem::path lastFolder_;
};

} // namespace regforge::app
