#include "PwmFixture.h"
#include "app/ConfigurationCommands.h"

#include <filesystem>

namespace regforge::periph::pwm {
namespace {

using PwmConfigurationTest = PwmFixture;

TEST_F(PwmConfigurationTest, PageComesBackFromASavedConfiguration) {
    load("arm7_two_units");
    box("PWM1_checkbox").click();
    get("ShowPWM1RadioButton").click();
    box("PWM1TCR_EnCounter").click();
    box("PWM1TCR_EnPWM").click();
    edit("PWM1PR").setText("E");
    edit("PWM1MR0").setText("64");
    edit("PWM1MR4").setText("65");
    box("PWM14EdgeCheckBox").click();
    box("PWM14EnableCheckBox").click();
    box("CheckBox217").click(); // MR4 stop
    combo("PWM1CTCR10").setItemIndex(1);
    combo("PWM1CTCR32").setItemIndex(1);
    combo("PWM1pclk_div").setItemIndex(2);
    const auto path = folder.dir.path() / "pwm.sav";
    ASSERT_TRUE(folder.form().configuration().saveConfiguration(path));

    ASSERT_TRUE(folder.load("arm7_two_units"));
    ASSERT_FALSE(box("PWM1TCR_EnPWM").checked());
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_TRUE(box("PWM1_checkbox").checked());
    EXPECT_TRUE(get("pwm1_groupBox").enabled());
    EXPECT_FALSE(get("PWM1_panel").visible());
    EXPECT_TRUE(get("PanelPWM1").visible());
    EXPECT_TRUE(box("PWM1TCR_EnCounter").checked());
    EXPECT_TRUE(box("PWM1TCR_EnPWM").checked());
    EXPECT_TRUE(box("CheckBox188").checked()) << "MR0 reset";
    EXPECT_TRUE(box("CheckBox217").checked());
    EXPECT_EQ(edit("PWM1PR").text(), "0000000E");
    EXPECT_EQ(edit("PWM1MR0").text(), "00000064");
    EXPECT_EQ(edit("PWM1MR4").text(), "00000065");
    EXPECT_EQ(edit("PWM1MR4").colour(), model::kRed);
    EXPECT_TRUE(box("PWM14EdgeCheckBox").checked());
    EXPECT_TRUE(box("PWM14EnableCheckBox").checked());
    EXPECT_TRUE(box("PWM14EnableCheckBox").enabled());
    EXPECT_EQ(caption("PWM14label"), "PWM4: Double edge, set by MR3, reset by MR4, output enabled");
    EXPECT_EQ(combo("PWM1CTCR10").itemIndex(), 1);
    EXPECT_EQ(combo("PWM1CTCR32").itemIndex(), 1);
    EXPECT_TRUE(get("PWM1CTCR32").enabled());
    EXPECT_FALSE(box("CheckBox202").enabled()) << "PCAP 1.1 counts, so it does not capture";
    EXPECT_EQ(combo("PWM1pclk_div").itemIndex(), 2);
    EXPECT_EQ(caption("pwm1frequency"), "PWM frequency: counter frequency / MR0");
}

} // namespace
} // namespace regforge::periph::pwm
