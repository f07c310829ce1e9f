#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/UnitFrame.h"

#include <array>
#include <cstddef>

namespace regforge::periph {

// The CTCR items of the timers and the PWM units.
inline constexpr const char* kCountModeItems[] = {
    "Timer mode: count on rising edge of PCLK",
    "Counter mode: TC incremented on rising edge of",
    "Counter mode: TC incremented on falling edge of",
    "Counter mode: TC incremented on both edges of",
};

// The controls a timer and a PWM unit share: TC, PR, the match registers with their MCR boxes,
// the capture inputs with their CCR boxes, the count mode and input, TCR and the two figures.
template <std::size_t Matches, std::size_t Captures>
struct CounterUnit : PeripheralUnit {
    model::NumericEdit* counter = nullptr;
    model::NumericEdit* prescale = nullptr;
    std::array<model::NumericEdit*, Matches> matchRegisters{};
    model::ComboBox* mode = nullptr;
    model::ComboBox* countInput = nullptr;
    // MCR boxes by register bit (interrupt, reset, stop per match), CCR boxes by register bit
    // (rising, falling, interrupt per capture input).
    std::array<model::CheckBox*, 3 * Matches> matchControlBoxes{};
    std::array<model::CheckBox*, 3 * Captures> captureControlBoxes{};
    model::CheckBox* counterEnable = nullptr;
    model::CheckBox* counterReset = nullptr;
    std::array<model::Control*, Captures> captureRowLabels{};
    model::Control* clockLabel = nullptr;
    model::Control* tickLabel = nullptr;

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

    // The count mode or input changed: the input is chosen only in counter mode, and the
    // capture input being counted cannot capture as well (its boxes are cleared and greyed).
    // Only a real capture row can be the count input: extra count-input items of a profile
    // with more inputs than rows leave every box alone.
    void followCountMode() const {
        const bool counterMode = mode->itemIndex() != 0;
        countInput->setEnabled(counterMode);
        const int counted = counterMode ? countInput->itemIndex() : -1;
        for (int c = 0; c < static_cast<int>(Captures); ++c) {
            const bool isCountInput = c == counted;
            for (model::CheckBox* box : captureBoxes(c)) {
                if (isCountInput) {
                    model::MuteGuard guard(*box);
                    box->setChecked(false);
                }
                box->setEnabled(!isCountInput);
            }
        }
    }
};

} // namespace regforge::periph
