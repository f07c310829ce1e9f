#pragma once

#include "periph/CounterClock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace regforge::periph {

// One match register as the figures see it: its value and what its MCR bits do.
struct MatchSetting {
    std::int64_t value = 0;
    // Something happens on the match (an interrupt, a reset or stop, an output action, PWM).
    bool inUse = false;
    bool resets = false;
    bool stops = false;
};

// How often a timer's match register in use matches, as values: every `counts` counts of the
// counter, once after `counts` counts when a stop ends the count, or never because another
// match resets or stops the counter first.
struct MatchFigure {
    enum class Kind { Every, Once, Never };
    int match = 0;
    Kind kind = Kind::Every;
    std::int64_t counts = 0;
    // The match that resets or stops the counter before this one is reached (Never).
    int firstEnd = -1;
    bool firstEndStops = false;

    // "MR0: every 1 ms (1 KHz)" from the counter clock; in counts where the counter counts edges.
    std::string caption(const CounterClock& clock) const;
};

// The figures of the matches in use, in register order. The counter counts from zero and wraps
// after `wrapCounts` counts (2^16 or 2^32) unless a match resets it (after MR + 1 counts).
std::vector<MatchFigure> matchFigures(const std::vector<MatchSetting>& matches, std::int64_t wrapCounts);

// A PWM output over one PWM period of `periodCounts` (MR0) counts: how many counts it is high.
// A single-edge output goes high at the period's start and low at its match; a double-edge
// one goes high at `setValue` and low at `resetValue`, across the period's end when the reset
// comes first. A match beyond the period never happens.
struct PwmPulse {
    int output = 1;
    std::int64_t highCounts = 0;
    std::int64_t periodCounts = 0;

    static PwmPulse singleEdge(int output, std::int64_t resetValue, std::int64_t periodCounts);
    static PwmPulse doubleEdge(int output, std::int64_t setValue, std::int64_t resetValue,
                               std::int64_t periodCounts);
    // "PWM2: duty 25 % (250 us high of 1 ms)" from the counter clock; in counts where the
    // counter counts edges.
    std::string caption(const CounterClock& clock) const;
};

} // namespace regforge::periph
