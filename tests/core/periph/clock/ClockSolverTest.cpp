// The solver against settings worked by hand from the user manuals' PLL equations, limits and
// divider lists (12 MHz crystal unless a case says otherwise), and the limit cases.

#include "periph/clock/ClockSolver.h"

#include "core/periph/clock/ClockFixture.h"

#include <gtest/gtest.h>

namespace regforge::periph::clock {
namespace {

struct Case {
    const char* part;
    SourceKind source;
    double crystalMhz;
    double wantedMhz;
    bool usb;
    // The best setting: M, N (MN) or P (MP), CPU divider, CCO in MHz, USB divider (0: none / PLL1).
    int m, np, cpuDivider;
    double ccoMhz;
    int usbDivider;
};

const Case kCases[] = {
    // UM10139: CCLK = M x Fosc, Fcco = 2 x P x CCLK in 156 .. 320 MHz: 60 = 5 x 12, P = 2 gives 240.
    {"LPC2148", SourceKind::MainOscillator, 12, 60, false, 5, 2, 1, 240, 0},
    // UM10360: Fcco = 2 x M x Fin / N in 275 .. 550 MHz, CCLKSEL + 1 >= 3: 300 MHz / 3 is the lowest CCO.
    {"LPC1768", SourceKind::MainOscillator, 12, 100, false, 25, 2, 3, 300, 0},
    // UM10211: CCLKCFG odd only (dividers 1 and even): 288 / 4 = 72, USB 288 / 6 = 48.
    {"LPC2378", SourceKind::MainOscillator, 12, 72, true, 12, 1, 4, 288, 6},
    // Without USB the lowest CCO for 60 MHz is 360 / 6; with USB, 480 / 8 also gives 480 / 10 = 48.
    {"LPC2378", SourceKind::MainOscillator, 12, 60, false, 15, 1, 6, 360, 0},
    {"LPC2378", SourceKind::MainOscillator, 12, 60, true, 20, 1, 8, 480, 10},
    // UM10375: Fclkout = M x Fin at most 100 MHz, Fcco = 2 x P x Fclkout in 156 .. 320 MHz.
    {"LPC1343", SourceKind::MainOscillator, 12, 72, false, 6, 2, 1, 288, 0},
    // UM10470: the same PLL kind, CCLKSEL's divider 1.
    {"LPC1788", SourceKind::MainOscillator, 12, 120, false, 10, 1, 1, 240, 0},
    // CCO edge: 13 MHz x 6 = 78 MHz with P = 1 is exactly the 156 MHz minimum.
    {"LPC1788", SourceKind::MainOscillator, 13, 78, false, 6, 1, 1, 156, 0},
    // From the 4 MHz IRC: 2 x 36 x 4 = 288 MHz.
    {"LPC2468", SourceKind::Irc, 0, 72, false, 36, 1, 4, 288, 0},
};

PllSetting mn(int m, int n, int cpuDivider) {
    PllSetting s;
    s.m = m;
    s.n = n;
    s.cpuDivider = cpuDivider;
    return s;
}

TEST(ClockSolver, BestSettingsAreTheOnesWorkedFromTheManuals) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.part) + " " + std::to_string(c.wantedMhz));
        const ClockFacts facts = clockFixtureFacts(c.part);
        ClockRequest request;
        request.source = {c.source, c.source == SourceKind::Irc ? *facts.irc : c.crystalMhz * 1e6};
        request.wantedHz = c.wantedMhz * 1e6;
        request.usb = c.usb;
        const ClockSolution solution = solveClocks(facts, request);
        ASSERT_FALSE(solution.settings.empty());
        const PllSetting& best = solution.settings.front();
        EXPECT_TRUE(best.exact);
        EXPECT_FALSE(solution.noExact);
        EXPECT_EQ(best.m, c.m);
        EXPECT_EQ(facts.pll == PllKind::MN ? best.n : best.p, c.np);
        EXPECT_EQ(best.cpuDivider, c.cpuDivider);
        EXPECT_DOUBLE_EQ(best.cco, c.ccoMhz * 1e6);
        EXPECT_DOUBLE_EQ(best.cpu, c.wantedMhz * 1e6);
        if (c.usb) {
            ASSERT_TRUE(best.usb);
            EXPECT_TRUE(best.usb->exact);
            EXPECT_EQ(best.usb->divider, c.usbDivider);
        }
        // Exact ones first, then by error; every setting keeps its clocks in range.
        bool exact = true;
        for (const auto& s : solution.settings) {
            EXPECT_TRUE(exact || !s.exact) << "an exact setting after an inexact one";
            exact = s.exact;
            EXPECT_TRUE(facts.cco.contains(s.cco)) << s.cco;
            EXPECT_LE(s.cpu, facts.cpuMax);
            EXPECT_TRUE(checkSetting(facts, request, s)) << "the solver lists only settings the part reaches";
        }
    }
}

TEST(ClockSolver, LimitCasesOfferTheClosestValidSettingAndSaySo) {
    ClockRequest request;
    request.source = {SourceKind::MainOscillator, 12e6};

    // The errata's 290 MHz CCO leaves no CCLKCFG divider for 60 MHz: 275 .. 290 MHz / 4 is the closest.
    request.wantedHz = 60e6;
    const ClockFacts errata = clockFixtureFacts("LPC2378_errata");
    EXPECT_FALSE(errata.limit.empty());
    auto solution = solveClocks(errata, request);
    ASSERT_FALSE(solution.settings.empty());
    EXPECT_TRUE(solution.noExact);
    EXPECT_EQ(solution.settings.front().cpuDivider, 4);
    EXPECT_LE(solution.settings.front().cco, 290e6);
    EXPECT_GT(solution.settings.front().errorPpm, 0);
    EXPECT_LT(std::abs(solution.settings.front().errorPpm),
              std::abs(solution.settings.back().errorPpm) + 1e-9);

    // Above the part's maximum: the closest below it, flagged.
    request.wantedHz = 120e6;
    solution = solveClocks(clockFixtureFacts("LPC1768"), request);
    EXPECT_TRUE(solution.wantedAboveMax);
    ASSERT_FALSE(solution.settings.empty());
    EXPECT_DOUBLE_EQ(solution.settings.front().cpu, 100e6);

    // A crystal outside the family's range: flagged, and solved for the nearest end of the range,
    // never for the typed crystal (the LPC1768 would reach 100 MHz from 30 MHz with N = 2).
    struct OutOfRange {
        const char* part;
        double crystalMhz, wantedMhz, usedMhz;
        int m, np, cpuDivider;
        double cpuMhz, ccoMhz;
    };
    for (const OutOfRange& c : {OutOfRange{"LPC2148", 30, 60, 25, 2, 2, 1, 50, 200},
                                OutOfRange{"LPC1768", 30, 100, 25, 6, 1, 3, 100, 300},
                                OutOfRange{"LPC1343", 8, 72, 10, 7, 2, 1, 70, 280}}) {
        SCOPED_TRACE(c.part);
        const ClockFacts facts = clockFixtureFacts(c.part);
        const ClockRequest typed{{SourceKind::MainOscillator, c.crystalMhz * 1e6}, c.wantedMhz * 1e6, false};
        solution = solveClocks(facts, typed);
        EXPECT_TRUE(solution.inputOutOfRange);
        EXPECT_DOUBLE_EQ(usableSource(facts, typed.source).hz, c.usedMhz * 1e6);
        ASSERT_FALSE(solution.settings.empty());
        const PllSetting& best = solution.settings.front();
        EXPECT_EQ(best.m, c.m);
        EXPECT_EQ(facts.pll == PllKind::MN ? best.n : best.p, c.np);
        EXPECT_EQ(best.cpuDivider, c.cpuDivider);
        EXPECT_DOUBLE_EQ(best.cpu, c.cpuMhz * 1e6);
        EXPECT_DOUBLE_EQ(best.cco, c.ccoMhz * 1e6);
        EXPECT_DOUBLE_EQ(best.input * (facts.pll == PllKind::MN ? best.n : 1), c.usedMhz * 1e6);
        const auto checked = checkSetting(facts, typed, best);
        ASSERT_TRUE(checked) << "the setting check works from the same input";
        EXPECT_DOUBLE_EQ(checked->cpu, best.cpu);
    }

    // No M makes 48 MHz from 14.7456 MHz on the USB PLL.
    request.source.hz = 14.7456e6;
    request.wantedHz = 58.9824e6;
    request.usb = true;
    solution = solveClocks(clockFixtureFacts("LPC2148"), request);
    ASSERT_FALSE(solution.settings.empty());
    EXPECT_TRUE(solution.settings.front().exact) << "4 x 14.7456 MHz";
    EXPECT_TRUE(solution.usbNotExact);

    // A setting outside the lists or ranges is refused.
    request = {{SourceKind::MainOscillator, 12e6}, 100e6, false};
    const ClockFacts lpc1768 = clockFixtureFacts("LPC1768");
    EXPECT_TRUE(checkSetting(lpc1768, request, mn(25, 2, 3)));
    EXPECT_FALSE(checkSetting(lpc1768, request, mn(25, 1, 6))) << "CCO 600 MHz";
    EXPECT_FALSE(checkSetting(lpc1768, request, mn(25, 2, 2))) << "CPU divider 2 is not allowed";
    EXPECT_FALSE(checkSetting(lpc1768, request, mn(50, 2, 6))) << "CCO 600 MHz";
}

} // namespace
} // namespace regforge::periph::clock
