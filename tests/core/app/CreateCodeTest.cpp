#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "periph/timer/TimerControls.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace regforge::app {
namespace {

using testing::ProgramFolder;

const std::string kTiny = regforge::testing::fixtureText("input/CreateCodeTest/tiny.ini");

class CreateCode : public ::testing::Test {
protected:
    CreateCode() {
        folder.addProfile("Tiny", kTiny);
        folder.addProfile("NoPins", "[LPC21xx]\r\n[INCLUDE]\r\nLPC214x.h\r\n");
        folder.start();
    }
    MainForm& form() { return folder.form(); }
    bool contains(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    ProgramFolder folder;
};

TEST_F(CreateCode, GivesTheResultTextAndChangesNothingInTheWindow) {
    ASSERT_TRUE(folder.load("Tiny"));
    form().store().get<model::Control>("ReplacePanel").setVisible(true);
    const CodeResult result = form().createCode();
    ASSERT_EQ(result.status, CodeResult::Status::Created);
    EXPECT_TRUE(contains(result.lines, "#include <LPC214x.h>"));
    EXPECT_TRUE(contains(result.lines, "    P0.0:  PORT0.0 Input"));
    EXPECT_TRUE(form().store().get<model::Memo>("Memo1").lines().empty());
    EXPECT_TRUE(form().store().get<model::Control>("ReplacePanel").visible());
    EXPECT_EQ(folder.ui.clipboard, "");

    // The button shows the very same text, hides the replace panel and copies the text.
    form().Result_btnClick();
    EXPECT_EQ(form().store().get<model::Memo>("Memo1").lines(), result.lines);
    EXPECT_FALSE(form().store().get<model::Control>("ReplacePanel").visible());
    EXPECT_EQ(folder.ui.clipboard, form().store().get<model::Memo>("Memo1").text() + "\n");
}

// The status line says where the text went, and for which device when the list shows another.
TEST_F(CreateCode, StatusLineSaysTheCodeWentToTheClipboardAndForWhichDevice) {
    std::vector<StatusNote> notes;
    form().statusNoted.connect([&](const StatusNote& note) { notes.push_back(note); });
    form().Result_btnClick();
    EXPECT_TRUE(notes.empty()) << "no device, no code, no note";

    ASSERT_TRUE(folder.load("Tiny"));
    form().Result_btnClick();
    form().store().get<model::ComboBox>("mcu_ComboBox").setText("NoPins");
    form().Result_btnClick();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, "Code for Tiny copied to the clipboard");
    EXPECT_EQ(notes[1].text, "Code for Tiny copied to the clipboard: it is for the loaded device, not for "
                             "NoPins selected in the device list (press \"Load profile\" to switch)");
    EXPECT_GT(notes[1].milliseconds, notes[0].milliseconds);
    EXPECT_GT(notes[0].milliseconds, 0);
}

TEST_F(CreateCode, AppliesTheReplaceListWhenSwitchedOn) {
    ASSERT_TRUE(folder.load("Tiny"));
    form().store().get<model::ValueList>("ReplaceValueListEditor").setRows({{"PINSEL", "PSEL"}});
    form().ReplaceUseButtonClick();
    const CodeResult result = form().createCode();
    ASSERT_TRUE(result.created());
    EXPECT_TRUE(std::any_of(result.lines.begin(), result.lines.end(),
                            [](const std::string& l) { return l.rfind("    PSEL0 = 0x00000000;", 0) == 0; }));
    EXPECT_FALSE(std::any_of(result.lines.begin(), result.lines.end(),
                             [](const std::string& l) { return l.find("PINSEL") != std::string::npos; }));
}

TEST_F(CreateCode, SaysWhyThereIsNoText) {
    EXPECT_EQ(form().createCode().status, CodeResult::Status::NoDevice);

    ASSERT_TRUE(folder.load("NoPins"));
    EXPECT_EQ(form().createCode().status, CodeResult::Status::NoPins);
    form().Result_btnClick();
    EXPECT_TRUE(folder.ui.messages.empty()) << "without pins the button does nothing";

    ASSERT_TRUE(folder.load("Tiny"));
    form().store().get<model::CheckBox>(periph::timer::enableBoxName(0)).click();
    form().store().get<model::NumericEdit>(periph::timer::prescaleEditName(0)).setText("ZZ");
    const CodeResult failed = form().createCode();
    ASSERT_EQ(failed.status, CodeResult::Status::GeneratorFailed);
    EXPECT_NE(failed.message.find("T0PR"), std::string::npos) << failed.message;
    EXPECT_TRUE(failed.lines.empty());

    form().store().get<model::Memo>("Memo1").setLines({"old text"});
    form().Result_btnClick();
    ASSERT_EQ(folder.ui.messages.size(), 1u);
    EXPECT_EQ(folder.ui.messages[0].caption, "Error");
    EXPECT_EQ(folder.ui.messages[0].text, "The code could not be created: " + failed.message);
    EXPECT_TRUE(form().store().get<model::Memo>("Memo1").lines().empty());
}

} // namespace
} // namespace regforge::app
