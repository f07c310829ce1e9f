#include "AdcFixture.h"
#include "app/ConfigurationCommands.h"

#include <filesystem>

namespace regforge::periph::adc {
namespace {

class AdcConfigurationTest : public AdcFixture {
protected:
    std::filesystem::path saved() {
        const auto path = folder.dir.path() / "adc.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        return path;
    }
};

TEST_F(AdcConfigurationTest, BurstChannelsDividersAndStartModesSurviveSaveAndLoad) {
    load("arm7");
    box("ad0_checkbox").click();
    box("pdn0").click();
    box("burst0").click();
    for (const char* name : {"sel0_2", "sel0_5"})
        box(name).click();
    combo("ad0_clks").setItemIndex(2);
    edit("clkdiv0").setText("7");
    box("adginten0").click();
    box("adcinten0_5").click();

    box("ad1_checkbox").click();
    box("sel1_4").click();
    combo("ad1_start").setItemIndex(1);
    edit("clkdiv1").setText("3");
    const auto path = saved();

    ASSERT_TRUE(folder.load("arm7"));
    ASSERT_EQ(checkedChannels(0), "0");
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);

    EXPECT_TRUE(box("ad0_checkbox").checked());
    EXPECT_TRUE(get("ad0_groupbox").enabled());
    EXPECT_FALSE(get("adc0_panel").visible());
    EXPECT_TRUE(box("pdn0").checked());
    EXPECT_TRUE(box("burst0").checked());
    EXPECT_EQ(checkedChannels(0), "025") << "burst mode keeps every saved channel";
    EXPECT_EQ(combo("ad0_clks").itemIndex(), 2);
    EXPECT_TRUE(get("ad0_clks").enabled());
    EXPECT_FALSE(get("ad0_start").enabled());
    EXPECT_EQ(edit("clkdiv0").text(), "7");
    EXPECT_FALSE(box("adginten0").checked());
    EXPECT_TRUE(box("adcinten0_5").checked());
    EXPECT_TRUE(box("adcinten0_5").enabled());
    EXPECT_EQ(caption("adcClk0"), "clk: 1.875 MHz");
    EXPECT_EQ(caption("adcrate0"), "208.3333 Ksamples/sec");

    EXPECT_TRUE(box("ad1_checkbox").checked());
    EXPECT_EQ(checkedChannels(1), "4");
    EXPECT_FALSE(box("burst1").checked());
    EXPECT_EQ(combo("ad1_start").itemIndex(), 1);
    EXPECT_TRUE(get("ad1_start").enabled());
    EXPECT_FALSE(get("ad1_clks").enabled());
    EXPECT_EQ(edit("clkdiv1").text(), "3");
    EXPECT_TRUE(box("adginten1").checked());
    EXPECT_FALSE(box("sel1_0").enabled()) << "the device's missing channel stays missing";
}

} // namespace
} // namespace regforge::periph::adc
