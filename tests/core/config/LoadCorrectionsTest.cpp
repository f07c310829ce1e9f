#include "support/GeneratedText.h"
// A configuration made for another part may ask for what the loaded device does not have: units
// it lacks, values wider than its registers. The load corrects the set-up to fit the device and
// says what it changed, and the result writes only what the device has.

#include "app/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "model/ListControls.h"
#include "periph/adc/AdcPage.h"
#include "periph/irq/IrqPage.h"
#include "support/PageFixture.h"

#include <algorithm>

namespace regforge::config {
namespace {

class LoadCorrectionsTest : public testing::PageFixture {
protected:
    LoadCorrectionsTest() : PageFixture("config") {}

    // Saves the window's set-up, then rewrites the file's device line to `device`.
    std::filesystem::path saveFor(const std::string& device) {
        const auto path = folder.dir.path() / "setup.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        auto file = io::readLines(path);
        file.lines.at(1) = device;
        io::writeLines(path, file.lines, file.ending);
        return path;
    }

    std::vector<testing::FakeUi::Message> warnings() {
        std::vector<testing::FakeUi::Message> found;
        for (const auto& message : folder.ui.messages)
            if (message.icon == ui::Icon::Warning && message.buttons == ui::Buttons::Ok)
                found.push_back(message);
        return found;
    }

    // Replaces the body of the record `header` in a saved file.
    static void rewriteRecord(const std::filesystem::path& path, const std::string& header,
                              const std::vector<std::string>& body) {
        auto file = io::readLines(path);
        auto& lines = file.lines;
        auto at = std::find(lines.begin(), lines.end(), header);
        ASSERT_NE(at, lines.end()) << header;
        auto end =
            std::find_if(at + 1, lines.end(), [](const std::string& l) { return l.rfind('[', 0) == 0; });
        at = lines.erase(at + 1, end);
        lines.insert(at, body.begin(), body.end());
        io::writeLines(path, lines, file.ending);
    }

    std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }

    std::string resultText() {
        std::string text;
        for (const auto& line : folder.form().createCode().lines)
            text += line + "\n";
        return text;
    }
};

TEST_F(LoadCorrectionsTest, UnitsTheDeviceLacksAreLeftOffAndNamed) {
    addFixture("few_units");
    load("all_units");
    box("T0_checkbox").click();
    box("T2_checkbox").click();
    box("PWM1_checkbox").click();
    box("SSP0_checkbox").click();
    box("SSP1_checkbox").click();
    const auto path = saveFor("few_units");

    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    const auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Units not on this device");
    EXPECT_EQ(shown[0].text, "This file switches on units that few_units does not have: Timer2, PWM1, SSP1\n"
                             "They are left off, and no code is generated for them.");
    EXPECT_TRUE(box("T0_checkbox").checked());
    EXPECT_FALSE(box("T2_checkbox").checked());
    EXPECT_FALSE(box("PWM1_checkbox").checked());
    EXPECT_TRUE(box("SSP0_checkbox").checked());
    EXPECT_FALSE(box("SSP1_checkbox").checked());

    const std::string code = resultText();
    EXPECT_NE(code.find("LPC_TIM0->"), std::string::npos);
    EXPECT_NE(code.find("LPC_SSP0->"), std::string::npos);
    EXPECT_EQ(code.find("LPC_TIM2"), std::string::npos);
    EXPECT_EQ(code.find("PWM1"), std::string::npos);
    EXPECT_EQ(code.find("SSP1"), std::string::npos);
}

TEST_F(LoadCorrectionsTest, AFileForTheSameDeviceLoadsWithoutAWord) {
    load("all_units");
    box("T2_checkbox").click();
    box("SSP1_checkbox").click();
    const auto path = saveFor("all_units");
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    EXPECT_TRUE(warnings().empty());
    EXPECT_TRUE(box("T2_checkbox").checked());
    EXPECT_TRUE(box("SSP1_checkbox").checked());
}

TEST_F(LoadCorrectionsTest, ValuesWiderThanTheDevicesRegistersKeepTheirLowDigits) {
    addFixture("narrow_timer");
    load("all_units");
    box("T0_checkbox").click();
    edit("T0MR0").setText("12345678");
    edit("T0MR1").setText("00003A97");
    const auto path = saveFor("narrow_timer");

    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    const auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Values wider than their registers");
    EXPECT_EQ(shown[0].text, regforge::testing::expectedText(
                                 "LoadCorrectionsTest/ValuesWiderThanTheDevicesRegistersKeepTheirLowDigits"));
    EXPECT_EQ(edit("T0MR0").text(), "5678");
    EXPECT_EQ(edit("T0MR1").text(), "3A97") << "leading zeros are no lost digits";
    EXPECT_EQ(edit("T0PR").text(), "0000");
    EXPECT_NE(resultText().find("LPC_TIM0->MR0 = 0x5678;"), std::string::npos);
}

constexpr const char* kArm7 = "[LPC21xx]\n[PINSEL]\nPINSEL0,1,0@P0.0:P0.0;TXD0,Reserved,Reserved,\n[IODIR]\n"
                              "IO0DIR,0\n[ISR]\n4,TIMER0\n5,TIMER1\n6,UART0\n[INCLUDE]\nLPC214x.h\n";

TEST_F(LoadCorrectionsTest, ChannelsFastGpioAndExternalInterruptsTheDeviceLacksAreLeftOff) {
    // A converter with eight channels, and one whose profile marks channels 0 and 5 missing.
    folder.addProfile("eight", std::string(kArm7) + "[ADC0]\nSTART@Start now\n");
    folder.addProfile("two_off", std::string(kArm7) + "[ADC0]\nSTART@Start now\nCHOFF@0\nCHOFF@5\n");
    const auto& adc = loadProfile("eight").page<periph::adc::AdcPage>().unit(0);
    adc.enableBox->click();
    adc.burst->click();
    for (auto* channel : adc.channels)
        if (!channel->checked())
            channel->click();
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(saveFor("two_off")), LoadOutcome::Loaded);
    auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Channels not on this device");
    EXPECT_EQ(shown[0].text, "This file uses A/D channels that two_off does not have: AD0.0, AD0.5\n"
                             "They are left off, and no code is generated for them.");
    for (int n = 0; n < 8; ++n) {
        const bool missing = n == 0 || n == 5;
        EXPECT_EQ(adc.channels[static_cast<std::size_t>(n)]->checked(), !missing) << n;
        EXPECT_EQ(adc.channels[static_cast<std::size_t>(n)]->enabled(), !missing) << n;
    }
    const std::string code = resultText();
    const auto cr = code.find("AD0CR = 0x");
    ASSERT_NE(cr, std::string::npos);
    EXPECT_EQ(code.substr(cr + 16, 2), "DE") << "SEL holds channels 1-4, 6 and 7 only";

    // Fast GPIO on a Cortex-M3 part whose [FIO] section is empty (no fast-GPIO switch).
    addFixture("all_units");
    folder.addProfile("no_fio", fixtureText("all_units") + "[FIO]\n");
    loadProfile("all_units");
    box("FIO_checkbox").click();
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(saveFor("no_fio")), LoadOutcome::Loaded);
    shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "This file switches on units that no_fio does not have: Fast IO\n"
                             "They are left off, and no code is generated for them.");
    EXPECT_FALSE(box("FIO_checkbox").checked());
    EXPECT_EQ(resultText().find("SCS"), std::string::npos);

    // External interrupts on a part with edge/level GPIO interrupts and no EINT inputs (LPC13xx).
    folder.addProfile("with_eint", fixtureText("all_units") + "[ISR]\n18,EINT0\n");
    folder.addProfile("no_eint", fixtureText("all_units") + "[EDGELEVELISR]\n[ISR]\n18,EINT0\n");
    loadProfile("with_eint");
    combo("ISR_ComboBox").setItemIndex(0);
    get("SpeedButton1").click();
    combo("EXTMODE0_combo").setItemIndex(1);
    ASSERT_TRUE(combo("EXTMODE0_combo").enabled());
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(saveFor("no_eint")), LoadOutcome::Loaded);
    shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "This file switches on units that no_eint does not have: Ext. interrupt 0\n"
                             "They are left off, and no code is generated for them.");
    EXPECT_FALSE(combo("EXTMODE0_combo").enabled());
    const std::string nvic = resultText();
    EXPECT_EQ(nvic.find("EXT"), std::string::npos) << nvic;
    EXPECT_NE(nvic.find("NVIC_EnableIRQ(EINT0_IRQn);"), std::string::npos);
}

TEST_F(LoadCorrectionsTest, InterruptListsKeepTheirSlotsAndEachSourceOnce) {
    folder.addProfile("vic", kArm7);
    loadProfile("vic");
    auto path = saveFor("vic");
    // 21 lines for the fast entry and 16 slots: TIMER0 twice within them, three entries past them.
    std::vector<std::string> entries(17, " ");
    entries[1] = "TIMER0";
    entries[2] = "TIMER1";
    entries[4] = "TIMER0";
    for (const char* extra : {"UART0", "TIMER0", " ", "TIMER1"})
        entries.emplace_back(extra);
    rewriteRecord(path, "[ISR_ListBox]", entries);
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Interrupts beyond the slots");
    EXPECT_EQ(shown[0].text, "This file lists more interrupts than vic has slots for, or lists one twice: "
                             "TIMER0, UART0, TIMER1\nOnly the first entry of each within the slots is kept.");
    std::vector<std::string> kept(17, " ");
    kept[1] = "TIMER0";
    kept[2] = "TIMER1";
    EXPECT_EQ(get<model::Playlist>("ISR_ListBox").items(), kept);
    std::string code = resultText();
    EXPECT_EQ(count(code, "TIMER0_IRQHandler(void) {"), 1u);
    EXPECT_EQ(count(code, "   VICVectAddr"), 2u) << "slots 0 and 1 only";

    // An NVIC list naming one source 100,000 times enables it once, and the source after it too.
    addFixture("all_units");
    folder.addProfile("nvic", fixtureText("all_units") + "[ISR]\n1,TIMER0\n2,TIMER1\n");
    loadProfile("nvic");
    path = saveFor("nvic");
    std::vector<std::string> repeated(100000, "TIMER0");
    repeated.emplace_back("TIMER1");
    rewriteRecord(path, "[ISR_ListBox]", repeated);
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "This file lists more interrupts than nvic has slots for, or lists one twice: "
                             "TIMER0\nOnly the first entry of each within the slots is kept.");
    code = resultText();
    EXPECT_EQ(count(code, "NVIC_EnableIRQ(TIMER0_IRQn);"), 1u);
    EXPECT_EQ(count(code, "NVIC_EnableIRQ("), 2u) << "the list closes up behind TIMER0";
    EXPECT_LT(code.size(), 10000u);
}

} // namespace
} // namespace regforge::config
