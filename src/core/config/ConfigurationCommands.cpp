#include "config/ConfigurationCommands.h"

#include "config/SettingsFile.h"
#include "io/AsciiCase.h"
#include "io/NameText.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "output/ReplaceListPanel.h"

namespace regforge::config {

namespace {

constexpr const char* kFilter = "Regforge saved configuration (*.sav)|*.sav";
constexpr const char* kSaveTitle = "Please select where to save the Regforge mcu configuration file";
constexpr const char* kOpenTitle = "Select the Regforge mcu configuration file and press open";
constexpr const char* kDefaultExtension = ".sav";

} // namespace

ConfigurationCommands::ConfigurationCommands(ConfigurationContext context) : ctx_(std::move(context)) {}

bool ConfigurationCommands::SaveConfigButtonClick() {
    ui::FileRequest request;
    request.title = kSaveTitle;
    request.filter = kFilter;
    request.defaultExtension = kDefaultExtension;
    request.start = dialogFile_;
    request.overwritePrompt = true;
    const auto path = ctx_.ui.saveFile(request);
    return path && saveConfiguration(*path);
}

bool ConfigurationCommands::saveConfiguration(const std::filesystem::path& path) {
    try {
        io::writeLines(path, buildConfiguration(ctx_.store, ctx_.device), io::LineEnding::CrLf);
    } catch (const io::FileError& e) {
        ctx_.ui.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return false;
    }
    dialogFile_ = path;
    return true;
}

std::filesystem::path ConfigurationCommands::openDialogStart() const {
    if (!dialogFile_.empty())
        return dialogFile_;
    // The configuration loaded last time, when the settings file remembers one that still exists.
    try {
        const auto last = SettingsFile(ctx_.folders).readLastLoaded();
        std::error_code ec;
        if (last && !last->empty() && std::filesystem::is_regular_file(*last, ec))
            return *last;
    } catch (const regforge::Error&) {
        // Without a readable settings file the dialog starts where it likes.
    }
    return {};
}

LoadOutcome ConfigurationCommands::LoadConfigButtonClick() {
    ui::FileRequest request;
    request.title = kOpenTitle;
    request.filter = kFilter;
    request.start = openDialogStart();
    request.mustExist = true;
    const auto path = ctx_.ui.openFile(request);
    if (!path)
        return LoadOutcome::Cancelled;
    dialogFile_ = *path;
    return loadConfiguration(*path);
}

void ConfigurationCommands::rememberLastLoaded(const std::filesystem::path& path) const {
    if (!remembersLastLoaded_)
        return;
    std::error_code ec;
    auto full = std::filesystem::absolute(path, ec);
    if (ec)
        full = path;
    // The settings file holds one path per line: a path with a line break in it would split
    // into lines the file reads as other entries, so such a file is not remembered.
    const std::string text = full.string();
    if (text.find_first_of("\r\n") != std::string::npos)
        return;
    try {
        SettingsFile(ctx_.folders).writeLastLoaded(text);
    } catch (const regforge::Error&) {
        // Remembering the file is a convenience; the load goes on without it.
    }
}

RestoreHooks ConfigurationCommands::restoreHooks() const {
    output::ReplaceListPanel& panel = ctx_.replacePanel;
    RestoreHooks hooks;
    hooks.refreshClocks = ctx_.refreshClocks;
    hooks.scanReplaceLists = ctx_.scanReplaceLists;
    hooks.forgetReplaceList = [&panel] { panel.forgetActiveList(); };
    hooks.loadReplaceList = [&panel] { return panel.ReplaceListLoadButtonClick(); };
    hooks.toggleReplaceUse = ctx_.toggleReplaceUse;
    hooks.vectorSlot = ctx_.vectorSlot;
    return hooks;
}

LoadOutcome ConfigurationCommands::loadConfiguration(const std::filesystem::path& path) {
    Lines file;
    try {
        file = io::readLines(path).lines;
    } catch (const io::FileError& e) {
        ctx_.ui.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return LoadOutcome::Unreadable;
    }
    // A file without a device line after the header is no configuration either.
    if (file.size() < 2 || file[0] != kProfileHeader) {
        ctx_.ui.message("Error openning setting", "The file is not a valid Regforge file.", ui::Icon::Error,
                        ui::Buttons::Ok);
        return LoadOutcome::NotAConfiguration;
    }

    const std::string& deviceName = file[1];
    auto& devices = ctx_.store.get<model::ComboBox>("mcu_ComboBox");
    const int device = devices.indexOfIgnoringCase(deviceName);
    if (device < 0) {
        ctx_.ui.message("Profile not found",
                        "This file contains settings for " + io::quotedName(deviceName) + "\n" +
                            "but the profile is not available",
                        ui::Icon::Error, ui::Buttons::Ok);
        return LoadOutcome::ProfileNotFound;
    }
    if (ctx_.ui.message("Apply settings?",
                        "This file contains settings for " + io::quotedName(deviceName) + "\n" +
                            "Your current project will be cleared and the file settings will be loaded," +
                            "\n" + "press OK to apply them or cancel to abort.",
                        ui::Icon::Warning, ui::Buttons::OkCancel) != ui::Answer::Ok)
        return LoadOutcome::Cancelled;

    const int selected = devices.itemIndex();
    devices.setItemIndex(device);
    // Values applied to a device that did not load would be saved back without its pins. A
    // device that did not load left the window as it was, the device list included.
    if (!ctx_.loadDevice || !ctx_.loadDevice()) {
        devices.setItemIndex(selected);
        return LoadOutcome::DeviceNotLoaded;
    }
    const bool restored = restoreConfiguration(file, ctx_.store, ctx_.ui, restoreHooks());
    correctLoadedSetup(deviceName);
    if (!restored)
        return LoadOutcome::DataError;
    // Only a file that loaded whole is offered again next time.
    rememberLastLoaded(path);
    return LoadOutcome::Loaded;
}

namespace {

// One warning of a corrected load: what the file asked, the names, what the load did instead.
void warnCorrected(ui::Ui& ui, const char* caption, const std::string& asked,
                   const std::vector<std::string>& names, const char* done) {
    if (names.empty())
        return;
    std::string list;
    for (const auto& name : names)
        list += (list.empty() ? "" : ", ") + name;
    ui.message(caption, asked + list + "\n" + done, ui::Icon::Warning, ui::Buttons::Ok);
}

} // namespace

void ConfigurationCommands::correctLoadedSetup(const std::string& deviceName) {
    if (!ctx_.correctLoadedSetup)
        return;
    const LoadCorrections corrections = ctx_.correctLoadedSetup();
    // A file made for another part (or edited by hand) may switch on a unit this device does not
    // have; its code would write registers that do not exist here.
    warnCorrected(ctx_.ui, "Units not on this device",
                  "This file switches on units that " + deviceName + " does not have: ",
                  corrections.unitsSwitchedOff, "They are left off, and no code is generated for them.");
    warnCorrected(ctx_.ui, "Interrupts not on this device",
                  "This file uses interrupt sources that " + deviceName + " does not have: ",
                  corrections.sourcesFreed, "Their slots are left free, and no code is generated for them.");
    warnCorrected(ctx_.ui, "Channels not on this device",
                  "This file uses A/D channels that " + deviceName + " does not have: ",
                  corrections.channelsFreed, "They are left off, and no code is generated for them.");
    warnCorrected(ctx_.ui, "Interrupts beyond the slots",
                  "This file lists more interrupts than " + deviceName +
                      " has slots for, or lists one twice: ",
                  corrections.entriesDropped, "Only the first entry of each within the slots is kept.");
    warnCorrected(ctx_.ui, "Values wider than their registers",
                  "These fields hold more hex digits than their registers have on " + deviceName + ": ",
                  corrections.valuesCut, "Only the low digits are kept, as the register would keep them.");
    warnCorrected(ctx_.ui, "Pins switched together",
                  "These pins share one register field with an earlier pin and now have its function: ",
                  corrections.pinsAligned, "The register holds one value for all of them.");
}

} // namespace regforge::config
