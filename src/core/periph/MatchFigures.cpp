#include "periph/MatchFigures.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"

#include <algorithm>
#include <cmath>

namespace regforge::periph {

namespace {

constexpr int kPeriodDecimals = 2;
// As many as the counter clock figure shows, so a slow rate is no zero.
constexpr int kRateDecimals = 4;

// The time of `counts` counts at the counter clock in the unit that keeps the number at one or
// more and below a thousand: "1 ms", "499.93 us", "286.33 sec".
std::string timeOf(std::int64_t counts, float counterHz) {
    const double seconds = static_cast<double>(counts) / static_cast<double>(counterHz);
    if (!std::isfinite(seconds) || seconds < 0)
        return std::string(model::kNoValueText);
    static constexpr struct {
        double scale;
        const char* unit;
    } kUnits[] = {{1.0, " sec"}, {1e-3, " ms"}, {1e-6, " us"}, {1e-9, " ns"}};
    for (const auto& unit : kUnits) {
        const double number = model::roundToDecimals(seconds / unit.scale, kPeriodDecimals);
        if (number >= 1.0 || unit.scale == kUnits[3].scale)
            return model::formatGeneral(number) + unit.unit;
    }
    return std::string(model::kNoValueText);
}

std::string countsOf(std::int64_t counts) {
    return std::to_string(counts) + (counts == 1 ? " count" : " counts");
}

} // namespace

std::vector<MatchFigure> matchFigures(const std::vector<MatchSetting>& matches, std::int64_t wrapCounts) {
    // The counter's cycle ends at the first match that resets it; a stop ends the count altogether.
    std::int64_t cycle = wrapCounts;
    int cycleEnd = -1;
    for (std::size_t m = 0; m < matches.size(); ++m)
        if (matches[m].resets && matches[m].value + 1 < cycle) {
            cycle = matches[m].value + 1;
            cycleEnd = static_cast<int>(m);
        }
    std::int64_t stopAt = cycle;
    int stopper = -1;
    for (std::size_t m = 0; m < matches.size(); ++m)
        if (matches[m].stops && matches[m].value < stopAt) {
            stopAt = matches[m].value;
            stopper = static_cast<int>(m);
        }

    std::vector<MatchFigure> figures;
    for (std::size_t m = 0; m < matches.size(); ++m) {
        const MatchSetting& match = matches[m];
        if (!match.inUse)
            continue;
        MatchFigure figure;
        figure.match = static_cast<int>(m);
        // A stop comes before the cycle's end (it is looked for only there).
        if (stopper >= 0 && match.value > stopAt) {
            figure.kind = MatchFigure::Kind::Never;
            figure.firstEnd = stopper;
            figure.firstEndStops = true;
        } else if (match.value >= cycle) {
            figure.kind = MatchFigure::Kind::Never;
            figure.firstEnd = cycleEnd;
        } else if (stopper >= 0) {
            figure.kind = MatchFigure::Kind::Once;
            figure.counts = match.value;
        } else {
            figure.counts = cycle;
        }
        figures.push_back(figure);
    }
    return figures;
}

std::string MatchFigure::caption(const CounterClock& clock) const {
    std::string text = "MR" + std::to_string(match) + ": ";
    switch (kind) {
    case Kind::Never:
        if (firstEnd < 0)
            return text + "never reached";
        return text + "never reached (MR" + std::to_string(firstEnd) +
               (firstEndStops ? " stops" : " resets") + " the counter first)";
    case Kind::Once:
        if (counts == 0)
            return text + "once, at the start";
        return text + "once, after " + (clock.hz ? timeOf(counts, *clock.hz) : countsOf(counts));
    case Kind::Every:
        break;
    }
    if (!clock.hz)
        return text + "every " + countsOf(counts);
    const float rate = *clock.hz / static_cast<float>(counts);
    return text + "every " + timeOf(counts, *clock.hz) + " (" +
           model::formatFrequencySi(kRateDecimals, rate) + ")";
}

PwmPulse PwmPulse::singleEdge(int output, std::int64_t resetValue, std::int64_t periodCounts) {
    // A match of zero keeps the output low; one beyond the period never resets it.
    return {output, std::clamp<std::int64_t>(resetValue, 0, periodCounts), periodCounts};
}

PwmPulse PwmPulse::doubleEdge(int output, std::int64_t setValue, std::int64_t resetValue,
                              std::int64_t periodCounts) {
    const bool setsInPeriod = setValue <= periodCounts;
    const bool resetsInPeriod = resetValue <= periodCounts;
    std::int64_t high = 0;
    if (setsInPeriod && resetsInPeriod)
        high = resetValue >= setValue ? resetValue - setValue : periodCounts - setValue + resetValue;
    else if (setsInPeriod)
        high = periodCounts; // set and never reset again
    return {output, high, periodCounts};
}

std::string PwmPulse::caption(const CounterClock& clock) const {
    std::string text = "PWM" + std::to_string(output) + ": duty ";
    if (periodCounts <= 0)
        return text + std::string(model::kNoValueText);
    const double duty = 100.0 * static_cast<double>(highCounts) / static_cast<double>(periodCounts);
    text += model::formatGeneral(model::roundToDecimals(duty, 1)) + " % (";
    if (!clock.hz)
        return text + std::to_string(highCounts) + " of " + countsOf(periodCounts) + " high)";
    const std::string high = highCounts > 0 ? timeOf(highCounts, *clock.hz) : std::string("0 sec");
    return text + high + " high of " + timeOf(periodCounts, *clock.hz) + ")";
}

} // namespace regforge::periph
