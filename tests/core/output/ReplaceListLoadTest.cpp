#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "output/ReplaceListPanel.h"
#include "support/FakeUi.h"
#include "support/GeneratedText.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace regforge::output {
namespace {

using model::ControlKind;
using ui::Answer;
using Pairs = std::vector<ReplacePair>;

class ReplaceListLoad : public ::testing::Test {
protected:
    ReplaceListLoad() {
        auto& panel = store.addPlain(ControlKind::Panel, "ReplacePanel", nullptr);
        store.add<model::Edit>("ReplaceTextEdit", &panel).setText("half=typed");
        store.addPlain(ControlKind::Button, "ReplaceListAddButton", &panel, "Apply change");
        lists = &store.add<model::ComboBox>("ReplaceFileSelectComboBox", &panel);
        lists->setSorted(true);
        store.addPlain(ControlKind::Button, "ReplaceSaveButton", &panel, "Save as...").setEnabled(false);
        store.add<model::ValueList>("ReplaceValueListEditor", &panel);
        store.addPlain(ControlKind::Label, "ReplaceEditLabel", &panel, "Edit the entry ...");
    }

    // Stores a list file and chooses it.
    void choose(const std::string& name, const std::string& content) {
        folder.write("replace/" + name + ".ini", content);
        lists->setItemIndex(lists->addItem(name));
    }
    bool saveEnabled() const { return store.get<model::Control>("ReplaceSaveButton").enabled(); }

    testing::TempDir folder;
    testing::FakeUi ui;
    model::ControlStore store;
    model::ComboBox* lists = nullptr;
    ReplaceListPanel panel{store, ui, io::DataFolders::single(folder.path())};
};

TEST_F(ReplaceListLoad, LoadsPairsInOrderAndEndsEditing) {
    choose("keil", "PINSEL=PSEL\r\nLPC_SC->EXTMODE=EXTMODE\r\na=b=c\r\nReg=X\r\nreg=Y\r\n");
    EXPECT_TRUE(panel.ReplaceListLoadButtonClick());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(
        panel.activeList(),
        (Pairs{{"PINSEL", "PSEL"}, {"LPC_SC->EXTMODE", "EXTMODE"}, {"a", "b=c"}, {"Reg", "X"}, {"reg", "Y"}}))
        << "CR LF is no part of a pair; finds differing in letter case are distinct";
    EXPECT_EQ(panel.activeListName(), "keil");
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(store.get<model::Edit>("ReplaceTextEdit").text(), "");
    EXPECT_EQ(store.get<model::Control>("ReplaceListAddButton").caption(), "Add to list");
    EXPECT_FALSE(store.get<model::Control>("ReplaceEditLabel").visible());
}

TEST_F(ReplaceListLoad, BadLinesAreOfferedForSkippingAndOkLoadsTheRest) {
    choose("gcc", "A=1\n\n=b\nA=2\nB=3\n");
    EXPECT_TRUE(panel.ReplaceListLoadButtonClick());
    EXPECT_EQ(ui.said(), regforge::testing::expectedText(
                             "ReplaceListLoadTest/BadLinesAreOfferedForSkippingAndOkLoadsTheRest"));
    EXPECT_EQ(panel.activeList(), (Pairs{{"A", "1"}, {"B", "3"}})) << "the first of two duplicates stays";
    EXPECT_EQ(folder.read("replace/gcc.ini"), "A=1\n\n=b\nA=2\nB=3\n") << "the file itself is not changed";
}

TEST_F(ReplaceListLoad, CancelEmptiesTheList) {
    choose("keil", "A=1\n");
    ASSERT_TRUE(panel.ReplaceListLoadButtonClick());
    choose("broken", "X=1\nX=2\nY=3\n");
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(panel.ReplaceListLoadButtonClick());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Please edit the file using a text editor");
    EXPECT_TRUE(panel.activeList().empty());
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(panel.activeListName(), "") << "no list is active, so none is marked as its origin";
}

TEST_F(ReplaceListLoad, NoChoiceOrMissingFileEndsWithAnEmptyList) {
    choose("keil", "A=1\n");
    ASSERT_TRUE(panel.ReplaceListLoadButtonClick());

    lists->setItemIndex(-1);
    EXPECT_FALSE(panel.ReplaceListLoadButtonClick());
    EXPECT_EQ(ui.said(), "Warning: No file selected: Please select a file to load\n");
    EXPECT_TRUE(panel.activeList().empty());
    EXPECT_FALSE(saveEnabled());

    lists->setItemIndex(lists->addItem("gone"));
    EXPECT_FALSE(panel.ReplaceListLoadButtonClick());
    EXPECT_EQ(ui.said(), "Warning: No file selected: Please select a file to load\n"
                         "Error: File not found: The replace profile is missing\n");

    // A list that exists but cannot be read (here: far too large) is reported and nothing is taken.
    choose("huge", "A=1\n");
    std::filesystem::resize_file(folder.path() / "replace" / "huge.ini", std::uintmax_t{1} << 34);
    EXPECT_FALSE(panel.ReplaceListLoadButtonClick());
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].caption, "Error");
    EXPECT_NE(ui.messages[2].text.find("huge.ini"), std::string::npos) << ui.messages[2].text;
    EXPECT_TRUE(panel.activeList().empty());
}

} // namespace
} // namespace regforge::output
