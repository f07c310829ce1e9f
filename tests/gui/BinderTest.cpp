#include "GuiFixture.h"
#include "gui/binding/Binding.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/Tree.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace regforge::gui {
namespace {

void declareTestControls(model::ControlStore& store) {
    auto& panel = store.addPlain(model::ControlKind::Panel, "Test_panel", store.find("TabSheet1"));
    store.add<model::CheckBox>("Test_checkbox", &panel).setCaption("Enable");
    store.add<model::RadioButton>("Test_radio1", &panel).setChecked(true);
    store.add<model::RadioButton>("Test_radio2", &panel);
    store.add<model::ToggleButton>("Test_toggle", &panel).setCaption("Hold");
}

// Menus are windows of their own, so the parent chain is followed rather than the window.
bool nestedIn(const QWidget* widget, const QWidget* container) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (w == container)
            return true;
    return false;
}

TEST(Binder, EveryControlHasOneNamedObjectNestedLikeTheModel) {
    GuiFixture gui(declareTestControls);
    for (const model::Control* control : gui.store().all()) {
        SCOPED_TRACE(control->name());
        QObject* object = gui.binder().object(control->name());
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->objectName().toStdString(), control->name());
        if (control->parent() == nullptr)
            continue;
        const binding::Binding* parent = gui.binder().binding(*control->parent());
        if (auto* action = qobject_cast<QAction*>(object)) {
            EXPECT_TRUE(parent->childMenu()->actions().contains(action));
        } else {
            // Nesting is what makes a widget's effective enabled and visible state follow its
            // containers' flags in the model.
            EXPECT_TRUE(nestedIn(qobject_cast<QWidget*>(object), parent->widget()));
        }
    }
}

TEST(Binder, ModelChangesRedrawWidgetsWithoutRunningHandlersTwice) {
    GuiFixture gui;
    auto& memo = gui.store().get<model::Memo>("Memo1");
    memo.setLines({"int main(void)", "/* \x80 \xB5s */"});
    EXPECT_EQ(gui.widget<QPlainTextEdit>("Memo1")->toPlainText(),
              QString::fromUtf8("int main(void)\n/* € µs */"));

    auto* lists = gui.widget<QComboBox>("ReplaceFileSelectComboBox");
    EXPECT_FALSE(lists->isVisibleTo(gui.window.get())) << "its panel is hidden";
    gui.store().get<model::Control>("ReplacePanel").setVisible(true);
    auto& pages = gui.store().get<model::PageControl>("pagecontrol1");
    pages.setActivePageIndex(static_cast<int>(pages.children().size()) - 1); // "Result", the last tab
    EXPECT_TRUE(lists->isVisibleTo(gui.window.get()));

    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    int handlerRuns = 0;
    devices.changed.connect([&](model::Control&) { ++handlerRuns; });
    devices.setItems({"LPC2378", "LPC1343"});
    devices.setItemIndex(1);
    auto* box = gui.widget<QComboBox>("mcu_ComboBox");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), "LPC1343") << "sorted by the model";
    EXPECT_EQ(box->currentText(), "LPC2378");
    EXPECT_EQ(handlerRuns, 2) << "cleared by setItems, then selected; the redraw adds none";
    devices.setFilter("1343");
    auto* rows = qobject_cast<QListView*>(box->view());
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(rows->isRowHidden(1) && !rows->isRowHidden(0))
        << "the drop-down offers what the filter shows";
    EXPECT_EQ(box->currentText(), "LPC1343");

    gui.store().get<model::Control>("IO_page").setEnabled(false);
    EXPECT_FALSE(box->isEnabled());
    gui.store().get<model::Control>("IO_page").setEnabled(true);
    gui.store().get<model::Control>("LoadProfileBitBtn").setCaption("Load && go");
    EXPECT_EQ(gui.widget<QPushButton>("LoadProfileBitBtn")->text(), "Load && go");
    EXPECT_TRUE(box->isEnabled());
}

TEST(Binder, UserActionsGoThroughTheModel) {
    GuiFixture gui(declareTestControls);
    auto& check = gui.store().get<model::CheckBox>("Test_checkbox");
    int clicks = 0;
    check.changed.connect([&](model::Control&) { ++clicks; });
    auto* checkWidget = gui.widget<QCheckBox>("Test_checkbox");
    checkWidget->click();
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(clicks, 1);
    checkWidget->click();
    EXPECT_FALSE(check.checked());
    EXPECT_FALSE(checkWidget->isChecked());

    // The model keeps the radio group exclusive; the widgets show what it decided.
    auto* first = gui.widget<QRadioButton>("Test_radio1");
    auto* second = gui.widget<QRadioButton>("Test_radio2");
    second->click();
    EXPECT_TRUE(gui.store().get<model::RadioButton>("Test_radio2").checked());
    EXPECT_FALSE(gui.store().get<model::RadioButton>("Test_radio1").checked());
    EXPECT_FALSE(first->isChecked());
    second->click();
    EXPECT_TRUE(second->isChecked()) << "clicking a checked radio button leaves it checked";

    // A toggle button goes down only when its handler says so.
    auto* hold = gui.widget<QPushButton>("Test_toggle");
    hold->click();
    EXPECT_FALSE(hold->isChecked());
    auto& toggle = gui.store().get<model::ToggleButton>("Test_toggle");
    toggle.clicked.connect([](model::Control& c) { static_cast<model::ToggleButton&>(c).setDown(true); });
    hold->click();
    EXPECT_TRUE(hold->isChecked());

    // The about button is a panel: a click on it runs its handler.
    const QPoint centre = gui.widget<QWidget>("about_button")->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre,
                      gui.widget<QWidget>("about_button")->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre,
                        gui.widget<QWidget>("about_button")->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(gui.widget<QWidget>("about_button"), &press);
    QApplication::sendEvent(gui.widget<QWidget>("about_button"), &release);
    EXPECT_TRUE(gui.store().get<model::Control>("about_panel").visible());
    EXPECT_TRUE(gui.widget<QWidget>("about_panel")->isVisible());
}

TEST(Binder, MenuItemsFollowTheirControls) {
    GuiFixture gui;
    auto& samples = gui.store().get<model::MenuItem>("CalculateFromSamplesAD");
    auto* action = qobject_cast<QAction*>(gui.binder().object("CalculateFromSamplesAD"));
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible());
    samples.setVisible(true);
    samples.setChecked(true);
    EXPECT_TRUE(action->isVisible());
    EXPECT_TRUE(action->isChecked());
    int clicks = 0;
    samples.clicked.connect([&](model::Control&) { ++clicks; });
    action->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(samples.checked()) << "the item's handler decides about its mark";
    EXPECT_TRUE(action->isChecked());
}

void declareLists(model::ControlStore& store) {
    auto* page = store.find("TabSheet1");
    store.add<model::Playlist>("Test_slots", page).setItems({"UART0", "Timer0", "EINT0"});
    store.add<model::CheckListBox>("Test_drains", page).setItems({"P0.2", "P0.3"});
    store.add<model::ValueList>("Test_table", page).setRows({{"T0TCR", "T0->TCR"}, {"PINSEL0", "PINSEL[0]"}});
    auto& tree = store.add<model::Tree>("Test_tree", page);
    const int port = tree.addNode(-1, "Port 0");
    tree.addNode(port, "P0.0");
    tree.addNode(port, "P0.1");
}

TEST(Binder, ListsTablesAndTreesKeepModelAndViewInStep) {
    GuiFixture gui(declareLists);

    // Selecting several slots at once reaches the model whole: every model change redraws
    // the list, which must not undo the rest of the user's selection.
    auto& slots = gui.store().get<model::Playlist>("Test_slots");
    auto* slotView = gui.widget<QListWidget>("Test_slots");
    slotView->selectAll();
    EXPECT_TRUE(slots.selected(0) && slots.selected(1) && slots.selected(2));
    slots.setItem(1, "Timer1");
    EXPECT_EQ(slotView->item(1)->text(), "Timer1");
    EXPECT_TRUE(slotView->item(2)->isSelected());

    auto& drains = gui.store().get<model::CheckListBox>("Test_drains");
    gui.widget<QListWidget>("Test_drains")->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(drains.checked(1));
    EXPECT_FALSE(drains.checked(0));

    // The grid only shows its rows; choosing one reports it with the title row counted.
    auto& table = gui.store().get<model::ValueList>("Test_table");
    auto* tableView = gui.widget<QTableWidget>("Test_table");
    EXPECT_EQ(tableView->item(1, 1)->text(), "PINSEL[0]");
    std::vector<int> chosen;
    table.cellSelected.connect([&](int row) { chosen.push_back(row); });
    tableView->setCurrentCell(1, 1);
    EXPECT_EQ(chosen, std::vector<int>{2});
    table.setSelectedRow(0);
    EXPECT_EQ(tableView->currentRow(), 0);
    EXPECT_EQ(chosen, std::vector<int>{2}) << "a redraw is no choice of the user";

    auto& tree = gui.store().get<model::Tree>("Test_tree");
    auto* treeView = gui.widget<QTreeWidget>("Test_tree");
    ASSERT_EQ(treeView->topLevelItemCount(), 1);
    QTreeWidgetItem* pin = treeView->topLevelItem(0)->child(1);
    EXPECT_EQ(pin->text(0), "P0.1");
    tree.setText(2, "P0.1 TXD0");
    tree.setNodeBold(2, true);
    EXPECT_EQ(pin->text(0), "P0.1 TXD0");
    EXPECT_TRUE(pin->font(0).bold());
    treeView->topLevelItem(0)->setExpanded(true);
    EXPECT_TRUE(tree.node(0).expanded);
    treeView->setCurrentItem(pin);
    EXPECT_EQ(tree.selected(), 2);
}

TEST(Binder, OwnerDrawnItemsShowTheirColourAndWeight) {
    GuiFixture gui(declareTestControls);
    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    devices.setItems({"LPC1768", "LPC2148"});
    devices.setItemStyler([](int, const std::string& item) {
        return item == "LPC2148" ? model::ItemStyle{model::kRed, true} : model::ItemStyle{};
    });
    devices.setItemIndex(1);
    auto* box = gui.widget<QComboBox>("mcu_ComboBox");
    EXPECT_EQ(box->itemData(1, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_TRUE(box->itemData(1, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(box->itemData(0, Qt::ForegroundRole).isValid());
    EXPECT_TRUE(box->font().bold()) << "the closed box draws its current item the same way";
    devices.setItemIndex(0);
    EXPECT_FALSE(box->font().bold());
}

TEST(Binder, LoadedDeviceIsDrawnRedAndBold) {
    GuiFixture gui;
    auto& devices = gui.store().get<model::ComboBox>("mcu_ComboBox");
    ASSERT_GE(devices.count(), 1);
    devices.setItemIndex(0);
    gui.widget<QPushButton>("LoadProfileBitBtn")->click();
    auto* box = gui.widget<QComboBox>("mcu_ComboBox");
    EXPECT_EQ(gui.form->device().deviceName, devices.items()[0]);
    EXPECT_EQ(devices.itemStyle(0), (model::ItemStyle{model::kRed, true}));
    EXPECT_EQ(box->itemData(0, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_TRUE(box->font().bold());
}

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
