#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/CounterClock.h"
#include "periph/CounterUnit.h"
#include "periph/pwm/PwmControls.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

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
struct PwmUnit : CounterUnit<kMatchCount, kCaptureCount> {
    // By output 1..6 at index 0..5; output 1 has no double-edge select (null).
    std::array<model::CheckBox*, kOutputCount> doubleEdgeBoxes{};
    std::array<model::CheckBox*, kOutputCount> outputEnableBoxes{};
    std::array<model::Control*, kOutputCount> outputLabels{};
    model::CheckBox* pwmMode = nullptr;
    model::Control* frequencyLabel = nullptr;
    // Each enabled output's duty cycle and pulse width in PWM mode; hidden otherwise.
    model::Control* pulseFiguresLabel = nullptr;
    // The figures the clock, tick and frequency labels show.
    PwmFigures figures;
    // MR0's reset box: PWM mode keeps it checked, so the period restarts on MR0.
    model::CheckBox* matchZeroResetBox() const { return matchControlBoxes[1]; }
    // Whether the device offers counter mode on this unit: its mode combo is shown.
    bool hasModeCombo() const { return mode->visible(); }
};

} // namespace regforge::periph::pwm
