#include "app/MainForm.h"

#include "app/SettingsFile.h"
#include "app/ShellLayout.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/NumericEdit.h"
#include "tools/PageChangeRule.h"

namespace regforge::app {

namespace {

// "*.ini" -> ".ini"; the program only ever lists files by extension.
std::string extensionOf(const std::string& pattern) {
    return pattern.rfind("*", 0) == 0 ? pattern.substr(1) : pattern;
}

} // namespace

MainForm::MainForm(Ui& ui, std::filesystem::path programFolder)
    : ui_(ui), programFolder_(std::move(programFolder)) {
    declareControls();
    connectHandlers();
}

MainForm::~MainForm() = default;

std::filesystem::path MainForm::settingsPath() const { return SettingsFile::locate(programFolder_); }

void MainForm::declareControls() {
    // Declaration order is the order of saved configurations: frame, then each page's
    // content in page order, then the panels and menus that float over the pages.
    declareShellFrame(store_);
    declareDeviceBar(store_);
    declareResultPage(store_);
    declareShellTail(store_);
}

void MainForm::connectHandlers() {
    store_.get<model::Control>("about_button").clicked.connect([this](model::Control&) { about_buttonClick(); });
    store_.get<model::PageControl>("pagecontrol1").changed.connect([this](model::Control&) {
        pagecontrol1Change();
    });
    // A key refused by a numeric edit shows the edit's own message, when it has one.
    for (model::Control* c : store_.all()) {
        if (auto* edit = dynamic_cast<model::NumericEdit*>(c)) {
            edit->inputRefused.connect([this](model::NumericEdit& e) {
                if (!e.errorMessage().empty())
                    ui_.message("Regforge", e.errorMessage(), Icon::Warning, Buttons::Ok);
            });
        }
    }
}

void MainForm::FormCreate() {
    std::error_code ec;
    if (!std::filesystem::is_directory(includeFolder(), ec)) {
        ui_.message("Folder missing",
                    "The \"include\" folder is missing.\n"
                    "The folder should be in the same path as the executable for proper operation.\n"
                    "Please extract the compressed file contents again or\n"
                    "install Regforge again from its release package.",
                    Icon::Error, Buttons::Ok);
        terminateRequested_ = true;
        ui_.terminate();
    }

    try {
        if (const auto size = SettingsFile(settingsPath()).readFormSize())
            store_.get<model::Form>("Form1").setSize(size->width, size->height);
    } catch (const SettingsFile::Error&) {
        ui_.message("Error openning setting", "There was an error while trying to open the application settings.",
                    Icon::Error, Buttons::Ok);
    }

    ScanDeviceProfiles(includeFolder(), "*.ini", false);
    ScanReplaceLists(replaceFolder(), "*.ini");

    auto& devices = store_.get<model::ComboBox>("mcu_ComboBox");
    if (devices.count() > 0)
        devices.setItemIndex(0);

    device_ = profile::DeviceState{};
    pagecontrol1Change();
}

void MainForm::FormClose() {
    const auto& form = store_.get<model::Form>("Form1");
    try {
        SettingsFile(settingsPath()).writeFormSize({form.height(), form.width()});
    } catch (const SettingsFile::Error&) {
        // Closing never stops on the settings file: the size is simply not remembered.
    }
}

int MainForm::ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern, bool recurse) {
    auto& devices = store_.get<model::ComboBox>("mcu_ComboBox");
    const auto names = io::listBaseNames(folder, extensionOf(pattern), recurse);
    for (const auto& name : names)
        devices.addItem(name);
    return static_cast<int>(names.size());
}

int MainForm::ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern) {
    auto& lists = store_.get<model::ComboBox>("ReplaceFileSelectComboBox");
    lists.clearItems();
    const auto names = io::listBaseNames(folder, extensionOf(pattern), false);
    for (const auto& name : names)
        lists.addItem(name);
    return static_cast<int>(names.size());
}

void MainForm::about_buttonClick() {
    auto& about = store_.get<model::Control>("about_panel");
    about.setVisible(!about.visible());
}

void MainForm::pagecontrol1Change() {
    tools::applyPageChangeRule(store_, store_.get<model::PageControl>("pagecontrol1").activePageIndex(), device_);
    scrollToTop.emit();
}

} // namespace regforge::app
