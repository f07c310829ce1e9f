#pragma once

#include "app/Ui.h"
#include "model/ControlStore.h"
#include "model/Signal.h"
#include "profile/DeviceState.h"

#include <filesystem>
#include <string>

namespace regforge::app {

// The main window `Form1` as the core sees it: the composition root owning the control store,
// the device state and the shell's handlers. Views render its store; the command line drives
// the same calls.
class MainForm {
public:
    MainForm(Ui& ui, std::filesystem::path programFolder);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    model::ControlStore& store() { return store_; }
    const model::ControlStore& store() const { return store_; }
    profile::DeviceState& device() { return device_; }
    const profile::DeviceState& device() const { return device_; }
    Ui& ui() { return ui_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    std::filesystem::path includeFolder() const { return programFolder_ / "include"; }
    std::filesystem::path replaceFolder() const { return programFolder_ / "replace"; }
    std::filesystem::path settingsPath() const;

    // Start-up: include folder check, window size, device and replace lists, defaults.
    void FormCreate();
    // Close: the window size goes back into an existing settings file.
    void FormClose();

    // Adds the base names of the folder's files matching "*.ext" to the device list.
    int ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern, bool recurse);
    // Refills the replace-list list from the folder's files matching "*.ext".
    int ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern);

    void about_buttonClick();
    void pagecontrol1Change();

    // Asks the views to scroll the window back to its top.
    model::Signal<> scrollToTop;
    bool terminateRequested() const { return terminateRequested_; }

private:
    void declareControls();
    void connectHandlers();

    Ui& ui_;
    std::filesystem::path programFolder_;
    model::ControlStore store_;
    profile::DeviceState device_;
    bool terminateRequested_ = false;
};

} // namespace regforge::app
