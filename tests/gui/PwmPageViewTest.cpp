#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/pwm/PwmControls.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace p = periph::pwm;

// The program started with a PWM profile loaded as the user does it, "PWM" in front.
class PwmPageView : public PageViewFixture {
protected:
    PwmPageView() : PageViewFixture("pwm", 5) {}
};

TEST_F(PwmPageView, EveryPwmControlHasItsPlaceAndTheSwitchShowsOneUnit) {
    EXPECT_GT(placedControls("TabSheet5"), 2 * 60);

    load("arm7_two_units");
    EXPECT_TRUE(widget("PWM0_checkbox")->isVisible());
    EXPECT_FALSE(widget("PWM1_checkbox")->isVisible());
    click(p::kShowPwm1Name);
    EXPECT_FALSE(widget("PWM0_checkbox")->isVisible());
    EXPECT_TRUE(widget("PWM1_checkbox")->isVisible());
    EXPECT_TRUE(widget("PWM1_panel")->isVisible());
    click(p::kShowPwm0Name);
    EXPECT_TRUE(widget("pwm0_groupBox")->isVisible());
    EXPECT_FALSE(widget("PanelPWM1")->isVisible());
}

TEST_F(PwmPageView, CoverLiesOnTheRegistersUntilTheUnitIsSwitchedOn) {
    load("arm7_two_units");
    expectCoverLiftedBy("pwm0_groupBox", "PWM0_panel", "PWM0_checkbox");
}

TEST_F(PwmPageView, MatchBeyondThePeriodIsDrawnRed) {
    load("arm7_two_units");
    click("PWM0_checkbox");
    click("PWM0TCR_EnPWM");
    auto* edit = gui.widget<QLineEdit>("PWM0MR2");
    const QColor white = edit->palette().color(QPalette::Base);
    gui.store().get<model::NumericEdit>("PWM0MR2").setText("5");
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::red));
    gui.store().get<model::NumericEdit>("PWM0MR0").setText("5");
    EXPECT_EQ(edit->palette().color(QPalette::Base), white);
}

TEST_F(PwmPageView, NothingIsSqueezedOrCutAtTheDesignSize) {
    load("arm7_two_units"); // own clock panels, counter mode, one capture row on PWM0
    click("PWM0_checkbox");
    click("PWM0TCR_EnPWM");
    click("PWM02EdgeCheckBox");
    // The longest texts the figures and the hint take.
    gui.store().get<model::ComboBox>("PWM0CTCR10").setItemIndex(2);
    gui.store()
        .get<model::Control>(p::hintLabelName(0))
        .setCaption(gui.store().get<model::Control>(p::kMatchControlBoxes[0][2]).hint());
    expectNothingSqueezed("TabSheet5", {p::groupBoxName(0)});
    EXPECT_GE(widget("PWM0CTCR10")->width(), widget("PWM0CTCR10")->sizeHint().width());
}

} // namespace
} // namespace regforge::gui
