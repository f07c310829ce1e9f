#include "periph/CounterClock.h"

#include "model/ValueFormat.h"

namespace regforge::periph {

namespace {
constexpr const char* kCounterModeFigure = "Capture input/(PR+1)";
} // namespace

CounterClock CounterClock::timerMode(double unitMhz, std::int64_t prescale) {
    // PR is unsigned: even an all-ones prescaler divides by PR + 1, never by zero.
    const auto divisor = static_cast<double>(static_cast<std::uint64_t>(prescale)) + 1.0;
    return {static_cast<float>(unitMhz * 1000000.0 / divisor)};
}

std::optional<double> CounterClock::tickSeconds() const {
    if (!hz)
        return std::nullopt;
    return 1.0 / static_cast<double>(*hz);
}

std::string CounterClock::clockCaption() const {
    return std::string("Counter clk: ") + (hz ? model::formatFrequency(4, "Hz", *hz) : kCounterModeFigure);
}

std::string CounterClock::tickCaption() const {
    return std::string("Counts every: ") + (hz ? model::formatPeriod(2, *hz) : kCounterModeFigure);
}

} // namespace regforge::periph
