#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "periph/adc/AdcControls.h"

#include <QApplication>
#include <QScrollArea>
#include <gtest/gtest.h>
#include <string>

namespace regforge::gui {
namespace {

namespace a = periph::adc;

// Two converters, the second with a channel the device lacks; ADC2 and ADC3 are missing.
const char* const kProfile = "[LPC23xx]\r\n[INCLUDE]\r\nLPC23xx.h\r\n"
                             "[ADC0]\r\nSTART@No start (use for burst mode)\r\nSTART@Start conversion now\r\n"
                             "START@Start on selected edge of EINT0\r\n"
                             "[ADC1]\r\nCHOFF@0\r\nSTART@Start conversion now\r\n";

// The program started with an A/D profile loaded as the user does it, "ADC" in front.
class AdcPageView : public PageViewFixture {
protected:
    AdcPageView() : PageViewFixture("adc", 2) {}
    void load() { loadText(kProfile); }
};

TEST_F(AdcPageView, EveryConverterControlHasItsPlaceInTheLayout) {
    EXPECT_EQ(placedControls("TabSheet2"), 4 * 30);
}

TEST_F(AdcPageView, CoverLiesOnTheRegistersUntilTheConverterIsSwitchedOn) {
    load();
    QWidget* group = widget(a::groupBoxName(0));
    QWidget* cover = widget(a::coverPanelName(0));
    const QPoint middle = group->geometry().center();
    ASSERT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), group->geometry());
    QWidget* shown = group->parentWidget()->childAt(middle);
    EXPECT_TRUE(shown == cover || cover->isAncestorOf(shown)) << "the cover lies on top";

    click(a::enableBoxName(0));
    EXPECT_FALSE(cover->isVisible());
    EXPECT_TRUE(group->isEnabled());
    shown = group->parentWidget()->childAt(middle);
    EXPECT_TRUE(group->isAncestorOf(shown));

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
    QApplication::processEvents();

    auto* scroll = widget("TabSheet2")->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(scroll->widget()->width(), scroll->viewport()->width()) << "no room lost on the right";
    EXPECT_EQ(widget(a::groupBoxName(0))->y(), widget(a::groupBoxName(1))->y()) << "side by side";
    for (const int converter : {0, 1}) {
        QWidget* group = widget(a::groupBoxName(converter));
        for (QWidget* w : group->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            const std::string name = w->objectName().toStdString();
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " squeezed";
            const QRect inGroup(w->mapTo(group, QPoint(0, 0)), w->size());
            EXPECT_TRUE(group->contentsRect().contains(inGroup)) << name << " cut off";
        }
        // Every channel box shows its whole number.
        for (int n = 0; n < a::kChannelCount; ++n) {
            QWidget* box = widget(a::channelBoxName(converter, n));
            EXPECT_GE(box->width(), box->sizeHint().width()) << a::channelBoxName(converter, n);
        }
        QWidget* rate = widget(a::rateLabelName(converter));
        EXPECT_GE(rate->width(), rate->sizeHint().width()) << "the rate is read whole";
    }
}

} // namespace
} // namespace regforge::gui
