#include "model/ControlStore.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

namespace regforge::model {
namespace {

class Store : public ::testing::Test {
protected:
    Store() {
        form = &store.add<Form>("Form1");
        page = &store.addPlain(ControlKind::Page, "IO_page", form, "I/O");
    }
    ControlStore store;
    Form* form;
    Control* page;
};

TEST_F(Store, KeepsDeclarationOrderAndFindsNamesIgnoringCase) {
    auto& box = store.add<CheckBox>("T0_checkbox", page);
    box.setTag(300);
    auto& other = store.add<CheckBox>("T1_checkbox", page);
    other.setTag(300);
    store.add<ComboBox>("pclk_div", page).setTag(305);

    ASSERT_EQ(store.size(), 5u);
    EXPECT_EQ(store.all()[2]->name(), "T0_checkbox");
    EXPECT_EQ(store.find("t0_CHECKBOX"), &box);
    EXPECT_EQ(store.find("missing"), nullptr);
    EXPECT_EQ(store.firstWithTag(300), &box) << "the first in declaration order wins";
    EXPECT_EQ(store.withTags(300, 305).size(), 3u);
    EXPECT_EQ(&store.get<CheckBox>("T0_checkbox"), &box);
    EXPECT_THROW(store.get<ComboBox>("T0_checkbox"), std::logic_error);
    EXPECT_THROW(store.add<CheckBox>("t0_checkbox", page), std::logic_error);
    EXPECT_EQ(page->children().size(), 3u);
}

TEST_F(Store, ChangedFiresOnlyOnRealChangesAndPassesTheSender) {
    auto& box = store.add<CheckBox>("CheckBox1", page);
    auto& combo = store.add<ComboBox>("Combo1", page);
    combo.setItems({"1/8", "1/4"});
    std::vector<std::string> fired;
    auto record = [&](Control& sender) { fired.push_back(sender.name()); };
    box.changed.connect(record);
    combo.changed.connect(record);
    int redraws = 0;
    box.viewChanged.connect([&](const Control&, Aspect, int) { ++redraws; });

    box.setChecked(true);
    box.setChecked(true); // no echo on an unchanged value
    box.click();          // the user unchecks it
    combo.setItemIndex(1);
    combo.setItemIndex(1);
    combo.setItemIndex(7); // out of range selects nothing: a change
    combo.setItems({"a"}); // nothing was selected: no change
    EXPECT_EQ(fired, (std::vector<std::string>{"CheckBox1", "CheckBox1", "Combo1", "Combo1"}));
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(combo.itemIndex(), -1);
    // The first item is an item like any other.
    combo.setItemIndex(0);
    EXPECT_EQ(combo.text(), "a");
    combo.setItemIndex(-1);
    // New items drop a selection, and the handlers hear of it.
    combo.setItemIndex(0);
    fired.clear();
    combo.setItems({"b", "c"});
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(fired, (std::vector<std::string>{"Combo1"}));
}

TEST_F(Store, MenuItemsAndPlaylistsChangeOnlyWhatWasAskedFor) {
    auto& item = store.add<MenuItem>("Stop1", page);
    int changes = 0;
    item.changed.connect([&](Control&) { ++changes; });
    item.setChecked(true);
    item.setChecked(true);
    EXPECT_TRUE(item.checked());
    EXPECT_EQ(changes, 1);

    auto& list = store.add<Playlist>("List1", page);
    list.setItems({"a", "b", "c"});
    int listChanges = 0;
    list.changed.connect([&](Control&) { ++listChanges; });
    list.setItem(0, "z");
    list.setItem(0, "z");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"z", "b", "c"}));
    EXPECT_EQ(listChanges, 1);
    list.setItemIndex(2);
    list.removeItem(0);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(list.itemIndex(), 1) << "the selection follows its item";
    list.removeItem(1);
    EXPECT_EQ(list.itemIndex(), -1);
    list.removeItem(5);
    list.removeItem(-1);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"b"}));
    list.setItemIndex(0);
    list.setItems({"x", "y"});
    EXPECT_EQ(list.itemIndex(), -1) << "new items, no selection";
    int selectionRedraws = 0;
    list.viewChanged.connect(
        [&](const Control&, Aspect aspect, int) { selectionRedraws += aspect == Aspect::Value; });
    list.setSelected(1, true);
    list.setSelected(1, true);
    list.setSelected(2, true);
    list.setSelected(-1, true);
    EXPECT_TRUE(list.selected(1) && !list.selected(0) && !list.selected(2));
    EXPECT_EQ(selectionRedraws, 1) << "only a real change of a row that exists";

    auto& grid = store.add<ValueList>("Grid1", page);
    int gridRedraws = 0;
    grid.viewChanged.connect(
        [&](const Control&, Aspect aspect, int) { gridRedraws += aspect == Aspect::Items; });
    grid.setRows({{"T0TCR", "T0->TCR"}});
    grid.setRows({{"T0TCR", "T0->TCR"}});
    EXPECT_EQ(gridRedraws, 1) << "new rows redraw the grid, the same rows do not";
}

TEST_F(Store, MuteGuardDetachesHandlersButViewsStillRedraw) {
    auto& box = store.add<CheckBox>("CheckBox1", page);
    int handled = 0;
    int redraws = 0;
    box.changed.connect([&](Control&) { ++handled; });
    box.viewChanged.connect([&](const Control&, Aspect, int) { ++redraws; });
    {
        MuteGuard outer(box);
        {
            MuteGuard inner(box);
            box.setChecked(true);
        }
        box.setChecked(false);
    }
    box.setChecked(true);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(redraws, 3);
}

TEST_F(Store, RadioButtonsShareTheirContainer) {
    auto& group = store.addPlain(ControlKind::Panel, "Panel1", page);
    auto& a = store.add<RadioButton>("RadioA", &group);
    auto& b = store.add<RadioButton>("RadioB", &group);
    auto& elsewhere = store.add<RadioButton>("RadioC", page);
    int bClicks = 0;
    int aClicks = 0;
    a.changed.connect([&](Control&) { ++aClicks; });
    b.changed.connect([&](Control&) { ++bClicks; });
    elsewhere.setChecked(true);
    a.click();
    b.click();
    EXPECT_FALSE(a.checked());
    EXPECT_TRUE(b.checked());
    EXPECT_TRUE(elsewhere.checked());
    EXPECT_EQ(aClicks, 1) << "unchecking runs no handler";
    EXPECT_EQ(bClicks, 1);
}

TEST_F(Store, DisabledControlsIgnoreUserClicksAndFlagsAreOwn) {
    auto& group = store.addPlain(ControlKind::GroupBox, "GroupBox1", page);
    auto& box = store.add<CheckBox>("CheckBox1", &group);
    group.setEnabled(false);
    group.setVisible(false);
    box.click();
    EXPECT_FALSE(box.checked());
    EXPECT_TRUE(box.enabled()) << "the own flag is not combined with the parent's";
    EXPECT_FALSE(box.effectivelyEnabled());
    EXPECT_TRUE(box.visible());
    EXPECT_FALSE(box.showing());
    box.setChecked(true); // the program may still change it
    EXPECT_TRUE(box.checked());
}

TEST_F(Store, SortedComboKeepsSelectionAcrossInsertions) {
    auto& combo = store.add<ComboBox>("mcu_ComboBox", page);
    combo.setSorted(true);
    combo.addItem("b");
    combo.addItem("LPC2148");
    combo.setItemIndex(0);
    int redraws = 0;
    combo.viewChanged.connect(
        [&](const Control&, Aspect aspect, int) { redraws += aspect == Aspect::Items; });
    combo.addItem("A");
    EXPECT_EQ(redraws, 1) << "the view shows the new item";
    EXPECT_EQ(combo.items(), (std::vector<std::string>{"A", "b", "LPC2148"}));
    EXPECT_EQ(combo.text(), "b");
    EXPECT_EQ(combo.indexOfIgnoringCase("lpc2148"), 2);
}

// The device list's filter: every word must occur, letter case aside; the items stay, the
// selection moves to the first shown item only when the filter hides it.
TEST_F(Store, ComboFilterNarrowsTheOfferedItemsAndKeepsAShownSelection) {
    auto& combo = store.add<ComboBox>("mcu_ComboBox", page);
    combo.setItems({"LPC1768", "LPC2138", "LPC2364", "LPC2368"});
    combo.setItemIndex(3);
    const auto shown = [&] {
        std::vector<std::string> names;
        for (int i = 0; i < combo.count(); ++i)
            if (combo.shown(i))
                names.push_back(combo.items()[static_cast<std::size_t>(i)]);
        return names;
    };
    combo.setFilter("lpc23");
    EXPECT_EQ(shown(), (std::vector<std::string>{"LPC2364", "LPC2368"}));
    EXPECT_EQ(combo.text(), "LPC2368") << "a shown selection stays";
    combo.setFilter(" 2 8 ");
    EXPECT_EQ(shown(), (std::vector<std::string>{"LPC2138", "LPC2368"}));
    combo.setFilter("17");
    EXPECT_EQ(combo.text(), "LPC1768") << "the first shown item replaces a hidden selection";
    combo.setFilter("lpc99");
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(combo.text(), "LPC1768") << "nothing shown: the selection stays";
    combo.setFilter("");
    EXPECT_EQ(shown().size(), 4u);
    EXPECT_EQ(combo.count(), 4) << "filtering never removes items";
}

TEST_F(Store, EditableComboSelectsTheItemItsTextNames) {
    auto& combo = store.add<ComboBox>("ISR_ComboBox", page);
    combo.setEditable(true);
    combo.setItems({"WDT", "TIMER0"});
    int changes = 0;
    combo.changed.connect([&](Control&) { ++changes; });
    combo.setText("TIMER0");
    EXPECT_EQ(combo.itemIndex(), 1);
    combo.setText("TIMER");
    EXPECT_EQ(combo.itemIndex(), -1) << "a text no item has selects nothing";
    EXPECT_EQ(combo.text(), "TIMER");
    combo.setText("TIMER");
    EXPECT_EQ(changes, 2);
}

TEST_F(Store, TreeNodesKnowTheirParentsAndReportChanges) {
    auto& tree = store.add<Tree>("IO_Treeview", page);
    const int port = tree.addNode(-1, "P0");
    const int pin0 = tree.addNode(port, "P0.0");
    tree.addNode(pin0, "GPIO");
    const int pin1 = tree.addNode(port, "P0.1");
    int changes = 0;
    tree.changed.connect([&](Control&) { ++changes; });
    tree.setStateIndex(pin1, 3);
    tree.setStateIndex(pin1, 3);
    EXPECT_EQ(changes, 1);
    tree.setText(pin1, "P0.1 I2C"); // the I2C mode steps change a node's text
    tree.setText(pin1, "P0.1 I2C");
    EXPECT_EQ(changes, 2);
    tree.setSelectedIndex(pin1, 4); // a pull-mode click
    tree.setSelectedIndex(pin1, 4);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(tree.node(pin1).text, "P0.1 I2C");
    EXPECT_EQ(tree.parentOf(pin1), port);
    EXPECT_EQ(tree.childrenOf(port), (std::vector<int>{pin0, pin1}));
    EXPECT_EQ(tree.node(2).level, 2);
}

} // namespace
} // namespace regforge::model
