// The page as a user drives it: off it changes nothing (no code, no records, the CPU clock edit
// stays the user's); on it sets the CPU clock every page's figures follow, and saved files bring
// it back or say what they could not.

#include "app/ConfigurationCommands.h"
#include "core/periph/clock/ClockFixture.h"
#include "io/TextFile.h"
#include "periph/timer/TimerControls.h"
#include "periph/uart/UartControls.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace regforge::periph::clock {
namespace {

using testing::Lines;

class ClocksPageTest : public ClockFixture {
protected:
    bool hasClockRecords(const std::vector<std::string>& file) {
        return std::any_of(file.begin(), file.end(),
                           [](const std::string& l) { return l.rfind("[clk_", 0) == 0; });
    }
    std::filesystem::path save() {
        const auto path = folder.dir.path() / "setup.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        return path;
    }
    config::LoadOutcome loadFile(const std::filesystem::path& path) {
        return folder.form().configuration().loadConfiguration(path);
    }
    std::string warningsText() {
        std::string text;
        for (const auto& m : folder.ui.messages)
            if (m.icon == ui::Icon::Warning && m.buttons == ui::Buttons::Ok)
                text += m.caption + ": " + m.text + "\n";
        return text;
    }
    model::NumericEdit& cpuEdit() { return edit("pllclock_edit"); }
    std::string timer0Clock() { return edit(timer::timerControl(0, "pclock_edit")).text(); }
};

TEST_F(ClocksPageTest, OffByDefaultAndAbsentWithoutClockFacts) {
    load("noclocks");
    EXPECT_FALSE(box(kEnableBox).visible()) << "a profile without [CLOCKS] has no clock page";
    load("LPC1768");
    EXPECT_EQ(shown({kEnableBox, kUsbBox, kCoverPanel}), "yyy");
    EXPECT_FALSE(box(kEnableBox).checked());
    EXPECT_FALSE(get(kGroupBox).enabled());
    EXPECT_TRUE(generatedBy<ClocksPage>().empty());
    EXPECT_FALSE(cpuEdit().readOnly());
    EXPECT_FALSE(hasClockRecords(folder.form().savedSetup()));
}

TEST_F(ClocksPageTest, OnItSetsTheCpuClockThatEveryFigureFollowsAndOffGivesTheEditBack) {
    load("LPC1768");
    cpuEdit().setText("48");
    const std::string ownHint = cpuEdit().hint();
    switchOn("12", "100");
    EXPECT_TRUE(cpuEdit().readOnly());
    EXPECT_NE(cpuEdit().hint().find("The clock set-up sets the CPU clock"), std::string::npos)
        << "the read-only edit says why";
    EXPECT_EQ(cpuEdit().text(), "100");
    EXPECT_EQ(combo(kSolutionsList).text(), "M 25, N 2, CPU / 3: 100 MHz, CCO 300 MHz, exact");
    EXPECT_EQ(timer0Clock(), "25") << "the timer's 1/4 divider follows the chosen clock";
    // The tree's segments keep together (no-break spaces) and its arrows are one character.
    std::string tree =
        "Main oscillator 12 MHz > PLL (CCO 300 MHz) > CPU 100 MHz (CCO / 3) > peripherals 25 MHz";
    std::replace(tree.begin(), tree.end(), ' ', '\xA0');
    for (auto at = tree.find("\xA0>\xA0"); at != std::string::npos; at = tree.find("\xA0>\xA0"))
        tree.replace(at, 3, "\xA0\xBB ");
    EXPECT_EQ(caption(kTreeLabel), tree);
    EXPECT_EQ(caption(kCcoFigure), "CCO: 300 MHz");
    EXPECT_EQ(caption(kFlashFigure), "Flash: 5 CPU clocks per access");
    EXPECT_EQ(caption(kStatusLabel), "");
    combo(timer::timerControl(0, "pclk_div")).setItemIndex(3);
    EXPECT_EQ(caption(kPclkFigure), "Peripherals: 25 MHz, TIMER0 100 MHz, TIMER1 25 MHz, TIMER2 25 MHz");
    // The UART page saves nothing while its units are off, so a UART's own divider counts (and
    // reaches PCLKSEL) only while the UART is on.
    combo(uart::uartControl(0, "pclk_div")).setItemIndex(2);
    EXPECT_EQ(caption(kPclkFigure), "Peripherals: 25 MHz, TIMER0 100 MHz, TIMER1 25 MHz, TIMER2 25 MHz");
    const auto pclksel0 = [this] {
        for (const auto& line : generatedBy<ClocksPage>())
            if (line.find("PCLKSEL0 = ") != std::string::npos)
                return line;
        return std::string();
    };
    EXPECT_EQ(pclksel0(), "   LPC_SC->PCLKSEL0 = 0x00000004;     /* before PLL0 is connected */");
    box(uart::enableBoxName(0)).click();
    EXPECT_EQ(caption(kPclkFigure),
              "Peripherals: 25 MHz, TIMER0 100 MHz, TIMER1 25 MHz, UART0 50 MHz, TIMER2 25 MHz");
    EXPECT_EQ(pclksel0(), "   LPC_SC->PCLKSEL0 = 0x00000084;     /* before PLL0 is connected */");
    box(uart::enableBoxName(0)).click();

    // Another setting: the clock bar and the timer follow it.
    edit(kWantedEdit).setText("90");
    const auto& items = combo(kSolutionsList).items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0], "M 15, N 1, CPU / 4: 90 MHz, CCO 360 MHz, exact");
    combo(kSolutionsList).setItemIndex(1);
    EXPECT_EQ(cpuEdit().text(), "90");
    EXPECT_NE(page().chosen()->cco, 360e6);

    // The result starts `main` with the clock block, before the pins.
    const auto result = folder.form().createCode();
    const auto main = std::find(result.lines.begin(), result.lines.end(), "int main(void)");
    ASSERT_GE(result.lines.end() - main, 4);
    EXPECT_EQ(*(main + 2), testing::kOpen);
    EXPECT_EQ(*(main + 3), "                                 Clock set-up");

    box(kEnableBox).click();
    EXPECT_FALSE(cpuEdit().readOnly());
    EXPECT_EQ(cpuEdit().hint(), ownHint);
    EXPECT_EQ(cpuEdit().text(), "90") << "switching off changes nothing else";
    EXPECT_TRUE(generatedBy<ClocksPage>().empty());
}

TEST_F(ClocksPageTest, OutOfRangeInputsAreShownRedWithTheClosestValidSetting) {
    struct Case {
        const char* part;
        const char* crystal;
        const char* wanted;
        bool usb;
        const char* cpuEdit;
        // Red or not: crystal edit, wanted edit, input, CPU and USB figures.
        const char* red;
        const char* status;
        // A line the clock block holds ("" for none to look for).
        const char* blockLine;
    };
    const Case cases[] = {
        // The wanted edit is red, not the CPU figure: the chosen 100 MHz is within the limit.
        {"LPC1768", "12", "120", false, "100", "nynnn", "The CPU clock is at most 100 MHz", ""},
        // Solved for the nearest end of the crystal range, and the code says so.
        {"LPC1768", "30", "100", false, "100", "ynynn",
         "The crystal must be 1 MHz .. 25 MHz: the settings are worked for 25 MHz",
         "   Input clock: 25 MHz (main oscillator)"},
        {"LPC2148", "14.7456", "58.9824", true, "58.9824", "nnnny", "USB clock 48 MHz exactly", ""},
        // The closest setting's clock shows rounded in the clock bar: 72 MHz / 7.
        {"LPC1343", "12", "10.3", false, "10.285714", "nnnnn", "the closest are offered",
         "   CPU clock: 10.285714 MHz (PLL output / 7)"},
        // Nothing to give way on; no USB figure on a part without USB.
        {"LPC2468", "12", "72", false, "72", "nnnnn", "", "   CPU clock: 72 MHz (CCO / 4)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " " + c.crystal + " " + c.wanted);
        load(c.part);
        switchOn(c.crystal, c.wanted, c.usb);
        EXPECT_EQ(cpuEdit().text(), c.cpuEdit);
        std::string red;
        for (const char* name : {kCrystalEdit, kWantedEdit, kInputFigure, kCpuFigure, kUsbFigure})
            red += get(name).fontColour() == model::kRed ? 'y' : 'n';
        EXPECT_EQ(red, c.red);
        EXPECT_NE(caption(kStatusLabel).find(c.status), std::string::npos) << caption(kStatusLabel);
        // A part without a CPU clock divider names none.
        const bool divider = page().facts()->cpuDividers != ValueList{1};
        EXPECT_EQ(combo(kSolutionsList).text().find("CPU / ") != std::string::npos, divider);
        EXPECT_EQ(caption(kTreeLabel).find("\xA0/\xA0") != std::string::npos, divider);
        EXPECT_EQ(shown({kUsbFigure}), page().facts()->usb ? "y" : "n");
        const Lines block = generatedBy<ClocksPage>();
        if (*c.blockLine != 0) {
            EXPECT_NE(std::find(block.begin(), block.end(), c.blockLine), block.end())
                << testing::joined(block);
        }
        if (c.usb) {
            EXPECT_TRUE(std::none_of(block.begin(), block.end(), [](const std::string& l) {
                return l.find("PLL1") != std::string::npos && l.find("/*") != 0 && l.rfind("   ", 0) != 0;
            })) << "no USB code without an exact 48 MHz";
        }
    }
}

TEST_F(ClocksPageTest, ProblemsNameWhatTheSolverGaveWayOn) {
    struct Case {
        const char* part;
        const char* crystal;
        const char* wanted;
        bool usb;
        // The page's problems, "severity|subject|what", one a line.
        const char* expected;
    };
    const Case cases[] = {
        {"LPC1768", "12", "100", false, ""},
        // The chosen 100 MHz is within the limit: the clock bar reports nothing, the page the wish.
        {"LPC1768", "12", "120", false,
         "warning|CCLK|wanted CPU clock 120 MHz is above the LPC1768's 100 MHz: the code sets the closest "
         "below\n"},
        {"LPC1768", "30", "100", false,
         "error|Crystal|crystal 30 MHz is outside the LPC1768's 1 MHz .. 25 MHz: the code is worked for 25 "
         "MHz\n"},
        {"LPC1343", "12", "10.3", false,
         "warning|CCLK|no setting gives 10.3 MHz exactly: the chosen gives 10.285714 MHz (-1387 ppm)\n"},
        {"LPC2148", "14.7456", "58.9824", true,
         "error|USB|the USB clock must be 48 MHz exactly, but no setting makes it from 14.7456 MHz: the "
         "code leaves it unset\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " " + c.crystal + " " + c.wanted);
        load(c.part);
        switchOn(c.crystal, c.wanted, c.usb);
        std::string found;
        std::string bar;
        const ProblemList list = folder.form().collectProblems();
        for (const auto& p : list.problems()) {
            const std::string line =
                std::string(periph::severityText(p.severity)) + "|" + p.subject + "|" + p.what + "\n";
            (p.tab == kTab.name ? found : bar) += line;
        }
        EXPECT_EQ(found, c.expected);
        EXPECT_EQ(bar.find("CCLK"), std::string::npos) << bar;
    }
}

TEST_F(ClocksPageTest, SavedFilesHoldThePageOnlyWhileItIsOn) {
    load("LPC1768");
    const auto offFile = io::readLines(save()).lines;
    EXPECT_FALSE(hasClockRecords(offFile));

    switchOn("12", "90");
    combo(kSolutionsList).setItemIndex(1);
    const auto chosen = *page().chosen();
    const auto onPath = folder.dir.path() / "on.sav";
    ASSERT_TRUE(folder.form().configuration().saveConfiguration(onPath));
    ASSERT_TRUE(hasClockRecords(io::readLines(onPath).lines));

    // An older file (the page off) loads with the page off and the user's CPU clock.
    ASSERT_EQ(loadFile(folder.dir.path() / "setup.sav"), config::LoadOutcome::Loaded);
    EXPECT_FALSE(box(kEnableBox).checked());
    EXPECT_FALSE(cpuEdit().readOnly());
    EXPECT_EQ(io::readLines(save()).lines, offFile) << "byte for byte what it was";

    // The page's own file brings back the chosen setting, not only the best one.
    ASSERT_EQ(loadFile(onPath), config::LoadOutcome::Loaded);
    EXPECT_TRUE(box(kEnableBox).checked());
    EXPECT_TRUE(page().chosen()->sameSetting(chosen));
    EXPECT_EQ(cpuEdit().text(), "90");
    EXPECT_TRUE(cpuEdit().readOnly());
    EXPECT_EQ(warningsText(), "");
}

TEST_F(ClocksPageTest, AFileNamingAnUnreachableSettingIsSolvedAgainWithAWarning) {
    load("LPC1768");
    switchOn("12", "100");
    const auto path = save();
    auto file = io::readLines(path);
    auto at = std::find(file.lines.begin(), file.lines.end(), "[clk_solutions]");
    ASSERT_NE(at, file.lines.end());
    *(at + 2) = "1"; // N 1: CCO 600 MHz
    *(at + 3) = "6";
    io::writeLines(path, file.lines, file.ending);

    ASSERT_EQ(loadFile(path), config::LoadOutcome::Loaded);
    EXPECT_NE(warningsText().find("cannot reach: M 25, N 1, CPU / 6"), std::string::npos) << warningsText();
    EXPECT_EQ(page().chosen()->n, 2);
    EXPECT_EQ(cpuEdit().text(), "100");

    // A part without [CLOCKS] switches the page off and says so.
    addFixture("noclocks");
    file.lines.at(1) = "noclocks";
    io::writeLines(path, file.lines, file.ending);
    folder.start();
    ASSERT_EQ(loadFile(path), config::LoadOutcome::Loaded);
    EXPECT_FALSE(box(kEnableBox).checked());
    EXPECT_NE(warningsText().find("Clock set-up"), std::string::npos) << warningsText();
    EXPECT_FALSE(cpuEdit().readOnly());
}

} // namespace
} // namespace regforge::periph::clock
