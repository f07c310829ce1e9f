#pragma once

#include <cstddef>
#include <vector>

namespace regforge::periph::uart {

// One setting of a UART's baud rate generator: the 16-bit divisor DLM:DLL and the fractional
// divider's DIVADDVAL/MULVAL (0/1 when it is off or absent), with the rate it gives.
struct BaudSetting {
    int divisor = 1;
    int divAddVal = 0;
    int mulVal = 1;

    int dll() const { return divisor & 0xFF; }
    int dlm() const { return (divisor >> 8) & 0xFF; }
    bool operator==(const BaudSetting&) const = default;
};

struct BaudSolution {
    BaudSetting setting;
    double rate = 0;
    // (rate - wanted) / wanted in percent.
    double errorPercent = 0;
};

// The limits the user manuals put on the dividers.
inline constexpr int kMaxDivisor = 65535;
inline constexpr int kMaxMulVal = 15;
// With the fractional divider in use (DIVADDVAL > 0) DLM:DLL must be 3 or more.
inline constexpr int kMinFractionalDivisor = 3;

// Whether the dividers are a setting the manual allows: DLM:DLL 1..65535, MULVAL 1..15,
// DIVADDVAL below MULVAL, DLM:DLL at least 3 with the fractional divider in use.
bool allowed(const BaudSetting& setting);

// The rate the setting gives from `pclkHz`: PCLK / (16 x DLM:DLL x (1 + DIVADDVAL / MULVAL)).
double baudRate(double pclkHz, const BaudSetting& setting);

// The best `count` settings for `wantedHz` from `pclkHz`, smallest error first; each gives a rate
// of its own. With `fractional` every DIVADDVAL/MULVAL pair the manual allows is tried, else only
// the divisor. Among settings of the same rate the one with the fractional divider off, then the
// smallest MULVAL, is kept. Empty for a wanted rate or clock that is not positive.
std::vector<BaudSolution> solveBaud(double pclkHz, double wantedHz, bool fractional, std::size_t count);

} // namespace regforge::periph::uart
