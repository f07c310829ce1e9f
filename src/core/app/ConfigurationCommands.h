#pragma once

#include "config/ConfigFile.h"
#include "periph/LoadCorrections.h"

#include <filesystem>
#include <functional>
#include <string>

namespace regforge::app {

class MainForm;

// The "Save configuration" and "Load configuration" buttons. The load runs its steps in one
// place: the file's checks and the question, the device load, every page's restore hooks
// around the controls' records, the clock refresh, then the pages' corrections.
class ConfigurationCommands {
public:
    explicit ConfigurationCommands(MainForm& form) : form_(form) {}

    // Asks where to save, then writes the whole window. True when the file was written.
    bool SaveConfigButtonClick();
    // Asks for a configuration file, then loads it.
    config::LoadOutcome LoadConfigButtonClick();

    // Writes the whole window to `path`; a failure is reported and leaves any previous file
    // as it was. True when the file was written.
    bool saveConfiguration(const std::filesystem::path& path);
    // Loads a configuration without the open dialog: checks it, asks before applying, loads its
    // device and applies its values (the command line answers the question itself).
    config::LoadOutcome loadConfiguration(const std::filesystem::path& path);

    // Puts the loaded device's set-up back to `saved` (what a save wrote) the way a load applies
    // a file, without the file, the question or the device load, and without the replace list
    // file: the caller rebuilt the device and puts back the replace list itself. False when a
    // value could not be applied.
    bool restoreSetup(const config::Lines& saved);

    // Whether a load remembers its file in the settings file (the desktop program does; a
    // headless run has no window state to remember and leaves the settings file alone).
    void setRemembersLastLoaded(bool remembers) { remembersLastLoaded_ = remembers; }

    // The configuration last loaded whole or saved since the device was loaded, which a plain
    // save writes back to; empty when there is none.
    const std::filesystem::path& currentFile() const { return currentFile_; }
    // A device loaded by itself starts a set-up of no file.
    void forgetCurrentFile() { currentFile_.clear(); }

    // The file the open and save dialogs start on: the last one saved or chosen this run.
    const std::filesystem::path& dialogFileName() const { return dialogFile_; }

private:
    std::filesystem::path openDialogStart() const;
    // The file's values on the loaded device; false (and said so) when one could not be applied.
    bool restore(const config::Lines& file);
    // The pages' records around the replace record, then the clock refresh.
    void applyRecords(const periph::SavedRecords& records, const std::function<void()>& restoreReplace);
    void restoreReplaceList(const periph::SavedRecords& records);
    void restoreReplaceChoice(const periph::SavedRecords& records);
    periph::LoadCorrections correctLoadedSetup();
    void rememberLastLoaded(const std::filesystem::path& path) const;

    MainForm& form_;
    bool remembersLastLoaded_ = true;
    std::filesystem::path dialogFile_;
    std::filesystem::path currentFile_;
};

} // namespace regforge::app
