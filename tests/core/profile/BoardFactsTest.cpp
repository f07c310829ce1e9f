// The [BOARD] section: what the reader takes from each line and what check-profile says of a
// line the reader skips.
#include "profile/BoardFacts.h"

#include <gtest/gtest.h>

namespace regforge::profile {
namespace {

TEST(BoardFacts, ReadsEachKindOfLineAndNamesUnitsByTheirOwnLineFirst) {
    const BoardFacts facts =
        readBoardFacts({"[BOARD]", "CPU_MAX@72", "DEBUG@SWD@error@PIO0_10=SWCLK@PIO1_3=SWDIO", "BOOT@PIO0_1",
                        "OPEN_DRAIN@P0.27", "RESERVED@PIO0_0@RESET@the reset input",
                        "SOURCE@TIMER0@TIMER_32_0", "SOURCE@GPIO@EINT3", "SOURCE@GPIO1@EINT1",
                        "SIGNALS@SSP0@SCK1@MISO1@MOSI1@SSEL1", "CPU_MAX@fast", "[NEXT]", "BOOT@P9.9"});
    ASSERT_TRUE(facts.cpuMaxMhz);
    EXPECT_EQ(*facts.cpuMaxMhz, 72.0) << "a broken line is skipped, not taken";
    ASSERT_EQ(facts.debugPorts.size(), 1u);
    EXPECT_TRUE(facts.debugPorts[0].lockout);
    ASSERT_EQ(facts.debugPorts[0].pins.size(), 2u);
    EXPECT_EQ(facts.debugPorts[0].pins[1].pin + "=" + facts.debugPorts[0].pins[1].function, "PIO1_3=SWDIO");
    EXPECT_TRUE(facts.isBootPin("PIO0_1"));
    EXPECT_FALSE(facts.isBootPin("P9.9")) << "the section ends at the next header";
    EXPECT_TRUE(facts.isOpenDrainOnly("P0.27"));
    EXPECT_EQ(facts.reservedPins.at(0).function, "RESET");
    EXPECT_EQ(facts.sourceOf("TIMER0"), "TIMER_32_0");
    EXPECT_EQ(facts.sourceOf("TIMER1"), "TIMER1");
    EXPECT_EQ(facts.sourceOf("GPIO1"), "EINT1");
    EXPECT_EQ(facts.sourceOf("GPIO2"), "EINT3");
    EXPECT_EQ(facts.signalsOf("SSP0", {"SCK0"}),
              (std::vector<std::string>{"SCK1", "MISO1", "MOSI1", "SSEL1"}));
    EXPECT_EQ(facts.signalsOf("SSP1", {"SCK1"}), std::vector<std::string>{"SCK1"});
}

TEST(BoardFacts, TheProfileCheckNamesEachLineTheReaderSkips) {
    const SectionRule rule = boardFactsRule();
    const struct {
        const char* line;
        const char* message; // empty: the line is fine
    } cases[] = {
        {"CPU_MAX@120", ""},
        {"", ""},
        {"CPU_MAX@0", "board line 'CPU_MAX@0': '0' is no clock in MHz"},
        {"CPU_MAX", "board line 'CPU_MAX' is not 'CPU_MAX@MHz'"},
        {"DEBUG@JTAG@fatal@P1.26=RTCK",
         "board line 'DEBUG@JTAG@fatal@P1.26=RTCK': the severity 'fatal' is not error or warning"},
        {"DEBUG@JTAG@warning@P1.26", "board line 'DEBUG@JTAG@warning@P1.26': 'P1.26' is not PIN=FUNCTION"},
        {"BOOT@", "board line 'BOOT@' is not 'BOOT@PIN'"},
        {"RESERVED@PIO0_0@RESET", "board line 'RESERVED@PIO0_0@RESET' is not 'RESERVED@PIN@FUNCTION@USE'"},
        {"SOURCE@ADC0", "board line 'SOURCE@ADC0' is not 'SOURCE@UNIT@INTERRUPT SOURCE'"},
        {"PULLUP@P0.1", "unknown board key 'PULLUP' is ignored"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(rule.line(c.line, 0).value_or(""), c.message);
    }
}

} // namespace
} // namespace regforge::profile
