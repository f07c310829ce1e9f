#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "periph/spi/SpiControls.h"

#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace s = periph::spi;

// The program started with a serial-port profile loaded as the user does it, "SPI/SSP" in front.
class SpiPageView : public PageViewFixture {
protected:
    SpiPageView() : PageViewFixture("spi", 6) {}
};

TEST_F(SpiPageView, EveryPortControlHasItsPlace) {
    EXPECT_GT(placedControls("TabSheet6"), 100);
}

TEST_F(SpiPageView, CoversLieOnTheRegistersUntilThePortIsSwitchedOn) {
    load("cortex_m3");
    expectCoverLiftedBy(s::kSpiGroupBox, s::kSpiCoverPanel, s::kSpiEnableBox);
    expectCoverLiftedBy(s::sspControl(0, "_GroupBox"), s::sspControl(0, "_Panel"),
                        s::sspControl(0, "_checkbox"));
    EXPECT_TRUE(widget("SSP0RXDMAE_CheckBox")->isVisible());
    EXPECT_FALSE(widget("SSP2_GroupBox")->isVisible());
    EXPECT_TRUE(widget("SSP2_Panel")->isVisible()) << "a port the device lacks is only its cover";

    // The length panel covers the length combo until BitEnable uncovers it.
    load("arm7");
    click(s::kSpiEnableBox);
    EXPECT_TRUE(widget(s::kSpiBitsPanel)->isVisible());
    EXPECT_EQ(widget(s::kSpiBitsPanel)->geometry(), widget(s::kSpiBitsCombo)->geometry());
    click("SPIBitEnable_CheckBox");
    EXPECT_FALSE(widget(s::kSpiBitsPanel)->isVisible());
    EXPECT_TRUE(widget(s::kSpiBitsCombo)->isEnabled());
}

TEST_F(SpiPageView, NothingIsSqueezedOrCutAtTheDesignSize) {
    load("cortex_m3"); // own clock panels, DMA boxes
    for (const char* box : {"SPI_CheckBox", "SSP0_checkbox", "SSP1_checkbox"})
        click(box);
    gui.store().get<model::ComboBox>("SSP0FRF_ComboBox").setItemIndex(0);
    gui.store()
        .get<model::Control>("SSP0Hint_Label")
        .setCaption(gui.store().get<model::Control>("SSP0CPSDVSR_edit").hint());
    expectNothingSqueezed("TabSheet6", {s::kSpiGroupBox, s::sspControl(0, "_GroupBox")});
}

} // namespace
} // namespace regforge::gui
