#include "app/ConfigurationCommands.h"

#include "app/MainForm.h"
#include "config/SettingsFile.h"
#include "io/NameText.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "output/ReplaceListPanel.h"
#include "output/ReplacePanelControls.h"

namespace regforge::app {

using config::LoadOutcome;

namespace {

constexpr const char* kFilter = "Regforge saved configuration (*.sav)|*.sav";
constexpr const char* kSaveTitle = "Please select where to save the Regforge mcu configuration file";
constexpr const char* kOpenTitle = "Select the Regforge mcu configuration file and press open";
constexpr const char* kDefaultExtension = ".sav";

// Every page's afterRestore runs when the values are applied, whether they all applied or not.
class RestoreScope {
public:
    explicit RestoreScope(const config::Pages& pages) : pages_(pages) {
        for (const auto& page : pages_)
            page->beforeRestore();
    }
    ~RestoreScope() {
        for (const auto& page : pages_)
            page->afterRestore();
    }
    RestoreScope(const RestoreScope&) = delete;
    RestoreScope& operator=(const RestoreScope&) = delete;

private:
    const config::Pages& pages_;
};

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

void warnCorrections(ui::Ui& ui, const std::string& deviceName, const periph::LoadCorrections& corrections) {
    // A file made for another part (or edited by hand) may switch on a unit this device does not
    // have; its code would write registers that do not exist here.
    warnCorrected(ui, "Units not on this device",
                  "This file switches on units that " + deviceName + " does not have: ",
                  corrections.unitsSwitchedOff, "They are left off, and no code is generated for them.");
    warnCorrected(ui, "Interrupts not on this device",
                  "This file uses interrupt sources that " + deviceName + " does not have: ",
                  corrections.sourcesFreed, "Their slots are left free, and no code is generated for them.");
    warnCorrected(ui, "Channels not on this device",
                  "This file uses A/D channels that " + deviceName + " does not have: ",
                  corrections.channelsFreed, "They are left off, and no code is generated for them.");
    warnCorrected(ui, "Interrupts beyond the slots",
                  "This file lists more interrupts than " + deviceName +
                      " has slots for, or lists one twice: ",
                  corrections.entriesDropped, "Only the first entry of each within the slots is kept.");
    warnCorrected(ui, "Values wider than their registers",
                  "These fields hold more hex digits than their registers have on " + deviceName + ": ",
                  corrections.valuesCut, "Only the low digits are kept, as the register would keep them.");
    warnCorrected(ui, "Clock setting not reachable",
                  "This file names a clock setting that " + deviceName + " cannot reach: ",
                  corrections.clockSetupsResolved, "The clock is solved again for this part.");
    warnCorrected(ui, "Pins switched together",
                  "These pins share one register field with an earlier pin and now have its function: ",
                  corrections.pinsAligned, "The register holds one value for all of them.");
}

// A file made for a part with 32-bit counters can hold eight digits for a 16-bit register.
void cutWideHexValues(model::ControlStore& store, periph::LoadCorrections& corrections) {
    for (model::Control* control : store.all()) {
        auto* edit = dynamic_cast<model::NumericEdit*>(control);
        if (edit == nullptr || edit->valueKind() != model::ValueKind::HexValue || edit->maxLength() <= 0)
            continue;
        const auto width = static_cast<std::size_t>(edit->maxLength());
        const std::string digits = edit->text();
        if (digits.size() <= width)
            continue;
        const auto first = digits.find_first_not_of('0');
        std::string significant = first == std::string::npos ? std::string() : digits.substr(first);
        if (significant.size() > width) {
            corrections.valuesCut.push_back(edit->name());
            significant.erase(0, significant.size() - width);
        }
        edit->setText(std::string(width - significant.size(), '0') + significant);
    }
}

} // namespace

bool ConfigurationCommands::SaveConfigButtonClick() {
    ui::FileRequest request;
    request.title = kSaveTitle;
    request.filter = kFilter;
    request.defaultExtension = kDefaultExtension;
    request.start = dialogFile_;
    request.overwritePrompt = true;
    const auto path = form_.ui().saveFile(request);
    return path && saveConfiguration(*path);
}

bool ConfigurationCommands::saveConfiguration(const std::filesystem::path& path) {
    try {
        io::writeLines(path, form_.savedSetup(), io::LineEnding::CrLf);
    } catch (const io::FileError& e) {
        form_.ui().message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return false;
    }
    dialogFile_ = path;
    currentFile_ = path;
    return true;
}

std::filesystem::path ConfigurationCommands::openDialogStart() const {
    if (!dialogFile_.empty())
        return dialogFile_;
    // The configuration loaded last time, when the settings file remembers one that still exists.
    try {
        const auto last = config::SettingsFile(form_.dataFolders()).readLastLoaded();
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
    const auto path = form_.ui().openFile(request);
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
        config::SettingsFile(form_.dataFolders()).writeLastLoaded(text);
    } catch (const regforge::Error&) {
        // Remembering the file is a convenience; the load goes on without it.
    }
}

LoadOutcome ConfigurationCommands::loadConfiguration(const std::filesystem::path& path) {
    ui::Ui& ui = form_.ui();
    config::Lines file;
    try {
        file = io::readLines(path).lines;
    } catch (const io::FileError& e) {
        ui.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return LoadOutcome::Unreadable;
    }
    // A file without a device line after the header is no configuration either.
    if (file.size() < 2 || file[0] != config::kProfileHeader) {
        ui.message("Error openning setting", "The file is not a valid Regforge file.", ui::Icon::Error,
                   ui::Buttons::Ok);
        return LoadOutcome::NotAConfiguration;
    }

    const std::string& deviceName = file[1];
    auto& devices = form_.store().get<model::ComboBox>("mcu_ComboBox");
    const int device = devices.indexOfIgnoringCase(deviceName);
    if (device < 0) {
        ui.message("Profile not found",
                   "This file contains settings for " + io::quotedName(deviceName) + "\n" +
                       "but the profile is not available",
                   ui::Icon::Error, ui::Buttons::Ok);
        return LoadOutcome::ProfileNotFound;
    }
    if (ui.message("Apply settings?",
                   "This file contains settings for " + io::quotedName(deviceName) + "\n" +
                       "Your current project will be cleared and the file settings will be loaded," + "\n" +
                       "press OK to apply them or cancel to abort.",
                   ui::Icon::Warning, ui::Buttons::OkCancel) != ui::Answer::Ok)
        return LoadOutcome::Cancelled;

    const int selected = devices.itemIndex();
    devices.setItemIndex(device);
    // Values applied to a device that did not load would be saved back without its pins. A
    // device that did not load left the window as it was, the device list included.
    if (!form_.LoadProfileBitBtnClick()) {
        devices.setItemIndex(selected);
        return LoadOutcome::DeviceNotLoaded;
    }
    const bool restored = restore(file);
    warnCorrections(ui, deviceName, correctLoadedSetup());
    if (!restored)
        return LoadOutcome::DataError;
    // Only a file that loaded whole is offered again next time, and saved back to.
    rememberLastLoaded(path);
    currentFile_ = path;
    return LoadOutcome::Loaded;
}

bool ConfigurationCommands::restore(const config::Lines& file) {
    const periph::SavedRecords records(file);
    RestoreScope scope(form_.pages());
    try {
        applyRecords(records, [&] { restoreReplaceList(records); });
    } catch (const regforge::Error&) {
        form_.ui().message("Error ", "There was an error loading the file data", ui::Icon::Error,
                           ui::Buttons::Ok);
        return false;
    }
    return true;
}

void ConfigurationCommands::applyRecords(const periph::SavedRecords& records,
                                         const std::function<void()>& restoreReplace) {
    const auto& pages = form_.pages();
    const periph::ClockChain::Hold hold(form_.clocks());
    for (const auto& page : pages)
        page->restoreFirst(records);
    restoreReplace();
    // A file saved before the choice existed has no record: it loads with Keil.
    form_.store()
        .get<model::ComboBox>(output::kCompilerComboBox)
        .setItemIndex(static_cast<int>(config::compilerChoice(records)));
    config::restoreRecords(records, form_.store(), pages);
    form_.clocks().refresh();
}

bool ConfigurationCommands::restoreSetup(const config::Lines& saved) {
    const periph::SavedRecords records(saved);
    try {
        {
            RestoreScope scope(form_.pages());
            applyRecords(records, [&] { restoreReplaceChoice(records); });
        }
        // What was saved from this device needs no correction; the pass keeps the load's order.
        correctLoadedSetup();
    } catch (const regforge::Error&) {
        return false;
    }
    return true;
}

void ConfigurationCommands::restoreReplaceChoice(const periph::SavedRecords& records) {
    auto& store = form_.store();
    const auto choice = config::replaceChoice(records);
    auto& use = store.get<model::ToggleButton>("ReplaceUseButton");
    use.setDown(choice && choice->use);
    use.setFontColour(use.down() ? model::kRed : model::kDefaultColour);
    if (choice) {
        auto& lists = store.get<model::ComboBox>(output::kListSelector);
        lists.setItemIndex(lists.indexOfIgnoringCase(choice->listName));
    }
}

void ConfigurationCommands::restoreReplaceList(const periph::SavedRecords& records) {
    auto& store = form_.store();
    auto& use = store.get<model::ToggleButton>("ReplaceUseButton");
    use.setDown(false);
    use.setFontColour(model::kDefaultColour);
    form_.replacePanel().forgetActiveList();
    form_.scanReplaceFolders();

    const auto choice = config::replaceChoice(records);
    if (!choice)
        return;
    auto& lists = store.get<model::ComboBox>(output::kListSelector);
    const int index = lists.indexOfIgnoringCase(choice->listName);
    lists.setItemIndex(index);
    if (index < 0) {
        if (!choice->listName.empty())
            form_.ui().message("File missing",
                               "The replace file \"" + choice->listName + "\" is missing and can't be loaded",
                               ui::Icon::Warning, ui::Buttons::Ok);
        return;
    }
    if (form_.replacePanel().ReplaceListLoadButtonClick() && choice->use)
        form_.ReplaceUseButtonClick();
}

periph::LoadCorrections ConfigurationCommands::correctLoadedSetup() {
    periph::LoadCorrections corrections;
    for (const auto& page : form_.pages()) {
        for (model::CheckBox* box : page->unitSwitches())
            if (box->checked() && !box->visible()) {
                corrections.unitsSwitchedOff.push_back(box->caption());
                box->setChecked(false);
            }
        page->correctLoadedSetup(corrections);
    }
    cutWideHexValues(form_.store(), corrections);
    return corrections;
}

} // namespace regforge::app
