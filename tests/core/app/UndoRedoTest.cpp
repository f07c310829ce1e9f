#include "app/MainForm.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "output/ReplaceListPanel.h"
#include "periph/io/IoPage.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"
#include "tools/Calculator.h"
#include "tools/EditPopup.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::app {
namespace {

// A profile of the shipped library, byte for byte.
std::string shippedProfile(const std::string& name) {
    return regforge::testing::fixtureText("../../data/include/" + name + ".ini");
}

// The shipped LPC2148 and LPC2138, the first loaded.
class UndoRedo : public ::testing::Test {
protected:
    UndoRedo() {
        folder.addProfile("LPC2148", shippedProfile("LPC2148"));
        folder.addProfile("LPC2138", shippedProfile("LPC2138"));
        folder.dir.write("replace/keil.ini", "PINSEL0=PSEL0\r\nIO0DIR=DIR0\r\n");
        folder.start();
        EXPECT_TRUE(folder.load("LPC2148"));
    }
    MainForm& form() { return folder.form(); }
    template <class T = model::Control>
    T& get(const std::string& name) {
        return form().store().get<T>(name);
    }
    model::Tree& tree() { return get<model::Tree>("IO_Treeview"); }
    int node(const std::string& text) {
        for (int i = 0; i < tree().count(); ++i)
            if (tree().node(i).text == text)
                return i;
        return -1;
    }
    // The user's event ends: the window settles as the views make it.
    void settle() { form().refreshTitle(); }
    void choose(const std::string& function) {
        form().page<periph::io::IoPage>().IO_TreeviewClick(node(function), model::TreeHitPart::StateIcon,
                                                           model::MouseButton::Left);
        settle();
    }
    std::string prescaler() { return get<model::NumericEdit>("T0PR").text(); }

    testing::ProgramFolder folder;
};

TEST_F(UndoRedo, StepsBackAndForthOverPinsCalculatorAndReplaceList) {
    EXPECT_FALSE(form().canUndo()) << "a device load starts a new history";
    const auto loaded = form().savedSetup();

    choose("TXD0");
    const auto txd = form().savedSetup();
    EXPECT_NE(txd, loaded);
    EXPECT_TRUE(form().canUndo());

    get<model::CheckBox>("T0_checkbox").setChecked(true);
    settle();
    folder.ui.calculator = [](tools::Calculator& c) {
        c.frequencyCombo().setItemIndex(2);
        c.frequencyEdit().setText("1");
        return true;
    };
    const std::string prescalerBefore = prescaler();
    form().editPopup().MivoEditEnter(get<model::NumericEdit>("T0PR"));
    form().editPopup().CalcFromFreqPopupClick();
    settle();
    const std::string applied = prescaler();
    EXPECT_NE(applied, prescalerBefore);

    auto& lists = get<model::ComboBox>("ReplaceFileSelectComboBox");
    lists.setItemIndex(lists.indexOf("keil"));
    form().replacePanel().ReplaceListLoadButtonClick();
    settle();
    auto& grid = get<model::ValueList>("ReplaceValueListEditor");
    grid.selectCell(1);
    grid.pressDelete();
    settle();
    EXPECT_EQ(form().replacePanel().activeList().size(), 1u);

    EXPECT_EQ(form().undoHistory().current()->lines(), form().savedSetup()) << "a step is what a save writes";
    // A step shares what did not change with the one before: it costs a small part of the file.
    const std::size_t bytes = form().undoHistory().bytes();
    get<model::CheckBox>("T1_checkbox").setChecked(true);
    settle();
    EXPECT_LT(form().undoHistory().bytes() - bytes, bytes / 4);
    ASSERT_TRUE(form().undo());

    // A settled event that changed nothing adds no step.
    const std::size_t steps = form().undoHistory().size();
    settle();
    get<model::Control>("Form1").setCaption("elsewhere");
    settle();
    EXPECT_EQ(form().undoHistory().size(), steps);

    ASSERT_TRUE(form().undo());
    EXPECT_EQ(form().replacePanel().activeList().size(), 2u) << "the deleted pair is back";
    EXPECT_EQ(form().replacePanel().activeListName(), "keil");
    ASSERT_TRUE(form().undo());
    EXPECT_TRUE(form().replacePanel().activeList().empty());
    ASSERT_TRUE(form().undo());
    EXPECT_EQ(prescaler(), prescalerBefore) << "the calculator's Apply is undone";
    EXPECT_TRUE(get<model::CheckBox>("T0_checkbox").checked());
    ASSERT_TRUE(form().undo());
    EXPECT_EQ(form().savedSetup(), txd);
    ASSERT_TRUE(form().undo());
    EXPECT_EQ(form().savedSetup(), loaded) << "the pin function is undone";
    EXPECT_FALSE(form().canUndo());
    EXPECT_FALSE(form().setupChanged()) << "back where the load left it";
    EXPECT_EQ(get<model::Form>("Form1").caption().find("changed"), std::string::npos);
    EXPECT_EQ(form().device().deviceName, "LPC2148");
    EXPECT_TRUE(folder.ui.messages.empty());

    ASSERT_TRUE(form().redo());
    EXPECT_EQ(form().savedSetup(), txd);
    EXPECT_TRUE(form().setupChanged());
    ASSERT_TRUE(form().redo());
    ASSERT_TRUE(form().redo());
    EXPECT_EQ(prescaler(), applied);
    settle();
    EXPECT_TRUE(form().canRedo()) << "putting a step back is no new change";

    choose("PWM1");
    EXPECT_FALSE(form().canRedo()) << "a new change drops what was undone";
    ASSERT_TRUE(form().undo());
    EXPECT_EQ(prescaler(), applied);
}

// A step rebuilds the device from its profile; what the window shows beyond the set-up stays as
// it was: the tree's unfolded and selected nodes, the open page and the code last created. The
// compiler choice is part of each step, as a save writes it.
TEST_F(UndoRedo, StepsKeepTheViewAndTakeTheCompilerChoice) {
    auto& compiler = get<model::ComboBox>("CompilerComboBox");
    compiler.setItemIndex(1);
    settle();
    EXPECT_TRUE(form().setupChanged()) << "a save would write the choice";
    choose("TXD0");
    tree().setExpanded(tree().parentOf(node("PWM5")), true);
    tree().setExpanded(tree().parentOf(node("TXD0")), true);
    form().Result_btnClick();
    const std::vector<std::string> code = get<model::Memo>("Memo1").lines();
    ASSERT_FALSE(code.empty());
    get<model::PageControl>("pagecontrol1").setActivePageIndex(3);
    const auto view = [&] {
        std::vector<int> shown{tree().selected(), get<model::PageControl>("pagecontrol1").activePageIndex()};
        for (const auto& n : tree().nodes())
            shown.push_back(n.expanded);
        return shown;
    };
    const auto before = view();

    for (const auto step : {&MainForm::undo, &MainForm::redo, &MainForm::undo}) {
        ASSERT_TRUE((form().*step)());
        EXPECT_EQ(view(), before);
        EXPECT_EQ(get<model::Memo>("Memo1").lines(), code) << "a step creates no code";
        EXPECT_EQ(compiler.itemIndex(), 1);
    }
    ASSERT_TRUE(form().undo());
    EXPECT_EQ(compiler.itemIndex(), 0) << "the choice itself is undone";
    EXPECT_FALSE(form().setupChanged());
}

TEST_F(UndoRedo, ADeviceLoadStartsANewHistory) {
    choose("TXD0");
    get<model::ComboBox>("mcu_ComboBox")
        .setItemIndex(get<model::ComboBox>("mcu_ComboBox").indexOf("LPC2138"));
    folder.ui.answers = {ui::Answer::Discard};
    get<model::Control>("LoadProfileBitBtn").click();
    ASSERT_EQ(form().device().deviceName, "LPC2138");
    EXPECT_FALSE(form().canUndo());
    EXPECT_FALSE(form().undo()) << "the other device's changes are out of reach";
    EXPECT_EQ(form().device().deviceName, "LPC2138");

    choose("RXD0");
    ASSERT_TRUE(form().undo());
    EXPECT_FALSE(form().canUndo());
    EXPECT_EQ(form().device().deviceName, "LPC2138");
}

TEST_F(UndoRedo, HistoryIsBoundedAndDropsTheOldestSteps) {
    UndoHistory history(3);
    for (int i = 0; i < 5; ++i)
        history.record({{std::make_shared<const std::string>(std::to_string(i))}, {}, {}});
    EXPECT_EQ(history.size(), 3u);
    EXPECT_EQ(*history.undo()->records.front(), "3");
    EXPECT_EQ(*history.undo()->records.front(), "2");
    EXPECT_FALSE(history.undo());
}

} // namespace
} // namespace regforge::app
