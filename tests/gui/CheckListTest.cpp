#include "GuiFixture.h"
#include "model/ListControls.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyle>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

// The open-drain list: every row holds its whole check box, and a click on the box reaches the
// model.
TEST(CheckList, RowsHoldTheirWholeCheckBoxAndClicksOnItReachTheModel) {
    GuiFixture gui;
    auto& model = gui.store().get<model::CheckListBox>("OpenDrainCheckListBox");
    model.setItems({"P0.0", "P0.1", "P0.2"});
    gui.store().get<model::Control>("OpenDrainPanel").setVisible(true);
    auto* list = gui.widget<QListWidget>("OpenDrainCheckListBox");
    QApplication::processEvents();
    ASSERT_EQ(list->count(), 3);

    const int box = list->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, list);
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    EXPECT_GE(first.height(), box + 4);
    EXPECT_GE(second.top(), first.bottom() + 1) << "rows do not overlap";

    // The box lies a few pixels in from the row's left end, vertically centred.
    const QPoint onBox(first.left() + 3 + box / 2, first.center().y());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(onBox), QPointF(list->viewport()->mapToGlobal(onBox)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(onBox),
                        QPointF(list->viewport()->mapToGlobal(onBox)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QApplication::sendEvent(list->viewport(), &release);
    EXPECT_TRUE(model.checked(0));
    EXPECT_FALSE(model.checked(1));
}

} // namespace
} // namespace regforge::gui
