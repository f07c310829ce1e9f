#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/timer/TimerControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace t = periph::timer;

// The program started with a timer profile loaded as the user does it, "Timers" in front.
class TimersPageView : public PageViewFixture {
protected:
    TimersPageView() : PageViewFixture("timer", 4) {}
};

TEST_F(TimersPageView, EveryTimerControlHasItsPlaceAndTheSwitchShowsOnePair) {
    EXPECT_GT(placedControls("TabSheet4"), 4 * 50);

    load("arm7_mixed_widths");
    EXPECT_TRUE(widget("T0_checkbox")->isVisible());
    EXPECT_TRUE(widget("T1_checkbox")->isVisible());
    EXPECT_FALSE(widget("T2_checkbox")->isVisible());

    click("ShowTimer23RadioButton");
    EXPECT_FALSE(widget("T0_checkbox")->isVisible());
    EXPECT_FALSE(widget("T1_groupBox")->isVisible());
    EXPECT_TRUE(widget("T2_checkbox")->isVisible());
    EXPECT_TRUE(widget("T3_panel")->isVisible());
    EXPECT_EQ(gui.widget<QCheckBox>("T2_checkbox")->text(), "Timer2 [16 bit]");

    click("ShowTimer01RadioButton");
    EXPECT_TRUE(widget("T0_checkbox")->isVisible());
    EXPECT_FALSE(widget("PanelTimers23")->isVisible());
}

TEST_F(TimersPageView, CoverLiesOnTheRegistersUntilTheTimerIsSwitchedOn) {
    load("arm7_single_divider");
    expectCoverLiftedBy("T0_groupBox", "T0_panel", "T0_checkbox");
    // A timer the device lacks is only its cover.
    click("ShowTimer23RadioButton");
    EXPECT_FALSE(widget("T2_groupBox")->isVisible());
    EXPECT_FALSE(widget("T2_checkbox")->isVisible());
    EXPECT_TRUE(widget("T2_panel")->isVisible());
    EXPECT_GT(widget("T2_panel")->height(), widget("T2_panel")->fontMetrics().height());
}

TEST_F(TimersPageView, NothingIsSqueezedOrCutAtTheDesignSize) {
    load("arm7_mixed_widths"); // own clock panels, PWM-mode boxes, all four capture rows on timer 0
    click("T0_checkbox");
    click("T1_checkbox");
    // The longest texts the figures and the hint take.
    gui.store().get<model::ComboBox>("T0CTCR10").setItemIndex(2);
    gui.store()
        .get<model::Control>(t::hintLabelName(0))
        .setCaption(gui.store().get<model::Control>(t::kMatchControlBoxes[0][2]).hint());
    expectNothingSqueezed("TabSheet4", {t::groupBoxName(0), t::groupBoxName(1)});
    EXPECT_GE(widget("T0CTCR10")->width(), widget("T0CTCR10")->sizeHint().width());
}

TEST_F(TimersPageView, ArrowKeysStepTheFocusedRegisterAndAreUsedUp) {
    load("arm7_single_divider");
    click("T0_checkbox");
    auto* prescaler = gui.widget<QLineEdit>("T0PR");
    auto& model = gui.store().get<model::NumericEdit>("T0PR");
    model.setText("0000000E");
    QTest::keyClick(prescaler, Qt::Key_Up);
    EXPECT_EQ(model.text(), "0000000F");
    QTest::keyClick(prescaler, Qt::Key_Down);
    QTest::keyClick(prescaler, Qt::Key_Down);
    EXPECT_EQ(model.text(), "0000000D");
    // The counter clock follows the stepped prescaler: 15 MHz / 14.
    EXPECT_EQ(gui.store().get<model::Control>(t::clockLabelName(0)).caption(), "Counter clk: 1.0714 MHz");
}

} // namespace
} // namespace regforge::gui
