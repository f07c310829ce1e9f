#include "GuiFixture.h"
#include "model/ComboBox.h"
#include "periph/adc/AdcControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QTabWidget>
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

bool holds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() != nullptr && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

bool onAdcPage(const model::Control& control) {
    for (const model::Control* c = control.parent(); c != nullptr; c = c->parent())
        if (c->name() == "TabSheet2")
            return true;
    return false;
}

// The program started with an A/D profile loaded as the user does it, "ADC" in front.
class AdcPageView : public ::testing::Test {
protected:
    void load() {
        gui.folder.write("include/LPC2148.ini", kProfile);
        auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf("LPC2148"));
        ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
        gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(2);
        QApplication::processEvents();
    }
    QWidget* widget(const std::string& name) { return gui.widget<QWidget>(name.c_str()); }
    void click(const std::string& name) { gui.widget<QAbstractButton>(name.c_str())->click(); }

    GuiFixture gui;
};

TEST_F(AdcPageView, EveryConverterControlHasItsPlaceInTheLayout) {
    int placed = 0;
    for (const model::Control* control : gui.store().all()) {
        if (!onAdcPage(*control))
            continue;
        QWidget* w = widget(control->name());
        ASSERT_NE(w, nullptr) << control->name();
        ASSERT_NE(w->parentWidget(), nullptr) << control->name();
        const QLayout* layout = w->parentWidget()->layout();
        EXPECT_TRUE(layout != nullptr && holds(layout, w)) << control->name() << " lies outside the layout";
        ++placed;
    }
    EXPECT_EQ(placed, 4 * 30);
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
