#include "periph/pwm/PwmGenerator.h"

#include "PwmFixture.h"
#include "model/BitString.h"
#include "periph/pwm/PwmPage.h"

#include <algorithm>
#include <string>
#include <vector>

namespace regforge::periph::pwm {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

class PwmGeneratorTest : public PwmFixture {
protected:
    // What the result button gets from the PWM page as it stands.
    Lines generated() { return generatedBy<PwmPage>(); }
    void enable(int unit) { box(enableBoxName(unit)).click(); }
};

TEST_F(PwmGeneratorTest, CortexM3SingleEdgeOutputWithStructureSyntax) {
    load("cortex_m3");
    enable(1);
    box("PWM1TCR_EnCounter").click();
    box("PWM1TCR_EnPWM").click(); // checks the MR0 reset box
    edit("PWM1MR0").setText("0000012C");
    box("PWM11EnableCheckBox").click();

    EXPECT_EQ(
        joined(generated()),
        joined({kOpen,
                "                                    PWM1",
                kRule,
                "   Counter Enabled,    Counter Reset=0,    PWM mode enabled",
                "   Timer mode: count on rising edge of PCLK",
                "   Counter clk: 15 MHz, Counts every: 66.67 ns  (calculated with peripheral clock: 15MHz)",
                "   MCR1.0 : reset, on compare match",
                "   PWM frequency: 50 KHz",
                "   PWM1: Single edge, set by MR0, reset by MR1, output enabled",
                "   PWM2: Single edge, set by MR0, reset by MR2, output disabled",
                "   PWM3: Single edge, set by MR0, reset by MR3, output disabled",
                "   PWM4: Single edge, set by MR0, reset by MR4, output disabled",
                "   PWM5: Single edge, set by MR0, reset by MR5, output disabled",
                "   PWM6: Single edge, set by MR0, reset by MR6, output disabled",
                "*/",
                "LPC_SC->PCONP |= (1 << 6);     /* power up PWM1 */",
                "LPC_PWM1->TC = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->PR = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MCR = 0x00000002;     /* binary: 00000000_00000000_00000000_00000010 */",
                "LPC_PWM1->MR0 = 0x0000012C;     /* decimal 300 */",
                "LPC_PWM1->MR1 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MR2 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MR3 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MR4 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MR5 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->MR6 = 0x00000000;     /* decimal 0 */",
                "LPC_PWM1->CTCR = 0x00;     /* binary: 00000000 */",
                "LPC_PWM1->CCR = 0x00000000;     /* binary: 00000000_00000000_00000000_00000000 */",
                "LPC_PWM1->PCR = 0x00000200;     /* binary: 00000000_00000000_00000010_00000000 */",
                "LPC_PWM1->TCR = 0x09;     /* binary: 00001001 */",
                ""}));
}

TEST_F(PwmGeneratorTest, TheCodeReadsTheFiguresAndBoxBitsNotTheirCaptions) {
    load("cortex_m3");
    enable(1);
    box("PWM1TCR_EnPWM").click();
    edit("PWM1MR0").setText("0000012C");
    box(outputEnableBoxName(1, 6)).click();
    box(doubleEdgeBoxName(1, 6)).click();
    const Lines before = generated();
    ASSERT_NE(std::find(before.begin(), before.end(), "   PWM frequency: 50 KHz"), before.end());
    for (const std::string& name :
         {clockLabelName(1), tickLabelName(1), frequencyLabelName(1), outputEnableBoxName(1, 6),
          doubleEdgeBoxName(1, 6), std::string(kMatchControlBoxes[1][1])})
        folder.form().store().get<model::Control>(name).setCaption("3");
    EXPECT_EQ(joined(generated()), joined(before));
}

TEST_F(PwmGeneratorTest, UnnumberedUnitWithoutModeComboAndPwmModeOff) {
    load("arm7_one_unit"); // [NOPWMNUMBER], [PWM0] "0", one common divider
    enable(0);
    box("PWM0TCR_Reset").click();
    box("CheckBox145").click(); // MR2 stop
    box("CheckBox147").click(); // MR2 interrupt
    edit("PWM0PR").setText("2");
    edit("PWM0MR2").setText("FFFFFFFF");

    EXPECT_EQ(
        joined(generated()),
        joined({kOpen,
                "                                    PWM",
                kRule,
                "   Counter Disabled,    Counter Reset=1,    PWM mode disabled",
                "   Counter clk: 5 MHz, Counts every: 200 ns  (calculated with peripheral clock: 15MHz)",
                "   MCR0.2 : stop, generate interrupt on compare match",
                "*/",
                "PCONP |= (1 << 5);     /* power up PWM */",
                "PWMTC = 0x00000000;     /* decimal 0 */",
                "PWMPR = 0x00000002;     /* decimal 2 */",
                "PWMMCR = 0x00000140;     /* binary: 00000000_00000000_00000001_01000000 */",
                "PWMMR0 = 0x00000000;     /* decimal 0 */",
                "PWMMR1 = 0x00000000;     /* decimal 0 */",
                "PWMMR2 = 0xFFFFFFFF;     /* decimal 4294967295 */",
                "PWMMR3 = 0x00000000;     /* decimal 0 */",
                "PWMMR4 = 0x00000000;     /* decimal 0 */",
                "PWMMR5 = 0x00000000;     /* decimal 0 */",
                "PWMMR6 = 0x00000000;     /* decimal 0 */",
                "PWMPCR = 0x00000000;     /* binary: 00000000_00000000_00000000_00000000 */",
                "PWMTCR = 0x02;     /* binary: 00000010 */",
                ""}));
}

TEST_F(PwmGeneratorTest, CounterModeDoubleEdgeAndCaptureInRegisterNameSyntax) {
    load("arm7_two_units");
    enable(1);
    combo("PWM1CTCR10").setItemIndex(2); // falling edge
    combo("PWM1CTCR32").setItemIndex(1); // PCAP 1.1
    box("CheckBox203").click();          // CCR "0": capture 0 on rising edge
    box("CheckBox205").click();          // CCR "2": interrupt on capture 0
    box("PWM1TCR_EnPWM").click();
    edit("PWM1MR0").setText("64");
    edit("PWM1MR2").setText("32");
    box("PWM12EdgeCheckBox").click();
    box("PWM11EnableCheckBox").click();
    box("PWM12EnableCheckBox").click();

    EXPECT_EQ(joined(generated()),
              joined({kOpen,
                      "                                    PWM1",
                      kRule,
                      "   Counter Disabled,    Counter Reset=0,    PWM mode enabled",
                      "   Counter mode: TC incremented on falling edge of PCAP 1.1",
                      "   Counter clk: Capture input/(PR+1), Counts every: Capture input/(PR+1)",
                      "   MCR1.0 : reset, on compare match",
                      "   CCR1.0 : capture on rising edge, generate interrupt on capture event, ",
                      "   PWM frequency: counter frequency / MR0",
                      "   PWM1: Single edge, set by MR0, reset by MR1, output enabled",
                      "   PWM2: Double edge, set by MR1, reset by MR2, output enabled",
                      "   PWM3: Single edge, set by MR0, reset by MR3, output disabled",
                      "   PWM4: Single edge, set by MR0, reset by MR4, output disabled",
                      "   PWM5: Single edge, set by MR0, reset by MR5, output disabled",
                      "   PWM6: Single edge, set by MR0, reset by MR6, output disabled",
                      "*/",
                      "PWM1TC = 0x00000000;     /* decimal 0 */",
                      "PWM1PR = 0x00000000;     /* decimal 0 */",
                      "PWM1MCR = 0x00000002;     /* binary: 00000000_00000000_00000000_00000010 */",
                      "PWM1MR0 = 0x00000064;     /* decimal 100 */",
                      "PWM1MR1 = 0x00000000;     /* decimal 0 */",
                      "PWM1MR2 = 0x00000032;     /* decimal 50 */",
                      "PWM1MR3 = 0x00000000;     /* decimal 0 */",
                      "PWM1MR4 = 0x00000000;     /* decimal 0 */",
                      "PWM1MR5 = 0x00000000;     /* decimal 0 */",
                      "PWM1MR6 = 0x00000000;     /* decimal 0 */",
                      "PWM1CTCR = 0x06;     /* binary: 00000110 */",
                      "PWM1CCR = 0x00000005;     /* binary: 00000000_00000000_00000000_00000101 */",
                      "PWM1PCR = 0x00000604;     /* binary: 00000000_00000000_00000110_00000100 */",
                      "PWM1TCR = 0x08;     /* binary: 00001000 */",
                      ""}));
}

TEST_F(PwmGeneratorTest, OnlyCheckedUnitsRunPwm0First) {
    load("arm7_two_units");
    EXPECT_TRUE(generated().empty());
    enable(1);
    enable(0);
    const Lines lines = generated();
    ASSERT_EQ(lines.size(), 2u * 22u);
    EXPECT_EQ(lines[1], "                                    PWM0");
    EXPECT_EQ(lines[23], "                                    PWM1");
    // PWM0 offers counter mode ([PWM0] "1"): its mode, CTCR and CCR lines are there.
    EXPECT_EQ(lines[4], "   Timer mode: count on rising edge of PCLK");
    EXPECT_EQ(lines[17], "PWM0CTCR = 0x00;     /* binary: 00000000 */");
}

TEST_F(PwmGeneratorTest, EditTextsThatAreNoFullNumber) {
    load("arm7_two_units");
    enable(0);
    // Digits short of the width keep the register eight digits wide.
    edit("PWM0TC").deleteForward(2, 8); // the user emptied the field
    ASSERT_EQ(edit("PWM0TC").shownText(), "0x");
    edit("PWM0PR").deleteForward(2, 8); // then "1F" typed
    edit("PWM0PR").keyPress('1', 2, 0);
    edit("PWM0PR").keyPress('F', 3, 0);
    ASSERT_EQ(edit("PWM0PR").shownText(), "0x1F");
    const Lines lines = generated();
    EXPECT_EQ(lines[7], "PWM0TC = 0x00000000;     /* decimal 0 */");
    EXPECT_EQ(lines[8], "PWM0PR = 0x0000001F;     /* decimal 31 */");

    // Only a damaged configuration puts other text there: nothing is appended then.
    edit("PWM0MR5").setText("XYZ");
    ResultLists lists;
    lists.mainLines = {"before"};
    EXPECT_THROW(folder.form().page<PwmPage>().generate(lists), model::BitStringError);
    EXPECT_EQ(lists.mainLines, Lines{"before"});
}

} // namespace
} // namespace regforge::periph::pwm
