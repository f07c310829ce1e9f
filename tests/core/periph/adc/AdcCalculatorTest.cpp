#include "AdcFixture.h"
#include "tools/Calculator.h"
#include "tools/EditPopup.h"

#include <string>
#include <vector>

namespace regforge::periph::adc {
namespace {

using Strings = std::vector<std::string>;

// What the calculator was handed when it opened.
struct Handed {
    std::string pclock;
    std::string frequency;
    Strings units;
    int unit = -1;
    std::int64_t registerMax = 0;
    int offset = 0;
    int clocksPerSample = 0;
    int clockLimit = 0;
    std::string rateCaption;
    std::string resultCaption;
    bool converterClockShown = false;
};

class AdcCalculatorTest : public AdcFixture {
protected:
    tools::EditPopup& popup() { return folder.form().editPopup(); }

    // The user types `value` in unit `unit` and presses Apply; what the calculator was handed
    // and what it showed are kept.
    void userApplies(const std::string& value, int unit) {
        folder.ui.calculator = [this, value, unit](tools::Calculator& c) {
            handed = {c.pclockEdit().text(),
                      c.frequencyEdit().text(),
                      c.frequencyCombo().items(),
                      c.frequencyCombo().itemIndex(),
                      c.registerMax(),
                      c.registerOffset(),
                      c.clocksPerSample(),
                      c.clockLimit(),
                      c.store().get<model::Control>("Label1").caption(),
                      c.store().get<model::Control>("Label3").caption(),
                      c.adcFrequencyLabel().visible() && c.store().get<model::Control>("Label5").visible()};
            c.frequencyCombo().setItemIndex(unit);
            c.frequencyEdit().setText(value);
            shown =
                c.resultText() + " | " + c.result2Label().caption() + " | " + c.adcFrequencyLabel().caption();
            return true;
        };
    }
    void samplesFor(const std::string& divider) {
        popup().MivoEditEnter(edit(divider));
        get<model::MenuItem>("CalculateFromSamplesAD").click();
    }

    Handed handed;
    std::string shown;
};

TEST_F(AdcCalculatorTest, SampleRateStartsAtTheFastestRateAndAppliesTheDivider) {
    load("arm7"); // 15 MHz, 11 clocks
    userApplies("100", 2);
    samplesFor("clkdiv0");
    EXPECT_EQ(handed.units, (Strings{"msample/sec", "sample/sec", "Ksample/sec", "MSample/sec"}));
    EXPECT_EQ(handed.unit, 2);
    EXPECT_EQ(handed.frequency, "1363.6364") << "15 MHz / 11 clocks in thousands of samples";
    EXPECT_EQ(handed.pclock, "1.36363636363636") << "conversions per microsecond";
    EXPECT_EQ(handed.registerMax, 255);
    EXPECT_EQ(handed.offset, 1);
    EXPECT_EQ(handed.clocksPerSample, 11);
    EXPECT_EQ(handed.clockLimit, 4500000);
    EXPECT_EQ(handed.rateCaption, "ADC rate");
    EXPECT_EQ(handed.resultCaption, "Calculated ADC rate:");
    EXPECT_TRUE(handed.converterClockShown);
    EXPECT_EQ(shown, "13 | 97.4026 Ksamples/sec | 1.0714 MHz");
    EXPECT_EQ(edit("clkdiv0").text(), "13");
    EXPECT_EQ(caption("adcClk0"), "clk: 1.0714 MHz") << "the figures follow the new divider";

    // Burst mode's conversion clocks count: 11 - item 3 = 8.
    box("ad1_checkbox").click();
    box("burst1").click();
    combo("ad1_clks").setItemIndex(3);
    userApplies("500", 2);
    samplesFor("clkdiv1");
    EXPECT_EQ(handed.clocksPerSample, 8);
    EXPECT_EQ(handed.frequency, "1875");
    EXPECT_EQ(edit("clkdiv1").text(), "3");
}

TEST_F(AdcCalculatorTest, HiddenConversionClocksUseTheDeviceClocks) {
    load("cortex_m3"); // 65 clocks, 13 MHz limit
    userApplies("50", 2);
    samplesFor("clkdiv0");
    EXPECT_EQ(handed.clocksPerSample, 65);
    EXPECT_EQ(handed.clockLimit, 13000000);
    EXPECT_EQ(handed.frequency, "230.7692");
    EXPECT_EQ(edit("clkdiv0").text(), "4");

    folder.ui.calculator = [](tools::Calculator&) { return false; };
    samplesFor("clkdiv0");
    EXPECT_EQ(edit("clkdiv0").text(), "4") << "Abort changes nothing";
}

TEST_F(AdcCalculatorTest, FrequencyRowHandsThePeripheralClockAndTheLimit) {
    load("arm7");
    userApplies("3.75", 3);
    popup().MivoEditEnter(edit("clkdiv1"));
    popup().CalcFromFreqPopupClick();
    EXPECT_EQ(handed.pclock, "15");
    EXPECT_EQ(handed.frequency, "15");
    EXPECT_EQ(handed.unit, 3);
    EXPECT_EQ(handed.registerMax, 255);
    EXPECT_EQ(handed.offset, 1);
    EXPECT_EQ(handed.clockLimit, 4500000);
    EXPECT_EQ(handed.clocksPerSample, 1);
    EXPECT_EQ(edit("clkdiv1").text(), "3");

    folder.ui.calculator = [](tools::Calculator& c) {
        c.resultLabel().setCaption("-2");
        return true;
    };
    popup().CalcFromFreqPopupClick();
    EXPECT_EQ(edit("clkdiv1").text(), "3") << "a negative result leaves the divider";
}

TEST_F(AdcCalculatorTest, OnlyTheFirstTwoDividersCarryThePopup) {
    load("arm7");
    EXPECT_TRUE(popup().carriesPopup(edit("clkdiv0")));
    EXPECT_TRUE(popup().carriesPopup(edit("clkdiv1")));
    EXPECT_FALSE(popup().carriesPopup(edit("clkdiv2")));
    EXPECT_FALSE(popup().carriesPopup(edit("clkdiv3")));
}

} // namespace
} // namespace regforge::periph::adc
