#include "periph/pwm/PwmGenerator.h"

#include "PwmFixture.h"
#include "model/BitString.h"
#include "periph/pwm/PwmPage.h"
#include "support/GeneratedText.h"

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

    EXPECT_EQ(joined(generated()), regforge::testing::expectedText(
                                       "PwmGeneratorTest/CortexM3SingleEdgeOutputWithStructureSyntax"));
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

    EXPECT_EQ(joined(generated()), regforge::testing::expectedText(
                                       "PwmGeneratorTest/UnnumberedUnitWithoutModeComboAndPwmModeOff"));
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
              regforge::testing::expectedText(
                  "PwmGeneratorTest/CounterModeDoubleEdgeAndCaptureInRegisterNameSyntax"));
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
