#include "GuiFixture.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "output/ReplaceListPanel.h"
#include "output/ReplacePanelControls.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

namespace o = output;

// The "Result" page in front with its replace panel opened, a stored list in replace/.
class ResultPageView : public ::testing::Test {
protected:
    ResultPageView() {
        gui.folder.write("replace/keil.ini", "PINSEL=PSEL\r\nT0TCR=T0->TCR\r\nIO0DIR=IODIR0\r\n");
        gui.form->ScanReplaceLists(gui.folder.path() / "replace", "*.ini");
        auto* tabs = gui.widget<QTabWidget>("pagecontrol1");
        tabs->setCurrentIndex(tabs->count() - 1); // "Result"
        gui.widget<QPushButton>("ViewReplaceButton")->click();
        QApplication::processEvents();
    }
    template <class W>
    W* widget(const char* name) {
        return gui.widget<W>(name);
    }
    QTableWidget* grid() { return widget<QTableWidget>(o::kListEditor); }
    void doubleClickRow(int row) {
        const QRect cell = grid()->visualItemRect(grid()->item(row, 0));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    GuiFixture gui;
};

TEST_F(ResultPageView, ThePanelShowsEveryPartReadably) {
    for (const char* name :
         {o::kPairEdit, o::kAddButton, o::kListSelector, o::kLoadButton, o::kSaveButton, o::kSwapButton,
          o::kProcessFileButton, o::kHelpButton, o::kListEditor, o::kAddHelpLabel, o::kEditHelpLabel,
          o::kSaveLoadHelpLabel, o::kDeleteHelpLabel}) {
        QWidget* w = widget<QWidget>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
    EXPECT_FALSE(widget<QLabel>(o::kEditLabel)->isVisible());
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), "Old value");
    EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), "New value");
    EXPECT_EQ(grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (const char* name : {o::kAddButton, o::kLoadButton, o::kSaveButton, o::kProcessFileButton}) {
        auto* button = widget<QPushButton>(name);
        EXPECT_GE(button->width(), button->sizeHint().width()) << name << " is clipped";
    }
    // A panel wider than the pages would push the result buttons out of the window.
    EXPECT_LE(widget<QWidget>(o::kReplacePanel)->minimumSizeHint().width(),
              widget<QWidget>("pagecontrol1")->width() - 20);
}

TEST_F(ResultPageView, LoadEditAndDeleteThroughTheWidgets) {
    auto* lists = widget<QComboBox>(o::kListSelector);
    // As a user's choice in the drop-down reports it.
    lists->setCurrentIndex(lists->findText("keil"));
    Q_EMIT lists->activated(lists->currentIndex());
    widget<QPushButton>(o::kLoadButton)->click();
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(grid()->item(1, 0)->text(), "T0TCR");
    EXPECT_EQ(grid()->item(1, 1)->text(), "T0->TCR");
    EXPECT_EQ(lists->itemData(lists->findText("keil"), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(255, 0, 0));
    EXPECT_TRUE(lists->itemData(lists->findText("keil"), Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(widget<QPushButton>(o::kSaveButton)->isEnabled());

    doubleClickRow(1);
    EXPECT_EQ(widget<QLineEdit>(o::kPairEdit)->text(), "T0TCR=T0->TCR");
    EXPECT_EQ(widget<QPushButton>(o::kAddButton)->text(), "Apply change");
    EXPECT_TRUE(widget<QLabel>(o::kEditLabel)->isVisible());
    QTest::keyClicks(widget<QLineEdit>(o::kPairEdit), "0");
    widget<QPushButton>(o::kAddButton)->click();
    EXPECT_EQ(grid()->item(1, 1)->text(), "T0->TCR0");
    EXPECT_EQ(widget<QPushButton>(o::kAddButton)->text(), "Add to list");
    EXPECT_FALSE(widget<QLabel>(o::kEditLabel)->isVisible());

    grid()->setCurrentCell(0, 0);
    QTest::keyClick(grid(), Qt::Key_Delete);
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(grid()->item(0, 0)->text(), "T0TCR");
    EXPECT_TRUE(gui.ui.messages.empty());
}

} // namespace
} // namespace regforge::gui
