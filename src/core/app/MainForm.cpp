#include "app/MainForm.h"

#include "app/SettingsFile.h"
#include "app/ShellLayout.h"
#include "config/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "output/ReplaceList.h"
#include "output/ReplaceListPanel.h"
#include "output/ResultFrame.h"
#include "periph/adc/AdcPage.h"
#include "periph/io/IoPage.h"
#include "periph/irq/IrqPage.h"
#include "periph/pwm/PwmPage.h"
#include "periph/spi/SpiPage.h"
#include "periph/timer/ClockRefresh.h"
#include "periph/timer/TimerGenerator.h"
#include "periph/timer/TimerPage.h"
#include "profile/DeviceLoader.h"
#include "tools/EditPopup.h"
#include "tools/PageChangeRule.h"

namespace regforge::app {

namespace {

// "*.ini" -> ".ini"; the program only ever lists files by extension.
std::string extensionOf(const std::string& pattern) {
    return pattern.rfind("*", 0) == 0 ? pattern.substr(1) : pattern;
}

// Adds the names not listed yet: a name stands for one file (the first folder holding it wins),
// so the user's copy of a shipped profile is listed once.
int addNewNames(model::ComboBox& list, const std::vector<std::string>& names) {
    int added = 0;
    for (const auto& name : names) {
        if (list.indexOf(name) >= 0)
            continue;
        list.addItem(name);
        ++added;
    }
    return added;
}

} // namespace

MainForm::MainForm(Ui& ui, std::filesystem::path programFolder)
    : MainForm(ui, io::DataFolders::single(std::move(programFolder))) {}

MainForm::MainForm(Ui& ui, io::DataFolders folders)
    : ui_(ui), folders_(std::move(folders)), context_{store_, device_, ui_, edit_, folders_} {
    declareControls();
    connectHandlers();
}

MainForm::~MainForm() = default;

std::filesystem::path MainForm::settingsPath() const {
    return SettingsFile::locate(folders_.writeFolder());
}

void MainForm::declareControls() {
    // Declaration order is the order of saved configurations: frame, then each page's
    // content in page order, then the panels and menus that float over the pages.
    declareShellFrame(store_);
    declareDeviceBar(store_);
    io_ = std::make_unique<periph::io::IoPage>(context_);
    irq_ = std::make_unique<periph::irq::IrqPage>(context_);
    adc_ = std::make_unique<periph::adc::AdcPage>(context_);
    timer_ = std::make_unique<periph::timer::TimerPage>(context_);
    pwm_ = std::make_unique<periph::pwm::PwmPage>(context_);
    spi_ = std::make_unique<periph::spi::SpiPage>(context_);
    declareResultPage(store_);
    declareShellTail(store_);
    editPopup_ = std::make_unique<tools::EditPopup>(context_);
    replace_ = std::make_unique<output::ReplaceListPanel>(store_, ui_, folders_);
    config_ = std::make_unique<config::ConfigurationCommands>(
        config::ConfigurationContext{store_,
                                     device_,
                                     ui_,
                                     folders_.writeFolder(),
                                     [this] { return LoadProfileBitBtnClick(); },
                                     [this] { ClockRefresh(); },
                                     [this] { scanReplaceFolders(); },
                                     [this] { ReplaceUseButtonClick(); },
                                     *replace_,
                                     {}});
    loader_ = std::make_unique<profile::DeviceLoader>(
        context_, profile::DevicePages{*io_, *irq_, *adc_, *timer_, *pwm_, *spi_},
        [this] { ClockRefresh(); });
}

void MainForm::connectHandlers() {
    editPopup_->connectHandlers();
    // The loaded device is drawn red and bold in the device list.
    store_.get<model::ComboBox>("mcu_ComboBox").setItemStyler([this](int, const std::string& item) {
        return item == device_.deviceName ? model::ItemStyle{model::kRed, true} : model::ItemStyle{};
    });
    store_.get<model::Control>("about_button").clicked.connect([this](model::Control&) {
        about_buttonClick();
    });
    store_.get<model::PageControl>("pagecontrol1").changed.connect([this](model::Control&) {
        pagecontrol1Change();
    });
    store_.get<model::Control>("LoadProfileBitBtn").clicked.connect([this](model::Control&) {
        LoadProfileBitBtnClick();
    });
    store_.get<model::Control>("LoadConfigButton").clicked.connect([this](model::Control&) {
        config_->LoadConfigButtonClick();
    });
    store_.get<model::Control>("SaveConfigButton").clicked.connect([this](model::Control&) {
        config_->SaveConfigButtonClick();
    });
    store_.get<model::Control>("ReplaceListLoadButton").clicked.connect([this](model::Control&) {
        replace_->ReplaceListLoadButtonClick();
    });
    store_.get<model::Control>("Result_btn").clicked.connect([this](model::Control&) { Result_btnClick(); });
    store_.get<model::Control>("ReplaceUseButton").clicked.connect([this](model::Control&) {
        ReplaceUseButtonClick();
    });
    store_.get<model::Control>("ViewReplaceButton").clicked.connect([this](model::Control&) {
        auto& panel = store_.get<model::Control>("ReplacePanel");
        panel.setVisible(!panel.visible());
    });
    store_.get<model::Control>("pllclock_edit").changed.connect([this](model::Control&) { ClockRefresh(); });
    store_.get<model::Control>("pclk_div").changed.connect([this](model::Control&) { ClockRefresh(); });
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
    if (!folders_.hasSubFolder("include")) {
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
        ui_.message("Error openning setting",
                    "There was an error while trying to open the application settings.", Icon::Error,
                    Buttons::Ok);
    }

    for (const auto& folder : includeFolders())
        ScanDeviceProfiles(folder, "*.ini", false);
    scanReplaceFolders();

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

int MainForm::ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern,
                                 bool recurse) {
    return addNewNames(store_.get<model::ComboBox>("mcu_ComboBox"),
                       io::listBaseNames(folder, extensionOf(pattern), recurse));
}

int MainForm::ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern) {
    auto& lists = store_.get<model::ComboBox>("ReplaceFileSelectComboBox");
    lists.clearItems();
    return addNewNames(lists, io::listBaseNames(folder, extensionOf(pattern), false));
}

void MainForm::scanReplaceFolders() {
    const auto folders = replaceFolders();
    ScanReplaceLists(folders.front(), "*.ini");
    auto& lists = store_.get<model::ComboBox>("ReplaceFileSelectComboBox");
    for (std::size_t i = 1; i < folders.size(); ++i)
        addNewNames(lists, io::listBaseNames(folders[i], ".ini", false));
}

void MainForm::about_buttonClick() {
    auto& about = store_.get<model::Control>("about_panel");
    about.setVisible(!about.visible());
}

bool MainForm::LoadProfileBitBtnClick() {
    const bool loaded = loader_->LoadProfileBitBtnClick();
    // The device list draws the loaded device differently.
    store_.get<model::ComboBox>("mcu_ComboBox").restyle();
    return loaded;
}

void MainForm::ClockRefresh() {
    periph::timer::refreshPeripheralClocks(store_, device_);
    adc_->refreshFigures();
    timer_->refreshFigures();
    pwm_->refreshFigures();
    spi_->refreshFigures();
}

void MainForm::runGenerators(periph::ResultLists& lists) {
    // Pins, external and GPIO interrupts, the interrupt controller, A/D converters, timers
    // 0 to 3, PWM units 0 and 1, SPI, SSP ports 0 to 2: each page's generator in this order.
    io_->generatePinCode(lists);
    periph::timer::TimerGenerator(store_, device_).generateCheckedTimers(lists);
}

void MainForm::Result_btnClick() {
    if (store_.get<model::Tree>("IO_Treeview").count() == 0)
        return;
    store_.get<model::Control>("ReplacePanel").setVisible(false);
    auto& memo = store_.get<model::Memo>("Memo1");
    memo.clear();
    periph::ResultLists lists;
    try {
        runGenerators(lists);
    } catch (const std::exception& e) {
        // Only a damaged configuration can put text a generator cannot convert into a
        // register edit; the user is told which instead of getting half a program.
        ui_.message("Error", std::string("The code could not be created: ") + e.what(), Icon::Error,
                    Buttons::Ok);
        return;
    }
    std::vector<std::string> lines = output::frameResult(device_, lists);
    if (store_.get<model::ToggleButton>("ReplaceUseButton").down()) {
        std::vector<output::ReplacePair> pairs;
        for (const auto& row : store_.get<model::ValueList>("ReplaceValueListEditor").rows())
            pairs.push_back({row.key, row.value});
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i > 0 ? "\n" : "") + lines[i];
        lines = io::splitLines(output::applyReplaceList(text, pairs)).lines;
    }
    memo.setLines(lines);
    ui_.setClipboard(memo.text() + "\n");
}

void MainForm::ReplaceUseButtonClick() {
    auto& button = store_.get<model::ToggleButton>("ReplaceUseButton");
    button.setDown(!button.down());
    button.setFontColour(button.down() ? model::kRed : model::kDefaultColour);
}

void MainForm::pagecontrol1Change() {
    tools::applyPageChangeRule(store_, store_.get<model::PageControl>("pagecontrol1").activePageIndex(),
                               device_);
    scrollToTop.emit();
}

} // namespace regforge::app
