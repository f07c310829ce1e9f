#include "support/GeneratedText.h"
// "Save configuration" and "Load configuration" on the real window: the dialogs, the checks and
// the question before a load, the order of its steps, the replace record and the settings file.
#include "app/ConfigurationCommands.h"
#include "app/KeyCommands.h"
#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/Containers.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "output/ReplaceListPanel.h"
#include "support/ProgramFolder.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

namespace regforge::app {
namespace {

using config::LoadOutcome;
using ui::Answer;
using ui::Icon;

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/config/" + name + ".ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ConfigurationCommandsTest : public ::testing::Test {
protected:
    ConfigurationCommandsTest() {
        folder.addProfile("LPC2148", fixture("few_units"));
        folder.addProfile("LPC1768", fixture("few_units"));
        folder.addProfile("broken", "[LPC21xx]\n[TIMER0]\n32bit\nNOPWM\nx\n[INCLUDE]\nx.h\n");
        folder.dir.write("include/regforge", "[VERSION]\r\n2.2.2\r\n");
        folder.dir.write("replace/keil.ini", "PINSEL=PSEL\r\n");
        folder.start();
        EXPECT_TRUE(folder.load("LPC2148"));
        form().store().get<model::Control>("EXTMODE0_combo").changed.connect([this](model::Control&) {
            ++modeChanges;
        });
        form().store().get<model::Control>("burst0").changed.connect(
            [this](model::Control&) { ++burstChanges; });
    }

    MainForm& form() { return folder.form(); }
    ConfigurationCommands& commands() { return form().configuration(); }
    testing::FakeUi& ui() { return folder.ui; }
    std::string read(const std::string& name) { return folder.dir.read(name); }
    template <class T = model::Control>
    T& control(const std::string& name) {
        return form().store().get<T>(name);
    }

    std::filesystem::path saveTo(const std::string& name) {
        ui().files.push_back(folder.dir.path() / name);
        EXPECT_TRUE(commands().SaveConfigButtonClick());
        return folder.dir.path() / name;
    }
    LoadOutcome load(const std::filesystem::path& path) {
        ui().files.push_back(path);
        return commands().LoadConfigButtonClick();
    }
    // A configuration with a pin record for the device's pin nodes, then `records`, LF only.
    std::filesystem::path writeConfig(const std::string& records, const std::string& device = "LPC2148") {
        std::string pins;
        for (int i = 0; i < control<model::Tree>("IO_Treeview").count(); ++i)
            pins += "0\n1\n0\n";
        return folder.dir.write("hand.sav", "[profile]\n" + device + "\n[IO_Treeview]\n" + pins + records);
    }

    testing::ProgramFolder folder;
    int modeChanges = 0;
    int burstChanges = 0;
};

// The keys: a save writes back to the file last loaded or saved without asking, "save as" always
// asks, and a device loaded by itself has no file to write back to.
TEST_F(ConfigurationCommandsTest, SaveKeyWritesBackToTheCurrentFileAndSaveAsAsks) {
    const auto first = folder.dir.path() / "first.sav";
    ui().files.push_back(first);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::SaveConfiguration));
    EXPECT_EQ(ui().fileRequests.size(), 1u) << "no file yet: the save asks";
    control<model::CheckBox>("T0_checkbox").setChecked(true);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::SaveConfiguration));
    EXPECT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_NE(read("first.sav").find("[T0_checkbox]\r\n1"), std::string::npos);

    const auto second = folder.dir.path() / "second.sav";
    ui().files.push_back(second);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::SaveConfigurationAs));
    EXPECT_EQ(ui().fileRequests.size(), 2u);
    EXPECT_EQ(commands().currentFile(), second);
    EXPECT_EQ(load(first), LoadOutcome::Loaded);
    EXPECT_EQ(commands().currentFile(), first);

    ASSERT_TRUE(form().LoadProfileBitBtnClick());
    EXPECT_TRUE(commands().currentFile().empty());
    control<model::Control>("SaveConfigButton").setEnabled(false);
    EXPECT_FALSE(runKeyCommand(form(), KeyCommand::SaveConfiguration)) << "what its button cannot do";
    EXPECT_FALSE(runKeyCommand(form(), KeyCommand::SaveConfigurationAs));
}

// The page keys step through the shown tabs and wrap round at either end.
TEST_F(ConfigurationCommandsTest, PageKeysStepThroughTheShownTabsAndWrap) {
    auto& pages = control<model::PageControl>("pagecontrol1");
    const int last = static_cast<int>(pages.children().size()) - 1;
    pages.setActivePageIndex(0);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::PreviousPage));
    EXPECT_EQ(pages.activePageIndex(), last);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::NextPage));
    EXPECT_EQ(pages.activePageIndex(), 0);
    pages.children()[1]->setVisible(false);
    EXPECT_TRUE(runKeyCommand(form(), KeyCommand::NextPage));
    EXPECT_EQ(pages.activePageIndex(), 2) << "a hidden tab is passed over";
}

TEST_F(ConfigurationCommandsTest, SaveThenLoadAsksFirstAndGivesEveryValueBack) {
    control<model::CheckBox>("T0_checkbox").setChecked(true);
    control<model::ComboBox>("ReplaceFileSelectComboBox").setText("keil");
    form().ReplaceUseButtonClick();
    const auto path = saveTo("project.sav");
    ASSERT_EQ(ui().fileRequests.size(), 1u);
    EXPECT_EQ(ui().fileRequests[0].title, "Please select where to save the Regforge mcu configuration file");
    EXPECT_EQ(ui().fileRequests[0].filter, "Regforge saved configuration (*.sav)|*.sav");
    EXPECT_EQ(ui().fileRequests[0].defaultExtension, ".sav");
    EXPECT_TRUE(ui().fileRequests[0].overwritePrompt);
    EXPECT_EQ(commands().dialogFileName(), path) << "the open dialog starts on the file just saved";
    const std::string saved = read("project.sav");
    EXPECT_NE(saved.find("\r\n[EXTMODE0_combo]\r\n0\r\n0\r\n1\r\nLevel sensitivity\r\nEdge sensitivity\r\n"),
              std::string::npos)
        << "the external-interrupt combos keep their item texts";

    control<model::ComboBox>("mcu_ComboBox").setText("LPC1768");
    ASSERT_TRUE(form().LoadProfileBitBtnClick());
    ui().messages.clear();
    modeChanges = burstChanges = 0;
    EXPECT_EQ(load(path), LoadOutcome::Loaded);
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].caption, "Apply settings?");
    EXPECT_EQ(ui().messages[0].text,
              regforge::testing::expectedText(
                  "ConfigurationCommandsTest/SaveThenLoadAsksFirstAndGivesEveryValueBack"));
    EXPECT_EQ(ui().messages[0].icon, Icon::Warning);
    EXPECT_EQ(ui().messages[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(ui().fileRequests.back().title, "Select the Regforge mcu configuration file and press open");
    EXPECT_TRUE(ui().fileRequests.back().mustExist);
    EXPECT_EQ(ui().fileRequests.back().start, path);
    EXPECT_EQ(form().device().deviceName, "LPC2148");
    EXPECT_TRUE(control<model::ToggleButton>("ReplaceUseButton").down());
    EXPECT_EQ(control<model::ToggleButton>("ReplaceUseButton").fontColour(), model::kRed);
    EXPECT_EQ(form().replacePanel().activeList(), (std::vector<output::ReplacePair>{{"PINSEL", "PSEL"}}));
    EXPECT_EQ(burstChanges, 2) << "burst is checked first, then restored through its handler";
    EXPECT_EQ(modeChanges, 0) << "the mode combos' handlers are detached while the file is applied";
    control<model::ComboBox>("EXTMODE0_combo").setItemIndex(1);
    EXPECT_EQ(modeChanges, 1) << "and attached again afterwards";
    control<model::ComboBox>("EXTMODE0_combo").setItemIndex(0);
    EXPECT_EQ(read("include/regforge"),
              "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n" + std::filesystem::absolute(path).string() + "\r\n");
    saveTo("again.sav");
    EXPECT_EQ(read("again.sav"), saved);
}

TEST_F(ConfigurationCommandsTest, TheLoadedFileIsRememberedByItsFullPathUnlessItHasALineBreak) {
    const auto path = saveTo("relative.sav");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(path.parent_path());
    const LoadOutcome outcome = load("relative.sav");
    std::filesystem::current_path(previous);
    EXPECT_EQ(outcome, LoadOutcome::Loaded);
    EXPECT_EQ(read("include/regforge"), "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n" + path.string() + "\r\n");

    const auto broken = saveTo("two\nlines\r.sav");
    const std::string settings = "[VERSION]\r\n2.2.2\r\n[LASTLOADED]\r\n/old.sav\r\n";
    folder.dir.write("include/regforge", settings);
    EXPECT_EQ(load(broken), LoadOutcome::Loaded);
    EXPECT_EQ(read("include/regforge"), settings);
}

TEST_F(ConfigurationCommandsTest, RefusedFilesLeaveTheProjectUntouched) {
    control<model::CheckBox>("T0_checkbox").setChecked(true);
    const std::string settings = read("include/regforge");
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
         "settings will be loaded,\npress OK to apply them or cancel to abort."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        ui().messages.clear();
        ui().answers = {c.answer};
        EXPECT_EQ(commands().loadConfiguration(folder.dir.write("bad.sav", c.content)), c.outcome);
        ASSERT_EQ(ui().messages.size(), 1u);
        EXPECT_EQ(ui().messages[0].caption, c.caption);
        EXPECT_EQ(ui().messages[0].text, c.text);
        EXPECT_EQ(control<model::ComboBox>("mcu_ComboBox").text(), "LPC2148");
        EXPECT_TRUE(control<model::CheckBox>("T0_checkbox").checked());
        EXPECT_EQ(read("include/regforge"), settings) << "[LASTLOADED] is not touched";
    }

    ui().messages.clear();
    std::filesystem::create_directories(folder.dir.path() / "folder.sav");
    EXPECT_EQ(load(folder.dir.path() / "folder.sav"), LoadOutcome::Unreadable) << "reported, not thrown";
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].caption, "Error");

    // Values applied to a device that did not load would be saved back without its pins.
    EXPECT_EQ(load(writeConfig("[T0_checkbox]\n0\n1\n1\n", "broken")), LoadOutcome::DeviceNotLoaded);
    EXPECT_TRUE(control<model::CheckBox>("T0_checkbox").checked());
    EXPECT_EQ(control<model::ComboBox>("mcu_ComboBox").text(), "LPC2148");
}

TEST_F(ConfigurationCommandsTest, ABadValueStopsTheLoadWithAMessageKeepingWhatWasApplied) {
    const std::vector<std::string> broken = {
        "[profile]\nLPC2148\n[T0_checkbox]\n1\n1\n1\n", // pins without a record
        "[profile]\nLPC2148\n[IO_Treeview]\n1\n2\n",    // fewer node lines than nodes
    };
    for (const auto& content : broken) {
        SCOPED_TRACE(content);
        ui().messages.clear();
        EXPECT_EQ(load(folder.dir.write("broken.sav", content)), LoadOutcome::DataError);
        ASSERT_EQ(ui().messages.size(), 2u);
        EXPECT_EQ(ui().messages[1].caption, "Error ");
        EXPECT_EQ(ui().messages[1].text, "There was an error loading the file data");
        EXPECT_EQ(ui().messages[1].icon, Icon::Error);
    }
    EXPECT_EQ(load(writeConfig("[T0_checkbox]\n1\n1\n1\n[T0CTCR10]\ntwo\n1\n1\n")), LoadOutcome::DataError);
    EXPECT_TRUE(control<model::CheckBox>("T0_checkbox").checked()) << "applied before the failure";
    modeChanges = 0;
    control<model::ComboBox>("EXTMODE0_combo").setItemIndex(1);
    EXPECT_EQ(modeChanges, 1) << "the mode combos' handlers are attached again after a failure too";
}

TEST_F(ConfigurationCommandsTest, ReplaceRecordLoadsTheListOrWarnsWhenItIsMissing) {
    EXPECT_EQ(load(writeConfig("[Replace]\n1\ngcc\n[]\n")), LoadOutcome::Loaded);
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_EQ(ui().messages[1].caption, "File missing");
    EXPECT_EQ(ui().messages[1].text, "The replace file \"gcc\" is missing and can't be loaded");
    EXPECT_EQ(ui().messages[1].icon, Icon::Warning);
    EXPECT_FALSE(control<model::ToggleButton>("ReplaceUseButton").down());
    EXPECT_TRUE(form().replacePanel().activeList().empty());

    // Another letter case names the same list; "0" leaves the button released.
    EXPECT_EQ(load(writeConfig("[Replace]\n0\nKEIL\n[]\n")), LoadOutcome::Loaded);
    EXPECT_EQ(ui().messages.size(), 3u);
    EXPECT_EQ(form().replacePanel().activeListName(), "keil");
    EXPECT_FALSE(control<model::ToggleButton>("ReplaceUseButton").down());

    // Without a replace record the button is released and no list is active.
    form().ReplaceUseButtonClick();
    EXPECT_EQ(load(writeConfig("")), LoadOutcome::Loaded);
    EXPECT_FALSE(control<model::ToggleButton>("ReplaceUseButton").down());
    EXPECT_EQ(control<model::ToggleButton>("ReplaceUseButton").fontColour(), model::kDefaultColour);
    EXPECT_TRUE(form().replacePanel().activeList().empty());
}

TEST_F(ConfigurationCommandsTest, OpenDialogStartsOnTheLastLoadedFileUntilOneIsChosen) {
    const auto remembered = folder.dir.write("old.sav", "");
    folder.dir.write("include/regforge", "[LASTLOADED]\n" + remembered.string() + "\n");
    commands().LoadConfigButtonClick();
    EXPECT_EQ(ui().fileRequests.back().start, remembered);

    folder.dir.write("include/regforge", "[LASTLOADED]\n" + (folder.dir.path() / "gone.sav").string() + "\n");
    commands().LoadConfigButtonClick();
    EXPECT_EQ(ui().fileRequests.back().start, std::filesystem::path())
        << "a file that is gone is not offered";

    ui().answers = {Answer::Cancel};
    load(writeConfig(""));
    commands().LoadConfigButtonClick();
    EXPECT_EQ(ui().fileRequests.back().start, folder.dir.path() / "hand.sav")
        << "chosen last, even when not applied";
}

TEST_F(ConfigurationCommandsTest, FailedSaveKeepsThePreviousFileAndSaysWhy) {
    const auto path = folder.dir.write("project.sav", "previous\r\n");
    ui().messages.clear();
    // The disk takes no more than a few bytes of a file (a limit even the superuser meets).
    ui().files.push_back(path);
    {
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit tiny = previous;
        tiny.rlim_cur = 4;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        EXPECT_FALSE(commands().SaveConfigButtonClick());
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder.dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".project.sav"), std::string::npos) << entry.path();
    ASSERT_EQ(ui().messages.size(), 1u);
    EXPECT_EQ(ui().messages[0].caption, "Error");
    EXPECT_EQ(ui().messages[0].icon, Icon::Error);
    EXPECT_FALSE(ui().messages[0].text.empty());
    EXPECT_EQ(read("project.sav"), "previous\r\n");
    EXPECT_EQ(commands().dialogFileName(), std::filesystem::path());
}

// The window's own wiring of the configuration buttons.
TEST_F(ConfigurationCommandsTest, TheButtonsRoundTripAndRefreshTheClocks) {
    auto& cpu = control<model::NumericEdit>("pllclock_edit");
    auto& divider = control<model::ComboBox>("pclk_div");
    cpu.setText("72");
    divider.setItemIndex(3);
    ui().files = {folder.dir.path() / "a.sav"};
    control("SaveConfigButton").click();
    ASSERT_TRUE(std::filesystem::exists(folder.dir.path() / "a.sav"));

    cpu.setText("60");
    divider.setItemIndex(1);
    ui().messages.clear();
    ui().files = {folder.dir.path() / "a.sav"};
    control("LoadConfigButton").click();
    EXPECT_EQ(control<model::NumericEdit>("pclock_edit").text(), "72");
    EXPECT_TRUE(commands().saveConfiguration(folder.dir.path() / "b.sav"));
    EXPECT_EQ(read("b.sav"), read("a.sav"));
    // The changed set-up is discarded when asked (the scripted default), then the question
    // before applying; nothing else is said.
    ASSERT_EQ(ui().messages.size(), 2u);
    EXPECT_EQ(ui().messages[0].text, "Save changes to the configuration?");
}

} // namespace
} // namespace regforge::app
