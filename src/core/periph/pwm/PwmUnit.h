#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/CounterClock.h"
#include "periph/PeripheralClockPanel.h"
#include "periph/pwm/PwmControls.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::pwm {

// A PWM unit's live figures as values: its counter clock and, in PWM mode, the PWM frequency
// (the counter clock over MR0), none while MR0 is zero or the counter counts edges.
struct PwmFigures {
    CounterClock counter;
    bool pwmMode = false;
    std::optional<float> pwmHz;

    // "PWM frequency: 10 KHz", or what stands for it.
    std::string frequencyCaption() const;
};

// Typed handles to the controls of one PWM unit, resolved when the page declares them. The
// page, its generator, its view and its tests reach a unit's controls only through these.
struct PwmUnit {
    model::CheckBox* enableBox = nullptr;
    model::Control* groupBox = nullptr;
    model::Control* coverPanel = nullptr;
    model::NumericEdit* counter = nullptr;
    model::NumericEdit* prescale = nullptr;
    std::array<model::NumericEdit*, kMatchCount> matchRegisters{};
    model::ComboBox* mode = nullptr;
    model::ComboBox* countInput = nullptr;
    // MCR boxes by register bit (0..20), CCR boxes by register bit (0..5).
    std::array<model::CheckBox*, 3 * kMatchCount> matchControlBoxes{};
    std::array<model::CheckBox*, 3 * kCaptureCount> captureControlBoxes{};
    // By output 1..6 at index 0..5; output 1 has no double-edge select (null).
    std::array<model::CheckBox*, kOutputCount> doubleEdgeBoxes{};
    std::array<model::CheckBox*, kOutputCount> outputEnableBoxes{};
    std::array<model::Control*, kOutputCount> outputLabels{};
    model::CheckBox* counterEnable = nullptr;
    model::CheckBox* counterReset = nullptr;
    model::CheckBox* pwmMode = nullptr;
    std::array<model::Control*, kCaptureCount> captureRowLabels{};
    model::Control* clockLabel = nullptr;
    model::Control* tickLabel = nullptr;
    model::Control* frequencyLabel = nullptr;
    model::Control* hintLabel = nullptr;
    // The figures the clock, tick and frequency labels show.
    PwmFigures figures;
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
    // MR0's reset box: PWM mode keeps it checked, so the period restarts on MR0.
    model::CheckBox* matchZeroResetBox() const { return matchControlBoxes[1]; }
    // Whether the device offers counter mode on this unit: its mode combo is shown.
    bool hasModeCombo() const { return mode->visible(); }
};

} // namespace regforge::periph::pwm
