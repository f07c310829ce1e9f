#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "periph/i2c/I2cControls.h"
#include "periph/uart/UartControls.h"

#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace c = periph::i2c;
namespace u = periph::uart;

// The UART page with a Cortex-M3 profile (own clock panels, the fractional divider) in front.
class UartPageView : public PageViewFixture {
protected:
    UartPageView() : PageViewFixture("uart", 7) {}
};

// The I2C page with a Cortex-M3 profile (own clock panels, address masks) in front.
class I2cPageView : public PageViewFixture {
protected:
    I2cPageView() : PageViewFixture("i2c", 8) {}
};

// At the design width the long solution texts, the clock panels and the rate figures fit.
TEST_F(UartPageView, NothingIsSqueezedOrCutAtTheDesignSize) {
    load("cortex_m3");
    EXPECT_GT(placedControls(u::kTab.name), 50);
    expectCoverLiftedBy(u::uartControl(0, "_GroupBox"), u::uartControl(0, "_Panel"), u::enableBoxName(0));
    gui.store()
        .get<model::Control>(u::uartControl(0, "Hint_Label"))
        .setCaption(gui.store().get<model::Control>(u::uartControl(0, "DLL_edit")).hint());
    expectNothingSqueezed(u::kTab.name, {u::uartControl(0, "_GroupBox")});
}

TEST_F(I2cPageView, NothingIsSqueezedOrCutAtTheDesignSize) {
    load("cortex_m3");
    EXPECT_GT(placedControls(c::kTab.name), 30);
    expectCoverLiftedBy(c::groupBoxName(0), c::coverPanelName(0), c::enableBoxName(0));
    gui.store().get<model::ComboBox>(c::busControl(0, "Mode_ComboBox")).setItemIndex(c::kSlave);
    expectNothingSqueezed(c::kTab.name, {c::groupBoxName(0)});
}

} // namespace
} // namespace regforge::gui
