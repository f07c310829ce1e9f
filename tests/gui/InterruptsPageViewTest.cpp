#include "GuiFixture.h"
#include "gui/widgets/PinTreeView.h"
#include "gui/widgets/SlotNumberDelegate.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "model/Tree.h"
#include "periph/irq/IrqControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTabWidget>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace regforge::gui {
namespace {

namespace irq = periph::irq;

std::string fixtureText(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/irq/" + name + ".ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class InterruptsPageView : public ::testing::Test {
protected:
    void load(const std::string& fixture) {
        gui.folder.write("include/LPC2148.ini", fixtureText(fixture));
        auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf("LPC2148"));
        ASSERT_TRUE(gui.form->LoadProfileBitBtnClick());
        gui.widget<QTabWidget>("pagecontrol1")->setCurrentIndex(1);
        QApplication::processEvents();
    }
    GuiFixture gui;
};

TEST_F(InterruptsPageView, SlotListShowsSlotNumbersFromMinusOneAndAddsThroughTheButton) {
    load("vic_default");
    auto* list = gui.widget<QListWidget>(irq::kSlotList);
    ASSERT_EQ(list->count(), 17);
    EXPECT_EQ(list->item(0)->data(widgets::SlotNumberDelegate::NumberRole).toInt(), -1);
    EXPECT_EQ(list->item(16)->data(widgets::SlotNumberDelegate::NumberRole).toInt(), 15);
    EXPECT_TRUE(gui.widget<QWidget>(irq::kSlotList)->isVisible());

    gui.store().get<model::ComboBox>(irq::kSourceCombo).setText("UART0");
    gui.widget<QAbstractButton>(irq::kAddButton)->click();
    EXPECT_EQ(list->item(1)->text(), "UART0");
    EXPECT_FALSE(gui.widget<QWidget>(irq::kEintGroup)->isHidden());
}

TEST_F(InterruptsPageView, SpaceOnTheGpioTreeAdvancesTheSelectedPin) {
    load("edgelevel");
    auto* tree = gui.widget<widgets::PinTreeView>(irq::kGpioTree);
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(gui.widget<QWidget>(irq::kEintGroup)->isHidden());
    auto& model = gui.store().get<model::Tree>(irq::kGpioTree);
    model.setSelected(0);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(tree, &space);
    EXPECT_EQ(model.node(0).stateIndex, irq::kGpioFalling);
    EXPECT_TRUE(tree->stateGlyph(tree->model()->index(0, 0)).has_value());
    EXPECT_TRUE(tree->imageGlyph(tree->model()->index(0, 0)).has_value()) << "the E icon";
}

} // namespace
} // namespace regforge::gui
