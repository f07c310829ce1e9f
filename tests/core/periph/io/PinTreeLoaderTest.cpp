#include "core/periph/io/IoPageFixture.h"
#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "periph/io/PinState.h"
#include "support/GeneratedText.h"

namespace regforge::periph::io {
namespace {

using PinTreeLoader = IoPageFixture;

// Every group with entries, a line each: "UART: RXD0 [P0.1] 60007, TXD0 [P0.0] 60002".
std::string quickText(const QuickSelector& quick) {
    std::string out;
    for (std::size_t g = 0; g < kQuickSelectGroupCount; ++g) {
        std::string line;
        for (const auto& e : quick.entries(static_cast<int>(g)))
            line += (line.empty() ? "" : ", ") + e.caption + " " + std::to_string(e.tag);
        if (!line.empty())
            out += std::string(kQuickSelectGroups[g].caption) + ": " + line + "\n";
    }
    return out;
}

// The functions of pinsel.ini by group, sorted, with their nodes' tags.
const std::string kPinselQuickSelect =
    regforge::testing::fixtureText("input/PinTreeLoaderTest/pinselQuickSelect.txt");

int groupIndex(const std::string& caption) {
    for (std::size_t g = 0; g < kQuickSelectGroups.size(); ++g)
        if (caption == kQuickSelectGroups[g].caption)
            return static_cast<int>(g);
    return -1;
}

TEST_F(PinTreeLoader, PinselTreeHasFourFunctionsPerPinWithLoaderValues) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    ASSERT_EQ(tree().count(), 25);
    // Pin k sits at k * 5; its functions follow in profile order.
    const std::vector<std::string> pins = {"P0.0", "P0.1", "P0.2", "P0.27", "P1.16"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(node(5 * k).text, pins[k]);
        EXPECT_EQ(node(5 * k).level, 0);
        EXPECT_EQ(tree().childrenOf(5 * k).size(), 4u);
    }
    EXPECT_EQ(node(6).text, "PORT0.1");
    EXPECT_EQ(node(9).text, "EINT0");
    // Direction suffixes: none -> input, ",I" -> input only, ",O" -> output only.
    EXPECT_EQ(state(0), pinstate::GpioInput);
    EXPECT_EQ(state(10), pinstate::InputOnly);
    EXPECT_EQ(state(15), pinstate::OutputOnly);
    // ";" selected at reset, "Reserved" grey, the others free.
    EXPECT_EQ(states(1, 4), (std::vector<int>{4, 3, 3, 13}));
    EXPECT_EQ(states(21, 24), (std::vector<int>{4, 13, 13, 13}));
    EXPECT_FALSE(node(0).bold);
    // Pull-up image on PINSEL devices, none for a pin listed in [NOPINMODE]; function nodes have none.
    EXPECT_EQ(image(0), 1);
    EXPECT_EQ(node(0).selectedIndex, 1);
    EXPECT_EQ(image(20), -1);
    EXPECT_EQ(image(1), -1);
    EXPECT_EQ(tree().imageList(), "ImageList2");

    const auto& lists = page().pinLists();
    EXPECT_EQ(lists.pinNames, pins);
    EXPECT_EQ(lists.pinSelSpecs[3], "PINSEL1,23,22");
    EXPECT_EQ(lists.pinModeCycle, (std::array<int, 4>{0, 3, 0, 0}));
    EXPECT_TRUE(lists.ioconOptionCounts.empty());
    // Every pin but the one in [NOOD] may be set to open drain.
    EXPECT_EQ(control<model::CheckListBox>("OpenDrainCheckListBox").items(),
              (std::vector<std::string>{"P0.0", "P0.1", "P0.27", "P1.16"}));
    EXPECT_EQ(control<model::CheckBox>("FIO_checkbox").hint(), "enable fast GPIO on ports 0 and 1");
    EXPECT_TRUE(control<model::CheckBox>("FIO_checkbox").visible());
    EXPECT_FALSE(control<model::Control>("OpenDrainButton").visible());
}

TEST_F(PinTreeLoader, IoconTreeHasEightFunctionsThenOptionNodes) {
    ASSERT_TRUE(load(fixture("iocon.ini")));
    ASSERT_EQ(tree().count(), 48);
    // Pin k sits at k * 9 + the options of the pins before it.
    EXPECT_EQ(page().pinLists().ioconOptionCounts, (std::vector<int>{4, 10, 12, 12}));
    EXPECT_EQ(node(13).text, "P0.26");
    EXPECT_EQ(node(28).text, "P5.2");
    EXPECT_EQ(node(39).text, "P1.5");
    EXPECT_EQ(tree().childrenOf(39).size(), 8u) << "an entry \"-\" gives no options";

    EXPECT_EQ(texts(9, 12), regforge::testing::expectedLines(
                                "PinTreeLoaderTest/IoconTreeHasEightFunctionsThenOptionNodes"));
    EXPECT_EQ(states(9, 12), (std::vector<int>{2, 1, 1, 1}));
    EXPECT_EQ(texts(24, 27), regforge::testing::expectedLines(
                                 "PinTreeLoaderTest/IoconTreeHasEightFunctionsThenOptionNodes-2"));
    EXPECT_EQ(states(22, 27), (std::vector<int>{2, 1, 2, 2, 1, 1}));
    EXPECT_EQ(texts(37, 38), (std::vector<std::string>{"HS (check to disable I2C 50ns glitch filter)",
                                                       "HIDRIVE (check for 20mA sink mode)"}));
    for (const int option : {9, 12, 22, 27, 37, 38})
        EXPECT_TRUE(node(option).bold);

    EXPECT_EQ(image(0), 3) << "IOCON pins start with pull-up, code 10";
    EXPECT_EQ(tree().imageList(), "ImageList4");
    EXPECT_EQ(page().pinLists().pinSelSpecs[2], "LPC_IOCON->P5_2");
    EXPECT_EQ(page().pinLists().pinModeCycle, (std::array<int, 4>{2, 1, 0, 3}));
    // An empty [FIO] body: no fast GPIO, and IOCON devices offer no open-drain list instead.
    EXPECT_FALSE(control<model::CheckBox>("FIO_checkbox").visible());
    EXPECT_FALSE(control<model::Control>("Shape1").visible());
    EXPECT_FALSE(control<model::Control>("OpenDrainButton").visible());
    EXPECT_EQ(control<model::CheckListBox>("OpenDrainCheckListBox").count(), 0);
}

TEST_F(PinTreeLoader, ThirteenFormTextsI2cModeAndBoldResetFunction) {
    ASSERT_TRUE(
        load("[PINSEL]\n"
             "LPC_IOCON->RESET_PIO0_0@P0.0:RESET;PORT0.0,Reserved,Reserved,Reserved,Reserved,Reserved,"
             "Reserved,\n"
             "LPC_IOCON->PIO0_4@P0.4:PORT0.4;SCL,Reserved,Reserved,Reserved,Reserved,Reserved,Reserved,\n"
             "[IOCON]\nHYS,OD,\nI2CMODE,WEIRD,\n"
             "[IODIR]\nLPC_GPIO0->DIR,0\nLPC_GPIO0->DIR,4\n[CORTEXM3]\n[LPC13xx]\n[INCLUDE]\nLPC13xx.h\n"));
    EXPECT_EQ(state(0), pinstate::AlternativeFunction) << "the reset function is no GPIO";
    EXPECT_TRUE(node(0).bold);
    EXPECT_EQ(node(9).text, "HYS (Hysteresis, check to enable)");
    EXPECT_EQ(state(9), pinstate::OptionOff);
    EXPECT_EQ(node(10).text, "OD (check for open-drain output)");
    EXPECT_EQ(node(11).text, "P0.4");
    EXPECT_EQ(state(11), pinstate::GpioInput);
    EXPECT_FALSE(node(11).bold);
    EXPECT_EQ(node(20).text, "I2CMODE: Standard mode/ Fast-mode I2C");
    EXPECT_EQ(state(20), pinstate::I2cModeStandardFast);
    // An unknown token is shown as it stands, without a state icon.
    EXPECT_EQ(node(21).text, "WEIRD");
    EXPECT_EQ(state(21), pinstate::NoIcon);
    EXPECT_TRUE(node(21).bold);
    EXPECT_EQ(tree().imageList(), "") << "no [PINMODE], no pull-mode icons";
}

TEST_F(PinTreeLoader, I2cModeIsAnOrdinaryTokenOutsideThe13xxFamily) {
    ASSERT_TRUE(load("[PINSEL]\nR@P:PORT;A,B,C,D,E,F,G,\n[IOCON]\nI2CMODE,\n[IODIR]\nD,0\n[CORTEXM3]\n"
                     "[LPC177x]\n[INCLUDE]\nx.h\n"));
    EXPECT_EQ(node(9).text, "I2CMODE");
    EXPECT_EQ(state(9), pinstate::NoIcon);
}

TEST_F(PinTreeLoader, QuickSelectorListsFreeFunctionsByGroupSortedAndTagged) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    const auto& quick = page().quickSelector();
    EXPECT_EQ(quickText(quick), kPinselQuickSelect);
    for (std::size_t g = 0; g < kQuickSelectGroupCount; ++g)
        EXPECT_TRUE(quick.templates(static_cast<int>(g)).empty());
    EXPECT_FALSE(control<model::MenuItem>("LCDpopup").visible());
    EXPECT_EQ(control<model::MenuItem>("PWMMotorpopup").caption(), "PWM Motor");
}

TEST(QuickSelectorGroups, TheFunctionNamesBeginningDecidesItsGroup) {
    const std::vector<std::pair<const char*, const char*>> named = {
        {"MAT0.1", "MAT"},       {"CAP1.2", "CAP"},  {"PWM1.4", "PWM"},
        {"EINT3", "EINT"},       {"AD0.1", "ADC"},   {"AOUT", "DAC"},
        {"SCK0", "SPI"},         {"MISO1", "SPI"},   {"MOSI", "SPI"},
        {"SSEL0", "SPI"},        {"SCL1", "I2C"},    {"SDA0", "I2C"},
        {"TXD0", "UART"},        {"RXD1", "UART"},   {"RTS1", "UART"},
        {"CTS1", "UART"},        {"DSR1", "UART"},   {"RI1", "UART"},
        {"DTR1", "UART"},        {"DCD1", "UART"},   {"PCAP1.0", "PCAP"},
        {"RD1", "CAN"},          {"TD2", "CAN"},     {"I2SRX_CLK", "I2S"},
        {"RX_MCLK", "I2S"},      {"TX_MCLK", "I2S"}, {"MCIDAT0", "SD/MMC"},
        {"USB_D+1", "USB"},      {"VBUS", "USB"},    {"ENET_TXD0", "ETHERNET"},
        {"MC_OA0", "PWM Motor"},
    };
    for (const auto& [function, group] : named) {
        EXPECT_EQ(QuickSelector::groupFor(function, false), groupIndex(group)) << function;
        EXPECT_EQ(QuickSelector::groupFor(function, true), groupIndex(group)) << function;
    }
    // Names only IOCON devices give their functions.
    for (const auto& [function, group] :
         std::vector<std::pair<const char*, const char*>>{{"DAC_OUT", "DAC"},
                                                          {"U0_OE", "UART"},
                                                          {"U2_OE", "UART"},
                                                          {"U3_OE", "UART"},
                                                          {"U4_OE", "UART"},
                                                          {"U4_SCLK", "UART"},
                                                          {"SD_CLK", "SD/MMC"}}) {
        EXPECT_EQ(QuickSelector::groupFor(function, true), groupIndex(group)) << function;
        EXPECT_EQ(QuickSelector::groupFor(function, false), -1) << function;
    }
    EXPECT_EQ(QuickSelector::groupFor("GPIO", true), -1);
}

TEST_F(PinTreeLoader, IoconDevicesKnowTheirExtraPrefixes) {
    ASSERT_TRUE(load(fixture("iocon.ini")));
    EXPECT_EQ(quickText(page().quickSelector()),
              regforge::testing::expectedText("PinTreeLoaderTest/IoconDevicesKnowTheirExtraPrefixes"));

    // The same names on a PINSEL device are not listed.
    ASSERT_TRUE(load("[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;DAC_OUT,U0_OE,SD_CMD,\n[IODIR]\nIO0DIR,0\n"
                     "[INCLUDE]\nx.h\n"));
    EXPECT_EQ(quickText(page().quickSelector()), "") << "no DAC, UART or SD/MMC on a PINSEL device";
}

TEST_F(PinTreeLoader, FastIoSectionDecidesTheFastIoBox) {
    const std::string pins = "[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\n[IODIR]\nIO0DIR,0\n";
    ASSERT_TRUE(load(pins + "[INCLUDE]\nx.h\n"));
    EXPECT_EQ(control<model::CheckBox>("FIO_checkbox").hint(),
              "Check to use fast GPIO for the ports in the generated code");
    EXPECT_TRUE(control<model::CheckBox>("FIO_checkbox").visible());

    ASSERT_TRUE(load(pins + "[FIO]\n[INCLUDE]\nx.h\n"));
    EXPECT_FALSE(control<model::CheckBox>("FIO_checkbox").visible());
    EXPECT_FALSE(control<model::Control>("Shape1").visible());
    EXPECT_TRUE(control<model::Control>("OpenDrainButton").visible()) << "open drain takes its place";
    page().OpenDrainButtonClick();
    EXPECT_TRUE(control<model::Control>("OpenDrainPanel").visible());
    page().OpenDrainButtonClick();
    EXPECT_FALSE(control<model::Control>("OpenDrainPanel").visible());

    ASSERT_TRUE(load("[INCLUDE]\nx.h\n" + pins + "[FIO]"));
    EXPECT_FALSE(control<model::CheckBox>("FIO_checkbox").visible())
        << "a header on the last line has no body";
}

TEST_F(PinTreeLoader, OddLinesGiveOddNodesNotFailures) {
    ASSERT_TRUE(load("[PINSEL]\n"
                     "PINSEL0,1,0@LOST,\n" // a function before any pin has no pin to go under
                     "no at sign here:\n"  // no "@": no pin
                     "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,TRAILING\n"
                     "\n"                   // skipped
                     "PINSEL0,1,0@MORE,\n"  // no ":": added under the previous pin
                     "PINSEL0,3,2@A@B:C;\n" // a second "@" belongs to the token
                     "[IODIR]\nIO0DIR,0\nIO0DIR,1\n[INCLUDE]\nx.h\n"));
    ASSERT_EQ(tree().count(), 8);
    EXPECT_EQ(node(0).text, "P0.0");
    EXPECT_EQ(tree().childrenOf(0).size(), 5u) << "TRAILING has no closing character";
    EXPECT_EQ(node(5).text, "MORE");
    EXPECT_EQ(node(6).text, "A@B");
    EXPECT_EQ(node(6).level, 0);
    EXPECT_EQ(node(7).text, "C");
    EXPECT_EQ(page().pinLists().pinNames, (std::vector<std::string>{"P0.0", "A@B"}));
}

TEST_F(PinTreeLoader, MissingOrUnusableEntriesFailTheLoad) {
    const std::string pinsel = "[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\n"
                               "PINSEL0,3,2@P0.1:PORT0.1;RXD0,PWM3,EINT0,\n";
    struct Case {
        const char* what;
        std::string profile;
    };
    const std::vector<Case> cases = {
        {"[IODIR] shorter than the pins", pinsel + "[IODIR]\nIO0DIR,0\n"},
        {"direction without bit", pinsel + "[IODIR]\nIO0DIR,0\nIO0DIR\n"},
        {"direction bit out of range", pinsel + "[IODIR]\nIO0DIR,0\nIO0DIR,32\n"},
        {"direction bit only a suffix", pinsel + "[IODIR]\nIO0DIR,0\nIO0DIR,I\n"},
        {"PINSEL spec without bits", "[PINSEL]\nPINSEL0@P0.0:PORT0.0;\n[IODIR]\nIO0DIR,0\n"},
        {"pull-mode code not a number", pinsel + "[IODIR]\nIO0DIR,0\nIO0DIR,1\n[PINMODE]\nup\n"},
        {"pull-mode code out of range", pinsel + "[IODIR]\nIO0DIR,0\nIO0DIR,1\n[PINMODE]\n4\n"},
        {"[IOCON] shorter than [PINSEL]",
         "[PINSEL]\nR0@P0:PORT0;A,B,C,D,E,F,G,\nR1@P1:PORT1;A,B,C,D,E,F,G,\n[IOCON]\nHYS,\n"
         "[IODIR]\nD,0\nD,1\n[CORTEXM3]\n"},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(load(c.profile + "[INCLUDE]\nx.h\n")) << c.what;
        EXPECT_TRUE(reportedCantOpenProfile()) << c.what;
    }
    // A failed load leaves the window as it was: no device has been loaded yet, so no pins.
    EXPECT_EQ(tree().count(), 0);

    // A load failing after the first pin, then the next device: the quick selector lists only
    // the functions of the device loaded.
    ASSERT_FALSE(load(cases[0].profile + "[INCLUDE]\nx.h\n"));
    folder.write("include/B.ini", fixture("pinsel.ini"));
    form->ScanDeviceProfiles(folder.path() / "include", "*.ini", false);
    auto& devices = control<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf("B"));
    ASSERT_TRUE(form->LoadProfileBitBtnClick());
    EXPECT_EQ(quickText(page().quickSelector()), kPinselQuickSelect);
}

TEST_F(PinTreeLoader, IoconLinesFollowThePinselBodyWhereverItStands) {
    ASSERT_TRUE(
        load("[INCLUDE]\nx.h\n[CORTEXM3]\n[PINSEL]\nR0@P0:PORT0;A,B,C,D,E,F,G,\nR1@P1:PORT1;A,B,C,D,E,F,G,\n"
             "[IOCON]\n-\nOD,\n[IODIR]\nD,0\nD,1\n"));
    EXPECT_EQ(tree().childrenOf(0).size(), 8u);
    ASSERT_EQ(tree().count(), 19);
    EXPECT_EQ(node(18).text, "OD (check for simulated open-drain output [high drive disable])");
}

TEST_F(PinTreeLoader, SecondDeviceReplacesTheFirst) {
    ASSERT_TRUE(load(fixture("iocon.ini"), "A"));
    folder.write("include/B.ini", fixture("pinsel.ini"));
    form->ScanDeviceProfiles(folder.path() / "include", "*.ini", false);
    auto& devices = control<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf("B"));
    control<model::CheckBox>("FIO_checkbox").setChecked(true);
    ASSERT_TRUE(form->LoadProfileBitBtnClick());
    EXPECT_EQ(tree().count(), 25);
    EXPECT_EQ(page().pinLists().pinNames.size(), 5u);
    EXPECT_TRUE(page().pinLists().ioconOptionCounts.empty());
    EXPECT_FALSE(control<model::CheckBox>("FIO_checkbox").checked());
    EXPECT_EQ(quickText(page().quickSelector()), kPinselQuickSelect);
}

} // namespace
} // namespace regforge::periph::io
