#include "AdcFixture.h"
#include "support/GeneratedText.h"

#include <string>
#include <tuple>
#include <vector>

namespace regforge::periph::adc {
namespace {

using Strings = std::vector<std::string>;

class AdcPageTest : public AdcFixture {
protected:
    // The figures of a converter: "clk | rate".
    std::string figures(int converter) {
        return caption(clockLabelName(converter)) + " | " + caption(rateLabelName(converter));
    }
    bool clockIsRed(int converter) { return get(clockLabelName(converter)).fontColour() == model::kRed; }
    void setPeripheralClock(const std::string& cpuMhz) { edit("pllclock_edit").setText(cpuMhz); }
};

TEST_F(AdcPageTest, LoadShowsTheConvertersOfTheProfileWithTheirStartItemsAndFirstChannel) {
    load("arm7");
    EXPECT_EQ(
        shown({enableBoxName(0), groupBoxName(0), coverPanelName(0), enableBoxName(1), groupBoxName(1),
               coverPanelName(1), enableBoxName(2), groupBoxName(2), enableBoxName(3), groupBoxName(3)}),
        "yyyyyynnnn");
    EXPECT_EQ(combo("ad0_start").items(),
              regforge::testing::expectedLines(
                  "AdcPageTest/LoadShowsTheConvertersOfTheProfileWithTheirStartItemsAndFirstChannel"));
    EXPECT_EQ(combo("ad0_start").itemIndex(), 0);
    EXPECT_EQ(combo("ad1_start").count(), 2) << "a line without a key is ignored";
    EXPECT_EQ(checkedChannels(0), "0");
    // CHOFF 0 takes channel 0 away, so channel 1 is the one selected; 8 and -1 name no box.
    EXPECT_EQ(checkedChannels(1), "1");
    EXPECT_EQ(usableChannels(1), "nyyyyyyy");
    EXPECT_EQ(ticked({"adginten0"}) + usable({"adcinten0_4", "ad0_edge", "ad0_clks"}) +
                  shown({"ad0_clks", "pdn0"}),
              "ynnnyy");
    EXPECT_EQ(get("adcClk0").hint(), "ADC clock (max 4.5 MHz)");
    EXPECT_EQ(caption("ad0_checkbox"), "ADC0");
    EXPECT_EQ(caption("adc2_panel"), "ADC2 is disabled or not available");
}

TEST_F(AdcPageTest, OneChannelOutsideBurstModeAndAnyNumberInIt) {
    load("arm7");
    box("ad0_checkbox").click();
    box("sel0_5").click();
    EXPECT_EQ(checkedChannels(0), "5");
    box("sel0_2").click();
    EXPECT_EQ(checkedChannels(0), "2");

    combo("ad0_start").setItemIndex(2);
    EXPECT_TRUE(get("ad0_edge").enabled()) << "an edge start item needs its edge";
    combo("ad0_edge").setItemIndex(1);
    box("burst0").click();
    EXPECT_EQ(std::to_string(combo("ad0_start").itemIndex()) + std::to_string(combo("ad0_edge").itemIndex()),
              "00");
    EXPECT_EQ(usable({"ad0_start", "ad0_edge", "ad0_clks"}), "nny");
    box("sel0_4").click();
    box("sel0_7").click();
    EXPECT_EQ(checkedChannels(0), "247");
    combo("ad0_clks").setItemIndex(3);

    box("burst0").click();
    EXPECT_EQ(checkedChannels(0), "0") << "the first available channel is the one left";
    EXPECT_EQ(combo("ad0_clks").itemIndex(), 0);
    EXPECT_EQ(usable({"ad0_start", "ad0_edge", "ad0_clks"}), "ynn");

    combo("ad0_start").setItemIndex(3);
    EXPECT_TRUE(get("ad0_edge").enabled());
    combo("ad0_start").setItemIndex(1);
    EXPECT_FALSE(get("ad0_edge").enabled());
}

TEST_F(AdcPageTest, GlobalDoneInterruptTakesOverTheChannelInterrupts) {
    load("arm7");
    box("ad0_checkbox").click();
    box("adginten0").click();
    // Each channel interrupt box as two letters: enabled, checked.
    const auto interrupts = [this] {
        std::string out;
        for (int n = 0; n < kChannelCount; ++n)
            out += usable({interruptBoxName(0, n)}) + ticked({interruptBoxName(0, n)});
        return out;
    };
    EXPECT_EQ(interrupts(), "ynynynynynynynyn");
    box("adcinten0_3").click();
    box("adcinten0_6").click();
    EXPECT_EQ(interrupts(), "ynynynyyynynyyyn");
    box("adginten0").click();
    EXPECT_EQ(interrupts(), "nnnnnnnnnnnnnnnn");
    EXPECT_FALSE(box("adcinten1_0").enabled()) << "ADC1 keeps its own setting";
}

TEST_F(AdcPageTest, FiguresFollowTheDividerTheConversionClocksAndThePeripheralClock) {
    load("arm7"); // 60 MHz and 1/4: 15 MHz
    box("ad0_checkbox").click();
    EXPECT_EQ(figures(0), "clk: 15 MHz | 1.3636 Msamples/sec");
    EXPECT_TRUE(clockIsRed(0)) << "15 MHz is above 4.5 MHz";
    edit("clkdiv0").setText("3");
    EXPECT_EQ(figures(0), "clk: 3.75 MHz | 340.9091 Ksamples/sec");
    EXPECT_FALSE(clockIsRed(0));
    edit("clkdiv0").setText("2");
    EXPECT_EQ(caption("adcClk0"), "clk: 5 MHz");
    EXPECT_TRUE(clockIsRed(0));

    box("burst0").click();
    combo("ad0_clks").setItemIndex(3); // 8 clocks
    EXPECT_EQ(figures(0), "clk: 5 MHz | 625 Ksamples/sec");
    setPeripheralClock("48"); // 12 MHz
    EXPECT_EQ(figures(0), "clk: 4 MHz | 500 Ksamples/sec");
    EXPECT_FALSE(clockIsRed(0));
    EXPECT_EQ(figures(1), "clk: 12 MHz | 1.0909 Msamples/sec") << "every converter follows the clock";

    edit("clkdiv1").setText("999");
    EXPECT_EQ(edit("clkdiv1").text(), "255");
    EXPECT_EQ(caption("adcClk1"), "clk: 46.875 KHz");
}

TEST_F(AdcPageTest, CortexM3ProfileSetsTheLimitsAndHidesTheConversionClocks) {
    load("cortex_m3"); // [LPC175x], FMAX 13 MHz, CLOCKS 65, BIT 12; ADC1's FMAX is not read
    for (int a = 0; a < kConverterCount; ++a)
        EXPECT_FALSE(get(conversionClocksComboName(a)).visible()) << a;
    EXPECT_EQ(get("adcClk1").hint(), "ADC clock (max 13 MHz)");
    EXPECT_EQ(folder.form().device().adcClocks, 65);
    EXPECT_EQ(folder.form().device().adcBits, 12);
    edit("clkdiv0").setText("1");
    EXPECT_EQ(figures(0), "clk: 7.5 MHz | 115.3846 Ksamples/sec");
    EXPECT_FALSE(clockIsRed(0));

    // The next device starts from the defaults again.
    load("arm7");
    EXPECT_TRUE(get("ad0_clks").visible());
    EXPECT_EQ(folder.form().device().adcClocks, 11);
    EXPECT_EQ(get("adcClk0").hint(), "ADC clock (max 4.5 MHz)");

    // The limit is shown with two decimals.
    folder.addProfile("odd_limit", "[LPC21xx]\r\n[ADC0]\r\nFMAX@4126000\r\nSTART@Start conversion now\r\n");
    loadProfile("odd_limit");
    EXPECT_EQ(get("adcClk0").hint(), "ADC clock (max 4.13 MHz)");
}

// The reset and the saved files find the converters' controls by tag (field base + converter).
TEST_F(AdcPageTest, ControlsCarryTheirTagsAndCaptions) {
    load("arm7");
    for (int a = 0; a < kConverterCount; ++a) {
        const std::string d = std::to_string(a);
        for (int n = 0; n < kChannelCount; ++n) {
            const std::string k = std::to_string(n);
            EXPECT_EQ(get("sel" + d + "_" + k).tag(), 100 + a);
            EXPECT_EQ(caption("sel" + d + "_" + k), k);
            EXPECT_EQ(get("adcinten" + d + "_" + k).tag(), 110 + a);
            EXPECT_EQ(caption("adcinten" + d + "_" + k), k);
        }
        const std::vector<std::tuple<std::string, int, std::string>> boxes = {
            {"ad" + d + "_checkbox", 190, "ADC" + d},
            {"adginten" + d, 200, "ADGINTEN"},
            {"pdn" + d, 210, "PDN"},
            {"burst" + d, 220, "BURST"},
        };
        for (const auto& [name, tag, text] : boxes) {
            EXPECT_EQ(get(name).tag(), tag + a) << name;
            EXPECT_EQ(caption(name), text) << name;
        }
        EXPECT_EQ(get("clkdiv" + d).tag(), 230 + a);
        EXPECT_EQ(get("ad" + d + "_clks").tag(), 240 + a);
        EXPECT_EQ(get("ad" + d + "_edge").tag(), 250 + a);
        EXPECT_EQ(get("ad" + d + "_start").tag(), 260 + a);
        EXPECT_EQ(get("adcClk" + d).tag(), 270 + a);
    }
}

TEST_F(AdcPageTest, HintsNameTheChannelUnderTheMouseAndTheGroupBoxClearsThem) {
    load("arm7");
    get("sel0_3").hovered.emit(get("sel0_3"));
    EXPECT_EQ(caption("Label8"), "Channel 3");
    get("adcinten0_5").hovered.emit(get("adcinten0_5"));
    EXPECT_EQ(caption("Label10"), "Channel 5");
    EXPECT_EQ(caption("Label8"), "Channel 3") << "each box kind has its own label";
    get("ad0_groupbox").hovered.emit(get("ad0_groupbox"));
    EXPECT_EQ(caption("Label8"), "");
    EXPECT_EQ(caption("Label10"), "");
    get("sel0_3").hovered.emit(get("sel0_3"));
    get("TabSheet2").hovered.emit(get("TabSheet2"));
    EXPECT_EQ(caption("Label8"), "") << "the page itself clears them too";
}

TEST_F(AdcPageTest, NoPowerDownBitHidesPdnUntilTheNextDevice) {
    load("nopdn");
    EXPECT_FALSE(get("pdn0").visible());
    EXPECT_TRUE(get("ad0_clks").visible()) << "13xx keeps the conversion clocks";
    EXPECT_FALSE(box("sel0_7").enabled());
    load("arm7");
    EXPECT_TRUE(get("pdn0").visible());
    EXPECT_TRUE(box("sel0_7").enabled());
}

TEST_F(AdcPageTest, MalformedNumbersStopTheLoadAndOddOnesStaySafe) {
    const std::string head = "[LPC21xx]\r\n[ADC0]\r\nSTART@Start conversion now\r\n";
    const std::vector<std::string> refused = {
        "FMAX@1000000000000000000000000000000",
        "FMAX@0",
        "CLOCKS@0",
        "CLOCKS@-3",
        "BIT@ten",
        "CHOFF@x",
        "CHOFF@99999999999",
    };
    folder.start();
    for (std::size_t i = 0; i < refused.size(); ++i) {
        const std::string name = "bad" + std::to_string(i);
        folder.addProfile(name, head + refused[i] + "\r\n");
        EXPECT_FALSE(tryLoad(name)) << refused[i];
    }
    folder.addProfile("gap", head + "\r\nCHOFF@1\r\n[ADC1]\r\n");
    EXPECT_FALSE(tryLoad("gap")) << "an empty line inside the section";
    ASSERT_FALSE(folder.ui.messages.empty());
    EXPECT_EQ(folder.ui.messages.back().caption, "Can't open profile");

    // Every channel taken away: no other channel can take over from channel 0, and burst mode
    // still switches.
    std::string allOff = head;
    for (int n = 0; n < kChannelCount; ++n)
        allOff += "CHOFF@" + std::to_string(n) + "\r\n";
    folder.addProfile("alloff", allOff + "CLOCKS@2147483647\r\n");
    ASSERT_TRUE(tryLoad("alloff"));
    EXPECT_EQ(checkedChannels(0), "0");
    box("ad0_checkbox").click();
    box("burst0").click();
    box("burst0").click();
    EXPECT_EQ(checkedChannels(0), "0");
    EXPECT_EQ(caption("adcrate0"), "0.007 samples/sec");
}

TEST_F(AdcPageTest, FewDeviceClocksNeverGiveANegativeOrEndlessRate) {
    folder.addProfile("few", "[LPC21xx]\r\n[ADC0]\r\nCLOCKS@3\r\n");
    folder.start();
    ASSERT_TRUE(tryLoad("few"));
    box("ad0_checkbox").click();
    box("burst0").click();
    combo("ad0_clks").setItemIndex(7);
    EXPECT_EQ(page().conversionClocks(0), 1);
    EXPECT_EQ(figures(0), "clk: 15 MHz | 15 Msamples/sec");
}

} // namespace
} // namespace regforge::periph::adc
