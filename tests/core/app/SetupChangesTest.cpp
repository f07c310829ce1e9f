#include "app/MainForm.h"
#include "app/ShellLayout.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "support/ProgramFolder.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace regforge::app {
namespace {

std::string timerFixture(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/timer/" + name + ".ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str() + "[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\n[IODIR]\nIO0DIR,0\n";
}

// A window with two devices; the first one is loaded by the "Load profile" button.
class SetupChanges : public ::testing::Test {
protected:
    SetupChanges() {
        folder.addProfile("DEV1", timerFixture("arm7_mixed_widths"));
        folder.addProfile("DEV2", timerFixture("arm7_single_divider"));
        folder.start();
        choose("DEV1");
        press("LoadProfileBitBtn");
    }
    MainForm& form() { return folder.form(); }
    void choose(const std::string& device) {
        auto& devices = form().store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf(device));
    }
    void press(const char* button) { form().store().get<model::Control>(button).click(); }
    model::CheckBox& timer0() { return form().store().get<model::CheckBox>("T0_checkbox"); }
    std::string title() {
        form().refreshTitle();
        return form().store().get<model::Form>("Form1").caption();
    }
    std::size_t questions() const {
        std::size_t n = 0;
        for (const auto& m : folder.ui.messages)
            n += m.text == "Save changes to the configuration?" ? 1 : 0;
        return n;
    }

    testing::ProgramFolder folder;
};

TEST_F(SetupChanges, AChangeShowsInTheTitleUntilItIsUndoneOrSaved) {
    EXPECT_FALSE(form().setupChanged()) << "a fresh load is the point of comparison";
    EXPECT_EQ(title(), std::string("DEV1 - ") + kFormCaption);
    int touched = 0;
    form().setupTouched.connect([&] { ++touched; });

    timer0().click();
    EXPECT_TRUE(form().setupChanged());
    EXPECT_GT(touched, 0) << "the views are told to refresh the title";
    EXPECT_EQ(title(), std::string("DEV1 - changed - ") + kFormCaption);
    timer0().click();
    EXPECT_FALSE(form().setupChanged()) << "undoing the change leaves nothing to save";

    timer0().click();
    folder.ui.files = {folder.dir.path() / "dev1.sav"};
    press("SaveConfigButton");
    EXPECT_FALSE(form().setupChanged());
    EXPECT_EQ(title(), std::string("DEV1 - ") + kFormCaption);
    EXPECT_EQ(questions(), 0u);
}

TEST_F(SetupChanges, LoadingAnotherDeviceAsksFirstAndCancelKeepsEverything) {
    timer0().click();
    choose("DEV2");
    folder.ui.answers = {ui::Answer::Cancel};
    press("LoadProfileBitBtn");
    ASSERT_EQ(questions(), 1u);
    EXPECT_EQ(folder.ui.messages.back().buttons, ui::Buttons::SaveDiscardCancel);
    EXPECT_EQ(form().device().deviceName, "DEV1");
    EXPECT_TRUE(timer0().checked());

    folder.ui.answers = {ui::Answer::Discard};
    press("LoadProfileBitBtn");
    EXPECT_EQ(form().device().deviceName, "DEV2");
    EXPECT_FALSE(form().setupChanged());

    // Save writes the configuration first; a cancelled save dialog keeps the set-up.
    timer0().click();
    choose("DEV1");
    folder.ui.answers = {ui::Answer::Save};
    press("LoadProfileBitBtn");
    EXPECT_EQ(form().device().deviceName, "DEV2") << "no file chosen: nothing is lost";
    const auto saved = folder.dir.path() / "dev2.sav";
    folder.ui.answers = {ui::Answer::Save};
    folder.ui.files = {saved};
    press("LoadProfileBitBtn");
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(form().device().deviceName, "DEV1");
}

TEST_F(SetupChanges, LoadingAConfigurationAndClosingAskTooButAnUnchangedSetupDoesNot) {
    const auto saved = folder.dir.path() / "dev1.sav";
    folder.ui.files = {saved};
    press("SaveConfigButton");
    EXPECT_TRUE(form().FormCloseQuery());
    timer0().click();

    folder.ui.answers = {ui::Answer::Cancel};
    EXPECT_FALSE(form().FormCloseQuery()) << "the window stays open";
    folder.ui.answers = {ui::Answer::Cancel};
    press("LoadConfigButton");
    EXPECT_TRUE(timer0().checked()) << "cancelled before the file dialog";
    EXPECT_EQ(questions(), 2u);

    folder.ui.answers = {ui::Answer::Discard};
    folder.ui.files = {saved};
    press("LoadConfigButton");
    EXPECT_FALSE(timer0().checked()) << "the saved configuration is back";
    EXPECT_FALSE(form().setupChanged()) << "a loaded configuration is the new point of comparison";
    EXPECT_TRUE(form().FormCloseQuery());
    EXPECT_EQ(questions(), 3u);
}

TEST_F(SetupChanges, AConfigurationThatFailsMidwayShowsAsChangedAndIsNotRemembered) {
    const auto good = folder.dir.path() / "dev1.sav";
    folder.ui.files = {good};
    press("SaveConfigButton");
    // The same file with a pin value that is no number.
    auto lines = io::readLines(good).lines;
    const auto tree = std::find(lines.begin(), lines.end(), "[IO_Treeview]");
    ASSERT_NE(tree, lines.end());
    *(tree + 2) = "x";
    const auto broken = folder.dir.write("broken.sav", io::joinLines(lines, io::LineEnding::CrLf));
    const std::string settings = "[VERSION]\r\n2.2.2\r\n";
    folder.dir.write("include/regforge", settings);

    folder.ui.files = {broken};
    press("LoadConfigButton");
    EXPECT_EQ(folder.ui.messages.back().text, "There was an error loading the file data");
    EXPECT_TRUE(form().setupChanged()) << "a partly loaded set-up is no saved one";
    EXPECT_EQ(title(), std::string("DEV1 - changed - ") + kFormCaption);
    EXPECT_EQ(folder.dir.read("include/regforge"), settings) << "the broken file is not offered again";

    folder.ui.answers = {ui::Answer::Discard};
    folder.ui.files = {good};
    press("LoadConfigButton");
    EXPECT_FALSE(form().setupChanged());
    EXPECT_EQ(folder.dir.read("include/regforge"), settings + "[LASTLOADED]\r\n" + good.string() + "\r\n");
}

} // namespace
} // namespace regforge::app
