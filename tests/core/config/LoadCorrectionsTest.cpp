// A configuration made for another part may ask for what the loaded device does not have: units
// it lacks, values wider than its registers. The load corrects the set-up to fit the device and
// says what it changed, and the result writes only what the device has.

#include "config/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "support/PageFixture.h"

#include <algorithm>

namespace regforge::config {
namespace {

class LoadCorrectionsTest : public testing::PageFixture {
protected:
    LoadCorrectionsTest() : PageFixture("config") {}

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

TEST_F(LoadCorrectionsTest, UnitsTheDeviceLacksAreLeftOffAndNamed) {
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

TEST_F(LoadCorrectionsTest, AFileForTheSameDeviceLoadsWithoutAWord) {
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

TEST_F(LoadCorrectionsTest, ValuesWiderThanTheDevicesRegistersKeepTheirLowDigits) {
    addFixture("narrow_timer");
    load("all_units");
    box("T0_checkbox").click();
    edit("T0MR0").setText("12345678");
    edit("T0MR1").setText("00003A97");
    const auto path = saveFor("narrow_timer");

    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), LoadOutcome::Loaded);
    const auto shown = warnings();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Values wider than their registers");
    EXPECT_EQ(shown[0].text,
              "These fields hold more hex digits than their registers have on narrow_timer: T0MR0\n"
              "Only the low digits are kept, as the register would keep them.");
    EXPECT_EQ(edit("T0MR0").text(), "5678");
    EXPECT_EQ(edit("T0MR1").text(), "3A97") << "leading zeros are no lost digits";
    EXPECT_EQ(edit("T0PR").text(), "0000");
    EXPECT_NE(resultText().find("LPC_TIM0->MR0 = 0x5678;"), std::string::npos);
}

} // namespace
} // namespace regforge::config
