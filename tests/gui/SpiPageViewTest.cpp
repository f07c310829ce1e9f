#include "GuiFixture.h"
#include "model/ComboBox.h"
#include "periph/spi/SpiControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QTabWidget>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace regforge::gui {
namespace {

namespace s = periph::spi;

std::string fixtureText(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/spi/" + name + ".ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool holds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() != nullptr && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

bool onSpiPage(const model::Control& control) {
    for (const model::Control* c = control.parent(); c != nullptr; c = c->parent())
        if (c->name() == "TabSheet6")
            return true;
    return false;
}

// The program started with a serial-port profile loaded as the user does it, "SPI/SSP" in front.
class SpiPageView : public ::testing::Test {
protected:
    void load(const std::string& fixture) {
        gui.folder.write("include/LPC2148.ini", fixtureText(fixture));
        auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf("LPC2148"));
        ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
        gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(5);
        QApplication::processEvents();
    }
    QWidget* widget(const std::string& name) { return gui.widget<QWidget>(name.c_str()); }
    void click(const std::string& name) { gui.widget<QAbstractButton>(name.c_str())->click(); }

    GuiFixture gui;
};

TEST_F(SpiPageView, EveryPortControlHasItsPlace) {
    int placed = 0;
    for (const model::Control* control : gui.store().all()) {
        if (!onSpiPage(*control))
            continue;
        QWidget* w = widget(control->name());
        ASSERT_NE(w, nullptr) << control->name();
        ASSERT_NE(w->parentWidget(), nullptr) << control->name();
        const QLayout* layout = w->parentWidget()->layout();
        EXPECT_TRUE(layout != nullptr && holds(layout, w)) << control->name() << " lies outside the layout";
        ++placed;
    }
    EXPECT_GT(placed, 100);
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
