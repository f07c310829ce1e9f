#include "tools/KeyboardStepping.h"

#include "app/MainForm.h"
#include "model/NumericEdit.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::tools {
namespace {

// One edit of every stepped kind: long and short hexadecimal registers, an 8-bit decimal divider
// and an even prescale divisor, plus an edit no page declared for stepping.
class SteppedFixturePage : public periph::Page {
public:
    explicit SteppedFixturePage(periph::PageContext& context) : Page(context) {
        addSteppedEdit(&edit("LongRegister", model::ValueKind::HexValue, 8), periph::StepGroup::ByOne);
        addSteppedEdit(&edit("ShortRegister", model::ValueKind::HexValue, 4), periph::StepGroup::ByOne);
        addSteppedEdit(&edit("Divider", model::ValueKind::Numeric, 3), periph::StepGroup::ByOne);
        addSteppedEdit(&edit("EvenDivider", model::ValueKind::Numeric, 3), periph::StepGroup::EvenDivider);
        edit("Unstepped", model::ValueKind::HexValue, 8);
    }

private:
    model::NumericEdit& edit(const std::string& name, model::ValueKind kind, int length) {
        auto& e = store().add<model::NumericEdit>(name, store().find("Form1"));
        e.setValueKind(kind);
        e.setMaxLength(length);
        if (kind == model::ValueKind::HexValue)
            e.setMinimumDigits(length);
        e.setText("0");
        return e;
    }
};

class KeyboardSteppingTest : public ::testing::Test {
protected:
    KeyboardSteppingTest()
        : form(ui, folder.path(), {{{"Fixture_page", "Fixture"}, [](periph::PageContext& c) {
                                        return std::make_unique<SteppedFixturePage>(c);
                                    }}}) {}

    model::NumericEdit& edit(const std::string& name) { return form.store().get<model::NumericEdit>(name); }
    // Sets `name` to `text`, presses `key` on it and returns the text it shows afterwards.
    std::string press(const std::string& name, const std::string& text, StepKey key) {
        edit(name).setText(text);
        EXPECT_TRUE(form.FormKeyDown(&edit(name), key)) << name;
        return edit(name).text();
    }

    testing::TempDir folder;
    testing::FakeUi ui;
    app::MainForm form;
};

TEST_F(KeyboardSteppingTest, RegistersStepByOneWithinWhatTheyHold) {
    EXPECT_EQ(press("LongRegister", "0000000F", StepKey::Up), "00000010");
    EXPECT_EQ(press("LongRegister", "00000010", StepKey::Down), "0000000F");
    EXPECT_EQ(press("LongRegister", "FFFFFFFF", StepKey::Up), "FFFFFFFF");
    EXPECT_EQ(press("LongRegister", "00000000", StepKey::Down), "00000000");
    // A 16-bit register stops at 0xFFFF, not at the 32-bit limit.
    EXPECT_EQ(press("ShortRegister", "FFFE", StepKey::Up), "FFFF");
    EXPECT_EQ(press("ShortRegister", "FFFF", StepKey::Up), "FFFF");
    EXPECT_EQ(press("Divider", "254", StepKey::Up), "255");
    EXPECT_EQ(press("Divider", "255", StepKey::Up), "255");
    EXPECT_EQ(press("Divider", "1", StepKey::Down), "0");
    EXPECT_EQ(press("Divider", "0", StepKey::Down), "0");
}

TEST_F(KeyboardSteppingTest, EvenDividersStepByTwoBetweenEightAnd254) {
    EXPECT_EQ(press("EvenDivider", "10", StepKey::Down), "8");
    EXPECT_EQ(press("EvenDivider", "8", StepKey::Down), "8");
    // An odd value typed in stays odd until the edit is left; the keys do not cross the limits.
    EXPECT_EQ(press("EvenDivider", "9", StepKey::Down), "9");
    EXPECT_EQ(press("EvenDivider", "252", StepKey::Up), "254");
    EXPECT_EQ(press("EvenDivider", "253", StepKey::Up), "253");
}

TEST_F(KeyboardSteppingTest, OtherEditsAndNoFocusLetTheKeyPass) {
    EXPECT_FALSE(form.FormKeyDown(&edit("Unstepped"), StepKey::Up));
    EXPECT_EQ(edit("Unstepped").text(), "00000000");
    EXPECT_FALSE(form.FormKeyDown(nullptr, StepKey::Down));
}

TEST_F(KeyboardSteppingTest, AStepRunsTheEditsChangeHandler) {
    int changes = 0;
    edit("Divider").changed.connect([&](model::Control&) { ++changes; });
    press("Divider", "3", StepKey::Up);
    EXPECT_EQ(changes, 2); // the text set by the test, then the step
}

} // namespace
} // namespace regforge::tools
