#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace regforge::periph {

// The clock a timer or PWM counter counts, as a value: the unit clock over PR + 1, or none in
// counter mode, where the counter counts capture-input edges. The page computes it; the
// captions, the generated comment and the calculator start from it.
struct CounterClock {
    std::optional<float> hz;

    // `unitMhz` divided by the prescaler PR + 1.
    static CounterClock timerMode(double unitMhz, std::int64_t prescale);
    static CounterClock counterMode() { return {}; }

    // Seconds between two counts; none in counter mode.
    std::optional<double> tickSeconds() const;
    // "Counter clk: 15 MHz", or what the counter counts in counter mode.
    std::string clockCaption() const;
    // "Counts every: 66.67 ns", or what the counter counts in counter mode.
    std::string tickCaption() const;
};

} // namespace regforge::periph
