#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/CounterClock.h"
#include "periph/PeripheralClockPanel.h"
#include "periph/timer/TimerControls.h"

#include <array>
#include <vector>

namespace regforge::periph::timer {

// Typed handles to the controls of one timer, resolved when the page declares them. The page,
// its generator and its tests reach a timer's controls only through these.
struct TimerUnit {
    model::CheckBox* enableBox = nullptr;
    model::Control* groupBox = nullptr;
    model::Control* coverPanel = nullptr;
    model::NumericEdit* counter = nullptr;
    model::NumericEdit* prescale = nullptr;
    std::array<model::NumericEdit*, kMatchCount> matchRegisters{};
    model::ComboBox* mode = nullptr;
    model::ComboBox* countInput = nullptr;
    // EMC0..EMC3, what each external match output does on its match.
    std::array<model::ComboBox*, 4> matchActions{};
    // MCR and CCR boxes by register bit (0..11), EMR's EM0..EM3 and PWMC's boxes by bit (0..3).
    std::array<model::CheckBox*, 12> matchControlBoxes{};
    std::array<model::CheckBox*, 12> captureControlBoxes{};
    std::array<model::CheckBox*, 4> externalMatchBoxes{};
    std::array<model::CheckBox*, 4> pwmModeBoxes{};
    model::CheckBox* counterEnable = nullptr;
    model::CheckBox* counterReset = nullptr;
    std::array<model::Control*, kCaptureCount> captureRowLabels{};
    std::array<model::Control*, 4> pwmModeLabels{};
    model::Control* clockLabel = nullptr;
    model::Control* tickLabel = nullptr;
    model::Control* hintLabel = nullptr;
    // The figures the two labels show.
    CounterClock counterClock;
    PeripheralClockPanel clock{};
    // Every register control carrying a hint, in declaration order.
    std::vector<model::Control*> hinted;

    // The three MCR boxes of match `m` (interrupt, reset, stop).
    std::array<model::CheckBox*, 3> matchBoxes(int m) const {
        const auto at = static_cast<std::size_t>(3 * m);
        return {matchControlBoxes[at], matchControlBoxes[at + 1], matchControlBoxes[at + 2]};
    }
    // The three CCR boxes of capture input `c` (rising, falling, interrupt).
    std::array<model::CheckBox*, 3> captureBoxes(int c) const {
        const auto at = static_cast<std::size_t>(3 * c);
        return {captureControlBoxes[at], captureControlBoxes[at + 1], captureControlBoxes[at + 2]};
    }
    bool is32Bit() const { return counter->maxLength() == 8; }
    // Whether the device offers PWM mode on this timer: its PWM-mode boxes are shown.
    bool hasPwmMode() const { return pwmModeBoxes[0]->visible(); }
};

} // namespace regforge::periph::timer
