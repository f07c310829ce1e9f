#include "ReplacePanelFixture.h"

#include <algorithm>

namespace regforge::output {
namespace {

using testing::Pairs;

class ReplaceListEdit : public testing::ReplacePanelTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(ReplaceListEdit, TheAddButtonTakesOnlyAEqualsBLines) {
    EXPECT_EQ(store().get<model::Edit>(kPairEdit).text(), "Use a=b format, a will be replaced with b");
    EXPECT_EQ(addCaption(), "Add to list");
    EXPECT_FALSE(saveEnabled());

    for (const char* bad : {"=b", "a=", "ab", ""}) {
        ui.messages.clear();
        add(bad);
        EXPECT_EQ(ui.said(), "Warning: Wrong format used: Please use A=B format where A is the string that "
                             "should be replaced by B (oldvalue=newvalue)\n")
            << bad;
    }
    EXPECT_TRUE(panel().activeList().empty());
    EXPECT_FALSE(saveEnabled());

    ui.messages.clear();
    add("a=b");
    add("x=b=c");
    add(" sp = x ");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(panel().activeList(), (Pairs{{"a", "b"}, {"x", "b=c"}, {" sp ", " x "}}))
        << "the find text ends at the first \"=\"; blanks belong to the texts";
    EXPECT_TRUE(saveEnabled());
}

TEST_F(ReplaceListEdit, AddingComparesFindTextsExactlyEditingIgnoresLetterCase) {
    add("reg=Y");
    add("Reg=X");
    EXPECT_TRUE(ui.messages.empty()) << "Reg and reg are different find texts";
    add("reg=Z");
    EXPECT_EQ(ui.said(), "Error: Duplicate Key: Please use unique names\n");
    EXPECT_EQ(pairEditText(), "reg=Z") << "a refused line stays to be corrected";

    // Remove "reg=Y" so that the example's list is Reg=X, A=1.
    grid().selectCell(1);
    grid().pressDelete();
    add("A=1");
    ASSERT_EQ(panel().activeList(), (Pairs{{"Reg", "X"}, {"A", "1"}}));

    ui.messages.clear();
    grid().selectCell(2);
    grid().doubleClick();
    EXPECT_EQ(pairEditText(), "A=1");
    EXPECT_EQ(addCaption(), "Apply change");
    EXPECT_TRUE(editLabelShown());
    add("reg=Z");
    EXPECT_EQ(ui.said(), "Error: Duplicate Key: Please use unique names\n");
    EXPECT_EQ(panel().activeList(), (Pairs{{"Reg", "X"}, {"A", "1"}}));
    EXPECT_EQ(addCaption(), "Apply change") << "the edit goes on after a refusal";

    // The row being edited may keep its own find text in another letter case.
    ui.messages.clear();
    grid().selectCell(1);
    EXPECT_EQ(addCaption(), "Add to list") << "selecting a line abandons the edit";
    EXPECT_EQ(pairEditText(), "");
    EXPECT_FALSE(editLabelShown());
    grid().doubleClick();
    add("REG=W");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(panel().activeList(), (Pairs{{"REG", "W"}, {"A", "1"}}));
    EXPECT_EQ(pairEditText(), "");
    EXPECT_EQ(addCaption(), "Add to list");
    EXPECT_FALSE(editLabelShown());
}

TEST_F(ReplaceListEdit, DeleteKeyAndDoubleClickWorkOnTheSelectedRow) {
    grid().doubleClick();
    grid().pressDelete();
    EXPECT_EQ(addCaption(), "Add to list") << "an empty list has nothing to edit";
    EXPECT_TRUE(ui.messages.empty());

    add("a=1");
    add("b=2");
    add("c=3");
    grid().selectCell(3);
    grid().pressDelete();
    EXPECT_EQ(panel().activeList(), (Pairs{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(grid().selectedRow(), 1) << "the selection stays on a row that exists";
    grid().pressDelete();
    grid().pressDelete();
    EXPECT_TRUE(panel().activeList().empty());
    EXPECT_FALSE(saveEnabled());
}

TEST_F(ReplaceListEdit, ApplyingAfterTheEditedRowWasDeletedKeepsTheTypedPair) {
    add("a=1");
    grid().selectCell(1);
    grid().doubleClick();
    grid().pressDelete();
    add("a=2");
    EXPECT_EQ(panel().activeList(), (Pairs{{"a", "2"}}));
    EXPECT_EQ(addCaption(), "Add to list");

    // With other rows left, the typed pair takes none of their places.
    add("b=1");
    grid().selectCell(2);
    grid().doubleClick();
    grid().pressDelete();
    add("b=2");
    EXPECT_EQ(panel().activeList(), (Pairs{{"a", "2"}, {"b", "2"}}));
    EXPECT_EQ(addCaption(), "Add to list");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReplaceListEdit, SwapInvertsEveryPairAndTwiceRestoresTheList) {
    add("LPC_SC->EXTMODE=EXTMODE");
    add("PINSEL=PSEL");
    click(kSwapButton);
    EXPECT_EQ(panel().activeList(), (Pairs{{"EXTMODE", "LPC_SC->EXTMODE"}, {"PSEL", "PINSEL"}}));
    click(kSwapButton);
    EXPECT_EQ(panel().activeList(), (Pairs{{"LPC_SC->EXTMODE", "EXTMODE"}, {"PINSEL", "PSEL"}}));

    // A replace text holding "=" splits at its own first "=" once swapped.
    panel().forgetActiveList();
    add("a=b=c");
    click(kSwapButton);
    EXPECT_EQ(panel().activeList(), (Pairs{{"b", "c=a"}}));
}

// The help names the buttons by the captions they carry (or, for "Create code && copy to
// clipboard", by its first words).
TEST_F(ReplaceListEdit, TheHelpNamesTheButtonsByTheirCaptions) {
    click(kHelpButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.said().substr(0, 27), "Information: Replace list: ");
    std::vector<std::string> captions;
    for (const model::Control* c : store().all())
        if (c->kind() == model::ControlKind::Button || c->kind() == model::ControlKind::ToggleButton)
            captions.push_back(c->caption());
    const std::string& help = ui.messages[0].text;
    int named = 0;
    for (auto open = help.find('"'); open != std::string::npos; open = help.find('"', open + 1)) {
        const auto close = help.find('"', open + 1);
        ASSERT_NE(close, std::string::npos) << help;
        const std::string quoted = help.substr(open + 1, close - open - 1);
        open = close;
        if (quoted == "=")
            continue;
        EXPECT_TRUE(std::any_of(captions.begin(), captions.end(), [&](const std::string& caption) {
            return caption.starts_with(quoted);
        })) << quoted;
        ++named;
    }
    EXPECT_EQ(named, 4) << help;
}

} // namespace
} // namespace regforge::output
