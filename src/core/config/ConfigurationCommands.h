#pragma once

#include "config/ConfigFile.h"
#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "profile/DeviceState.h"
#include "ui/Ui.h"

#include <filesystem>
#include <functional>

namespace regforge::output {
class ReplaceListPanel;
}

namespace regforge::config {

// What a load corrected in a set-up the loaded device cannot hold as it stands.
struct LoadCorrections {
    std::vector<std::string> unitsSwitchedOff; // units the device does not have ("Timer2")
    std::vector<std::string> pinsAligned;      // pins made to follow an earlier pin of their field
    std::vector<std::string> sourcesFreed;     // interrupt sources the device does not have
    std::vector<std::string> valuesCut;        // register edits holding more digits than the register
    std::vector<std::string> channelsFreed;    // A/D channels the device does not have ("AD0.5")
    std::vector<std::string> entriesDropped;   // interrupt list entries past its slots or repeated
};

// What saving and loading configurations reach: the window's controls and device, the user,
// the folder whose include/ holds the settings file, and the operations other parts own.
struct ConfigurationContext {
    model::ControlStore& store;
    profile::DeviceState& device;
    ui::Ui& ui;
    io::DataFolders folders;
    // Loads the device selected in the device list; false when it failed (and said so).
    std::function<bool()> loadDevice;
    std::function<void()> refreshClocks;
    // Refills the replace-list list from the replace folder.
    std::function<void()> scanReplaceLists;
    // The "use replace table" toggle.
    std::function<void()> toggleReplaceUse;
    output::ReplaceListPanel& replacePanel;
    // Empty until the interrupt page provides it.
    VectorSlotLookup vectorSlot;
    // Switches off the units the loaded device does not have and brings pins that share a
    // register field into step; says what it changed.
    std::function<LoadCorrections()> correctLoadedSetup;
};

// How a configuration load ended.
enum class LoadOutcome {
    Loaded,            // device loaded and every value applied
    Cancelled,         // the user cancelled a dialog or the question; nothing changed
    Unreadable,        // the file could not be read; nothing changed
    NotAConfiguration, // nothing changed
    ProfileNotFound,   // the file's device is not in the device list; nothing changed
    DeviceNotLoaded,   // the device load failed and said so; no value was applied
    DataError,         // a value could not be applied; what was applied stays
};

// The "Save configuration" and "Load configuration" buttons.
class ConfigurationCommands {
public:
    explicit ConfigurationCommands(ConfigurationContext context);

    // Asks where to save, then writes the whole window. True when the file was written.
    bool SaveConfigButtonClick();
    // Asks for a configuration file, then loads it.
    LoadOutcome LoadConfigButtonClick();

    // Writes the whole window to `path`; a failure is reported and leaves any previous file
    // as it was. True when the file was written.
    bool saveConfiguration(const std::filesystem::path& path);
    // Loads a configuration without the open dialog: checks it, asks before applying, loads its
    // device and applies its values (the command line answers the question itself).
    LoadOutcome loadConfiguration(const std::filesystem::path& path);

    // Whether a load remembers its file in the settings file (the desktop program does; a
    // headless run has no window state to remember and leaves the settings file alone).
    void setRemembersLastLoaded(bool remembers) { remembersLastLoaded_ = remembers; }

    // The file the open and save dialogs start on: the last one saved or chosen this run.
    const std::filesystem::path& dialogFileName() const { return dialogFile_; }

private:
    std::filesystem::path openDialogStart() const;
    void correctLoadedSetup(const std::string& deviceName);
    void rememberLastLoaded(const std::filesystem::path& path) const;
    RestoreHooks restoreHooks() const;

    ConfigurationContext ctx_;
    bool remembersLastLoaded_ = true;
    std::filesystem::path dialogFile_;
};

} // namespace regforge::config
