#include "periph/i2c/I2cBitRate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace regforge::periph::i2c {
namespace {

// Worked by hand from the manuals' rule: bit rate = PCLK / (SCLH + SCLL), each at least 4.
// The period is the fewest clocks that stay at or below the wanted rate; the high part is the
// period times its share, rounded down; the low part takes the rest.
TEST(I2cBitRate, SolvesTheDutyCycleRegistersAsWorkedByHand) {
    struct Case {
        double pclkMhz, wantedKhz, highShare;
        std::int64_t high, low;
        const char* why;
    };
    const Case cases[] = {
        {15, 100, 0.5, 75, 75, "150 clocks exactly"},
        {15, 400, 0.5, 19, 19, "37.5 clocks: 38, never above 400 kHz"},
        {15, 400, 0.4, 15, 23, "38 x 0.4 = 15.2"},
        {60, 100, 0.5, 300, 300, ""},
        {12, 1000, 1.0 / 3, 4, 8, "12 x 1/3 = 4"},
        {18, 400, 1.0 / 3, 15, 30, "45 clocks"},
        {2, 400, 0.5, 4, 4, "5 clocks: both raised to the minimum, 250 kHz"},
        {12, 1000, 0.25, 4, 8, "a share below the minimum is raised to 4"},
        {200, 1, 0.5, 65535, 65535, "200000 clocks do not fit: the slowest rate"},
        {72, 100, 0.9, 360, 360, "the high part never exceeds half"},
    };
    for (const Case& c : cases) {
        const SclTiming t = solveBitRate(c.pclkMhz * 1e6, c.wantedKhz * 1e3, c.highShare);
        EXPECT_EQ(std::to_string(t.high) + "/" + std::to_string(t.low),
                  std::to_string(c.high) + "/" + std::to_string(c.low))
            << c.pclkMhz << " MHz, " << c.wantedKhz << " kHz: " << c.why;
    }
    EXPECT_EQ(solveBitRate(15e6, 0, 0.5).high, 0) << "no rate, no registers";
    EXPECT_EQ(solveBitRate(0, 100e3, 0.5).high, 0) << "no clock, no registers";
}

// Against a brute-force search over every period the registers can hold: the solver's period is
// the shortest whose rate does not exceed the wanted one.
TEST(I2cBitRate, NoShorterPeriodStaysWithinTheWantedRate) {
    for (double mhz : {12.0, 14.7456, 15.0, 18.0, 25.0, 30.0, 60.0, 72.0, 100.0, 120.0})
        for (double khz : {10.0, 50.0, 100.0, 250.0, 400.0, 1000.0}) {
            const double pclk = mhz * 1e6;
            const double wanted = khz * 1e3;
            std::int64_t best = 2 * kMinHalfPeriod;
            while (pclk / static_cast<double>(best) > wanted)
                ++best;
            const SclTiming t = solveBitRate(pclk, wanted, 0.5);
            EXPECT_EQ(t.high + t.low, best) << mhz << " MHz, " << khz << " kHz";
            EXPECT_LE(t.rateHz(pclk), wanted * (1 + 1e-12));
        }
}

// What the page shows in red: the rate above what the unit's speed allows, and SCL times shorter
// than the speed its rate falls in asks for (tLOW 4.7/1.3/0.5 us, tHIGH 4.0/0.6/0.26 us).
TEST(I2cBitRate, NamesRatesAndTimesTheBusSpeedDoesNotAllow) {
    struct Case {
        double pclkMhz;
        std::int64_t high, low;
        BusSpeed allowed;
        const char* problem;
    };
    const Case cases[] = {
        {15, 75, 75, BusSpeed::Fast, ""},
        {15, 19, 19, BusSpeed::Fast, "SCL low 1.27 us, Fast-mode needs 1.3 us"},
        {15, 15, 23, BusSpeed::Fast, ""},
        {12, 6, 6, BusSpeed::Fast, "above the Fast-mode limit of 400 KHz"},
        {12, 6, 6, BusSpeed::FastPlus, ""},
        {12, 15, 15, BusSpeed::Fast, "SCL low 1.25 us, Fast-mode needs 1.3 us"},
        {20, 40, 160, BusSpeed::Fast, "SCL high 2 us, Standard-mode needs 4 us"},
        {20, 80, 120, BusSpeed::Fast, ""},
        {12, 4, 8, BusSpeed::FastPlus, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timingProblem({c.high, c.low}, c.pclkMhz * 1e6, c.allowed), c.problem)
            << c.high << "/" << c.low << " at " << c.pclkMhz << " MHz";
}

} // namespace
} // namespace regforge::periph::i2c
