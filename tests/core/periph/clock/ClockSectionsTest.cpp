// [CLOCKS] as the loader and check-profile read it: value lists, the lines each key takes, and
// a clear message naming the line for anything else.

#include "periph/clock/ClockSections.h"

#include "app/ProfileRules.h"
#include "core/periph/clock/ClockFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace regforge::periph::clock {
namespace {

TEST(ClockSections, ValueListsExpandRangesAndStepsAndRefuseTheRest) {
    EXPECT_EQ(parseValueList("1,2-8/2"), (ValueList{1, 2, 4, 6, 8}));
    EXPECT_EQ(parseValueList("4,1-3,3"), (ValueList{1, 2, 3, 4})) << "ascending, each once";
    for (const char* bad : {"", "0", "3-1", "1-8/0", "a", "1,,2", "1-2000000000", "1-70000,70001-140000"})
        EXPECT_FALSE(parseValueList(bad)) << bad;
}

TEST(ClockSections, EveryFixtureReadsAndBadLinesNameTheirLine) {
    for (const char* part : {"LPC2148", "LPC2378", "LPC2468", "LPC1768", "LPC1788", "LPC1343"})
        EXPECT_TRUE(app::checkProfile(clockFixtureLines(part)).empty()) << part;
    EXPECT_FALSE(readClockFacts(clockFixtureLines("noclocks")));

    const auto problem = [](const std::vector<std::string>& changed) {
        profile::Lines lines = clockFixtureLines("LPC1768");
        const auto at = std::find(lines.begin(), lines.end(), "[CLOCKS]") - lines.begin();
        lines.insert(lines.begin() + at + 1, changed.begin(), changed.end());
        try {
            readClockFacts(lines);
        } catch (const profile::ProfileError& e) {
            const auto checked = app::checkProfile(lines);
            return std::string(e.what()) +
                   (checked.empty() ? " / unchecked" : " / " + checked.front().message);
        }
        return std::string("read");
    };
    EXPECT_EQ(
        problem({"CPUMAX=fast"}),
        "[CLOCKS] line 19: value 'fast' of CPUMAX is not a frequency in Hz / value 'fast' of CPUMAX is not a "
        "frequency in Hz");
    EXPECT_EQ(problem({"PLL=MX"}),
              "[CLOCKS] line 19: value 'MX' of PLL is not MN or MP / value 'MX' of PLL is not MN "
              "or MP");
    const auto starts = [](const std::string& text, const std::string& prefix) {
        return text.rfind(prefix, 0) == 0 ? prefix : text;
    };
    const std::string cco = "[CLOCKS] line 19: value '550000000,275000000' of CCO is not 'MIN,MAX' in Hz";
    EXPECT_EQ(starts(problem({"CCO=550000000,275000000"}), cco), cco);
    const std::string flash = "[CLOCKS] line 20: FLASH steps must ascend";
    EXPECT_EQ(starts(problem({"FLASH=200000000,6", "FLASH=10,1"}), flash), flash);
    const std::string code = "[CLOCKS] line 19: value '4:0,4:1' of PCLKCODE is not DIVISOR";
    EXPECT_EQ(starts(problem({"PCLKCODE=4:0,4:1"}), code), code);
    EXPECT_EQ(problem({"SPEED=1"}),
              "[CLOCKS] line 19: unknown clock key 'SPEED' / unknown clock key 'SPEED'");

    // The flash table must reach the part's maximum: the last FLASH line is named.
    profile::Lines fast = clockFixtureLines("LPC1768");
    *std::find(fast.begin(), fast.end(), "CPUMAX=100000000") = "CPUMAX=120000000";
    const auto lastFlash = std::find(fast.begin(), fast.end(), "FLASH=100000000,5") - fast.begin();
    const auto flashChecked = app::checkProfile(fast);
    ASSERT_EQ(flashChecked.size(), 1u);
    EXPECT_EQ(flashChecked[0].line, lastFlash + 1);
    EXPECT_EQ(flashChecked[0].message, "the last FLASH step ends at 100000000 Hz, below CPUMAX 120000000 Hz");

    // A section that lacks a key the solver needs.
    profile::Lines lines = {"[CLOCKS]", "SEQUENCE=LPC21XX", "CRYSTAL=10000000,25000000"};
    EXPECT_THROW(readClockFacts(lines), profile::ProfileError);
    const auto checked = app::checkProfile(lines);
    EXPECT_TRUE(std::any_of(checked.begin(), checked.end(), [](const profile::ProfileProblem& p) {
        return p.line == 1 && p.message == "[CLOCKS] has no PLL line";
    }));
}

} // namespace
} // namespace regforge::periph::clock
