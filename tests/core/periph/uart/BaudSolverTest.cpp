#include "periph/uart/BaudSolver.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace regforge::periph::uart {
namespace {

// The smallest error any setting the manual allows gives, found by trying every divisor with
// every DIVADDVAL/MULVAL pair (only the divisor without the fractional divider).
double bruteForceBestError(double pclk, double wanted, bool fractional) {
    double best = INFINITY;
    for (int mul = 1; mul <= (fractional ? kMaxMulVal : 1); ++mul)
        for (int add = 0; add < mul; ++add)
            for (int divisor = add == 0 ? 1 : kMinFractionalDivisor; divisor <= kMaxDivisor; ++divisor) {
                const double rate = pclk * mul / (16.0 * divisor * (mul + add));
                best = std::min(best, std::fabs(rate - wanted) / wanted * 100.0);
            }
    return best;
}

TEST(BaudSolver, NeverWorseThanEverySettingTriedOverTheTableOfClocksAndRates) {
    const double clocks[] = {12e6, 14.7456e6, 15e6, 18e6, 25e6, 30e6, 60e6, 72e6, 100e6, 120e6};
    const double rates[] = {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    for (const bool fractional : {true, false})
        for (const double pclk : clocks)
            for (const double wanted : rates) {
                SCOPED_TRACE(std::to_string(pclk) + " Hz, " + std::to_string(wanted) + " baud" +
                             (fractional ? "" : ", no fractional divider"));
                const auto solutions = solveBaud(pclk, wanted, fractional, 5);
                ASSERT_FALSE(solutions.empty());
                const BaudSolution& best = solutions.front();
                EXPECT_TRUE(allowed(best.setting));
                EXPECT_TRUE(fractional || best.setting.divAddVal == 0);
                EXPECT_DOUBLE_EQ(best.rate, baudRate(pclk, best.setting));
                EXPECT_LE(std::fabs(best.errorPercent), bruteForceBestError(pclk, wanted, fractional) + 1e-9);
                // The list runs from the best down, every entry a rate of its own.
                for (std::size_t k = 1; k < solutions.size(); ++k) {
                    EXPECT_LE(std::fabs(solutions[k - 1].errorPercent), std::fabs(solutions[k].errorPercent));
                    EXPECT_NE(solutions[k - 1].rate, solutions[k].rate);
                    EXPECT_TRUE(allowed(solutions[k].setting));
                }
            }
}

TEST(BaudSolver, ExactRatesNeedNoFractionAndImpossibleRequestsGiveNothingOrTheClosest) {
    // 14.7456 MHz divides to 115200 exactly: the divisor alone, fractional divider off.
    const auto exact = solveBaud(14745600, 115200, true, 3);
    ASSERT_FALSE(exact.empty());
    EXPECT_EQ(exact.front().setting, (BaudSetting{8, 0, 1}));
    EXPECT_EQ(exact.front().errorPercent, 0.0);

    EXPECT_TRUE(solveBaud(15e6, 0, true, 5).empty());
    EXPECT_TRUE(solveBaud(0, 9600, true, 5).empty());
    // Above PCLK / 16 the closest is the smallest divisor.
    const auto tooFast = solveBaud(15e6, 2e6, true, 5);
    ASSERT_FALSE(tooFast.empty());
    EXPECT_EQ(tooFast.front().setting, (BaudSetting{1, 0, 1}));
    // Below what DLM:DLL 65535 reaches the largest divisor is the closest.
    const auto tooSlow = solveBaud(120e6, 50, false, 5);
    ASSERT_FALSE(tooSlow.empty());
    EXPECT_EQ(tooSlow.front().setting.divisor, kMaxDivisor);
}

TEST(BaudSolver, AllowedSettingsAreTheManualsRules) {
    struct Case {
        BaudSetting setting;
        bool allowed;
    };
    const Case cases[] = {
        {{1, 0, 1}, true},    {{0, 0, 1}, false},   {{65535, 0, 1}, true}, {{65536, 0, 1}, false},
        {{3, 1, 2}, true},    {{2, 1, 2}, false},   {{10, 0, 0}, false},   {{10, 5, 5}, false},
        {{10, 14, 15}, true}, {{10, 1, 16}, false}, {{10, -1, 2}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(allowed(c.setting), c.allowed)
            << c.setting.divisor << " " << c.setting.divAddVal << "/" << c.setting.mulVal;
}

} // namespace
} // namespace regforge::periph::uart
