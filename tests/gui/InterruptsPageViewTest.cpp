#include "PageViewFixture.h"
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
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace irq = periph::irq;

class InterruptsPageView : public PageViewFixture {
protected:
    InterruptsPageView() : PageViewFixture("irq", 2) {}
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
