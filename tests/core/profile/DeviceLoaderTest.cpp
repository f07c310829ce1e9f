#include "app/ShellLayout.h"
#include "config/ConfigFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "profile/ProfileSections.h"
#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

namespace regforge::profile {
namespace {

using testing::ProgramFolder;

class DeviceLoad : public ::testing::Test {
protected:
    bool visible(const char* name) { return folder.form().store().find(name)->visible(); }
    const DeviceState& device() { return folder.form().device(); }
    ProgramFolder folder;
};

TEST(ProfileSections, HeadersMatchWholeLinesIgnoringCaseOnly) {
    const Lines lines = {"[IOCON] ", "a", "[iocon]", "b", "", "[LPC13xx]", "c"};
    EXPECT_EQ(findSection(lines, "[IOCON]"), 2);
    EXPECT_EQ(sectionBody(lines, "[IOCON]"), (Lines{"b", ""}));
    EXPECT_EQ(sectionBody(lines, "[LPC13XX]"), (Lines{"c"}));
    EXPECT_TRUE(sectionBody(lines, "[NONE]").empty());
    EXPECT_EQ(lineAfter(lines, "[iocon]"), "b");
    EXPECT_EQ(lineAfter(lines, "[absent]"), "[IOCON] ") << "an absent header reads the first line";
    EXPECT_THROW(lineAfter(Lines{"[INCLUDE]"}, "[include]"), ProfileError) << "a header on the last line";
    EXPECT_THROW(lineAfter(Lines{}, "[INCLUDE]"), ProfileError) << "an empty profile";
}

TEST_F(DeviceLoad, NoSelectionShowsNoProfile) {
    folder.start();
    EXPECT_FALSE(folder.form().LoadProfileBitBtnClick());
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    EXPECT_EQ(folder.ui.messages[0].caption, "No profile");
    EXPECT_EQ(folder.ui.messages[0].icon, ui::Icon::Warning);
    EXPECT_EQ(folder.ui.messages[0].text.substr(0, 38), "Please select a profile from the list.");
    EXPECT_TRUE(visible("IO_warning_panel"));
}

TEST_F(DeviceLoad, SingleDividerArm7Device) {
    folder.addProfile("LPC2148", "[LPC21xx]\r\n[INCLUDE]\r\nLPC214x.h\r\n[DEFINE]\r\n#define X 1\r\n");
    folder.dir.write("include/LPC2148.jpg", "jpeg");
    ASSERT_TRUE(folder.load("LPC2148"));
    EXPECT_TRUE(folder.ui.messages.empty());
    EXPECT_EQ(device().deviceName, "LPC2148");
    EXPECT_EQ(device().deviceFamily, "21xx");
    EXPECT_EQ(device().includeFile, "LPC214x.h");
    EXPECT_TRUE(device().singlePclkDivider);
    EXPECT_FALSE(device().cortexM3);
    EXPECT_EQ(device().maxPinFunction, 3);
    EXPECT_FALSE(visible("IO_warning_panel"));
    EXPECT_FALSE(visible("T0pclk_panel"));
    EXPECT_FALSE(visible("SSP0pclk_Panel"));
    const auto& store = folder.form().store();
    EXPECT_TRUE(store.find("ShowPicture")->enabled());
    EXPECT_TRUE(store.find("SaveConfigButton")->enabled());
    EXPECT_EQ(store.get<model::ComboBox>("pclk_div").items(),
              (std::vector<std::string>{"1/8", "1/4", "1/2", "1/1"}));
    EXPECT_EQ(store.get<model::ComboBox>("pclk_div").itemIndex(), 1);
    const auto& devices = store.get<model::ComboBox>("mcu_ComboBox");
    EXPECT_EQ(devices.itemStyle(devices.indexOf("LPC2148")), (model::ItemStyle{model::kRed, true}))
        << "the loaded device is drawn red and bold";
}

TEST_F(DeviceLoad, FlagsPanelsAndDividersFollowTheMarkers) {
    folder.addProfile("multi", "[MULTIPLEPCLKDIV]\n[CORTEXM3]\n[LPC175x]\n[INCLUDE]\nLPC17xx.h\n");
    folder.addProfile("both", "[MULTIPLEPCLKDIV]\n[MULTIPLEPCLKDIV13XX]\n[IOCON]\nPIO0_0@x\n[LPC13xx]\n"
                              "[LPC177x]\n[INCLUDE]\nLPC13xx.h\n");
    folder.addProfile("iocon", "[IOCON]\nP0_0@D\n[LPC23xx]\n[LPC24xx]\n[EXCLUSIVEFUNCTIONS]\nABC@1\nXY@2@3\n"
                               "NOAT\n[INCLUDE]\nLPC177x_8x.h\n");
    ASSERT_TRUE(folder.load("multi"));
    EXPECT_FALSE(device().singlePclkDivider);
    EXPECT_TRUE(device().cortexM3);
    EXPECT_TRUE(visible("T3pclk_panel"));
    EXPECT_TRUE(visible("pwm1pclk_panel"));
    EXPECT_TRUE(visible("SPIpclk_Panel"));
    const auto& store = folder.form().store();
    EXPECT_EQ(store.get<model::ComboBox>("SSP0pclk_div").itemIndex(), 0);

    ASSERT_TRUE(folder.load("both"));
    EXPECT_TRUE(device().pclkDiv13xx) << "13xx dividers win over the plain marker";
    EXPECT_FALSE(visible("T0pclk_panel"));
    EXPECT_TRUE(visible("SSP2pclk_Panel"));
    EXPECT_EQ(device().deviceFamily, "177x") << "family markers are tested in order, [LPC177x] first";
    EXPECT_EQ(device().ioconLines, (std::vector<std::string>{"PIO0_0@x"})) << "the body stops at the marker";
    const auto& common = store.get<model::ComboBox>("pclk_div");
    ASSERT_EQ(common.count(), 255);
    EXPECT_EQ(common.items().front(), "1/1");
    EXPECT_EQ(common.items().back(), "1/255");
    EXPECT_EQ(common.itemIndex(), 0);
    EXPECT_EQ(store.get<model::ComboBox>("SPIpclk_div").count(), 255);
    EXPECT_EQ(store.get<model::ComboBox>("T0pclk_div").count(), 4) << "timers keep their four items";

    ASSERT_TRUE(folder.load("iocon"));
    EXPECT_FALSE(device().pclkDiv13xx);
    EXPECT_TRUE(device().hasIocon);
    EXPECT_EQ(device().maxPinFunction, 7);
    EXPECT_EQ(device().deviceFamily, "23xx");
    EXPECT_EQ(device().exclusiveFunctions, (std::vector<std::string>{"ABC", "XY", ""}));
    EXPECT_EQ(common.count(), 31);
    EXPECT_EQ(common.text(), "1/4");
    EXPECT_EQ(store.get<model::ComboBox>("SSP1pclk_div").items(),
              (std::vector<std::string>{"1/8", "1/4", "1/2", "1/1"}));
    EXPECT_TRUE(folder.ui.messages.empty());
}

TEST_F(DeviceLoad, AFailedLoadSaysWhereAndLeavesTheDeviceAndSetUpAsTheyWere) {
    const std::string pins =
        "[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,Reserved,Reserved,\n[IODIR]\nIO0DIR,0\n";
    folder.addProfile("good", "[LPC21xx]\n" + pins + "[TIMER0]\n32bit\nNOPWM\n2\n[INCLUDE]\nLPC214x.h\n");
    struct Case {
        const char* name;
        std::string text;
        std::string detail; // after the file's path
    };
    const std::vector<Case> cases = {
        {"empty", "", ": no section header: this is no device profile"},
        {"cut", "[LPC21xx]\n[INCLUDE]", ":2: [INCLUDE] needs 1 line after its header"},
        {"badtimer", "[LPC21xx]\n" + pins + "[TIMER0]\n32bit\nNOPWM\nx\n[INCLUDE]\nx.h\n",
         ":9 in [TIMER0]: capture input count 'x' is not a number 0..4"},
        {"noise", std::string("\x7f\x01\xfe\n[x\n", 6), ":1: control byte 0x01: this is no text profile"},
        {"emptyline", "[CORTEXM3]\n[IOCON]\nP0_0@D\n\n[INCLUDE]\nx.h\n",
         ":3 in [IOCON]: 'P0_0@D' at the end of the line is dropped: every option ends with ','\n" +
             (folder.dir.path() / "include/emptyline.ini").string() +
             ":4 in [IOCON]: empty line in [IOCON]: the device load stops here"},
    };
    for (const auto& c : cases)
        folder.addProfile(c.name, c.text);
    folder.addProfile("gone", "");
    auto& form = folder.start();
    std::filesystem::remove(folder.dir.path() / "include/gone.ini");
    auto& store = form.store();

    // No device yet: a failed load leaves none.
    EXPECT_FALSE(folder.load("badtimer"));
    EXPECT_FALSE(device().loaded());
    EXPECT_FALSE(store.find("SaveConfigButton")->enabled());
    EXPECT_TRUE(visible("IO_warning_panel"));
    EXPECT_EQ(store.get<model::Tree>("IO_Treeview").count(), 0);

    ASSERT_TRUE(folder.load("good"));
    store.get<model::CheckBox>("T0_checkbox").setChecked(true);
    store.get<model::Memo>("Memo1").setLines({"old result"});
    form.refreshTitle();
    const auto setup = form.savedSetup();
    const std::string title = store.get<model::Form>("Form1").caption();
    ASSERT_EQ(title, "good - changed - " + std::string(app::kFormCaption));
    const auto& devices = store.get<model::ComboBox>("mcu_ComboBox");
    const auto profile = device().profileLines;
    const auto expectUnchanged = [&](const std::string& name) {
        EXPECT_EQ(form.savedSetup(), setup) << name;
        EXPECT_EQ(device().deviceName, "good") << name;
        EXPECT_EQ(device().profileLines, profile) << name;
        EXPECT_EQ(store.get<model::Memo>("Memo1").lines(), std::vector<std::string>{"old result"}) << name;
        EXPECT_EQ(store.get<model::Tree>("IO_Treeview").count(), 5) << name;
        form.refreshTitle();
        EXPECT_EQ(store.get<model::Form>("Form1").caption(), title) << name;
        EXPECT_EQ(devices.itemStyle(devices.indexOf(name)), model::ItemStyle{}) << "not drawn as loaded";
    };
    for (const auto& c : cases) {
        folder.ui.messages.clear();
        EXPECT_FALSE(folder.load(c.name)) << c.name;
        ASSERT_EQ(folder.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(folder.ui.messages[0].caption, "Can't open profile");
        EXPECT_EQ(folder.ui.messages[0].icon, ui::Icon::Error);
        EXPECT_EQ(folder.ui.messages[0].text,
                  "The profile is missing or can't be opened.\n" +
                      (folder.dir.path() / "include" / (std::string(c.name) + ".ini")).string() + c.detail);
        expectUnchanged(c.name);
    }
    folder.ui.messages.clear();
    EXPECT_FALSE(folder.load("gone"));
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    EXPECT_EQ(folder.ui.messages[0].text.find("The profile is missing or can't be opened.\ncannot open " +
                                                  (folder.dir.path() / "include/gone.ini").string(),
                                              0),
              0u)
        << folder.ui.messages[0].text;
    expectUnchanged("gone");
}

TEST_F(DeviceLoad, PinLinesTheLoadSkipsAreNamedOnce) {
    folder.addProfile("cutpins", "[LPC21xx]\n[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,Reserved,Reserved,\n"
                                 "PINSEL0,3,2@P0.1\nPINSEL0,5,4@P0.2:PORT0.2;SCL0,Reserved,CAP0.0\n"
                                 "[IODIR]\nIO0DIR,0\nIO0DIR,1\nIO0DIR,2\n[INCLUDE]\nx.h\n");
    folder.addProfile("whole", "[LPC21xx]\n[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,Reserved,Reserved,\n"
                               "[IODIR]\nIO0DIR,0\n[INCLUDE]\nx.h\n");
    ASSERT_TRUE(folder.load("cutpins"));
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    const std::string file = (folder.dir.path() / "include/cutpins.ini").string();
    EXPECT_EQ(folder.ui.messages[0].caption, "Profile lines skipped");
    EXPECT_EQ(folder.ui.messages[0].icon, ui::Icon::Warning);
    EXPECT_EQ(folder.ui.messages[0].text,
              "The profile loaded, but the load skipped these lines:\n" + file +
                  ":4 in [PINSEL]: 'P0.1' at the end of the line is dropped: every function name ends with "
                  "',' or ';'\n" +
                  file + ":4 in [PINSEL]: pin line without ':' after the pin name gives no pin\n" + file +
                  ":5 in [PINSEL]: 'CAP0.0' at the end of the line is dropped: every function name ends "
                  "with ',' or ';'\n" +
                  file + ":5 in [PINSEL]: pin P0.2 has 3 functions, 4 expected");
    folder.ui.messages.clear();
    ASSERT_TRUE(folder.load("whole"));
    EXPECT_TRUE(folder.ui.messages.empty()) << "a whole profile loads without a word";
}

TEST_F(DeviceLoad, ClockRefreshFollowsCpuClockOnceWithoutDividerHandlersDuringFill) {
    folder.addProfile("single", "[INCLUDE]\nx.h\n");
    folder.addProfile("multi", "[MULTIPLEPCLKDIV]\n[INCLUDE]\nx.h\n");
    auto& form = folder.start();
    auto& store = form.store();
    int dividerHandlers = 0;
    for (const char* name : {"pclk_div", "T0pclk_div", "PWM1pclk_div", "SSP2pclk_div"})
        store.find(name)->changed.connect([&](model::Control&) { ++dividerHandlers; });
    ASSERT_TRUE(folder.load("single"));
    EXPECT_EQ(dividerHandlers, 0);

    int timerClockChanges = 0;
    store.find("T0pclock_edit")->changed.connect([&](model::Control&) { ++timerClockChanges; });
    store.get<model::NumericEdit>("pllclock_edit").setText("72");
    EXPECT_EQ(store.get<model::NumericEdit>("pclock_edit").text(), "18");
    for (const char* name :
         {"T0pclock_edit", "T3pclock_edit", "PWM0pclock_edit", "SPIpclock_edit", "SSP2pclock_edit"})
        EXPECT_EQ(store.get<model::NumericEdit>(name).text(), "18") << name;
    EXPECT_EQ(timerClockChanges, 1);

    store.get<model::ComboBox>("pclk_div").setItemIndex(0);
    EXPECT_EQ(store.get<model::NumericEdit>("SSP1pclock_edit").text(), "9");
    EXPECT_EQ(store.get<model::ComboBox>("T2pclk_div").itemIndex(), 0);

    ASSERT_TRUE(folder.load("multi"));
    store.get<model::ComboBox>("T1pclk_div").setItemIndex(3);
    EXPECT_EQ(store.get<model::NumericEdit>("T1pclock_edit").text(), "72") << "a unit's own divider";
    store.get<model::NumericEdit>("pllclock_edit").setText("60");
    EXPECT_EQ(store.get<model::NumericEdit>("T1pclock_edit").text(), "60");
    EXPECT_EQ(store.get<model::NumericEdit>("T0pclock_edit").text(), "7.5") << "still the copied 1/8";
}

} // namespace
} // namespace regforge::profile
