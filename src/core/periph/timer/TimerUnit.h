#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "periph/CounterClock.h"
#include "periph/CounterUnit.h"
#include "periph/timer/TimerControls.h"

#include <array>

namespace regforge::periph::timer {

// Typed handles to the controls of one timer, resolved when the page declares them. The page,
// its generator and its tests reach a timer's controls only through these.
struct TimerUnit : CounterUnit<kMatchCount, kCaptureCount> {
    // EMC0..EMC3, what each external match output does on its match.
    std::array<model::ComboBox*, 4> matchActions{};
    // EMR's EM0..EM3 and PWMC's boxes by bit (0..3).
    std::array<model::CheckBox*, 4> externalMatchBoxes{};
    std::array<model::CheckBox*, 4> pwmModeBoxes{};
    std::array<model::Control*, 4> pwmModeLabels{};
    // The figures the two labels show.
    CounterClock counterClock;
    // How often each match in use matches, one line per match; hidden while none is in use.
    model::Control* matchFiguresLabel = nullptr;

    bool is32Bit() const { return counter->maxLength() == 8; }
    // Whether the device offers PWM mode on this timer: its PWM-mode boxes are shown.
    bool hasPwmMode() const { return pwmModeBoxes[0]->visible(); }
};

} // namespace regforge::periph::timer
