#include "gui/widgets/PinTreeView.h"

#include "GuiFixture.h"
#include "gui/binding/TreeBinding.h"
#include "gui/pages/QuickSelectMenu.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Tree.h"
#include "periph/io/IoPage.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace regforge::gui {
namespace {

using model::TreeHitPart;
using widgets::PinTreeView;

// The PINSEL test device: pull modes 0 and 3 (pull-up, pull-down); P0.0 is node 0 with its
// functions PORT0.0, TXD0, PWM1, Reserved at 1..4.
class PinTreeViewTest : public ::testing::Test {
protected:
    PinTreeViewTest() {
        load("LPC2148", "pinsel.ini");
        view = gui.widget<PinTreeView>("IO_Treeview");
        tree().nodeClicked.connect(
            [this](model::Tree&, int node, TreeHitPart part, model::MouseButton button) {
                clicks.push_back({node, part, button});
            });
        tree().nodeDoubleClicked.connect([this](model::Tree&, int node, TreeHitPart part) {
            doubleClicks.push_back({node, part, {}});
        });
        QApplication::processEvents();
    }

    void load(const std::string& device, const std::string& fixture) {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/io/" + fixture, std::ios::binary);
        std::stringstream profile;
        profile << in.rdbuf();
        gui.folder.write("include/" + device + ".ini", profile.str());
        auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf(device));
        gui.form->LoadProfileBitBtnClick();
    }

    model::Tree& tree() { return gui.store().get<model::Tree>("IO_Treeview"); }

    QPoint pointOn(int node, widgets::PinTreePart part) {
        auto* binding = static_cast<binding::TreeBinding*>(gui.binder().binding("IO_Treeview"));
        const QModelIndex index = view->indexAt(view->visualItemRect(binding->item(node)).center());
        const QRect rect = view->visualRect(index);
        const widgets::PinTreeRow row = view->rowLayout(index, rect);
        switch (part) {
        case widgets::PinTreePart::StateIcon:
            return row.stateIcon.center();
        case widgets::PinTreePart::Image:
            return row.image.center();
        case widgets::PinTreePart::Button:
            return {rect.left() - view->indentation() / 2, rect.center().y()};
        default:
            return {row.text.left() + 6, rect.center().y()};
        }
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(pos), QPointF(view->viewport()->mapToGlobal(pos)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, pos, button);
        send(QEvent::MouseButtonRelease, pos, button);
    }
    // What Qt delivers for a double click: press, release, double click, release.
    void doubleClick(QPoint pos) {
        click(pos);
        send(QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, pos, Qt::LeftButton);
    }

    struct Click {
        int node;
        TreeHitPart part;
        model::MouseButton button;
    };

    GuiFixture gui;
    PinTreeView* view = nullptr;
    std::vector<Click> clicks;
    std::vector<Click> doubleClicks;
};

TEST_F(PinTreeViewTest, ClicksOnTheIconsReachTheTreeWithTheirPartAndTheRowShowsTheResult) {
    ASSERT_EQ(tree().node(0).stateIndex, 5);
    ASSERT_EQ(tree().node(0).imageIndex, 1);

    click(pointOn(0, widgets::PinTreePart::StateIcon));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].node, 0);
    EXPECT_EQ(clicks[0].part, TreeHitPart::StateIcon);
    EXPECT_EQ(clicks[0].button, model::MouseButton::Left);
    EXPECT_EQ(view->topLevelItem(0)->data(0, PinTreeView::StateRole).toInt(), 6) << "pin turned output";

    click(pointOn(0, widgets::PinTreePart::Image));
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[1].part, TreeHitPart::Image);
    EXPECT_EQ(view->topLevelItem(0)->data(0, PinTreeView::ImageRole).toInt(), 4) << "pull-up to pull-down";

    // The right button acts on its press.
    send(QEvent::MouseButtonPress, pointOn(0, widgets::PinTreePart::Image), Qt::RightButton);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[2].part, TreeHitPart::Image);
    EXPECT_EQ(clicks[2].button, model::MouseButton::Right);

    click(pointOn(0, widgets::PinTreePart::Text));
    EXPECT_EQ(clicks.back().part, TreeHitPart::Text);
    EXPECT_EQ(view->currentItem(), view->topLevelItem(0)) << "the click selected the pin";

    // A change the program makes shows as well, bold text included.
    tree().setStateIndex(0, 8);
    tree().setNodeBold(0, true);
    EXPECT_EQ(view->topLevelItem(0)->data(0, PinTreeView::StateRole).toInt(), 8);
    EXPECT_TRUE(view->topLevelItem(0)->font(0).bold());
}

// Without the mouse: Space and Enter do the state-icon click of the current row, P and Shift+P
// the pull-mode clicks of its pin; the menu key offers the same, named after what they do.
TEST_F(PinTreeViewTest, KeysAndTheContextMenuRunTheRowsClicks) {
    const auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(view, &event);
    };
    tree().setSelected(0);
    press(Qt::Key_Space);
    EXPECT_EQ(tree().node(0).stateIndex, 6) << "the pin turned output";
    press(Qt::Key_Return);
    EXPECT_EQ(tree().node(0).stateIndex, 5);
    press(Qt::Key_P);
    EXPECT_EQ(tree().node(0).imageIndex, 4);
    tree().setSelected(3); // PWM1
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(tree().node(3).stateIndex, 4) << "PWM1 selected";
    press(Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(tree().node(0).imageIndex, 1) << "the pin's pull mode, from its function's row";
    EXPECT_EQ(tree().selected(), 3);
    const auto clicksBefore = clicks.size();
    press(Qt::Key_Down);
    EXPECT_GT(tree().selected(), 3) << "the arrows still move";
    EXPECT_EQ(clicks.size(), clicksBefore);

    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                entries << action->text() + " " + action->shortcut().toString();
            menu->close();
        }
    });
    tree().setSelected(1);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(view, &menuKey);
    EXPECT_EQ(entries,
              (QStringList{"Select this function Space", "Next pull mode P", "Swap pull mode Shift+P"}));
}

TEST_F(PinTreeViewTest, RestingOnAnIconShowsWhatAClickDoes) {
    const auto tipAt = [this](QPoint pos) {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view->viewport(), &event);
        // A point without a hint leaves the event unhandled.
        return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(pointOn(0, widgets::PinTreePart::StateIcon)), "Input - click for output");
    EXPECT_EQ(tipAt(pointOn(0, widgets::PinTreePart::Image)), "Pull-up - click for pull-down");
    click(pointOn(0, widgets::PinTreePart::StateIcon));
    EXPECT_EQ(tipAt(pointOn(0, widgets::PinTreePart::StateIcon)), "Output - click for input");
    EXPECT_EQ(tipAt(pointOn(0, widgets::PinTreePart::Text)), "") << "the name has no hint";
}

TEST_F(PinTreeViewTest, DoubleClickOnThePullModeStepsItTwiceNotThreeTimes) {
    doubleClick(pointOn(0, widgets::PinTreePart::Image));
    EXPECT_EQ(clicks.size(), 1u);
    ASSERT_EQ(doubleClicks.size(), 1u);
    EXPECT_EQ(doubleClicks[0].part, TreeHitPart::Image);
    // Pull-up, pull-down, pull-up again: two steps of the two-mode cycle.
    EXPECT_EQ(tree().node(0).imageIndex, 1);
    EXPECT_EQ(view->topLevelItem(0)->data(0, PinTreeView::ImageRole).toInt(), 1);
}

TEST_F(PinTreeViewTest, PinsFoldOnTheButtonAndTheTextButNeverOverTheIcons) {
    QTreeWidgetItem* pin = view->topLevelItem(0);
    doubleClick(pointOn(0, widgets::PinTreePart::Image));
    doubleClick(pointOn(0, widgets::PinTreePart::StateIcon));
    EXPECT_FALSE(tree().node(0).expanded);
    EXPECT_FALSE(pin->isExpanded());

    doubleClick(pointOn(0, widgets::PinTreePart::Text));
    EXPECT_TRUE(tree().node(0).expanded);
    EXPECT_TRUE(pin->isExpanded());

    send(QEvent::MouseButtonPress, pointOn(0, widgets::PinTreePart::Button), Qt::LeftButton);
    EXPECT_FALSE(tree().node(0).expanded);
    EXPECT_FALSE(pin->isExpanded());

    // The program's folding shows in the view.
    tree().setExpanded(0, true);
    EXPECT_TRUE(pin->isExpanded());
}

TEST_F(PinTreeViewTest, AnotherDeviceGetsRowsForItsOwnNodesAndIconLists) {
    EXPECT_EQ(view->topLevelItemCount(), 5);
    EXPECT_EQ(view->imageList(), "ImageList2");
    load("LPC1768", "iocon.ini");
    ASSERT_EQ(view->topLevelItemCount(), 4);
    EXPECT_EQ(view->imageList(), "ImageList4");
    EXPECT_EQ(view->stateList(), "ImageList1");
    // P0.0: eight functions and four options, in tree order.
    QTreeWidgetItem* pin = view->topLevelItem(0);
    ASSERT_EQ(pin->childCount(), 12);
    EXPECT_EQ(pin->child(2)->text(0), "TXD3");
    EXPECT_TRUE(pin->child(8)->font(0).bold());
    EXPECT_EQ(pin->child(8)->data(0, PinTreeView::StateRole).toInt(), tree().node(9).stateIndex);
    EXPECT_EQ(view->topLevelItem(3)->text(0), "P1.5");
    EXPECT_EQ(view->topLevelItem(0)->data(0, PinTreeView::ImageRole).toInt(), 3)
        << "pull-up on IOCON devices";
}

// A device with many pins, each with its GPIO function and three others, loads whole into the
// view (how its cost grows is measured by the benchmarks, not here).
TEST_F(PinTreeViewTest, ADeviceWithManyPinsLoadsWhole) {
    constexpr int kPins = 16000;
    std::string profile = "[PINSEL]\n";
    std::string directions = "[IODIR]\n";
    for (int k = 0; k < kPins; ++k) {
        const std::string pin = std::to_string(k / 32) + "." + std::to_string(k % 32);
        profile += "PINSEL" + std::to_string(k / 16) + "," + std::to_string(k % 16 * 2 + 1) + "," +
                   std::to_string(k % 16 * 2) + "@P" + pin + ":PORT" + pin + ";TXD0,CAP0.0,Reserved,\n";
        directions += "IO" + std::to_string(k / 32) + "DIR," + std::to_string(k % 32) + "\n";
    }
    const auto file =
        gui.folder.write("include/Many.ini", profile + directions + "[INCLUDE]\nx.h\n[LPC21xx]\n");
    EXPECT_TRUE(gui.form->loadProfileFile(file));
    QApplication::processEvents();
    EXPECT_EQ(view->topLevelItemCount(), kPins);
    EXPECT_EQ(view->topLevelItem(kPins - 1)->childCount(), 4);
    EXPECT_EQ(gui.widget<QListWidget>("OpenDrainCheckListBox")->count(), kPins);
}

TEST_F(PinTreeViewTest, QuickSelectorListsTheGroupsAndJumpsToTheChosenFunction) {
    pages::QuickSelectMenu quick(gui.binder(), gui.form->page<periph::io::IoPage>());
    // P0.0's TXD0 selected: the UART group and its entry show the tick of a chosen function;
    // they are plain menu items, not boxes to tick.
    tree().setExpanded(0, true);
    click(pointOn(2, widgets::PinTreePart::StateIcon));
    gui.form->page<periph::io::IoPage>().QuickSelectPopupPopup();
    Q_EMIT quick.menu()->aboutToShow();

    const QList<QAction*> groups = quick.menu()->actions();
    ASSERT_EQ(groups.size(), 17);
    EXPECT_EQ(groups[15]->text(), "UART");
    EXPECT_FALSE(groups[15]->isCheckable());
    EXPECT_FALSE(groups[15]->icon().isNull());
    EXPECT_TRUE(groups[2]->icon().isNull()) << "no capture input chosen";
    EXPECT_FALSE(groups[1]->isEnabled()) << "no CAN function on this device";
    QMenu* uart = quick.groupMenu(15);
    ASSERT_EQ(uart, groups[15]->menu());
    QAction* txd0 = nullptr;
    for (QAction* entry : uart->actions())
        if (entry->text() == "TXD0 [P0.0]")
            txd0 = entry;
    ASSERT_NE(txd0, nullptr);
    for (QAction* entry : uart->actions()) {
        EXPECT_FALSE(entry->isCheckable()) << entry->text().toStdString();
        EXPECT_EQ(entry->icon().isNull(), entry != txd0) << entry->text().toStdString();
    }

    // Choosing an entry folds the tree and opens the function's pin.
    tree().setExpanded(6, true);
    txd0->trigger();
    EXPECT_TRUE(tree().node(0).expanded);
    EXPECT_TRUE(view->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(view->topLevelItem(1)->isExpanded());
    EXPECT_EQ(view->currentItem(), view->topLevelItem(0)->child(1)) << "the chosen function is selected";
    EXPECT_EQ(tree().selected(), 2);
}

} // namespace
} // namespace regforge::gui
