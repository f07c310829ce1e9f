#pragma once

#include <cstdint>
#include <string>

namespace regforge::periph::i2c {

// The bus speeds of the I2C-bus standard and what they allow: the highest bit rate and the
// shortest SCL low and high times.
enum class BusSpeed { Standard, Fast, FastPlus, TooFast };

struct SpeedLimits {
    const char* name;
    double maxHz;
    double minLowSeconds;
    double minHighSeconds;
};

// Standard-mode up to 100 kHz, Fast-mode up to 400 kHz, Fast-mode Plus up to 1 MHz.
SpeedLimits limitsOf(BusSpeed speed);
// The slowest speed class a bit rate falls in.
BusSpeed speedOf(double hz);

// SCLH and SCLL each hold 16 bits and must be at least 4.
inline constexpr std::int64_t kMinHalfPeriod = 4;
inline constexpr std::int64_t kMaxHalfPeriod = 0xFFFF;

// A bit rate as the two duty-cycle registers give it: SCL high for SCLH peripheral clocks and low
// for SCLL, so the rate is PCLK / (SCLH + SCLL).
struct SclTiming {
    std::int64_t high = 0;
    std::int64_t low = 0;

    double rateHz(double pclkHz) const {
        return high + low > 0 ? pclkHz / static_cast<double>(high + low) : 0.0;
    }
    double highSeconds(double pclkHz) const { return pclkHz > 0 ? static_cast<double>(high) / pclkHz : 0.0; }
    double lowSeconds(double pclkHz) const { return pclkHz > 0 ? static_cast<double>(low) / pclkHz : 0.0; }
};

// The registers for `wantedHz` from `pclkHz` with `highShare` of each period high (0.5: an even
// duty cycle). The period is the fewest clocks that do not exceed the wanted rate (the bus
// speed is a limit, not a target to pass); the high part is rounded down, since the low time
// is the one the bus standard asks more of. Both are kept within 4..65535, so a rate the clock
// cannot reach gives the closest the registers allow. Nothing (zeros) for a rate or clock of 0.
SclTiming solveBitRate(double pclkHz, double wantedHz, double highShare);

// What is wrong with a timing on a bus of `allowed` speed: the rate above the speed's limit, or
// a low or high time shorter than the speed of its rate asks. Empty when nothing is.
std::string timingProblem(const SclTiming& timing, double pclkHz, BusSpeed allowed);

} // namespace regforge::periph::i2c
