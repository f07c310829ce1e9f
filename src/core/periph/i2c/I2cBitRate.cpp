#include "periph/i2c/I2cBitRate.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace regforge::periph::i2c {

namespace {

// The I2C-bus standard's (UM10204) limits per speed (fSCL, tLOW, tHIGH), as the user manuals'
// I2C chapters quote them.
constexpr std::array<SpeedLimits, 3> kLimits = {{
    {"Standard-mode", 100000.0, 4.7e-6, 4.0e-6},
    {"Fast-mode", 400000.0, 1.3e-6, 0.6e-6},
    {"Fast-mode Plus", 1000000.0, 0.5e-6, 0.26e-6},
}};

std::string microseconds(double seconds) {
    return model::formatGeneral(std::round(seconds * 1e8) / 100.0) + " us";
}

} // namespace

SpeedLimits limitsOf(BusSpeed speed) {
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(speed), kLimits.size() - 1);
    return kLimits.at(at);
}

BusSpeed speedOf(double hz) {
    for (std::size_t k = 0; k < kLimits.size(); ++k)
        if (hz <= kLimits.at(k).maxHz)
            return static_cast<BusSpeed>(k);
    return BusSpeed::TooFast;
}

SclTiming solveBitRate(double pclkHz, double wantedHz, double highShare) {
    if (!(pclkHz > 0) || !(wantedHz > 0))
        return {};
    const double clocks = std::ceil(pclkHz / wantedHz - 1e-9);
    const auto period =
        static_cast<std::int64_t>(std::min(clocks, 2.0 * static_cast<double>(kMaxHalfPeriod)));
    const double share = std::clamp(highShare, 0.0, 0.5);
    SclTiming timing;
    timing.high = static_cast<std::int64_t>(std::floor(static_cast<double>(period) * share + 1e-9));
    timing.high = std::clamp(timing.high, kMinHalfPeriod, kMaxHalfPeriod);
    timing.low = std::clamp(period - timing.high, kMinHalfPeriod, kMaxHalfPeriod);
    return timing;
}

std::string timingProblem(const SclTiming& timing, double pclkHz, BusSpeed allowed) {
    const double rate = timing.rateHz(pclkHz);
    if (rate <= 0)
        return "no bit rate";
    const SpeedLimits most = limitsOf(allowed);
    if (rate > most.maxHz * (1 + 1e-9))
        return "above the " + std::string(most.name) + " limit of " +
               model::formatFrequency(4, "Hz", static_cast<float>(most.maxHz));
    const SpeedLimits needed = limitsOf(speedOf(rate));
    if (timing.lowSeconds(pclkHz) < needed.minLowSeconds * (1 - 1e-9))
        return "SCL low " + microseconds(timing.lowSeconds(pclkHz)) + ", " + needed.name + " needs " +
               microseconds(needed.minLowSeconds);
    if (timing.highSeconds(pclkHz) < needed.minHighSeconds * (1 - 1e-9))
        return "SCL high " + microseconds(timing.highSeconds(pclkHz)) + ", " + needed.name + " needs " +
               microseconds(needed.minHighSeconds);
    return {};
}

} // namespace regforge::periph::i2c
