#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "periph/adc/AdcControls.h"
#include "support/GeneratedText.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::gui {
namespace {

namespace a = periph::adc;

// Two converters, the second with a channel the device lacks; ADC2 and ADC3 are missing.
const std::string kProfile = regforge::testing::fixtureText("input/AdcPageViewTest/profile.ini");

// The program started with an A/D profile loaded as the user does it, "ADC" in front.
class AdcPageView : public PageViewFixture {
protected:
    AdcPageView() : PageViewFixture("adc", 3) {}
    void load() { loadText(kProfile); }
};

TEST_F(AdcPageView, EveryConverterControlHasItsPlaceInTheLayout) {
    EXPECT_EQ(placedControls("TabSheet2"), 4 * 30);
}

TEST_F(AdcPageView, CoverLiesOnTheRegistersUntilTheConverterIsSwitchedOn) {
    load();
    expectCoverLiftedBy(a::groupBoxName(0), a::coverPanelName(0), a::enableBoxName(0));
    // A converter the device lacks is only its cover.
    EXPECT_FALSE(widget(a::groupBoxName(2))->isVisible());
    EXPECT_FALSE(widget(a::enableBoxName(2))->isVisible());
    EXPECT_TRUE(widget(a::coverPanelName(2))->isVisible());

    // Burst mode greys start and edge and frees the conversion clocks, on screen too.
    click(a::burstBoxName(0));
    EXPECT_FALSE(widget(a::startComboName(0))->isEnabled());
    EXPECT_FALSE(widget(a::edgeComboName(0))->isEnabled());
    EXPECT_TRUE(widget(a::conversionClocksComboName(0))->isEnabled());
}

TEST_F(AdcPageView, TwoConvertersSideBySideFitTheDesignSizeUncut) {
    load();
    click(a::enableBoxName(0));
    click(a::enableBoxName(1));
    gui.store().get<model::ComboBox>(a::startComboName(0)).setItemIndex(2);
    gui.store().get<model::Control>(a::kChannelHintLabels[0]).setCaption("Channel 7");
    expectNothingSqueezed("TabSheet2", {a::groupBoxName(0), a::groupBoxName(1)});
    EXPECT_EQ(widget(a::groupBoxName(0))->y(), widget(a::groupBoxName(1))->y()) << "side by side";
    for (const int converter : {0, 1}) {
        // Every channel box shows its whole number, the rate is read whole.
        for (int n = 0; n < a::kChannelCount; ++n) {
            QWidget* box = widget(a::channelBoxName(converter, n));
            EXPECT_GE(box->width(), box->sizeHint().width()) << a::channelBoxName(converter, n);
        }
        QWidget* rate = widget(a::rateLabelName(converter));
        EXPECT_GE(rate->width(), rate->sizeHint().width()) << a::rateLabelName(converter);
    }
}

} // namespace
} // namespace regforge::gui
