#include "periph/timer/TimerGenerator.h"

#include "TimerFixture.h"
#include "model/BitString.h"
#include "periph/timer/TimerPage.h"
#include "support/GeneratedText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace regforge::periph::timer {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

class TimerGeneratorTest : public TimerFixture {
protected:
    // What the result button gets from the timers as they stand.
    Lines generated() { return generatedBy<TimerPage>(); }
    void enable(int timer) { box("T" + std::to_string(timer) + "_checkbox").click(); }
};

TEST_F(TimerGeneratorTest, SingleDividerArm7TimerWithMatchResetAndToggleOutput) {
    load("arm7_single_divider");
    enable(0);
    box("CheckBox9").click(); // TCR[0]
    edit("T0MR0").setText("0000EA5F");
    box("CheckBox4").click();  // MCR "0"
    box("CheckBox3").click();  // MCR "1"
    box("CheckBox28").click(); // EM0
    combo("EMC0_0combobox").setItemIndex(3);

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText(
                  "TimerGeneratorTest/SingleDividerArm7TimerWithMatchResetAndToggleOutput"));
}

TEST_F(TimerGeneratorTest, TheCodeReadsTheFiguresAndBoxBitsNotTheirCaptions) {
    load("arm7_single_divider");
    enable(0);
    edit("T0PR").setText("0000000E");
    box("CheckBox4").click();  // MCR bit 0
    box("CheckBox28").click(); // EM0
    const Lines before = generated();
    ASSERT_NE(
        std::find(before.begin(), before.end(),
                  "   Counter clk: 1 MHz, Counts every: 1000 ns  (calculated with peripheral clock: 15MHz)"),
        before.end());
    for (const std::string& name :
         {clockLabelName(0), tickLabelName(0), std::string("CheckBox4"), std::string("CheckBox28")})
        folder.form().store().get<model::Control>(name).setCaption("7");
    EXPECT_EQ(joined(generated()), joined(before));
}

TEST_F(TimerGeneratorTest, SixteenBitTimerWithDefaultsHasFourDigitsAndNoPwmControl) {
    load("arm7_mixed_widths"); // Timer2: 16 bit, NOPWM, own divider
    enable(2);
    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText(
                  "TimerGeneratorTest/SixteenBitTimerWithDefaultsHasFourDigitsAndNoPwmControl"));
}

TEST_F(TimerGeneratorTest, EachCaptureInputIsDescribedByItsOwnBits) {
    load("cortex_m3");
    enable(1);
    box("CheckBox61").click(); // CCR "7": CAP1.2 falling edge
    box("CheckBox50").click(); // CCR "8": CAP1.2 interrupt
    box("CheckBox53").click(); // CCR "3": CAP1.1 rising edge
    const Lines lines = generated();
    for (const std::string line :
         {"   CCR1.1 : capture on rising edge, ",
          "   CCR1.2 : capture on falling edge, generate interrupt on capture event, "})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "LPC_TIM1->CCR = 0x0188;     /* binary: 00000001_10001000 */"),
        lines.end());
}

TEST_F(TimerGeneratorTest, CortexM3UsesStructureSyntaxWithThePwmControlRegister) {
    load("cortex_m3");
    enable(1);
    box("CheckBox66").click(); // PWM mode on MAT1.0
    box("CheckBox40").click(); // MCR "0"
    box("CheckBox37").click(); // TCR[1]
    box("CheckBox54").click(); // CCR "0"
    box("CheckBox56").click(); // CCR "2"
    box("CheckBox65").click(); // EM3
    combo("EMC1_3combobox").setItemIndex(1);
    edit("T1MR0").setText("3E7");

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText(
                  "TimerGeneratorTest/CortexM3UsesStructureSyntaxWithThePwmControlRegister"));
}

TEST_F(TimerGeneratorTest, CountInputOfAnEarlierCounterModeStaysInCtcr) {
    load("arm7_single_divider");
    enable(0);
    combo("T0CTCR10").setItemIndex(1);
    combo("T0CTCR32").setItemIndex(1);
    const Lines counting = generated();
    ASSERT_GE(counting.size(), 10u);
    EXPECT_EQ(counting[4], "   Counter mode: TC incremented on rising edge of CAP 0.1");
    EXPECT_EQ(counting[5], "   Counter clk: Capture input/(PR+1), Counts every: Capture input/(PR+1)");
    EXPECT_EQ(counting[8], "T0CTCR = 0x05;     /* binary: 00000101 */");

    combo("T0CTCR32").setItemIndex(2);
    combo("T0CTCR10").setItemIndex(0);
    EXPECT_EQ(joined(generated()), regforge::testing::expectedText(
                                       "TimerGeneratorTest/CountInputOfAnEarlierCounterModeStaysInCtcr"));
}

TEST_F(TimerGeneratorTest, ThirteenXxTitleNamesTheCounterAndRegistersUseTheDigit) {
    load("lpc13xx");
    enable(2);
    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText(
                  "TimerGeneratorTest/ThirteenXxTitleNamesTheCounterAndRegistersUseTheDigit"));
}

TEST_F(TimerGeneratorTest, ThirteenXxPwmControlOnlyForTimersWithPwmMode) {
    load("lpc13xx"); // Timer2 NOPWM, Timer3 with PWM mode
    enable(2);
    enable(3);
    box("CheckBox100").click(); // PWM mode on MAT3.0
    const Lines lines = generated();
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("   MAT3.0: PWM controlled"));
    EXPECT_TRUE(has("LPC_TIM3->PWMC = 0x00000001;     /* binary: 00000000_00000000_00000000_00000001 */"));
    const auto pwmc =
        std::find(lines.begin(), lines.end(),
                  "LPC_TIM3->PWMC = 0x00000001;     /* binary: 00000000_00000000_00000000_00000001 */");
    ASSERT_NE(pwmc, lines.end());
    EXPECT_EQ(*(pwmc - 1), "LPC_TIM3->EMR = 0x0000;     /* binary: 00000000_00000000 */");
    EXPECT_EQ(*(pwmc + 1), "LPC_TIM3->TCR = 0x00;     /* binary: 00000000 */");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("->PWMC") != std::string::npos; }),
              1);
}

TEST_F(TimerGeneratorTest, OnlyCheckedTimersRunInTimerOrderWithTheirOwnWidthAndPwmMode) {
    load("arm7_mixed_widths");
    enable(3);
    enable(1);
    box("CheckBox63").click(); // EM1 of Timer1
    combo("EMC1_1combobox").setItemIndex(2);

    const Lines lines = generated();
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const auto end = static_cast<std::ptrdiff_t>(lines.size());
    ASSERT_LT(at("                                 Timer1 (32bit)"),
              at("                                 Timer3 (16bit)"));
    EXPECT_LT(at("                                 Timer3 (16bit)"), end);
    EXPECT_EQ(at("                                 Timer0 (32bit)"), end);
    EXPECT_EQ(at("                                 Timer2 (16bit)"), end);
    EXPECT_LT(at("   MAT1.1 : On compare match Set bit/output"), end);
    EXPECT_LT(at("T1EMR = 0x0082;     /* binary: 00000000_10000010 */"), end);
    EXPECT_LT(at("PWM1CON = 0x00000000;     /* binary: 00000000_00000000_00000000_00000000 */"), end);
    EXPECT_LT(at("T3TC = 0x0000;     /* decimal 0 */"), end);
    EXPECT_LT(at("PWM3CON = 0x00000000;     /* binary: 00000000_00000000_00000000_00000000 */"), end);
}

TEST_F(TimerGeneratorTest, EditTextsThatAreNoFullNumber) {
    folder.addProfile("bare", "[TIMER0]\r\n32bit\r\nNOPWM\r\n4\r\n[TIMER0_INIT]");
    loadProfile("bare");
    enable(0);
    edit("T0MR1").deleteForward(2, 8); // the user emptied the field
    ASSERT_EQ(edit("T0MR1").shownText(), "0x");
    const Lines lines = generated();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[6], "*/");
    EXPECT_EQ(lines[7], "T0CTCR = 0x00;     /* binary: 00000000 */")
        << "an init header without a line adds none";
    EXPECT_EQ(lines[12], "T0MR1 = 0x00000000;     /* decimal 0 */");

    // A configuration file can put any text into a field: the run fails instead of
    // writing a half-made block.
    edit("T0MR2").setText("12G4");
    ResultLists lists;
    lists.mainLines = {"before"};
    EXPECT_THROW(folder.form().page<TimerPage>().generate(lists), model::BitStringError);
    EXPECT_EQ(lists.mainLines, Lines{"before"});
}

} // namespace
} // namespace regforge::periph::timer
