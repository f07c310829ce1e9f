#include "PageViewFixture.h"
#include "model/ComboBox.h"
#include "periph/spi/SpiControls.h"

#include <QApplication>
#include <QScrollArea>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace s = periph::spi;

// The program started with a serial-port profile loaded as the user does it, "SPI/SSP" in front.
class SpiPageView : public PageViewFixture {
protected:
    SpiPageView() : PageViewFixture("spi", 5) {}
};

TEST_F(SpiPageView, EveryPortControlHasItsPlace) {
    EXPECT_GT(placedControls("TabSheet6"), 100);
}

TEST_F(SpiPageView, CoversLieOnTheRegistersUntilThePortIsSwitchedOn) {
    load("cortex_m3");
    for (const std::string port : {"SPI", "SSP0"}) {
        const bool spi = port == "SPI";
        QWidget* group = widget(spi ? s::kSpiGroupBox : s::sspControl(0, "_GroupBox"));
        QWidget* cover = widget(spi ? s::kSpiCoverPanel : s::sspControl(0, "_Panel"));
        const QPoint middle = group->geometry().center();
        ASSERT_TRUE(cover->isVisible()) << port;
        EXPECT_EQ(cover->geometry(), group->geometry()) << port;
        QWidget* shown = group->parentWidget()->childAt(middle);
        EXPECT_TRUE(shown == cover || cover->isAncestorOf(shown)) << port << ": the cover lies on top";

        click(spi ? s::kSpiEnableBox : s::sspControl(0, "_checkbox"));
        EXPECT_FALSE(cover->isVisible()) << port;
        EXPECT_TRUE(group->isEnabled()) << port;
    }
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
    QApplication::processEvents();

    auto* scroll = gui.widget<QWidget>("TabSheet6")->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(scroll->widget()->width(), scroll->viewport()->width()) << "no room lost on the right";
    for (const std::string& groupName : {std::string(s::kSpiGroupBox), s::sspControl(0, "_GroupBox")}) {
        QWidget* group = widget(groupName);
        for (QWidget* w : group->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            const std::string name = w->objectName().toStdString();
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " squeezed";
            const QRect inGroup(w->mapTo(group, QPoint(0, 0)), w->size());
            EXPECT_TRUE(group->contentsRect().contains(inGroup)) << name << " cut off";
        }
    }
}

} // namespace
} // namespace regforge::gui
