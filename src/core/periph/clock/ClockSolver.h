#pragma once

#include "periph/clock/ClockFacts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::clock {

enum class SourceKind { MainOscillator, Irc, Rtc };

struct ClockSource {
    SourceKind kind = SourceKind::MainOscillator;
    double hz = 0;
};

// The USB clock of one solution.
struct UsbSetting {
    // The main PLL's output divider (USBCLKCFG / USBCLKSEL), or 0 when the second PLL makes it.
    int divider = 0;
    // The second PLL's M and P (0 when the divider makes it).
    int pllM = 0;
    int pllP = 0;
    double pllCco = 0;
    double hz = 0;
    bool exact = false;
};

// One way to set the PLL and the CPU divider. For MN kinds `n` is the pre-divider and `p` is 0;
// for MP kinds `p` is the post-divider and `n` is 0.
struct PllSetting {
    int m = 0;
    int n = 0;
    int p = 0;
    int cpuDivider = 1;
    double input = 0; // the PLL input after the pre-divider
    double cco = 0;
    double output = 0; // MN: the CCO; MP: Fout
    double cpu = 0;
    double errorPpm = 0; // (cpu - wanted) / wanted
    bool exact = false;
    std::optional<UsbSetting> usb;

    bool sameSetting(const PllSetting& other) const {
        return m == other.m && n == other.n && p == other.p && cpuDivider == other.cpuDivider;
    }
};

struct ClockRequest {
    ClockSource source;
    double wantedHz = 0;
    bool usb = false;
};

// What the solver found, best first, and what it had to give way on.
struct ClockSolution {
    std::vector<PllSetting> settings;
    bool wantedAboveMax = false;  // the wanted clock is above CPUMAX: the best is the closest below
    bool inputOutOfRange = false; // the crystal is outside CRYSTAL: solved for the nearest end
    bool noExact = false;         // no setting gives the wanted clock exactly
    bool usbNotExact = false;     // USB wanted, but no setting gives 48 MHz exactly
};

inline constexpr double kUsbHz = 48'000'000;
// How many settings the page lists.
inline constexpr std::size_t kMostSettings = 12;

// The source the clocks are worked from: a main oscillator outside the family's crystal range
// counts as the nearest end of that range (the solver, the setting check, the page's figures and
// the clock code all use this, so no setting ever assumes a crystal the part cannot run).
ClockSource usableSource(const ClockFacts& facts, const ClockSource& source);

// Tries every multiplier, pre- or post-divider and CPU divider the facts allow, keeps the PLL
// input, CCO and PLL output in their ranges and the CPU clock at most CPUMAX, and lists the
// settings best first: exact ones first (with USB wanted, those with an exact 48 MHz before the
// others), then the closest. Ties go to the lowest CCO (the manuals recommend the lowest that
// works, it draws the least current), then the smallest CPU divider, then the smallest pre- or
// post-divider, then the smallest M. Settings giving the same CPU clock from the same CCO are
// listed once.
ClockSolution solveClocks(const ClockFacts& facts, const ClockRequest& request);

// Whether `setting` is one the facts allow for the source (every value in its list, every clock in
// its range); the CPU clock and CCO are recomputed into `out` when it is.
std::optional<PllSetting> checkSetting(const ClockFacts& facts, const ClockRequest& request,
                                       const PllSetting& setting);

// The USB clock for a setting: the divider when it makes 48 MHz exactly, else the second PLL,
// else the closest the divider makes. Nullopt where the part cannot make one at all.
std::optional<UsbSetting> usbFor(const ClockFacts& facts, const ClockSource& source,
                                 const PllSetting& setting);

} // namespace regforge::periph::clock
