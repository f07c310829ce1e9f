// A configuration made for another part may switch on units the loaded device does not have;
// the load leaves them off and says so, and the result writes no register of theirs.

#include "config/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "support/PageFixture.h"

#include <algorithm>

namespace regforge::config {
namespace {

class AbsentUnitsTest : public testing::PageFixture {
protected:
    AbsentUnitsTest() : PageFixture("config") {}

    // Saves the window's set-up, then rewrites the file's device line to `device`.
    std::filesystem::path saveFor(const std::string& device) {
        const auto path = folder.dir.path() / "setup.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        auto file = io::readLines(path);
        file.lines.at(1) = device;
        io::writeLines(path, file.lines, file.ending);
        return path;
    }

    std::vector<testing::FakeUi::Message> warnings() {
        std::vector<testing::FakeUi::Message> found;
        for (const auto& message : folder.ui.messages)
            if (message.icon == ui::Icon::Warning && message.buttons == ui::Buttons::Ok)
                found.push_back(message);
        return found;
    }

    std::string resultText() {
        std::string text;
        for (const auto& line : folder.form().createCode().lines)
            text += line + "\n";
        return text;
    }
};

TEST_F(AbsentUnitsTest, UnitsTheDeviceLacksAreLeftOffAndNamed) {
    addFixture("few_units");
    load("all_units");
    box("T0_checkbox").click();
    box("T2_checkbox").click();
    box("PWM1_checkbox").click();
    box("SSP0_checkbox").click();
    box("SSP1_checkbox").click();
    const auto path = saveFor("few_units");

    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    const auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Units not on this device");
    EXPECT_EQ(shown[0].text, "This file switches on units that few_units does not have: Timer2, PWM1, SSP1\n"
                             "They are left off, and no code is generated for them.");
    EXPECT_TRUE(box("T0_checkbox").checked());
    EXPECT_FALSE(box("T2_checkbox").checked());
    EXPECT_FALSE(box("PWM1_checkbox").checked());
    EXPECT_TRUE(box("SSP0_checkbox").checked());
    EXPECT_FALSE(box("SSP1_checkbox").checked());

    const std::string code = resultText();
    EXPECT_NE(code.find("LPC_TIM0->"), std::string::npos);
    EXPECT_NE(code.find("LPC_SSP0->"), std::string::npos);
    EXPECT_EQ(code.find("LPC_TIM2"), std::string::npos);
    EXPECT_EQ(code.find("PWM1"), std::string::npos);
    EXPECT_EQ(code.find("SSP1"), std::string::npos);
}

TEST_F(AbsentUnitsTest, AFileForTheSameDeviceLoadsWithoutAWord) {
    load("all_units");
    box("T2_checkbox").click();
    box("SSP1_checkbox").click();
    const auto path = saveFor("all_units");
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    EXPECT_TRUE(warnings().empty());
    EXPECT_TRUE(box("T2_checkbox").checked());
    EXPECT_TRUE(box("SSP1_checkbox").checked());
}

} // namespace
} // namespace regforge::config
