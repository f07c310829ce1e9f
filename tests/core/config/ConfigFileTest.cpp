#include "config/ConfigFile.h"

#include "app/MainForm.h"
#include "config/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "output/ReplaceListPanel.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace regforge::config {
namespace {

using model::ControlKind;
using ui::Answer;
using ui::Icon;

// The same text with CR LF line breaks.
std::string crlf(const std::string& lfText) {
    std::string out;
    for (const char c : lfText)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// A small window with one control of every saved kind and a few that are never saved, and a
// device load that puts every control back to its default, as the pages do.
class ConfigFileTest : public ::testing::Test {
protected:
    ConfigFileTest() {
        auto& form = store.add<model::Form>("Form1");
        devices = &store.add<model::ComboBox>("mcu_ComboBox", &form);
        devices->setTag(-1);
        devices->setSorted(true);
        devices->setItems({"LPC2148", "LPC1768"});
        devices->setText("LPC2148");
        pins = &store.add<model::Tree>("IO_Treeview", &form);
        group = &store.addPlain(ControlKind::GroupBox, "T0_groupbox", &form);
        enable = &store.add<model::CheckBox>("T0_checkbox", group);
        slave = &store.add<model::RadioButton>("SPISlave_radio", group);
        burst = &store.add<model::CheckBox>("burst0", &form);
        mode = &store.add<model::ComboBox>("T0CTCR10", &form);
        mode->setTag(310);
        extMode = &store.add<model::ComboBox>("EXTMODE0_combo", &form);
        extMode->setTag(80);
        match = &store.add<model::NumericEdit>("T0MR0", &form);
        match->setValueKind(model::ValueKind::HexValue);
        match->setMaxLength(8);
        match->setMinimumDigits(8);
        divider = &store.add<model::NumericEdit>("clkdiv0", &form);
        divider->setValueKind(model::ValueKind::Numeric);
        channel = &store.addPlain(ControlKind::Label, "PWM0_label1", &form);
        channel->setTag(701);
        store.addPlain(ControlKind::Label, "Label9", &form, "not saved: tag 0");
        unitPanel = &store.addPlain(ControlKind::Panel, "T0_panel", &form);
        store.addPlain(ControlKind::Panel, "T0_cover", &form).setTag(-1);
        stopItem = &store.add<model::MenuItem>("StopOnMatch",
                                               &store.addPlain(ControlKind::PopupMenu, "Popup", &form));
        openDrain = &store.add<model::CheckListBox>("OpenDrainCheckListBox", &form);
        slots = &store.add<model::Playlist>("ISR_ListBox", &form);
        fastIrq = &store.addPlain(ControlKind::Button, "SpeedButton5", &form, "Add as Fast IRQ");
        vectorIrq = &store.addPlain(ControlKind::Button, "SpeedButton6", &form, "Add as Vector IRQ");
        use = &store.add<model::ToggleButton>("ReplaceUseButton", &form);
        lists = &store.add<model::ComboBox>("ReplaceFileSelectComboBox", &form);
        lists->setTag(-1);
        store.add<model::ValueList>("ReplaceValueListEditor", &form);

        folder.write("include/regforge", "[VERSION]\r\n2.2.2\r\n");
        folder.write("replace/keil.ini", "PINSEL=PSEL\r\n");
        scanReplaceLists();
        extMode->changed.connect([this](model::Control&) { ++extModeChanges; });
        burst->changed.connect([this](model::Control&) { ++burstChanges; });
        commands = std::make_unique<ConfigurationCommands>(ConfigurationContext{
            store,
            device,
            ui,
            io::DataFolders::single(folder.path()),
            [this] { return loadDevice(); },
            [this] { ++clockRefreshes; },
            [this] { scanReplaceLists(); },
            [this] { toggleReplaceUse(); },
            replacePanel,
            [this](const std::string& source) -> std::optional<int> {
                const auto it = vectorSlots.find(source);
                return it == vectorSlots.end() ? std::nullopt : std::optional<int>(it->second);
            },
            {}});
    }

    bool loadDevice() {
        ++deviceLoads;
        if (!deviceLoadWorks)
            return false;
        device = profile::DeviceState{};
        device.deviceName = devices->text();
        for (model::Control* c : store.all()) {
            c->setEnabled(true);
            c->setVisible(c != unitPanel && (fixedSlotDevice || (c != fastIrq && c != vectorIrq)));
        }
        pins->clear();
        pins->addNode(pins->addNode(-1, "P0"), "P0.0");
        pins->addNode(0, "P0.1");
        enable->setChecked(false);
        slave->setChecked(false);
        burst->setChecked(false);
        mode->setItems({"Timer", "Counter rising", "Counter falling"});
        mode->setItemIndex(0);
        model::MuteGuard quiet(*extMode);
        extMode->setItems({"Level", "Edge"});
        extMode->setItemIndex(0);
        match->setText("0");
        divider->setText("0");
        channel->setCaption("off");
        openDrain->setItems({"P0.2", "P0.3", "P0.4"});
        slots->setItems(fixedSlotDevice ? std::vector<std::string>(5, " ") : std::vector<std::string>{});
        return true;
    }
    void scanReplaceLists() {
        lists->clearItems();
        for (const auto& name : io::listBaseNames(folder.path() / "replace", ".ini", false))
            lists->addItem(name);
    }
    void toggleReplaceUse() {
        use->setDown(!use->down());
        use->setFontColour(use->down() ? model::kRed : model::kDefaultColour);
    }

    // Every saved control away from its default.
    void configure() {
        ASSERT_TRUE(loadDevice());
        for (int i = 0; i < 3; ++i) {
            pins->setImageIndex(i, 3 * i + 1);
            pins->setStateIndex(i, 3 * i + 2);
            pins->setSelectedIndex(i, 3 * i + 3);
        }
        group->setEnabled(false);
        enable->setChecked(true);
        enable->setEnabled(false);
        slave->setChecked(true);
        mode->setItemIndex(2);
        mode->setEnabled(false);
        mode->setVisible(false);
        extMode->setItems({"Low", "High"});
        extMode->setItemIndex(1);
        match->setText("1f");
        divider->setText("17");
        channel->setCaption("PWM0 output: single edge");
        channel->setEnabled(false);
        unitPanel->setVisible(true);
        stopItem->setChecked(true);
        openDrain->setChecked(0, true);
        openDrain->setChecked(2, true);
        slots->setItems({"UART0", "TIMER0"});
        lists->setText("keil");
        toggleReplaceUse();
        extModeChanges = burstChanges = 0;
    }

    std::filesystem::path saveTo(const std::string& name) {
        ui.files.push_back(folder.path() / name);
        EXPECT_TRUE(commands->SaveConfigButtonClick());
        return folder.path() / name;
    }
    LoadOutcome load(const std::filesystem::path& path) {
        ui.files.push_back(path);
        return commands->LoadConfigButtonClick();
    }
    // A configuration with a pin record for this device's three pins, then `records`, LF only.
    std::filesystem::path writeConfig(const std::string& records, const std::string& device = "LPC2148") {
        return folder.write("hand.sav", "[profile]\n" + device +
                                            "\n[IO_Treeview]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n" + records);
    }

    testing::TempDir folder;
    testing::FakeUi ui;
    model::ControlStore store;
    profile::DeviceState device;
    output::ReplaceListPanel replacePanel{store, ui, io::DataFolders::single(folder.path())};
    std::unique_ptr<ConfigurationCommands> commands;
    std::map<std::string, int> vectorSlots{{"UART0", 2}, {"TIMER0", 0}};

    model::ComboBox *devices, *mode, *extMode, *lists;
    model::Tree* pins;
    model::Control *group, *channel, *unitPanel, *fastIrq, *vectorIrq;
    model::CheckBox *enable, *burst;
    model::RadioButton* slave;
    model::NumericEdit *match, *divider;
    model::MenuItem* stopItem;
    model::CheckListBox* openDrain;
    model::Playlist* slots;
    model::ToggleButton* use;

    bool deviceLoadWorks = true;
    bool fixedSlotDevice = false;
    int deviceLoads = 0;
    int clockRefreshes = 0;
    int extModeChanges = 0;
    int burstChanges = 0;
};

TEST_F(ConfigFileTest, SavedFileHoldsOneRecordPerSavedControlInDeclarationOrder) {
    configure();
    const auto path = saveTo("project.sav");
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Please select where to save the Regforge mcu configuration file");
    EXPECT_EQ(ui.fileRequests[0].filter, "Regforge saved configuration (*.sav)|*.sav");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, ".sav");
    EXPECT_TRUE(ui.fileRequests[0].overwritePrompt);

    // One record per line here.
    EXPECT_EQ(folder.read("project.sav"), crlf("[profile]\nLPC2148\n"
                                               "[IO_Treeview]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n"
                                               "[T0_groupbox]\n0\n"
                                               "[T0_checkbox]\n1\n0\n1\n"
                                               "[SPISlave_radio]\n1\n1\n1\n"
                                               "[burst0]\n0\n1\n1\n"
                                               "[T0CTCR10]\n2\n0\n0\n"
                                               "[EXTMODE0_combo]\n1\n1\n1\nLow\nHigh\n"
                                               "[T0MR0]\n0000001F\n1\n1\n"
                                               "[clkdiv0]\n17\n1\n1\n"
                                               "[PWM0_label1]\nPWM0 output: single edge\n0\n1\n"
                                               "[T0_panel]\n1\n"
                                               "[StopOnMatch]\n1\n"
                                               "[OpenDrainCheckListBox]\n1\n0\n1\n"
                                               "[ISR_ListBox]\nUART0\nTIMER0\n"
                                               "[Replace]\n1\nkeil\n[]\n"));
    EXPECT_EQ(commands->dialogFileName(), path) << "the open dialog starts on the file just saved";

    const std::string first = folder.read("project.sav");
    saveTo("project.sav");
    EXPECT_EQ(folder.read("project.sav"), first) << "saving changes nothing in the window";

    // With IOCON the open-drain marks live in the pins.
    device.hasIocon = true;
    const auto lines = buildConfiguration(store, device);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[OpenDrainCheckListBox]"), 0);
}

TEST_F(ConfigFileTest, LoadLoadsTheDeviceThenRestoresEverySavedValue) {
    configure();
    const auto path = saveTo("project.sav");
    const std::string saved = folder.read("project.sav");
    devices->setText("LPC1768");
    stopItem->setChecked(false); // device loads leave menu items alone
    ui.messages.clear();

    EXPECT_EQ(load(path), LoadOutcome::Loaded);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Apply settings?");
    EXPECT_EQ(ui.messages[0].text,
              "This file contains settings for LPC2148\n"
              "Your current project will be cleared and the file settings will be loaded,\n"
              "press OK to apply them or cancel to abort.");
    EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(ui.fileRequests.back().title, "Select the Regforge mcu configuration file and press open");
    EXPECT_TRUE(ui.fileRequests.back().mustExist);
    EXPECT_EQ(ui.fileRequests.back().start, path);

    EXPECT_EQ(deviceLoads, 2);
    EXPECT_EQ(device.deviceName, "LPC2148");
    EXPECT_EQ(pins->node(2).selectedIndex, 9);
    EXPECT_EQ(match->shownText(), "0x0000001F");
    EXPECT_EQ(extMode->items(), (std::vector<std::string>{"Low", "High"}));
    EXPECT_EQ(use->fontColour(), model::kRed);
    EXPECT_EQ(replacePanel.activeList(), (std::vector<output::ReplacePair>{{"PINSEL", "PSEL"}}));
    EXPECT_EQ(clockRefreshes, 1);
    EXPECT_EQ(burstChanges, 2) << "burst is checked first, then restored through its handler";
    EXPECT_EQ(extModeChanges, 0) << "the mode combos' handlers are detached while the file is applied";
    extMode->setItemIndex(0);
    EXPECT_EQ(extModeChanges, 1) << "and attached again afterwards";
    extMode->setItemIndex(1);
    EXPECT_EQ(folder.read("include/regforge"),
              "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n" + std::filesystem::absolute(path).string() + "\r\n");

    // The device load put every control back to its default, so equal bytes mean every
    // saved value came back.
    saveTo("again.sav");
    EXPECT_EQ(folder.read("again.sav"), saved);
}

TEST_F(ConfigFileTest, AFileChosenByARelativePathIsRememberedByItsFullPath) {
    configure();
    const auto path = saveTo("relative.sav");
    folder.write("include/regforge", "[VERSION]\r\n2.2.2\r\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(path.parent_path());
    const LoadOutcome outcome = load("relative.sav");
    std::filesystem::current_path(previous);
    EXPECT_EQ(outcome, LoadOutcome::Loaded);
    EXPECT_EQ(folder.read("include/regforge"),
              "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n" + path.string() + "\r\n");
}

TEST_F(ConfigFileTest, APathWithALineBreakIsLoadedButNotRemembered) {
    configure();
    const auto path = saveTo("two\nlines\r.sav");
    const std::string settings =
        "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n/old.sav\r\n[FORMSIZE]\r\n600\r\n500\r\n";
    folder.write("include/regforge", settings);
    EXPECT_EQ(load(path), LoadOutcome::Loaded);
    EXPECT_EQ(folder.read("include/regforge"), settings);
}

TEST_F(ConfigFileTest, LoadFindsRecordsIgnoringCaseAndUnchecksMenuItemsWithoutRecord) {
    configure();
    EXPECT_EQ(load(writeConfig("[t0_CHECKBOX]\n1\n1\n0\n[T0MR0]\nabc\n0\n1\n", "lpc2148")),
              LoadOutcome::Loaded);
    EXPECT_EQ(devices->text(), "LPC2148");
    EXPECT_TRUE(enable->checked());
    EXPECT_TRUE(enable->visible()) << "a check box's visibility is written but not restored";
    EXPECT_EQ(match->shownText(), "0x00000ABC");
    EXPECT_FALSE(stopItem->checked()) << "a menu item without a record is unchecked";
    EXPECT_EQ(mode->itemIndex(), 0) << "other controls without a record keep the device load's value";
    EXPECT_FALSE(use->down()) << "without a replace record the use button is released";
    EXPECT_TRUE(replacePanel.activeList().empty());
}

TEST_F(ConfigFileTest, RefusedFilesLeaveTheProjectUntouched) {
    configure();
    const std::string settings = folder.read("include/regforge");
    const std::string notValid = "The file is not a valid Regforge file.";
    struct Case {
        std::string content;
        Answer answer;
        LoadOutcome outcome;
        std::string caption;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"", Answer::Ok, LoadOutcome::NotAConfiguration, "Error openning setting", notValid},
        {"[Profile]\nLPC2148\n", Answer::Ok, LoadOutcome::NotAConfiguration, "Error openning setting",
         notValid},
        {"[profile]\n", Answer::Ok, LoadOutcome::NotAConfiguration, "Error openning setting", notValid},
        {"[profile]\nLPC9999\n", Answer::Ok, LoadOutcome::ProfileNotFound, "Profile not found",
         "This file contains settings for LPC9999\nbut the profile is not available"},
        {"[profile]\nLPC1768\n[T0_checkbox]\n0\n1\n1\n", Answer::Cancel, LoadOutcome::Cancelled,
         "Apply settings?",
         "This file contains settings for LPC1768\nYour current project will be cleared and the file "
         "settings will "
         "be loaded,\npress OK to apply them or cancel to abort."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        ui.messages.clear();
        ui.answers = {c.answer};
        EXPECT_EQ(load(folder.write("bad.sav", c.content)), c.outcome);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, c.caption);
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(deviceLoads, 1);
        EXPECT_EQ(devices->text(), "LPC2148");
        EXPECT_TRUE(enable->checked());
        EXPECT_TRUE(use->down());
        EXPECT_EQ(folder.read("include/regforge"), settings) << "[LASTLOADED] is not touched";
    }

    ui.messages.clear();
    std::filesystem::create_directories(folder.path() / "folder.sav");
    EXPECT_EQ(load(folder.path() / "folder.sav"), LoadOutcome::Unreadable) << "reported, not thrown";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error");

    // Values applied to a device that did not load would be saved back without its pins.
    deviceLoadWorks = false;
    EXPECT_EQ(load(writeConfig("[T0_checkbox]\n0\n1\n1\n")), LoadOutcome::DeviceNotLoaded);
    EXPECT_TRUE(enable->checked());
}

TEST_F(ConfigFileTest, BadValueStopsWithErrorKeepingWhatWasApplied) {
    configure();
    // In declaration order the check box comes before the broken combo, the edit after it.
    EXPECT_EQ(load(writeConfig("[T0_checkbox]\n0\n1\n1\n[T0CTCR10]\ntwo\n1\n1\n[clkdiv0]\n99\n1\n1\n")),
              LoadOutcome::DataError);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].caption, "Error ");
    EXPECT_EQ(ui.messages[1].text, "There was an error loading the file data");
    EXPECT_EQ(ui.messages[1].icon, Icon::Error);
    EXPECT_EQ(pins->node(2).selectedIndex, 9);
    EXPECT_FALSE(enable->checked()) << "applied before the failure";
    EXPECT_EQ(divider->text(), "0") << "not reached";
    EXPECT_EQ(clockRefreshes, 0);
    extMode->setItemIndex(1);
    EXPECT_EQ(extModeChanges, 1) << "the mode combos' handlers are attached again after a failure too";

    const std::vector<std::string> broken = {
        "[profile]\nLPC2148\n[T0_checkbox]\n1\n1\n1\n",    // pins without a record
        "[profile]\nLPC2148\n[IO_Treeview]\n1\n2\n3\n4\n", // fewer node lines than nodes
        "[profile]\nLPC2148\n[IO_Treeview]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n[clkdiv0]\n5\n", // record ends early
        "[profile]\nLPC2148\n[IO_Treeview]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n[OpenDrainCheckListBox]\n1\n1\n1\n1\n",
    };
    for (const auto& content : broken) {
        SCOPED_TRACE(content);
        EXPECT_EQ(load(folder.write("broken.sav", content)), LoadOutcome::DataError);
        EXPECT_EQ(ui.messages.back().caption, "Error ");
    }
    EXPECT_TRUE(openDrain->checked(2)) << "marks before the surplus line stay";
}

TEST_F(ConfigFileTest, ReplaceRecordLoadsTheListOrWarnsWhenItIsMissing) {
    configure();
    EXPECT_EQ(load(writeConfig("[Replace]\n1\ngcc\n[]\n[clkdiv0]\n42\n1\n1\n")), LoadOutcome::Loaded);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].caption, "File missing");
    EXPECT_EQ(ui.messages[1].text, "The replace file \"gcc\" is missing and can't be loaded");
    EXPECT_EQ(ui.messages[1].icon, Icon::Warning);
    EXPECT_EQ(divider->text(), "42") << "the rest loads";
    EXPECT_FALSE(use->down());
    EXPECT_EQ(use->fontColour(), model::kDefaultColour);
    EXPECT_TRUE(replacePanel.activeList().empty());

    // Another letter case names the same list; "0" leaves the button released.
    EXPECT_EQ(load(writeConfig("[Replace]\n0\nKEIL\n[]\n")), LoadOutcome::Loaded);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(replacePanel.activeListName(), "keil");
    EXPECT_FALSE(use->down());
}

TEST_F(ConfigFileTest, FixedSlotInterruptListPlacesSourcesInTheirVectorSlots) {
    fixedSlotDevice = true;
    EXPECT_EQ(load(writeConfig("[ISR_ListBox]\nEINT0\nUART0\n \nTIMER0\n")), LoadOutcome::Loaded);
    EXPECT_EQ(slots->items(), (std::vector<std::string>{"EINT0", "TIMER0", " ", "UART0", " "}));
    EXPECT_EQ(load(writeConfig("[ISR_ListBox]\nEINT0\nSSP9\n")), LoadOutcome::DataError)
        << "a source the device does not have has no slot";

    fixedSlotDevice = false;
    EXPECT_EQ(load(writeConfig("[ISR_ListBox]\nEINT0\nSSP9\n")), LoadOutcome::Loaded);
    EXPECT_EQ(slots->items(), (std::vector<std::string>{"EINT0", "SSP9"}));
}

TEST_F(ConfigFileTest, OpenDialogStartsOnTheLastLoadedFileUntilOneIsChosen) {
    const auto remembered = folder.write("old.sav", "");
    folder.write("include/regforge", "[LASTLOADED]\n" + remembered.string() + "\n");
    commands->LoadConfigButtonClick();
    EXPECT_EQ(ui.fileRequests.back().start, remembered);

    folder.write("include/regforge", "[LASTLOADED]\n" + (folder.path() / "gone.sav").string() + "\n");
    commands->LoadConfigButtonClick();
    EXPECT_EQ(ui.fileRequests.back().start, std::filesystem::path()) << "a file that is gone is not offered";

    ui.answers = {Answer::Cancel};
    load(writeConfig(""));
    commands->LoadConfigButtonClick();
    EXPECT_EQ(ui.fileRequests.back().start, folder.path() / "hand.sav")
        << "chosen last, even when not applied";
}

TEST_F(ConfigFileTest, FailedSaveKeepsThePreviousFileAndSaysWhy) {
    configure();
    const auto path = folder.write("project.sav", "previous\r\n");
    // The disk takes no more than a few bytes of a file (a limit even the superuser meets).
    ui.files.push_back(path);
    {
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit tiny = previous;
        tiny.rlim_cur = 4;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        EXPECT_FALSE(commands->SaveConfigButtonClick());
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename().string().find(".project.sav"), std::string::npos) << entry.path();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_FALSE(ui.messages[0].text.empty());
    EXPECT_EQ(folder.read("project.sav"), "previous\r\n");
    EXPECT_EQ(commands->dialogFileName(), std::filesystem::path());
}

// The real window with its own wiring of the configuration buttons.
TEST(ConfigurationOnMainForm, RealWindowRoundTripsAndRefreshesClocks) {
    testing::TempDir folder;
    testing::FakeUi ui;
    folder.write("include/LPC2148.ini", "[INCLUDE]\nLPC214x.h\n");
    folder.write("replace/keil.ini", "PINSEL=PSEL\r\n");
    app::MainForm form(ui, folder.path());
    form.FormCreate();
    ASSERT_TRUE(form.LoadProfileBitBtnClick());
    auto& cpu = form.store().get<model::NumericEdit>("pllclock_edit");
    auto& divider = form.store().get<model::ComboBox>("pclk_div");
    cpu.setText("72");
    divider.setItemIndex(3);
    form.store().get<model::ComboBox>("ReplaceFileSelectComboBox").setText("keil");
    form.ReplaceUseButtonClick();
    ui.files = {folder.path() / "a.sav"};
    form.store().get<model::Control>("SaveConfigButton").click();
    ASSERT_TRUE(std::filesystem::exists(folder.path() / "a.sav"));

    cpu.setText("60");
    divider.setItemIndex(1);
    form.ReplaceUseButtonClick();
    ui.files = {folder.path() / "a.sav"};
    form.store().get<model::Control>("LoadConfigButton").click();
    EXPECT_EQ(form.store().get<model::NumericEdit>("pclock_edit").text(), "72");
    EXPECT_TRUE(form.store().get<model::ToggleButton>("ReplaceUseButton").down());
    EXPECT_EQ(form.replacePanel().activeList().size(), 1u);
    EXPECT_EQ(form.configuration().saveConfiguration(folder.path() / "b.sav"), true);
    EXPECT_EQ(folder.read("b.sav"), folder.read("a.sav"));
    // The changed set-up is discarded when asked (the scripted default), then the question
    // before applying; nothing else is said.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Save changes to the configuration?");
}

} // namespace
} // namespace regforge::config

namespace regforge::config {
namespace {

// Every node of the GPIO interrupt tree comes back, the first one too.
TEST(ConfigFileGpioTree, EveryNodeStateRoundTrips) {
    model::ControlStore store;
    auto& tree = store.add<model::Tree>("GPIOISR_TreeView", nullptr);
    for (int i = 0; i < 3; ++i)
        tree.setStateIndex(tree.addNode(-1, "P0." + std::to_string(i)), i + 1);
    profile::DeviceState device;
    device.deviceName = "LPC2148";
    const auto lines = buildConfiguration(store, device);
    for (int i = 0; i < 3; ++i)
        tree.setStateIndex(i, 0);
    testing::FakeUi ui;
    RestoreHooks hooks;
    hooks.refreshClocks = [] {};
    hooks.scanReplaceLists = [] {};
    hooks.forgetReplaceList = [] {};
    hooks.toggleReplaceUse = [] {};
    hooks.loadReplaceList = [] { return true; };
    EXPECT_TRUE(restoreConfiguration(lines, store, ui, hooks));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tree.node(i).stateIndex, i + 1) << i;
}

} // namespace
} // namespace regforge::config
