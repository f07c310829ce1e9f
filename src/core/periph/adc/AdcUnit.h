#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "model/ValueFormat.h"
#include "periph/UnitFrame.h"
#include "periph/adc/AdcControls.h"

#include <array>
#include <optional>
#include <string>

namespace regforge::periph::adc {

// A converter's figures as values: the A/D clock (the peripheral clock over CLKDIV + 1) and
// the sample rate (that clock over the clocks one conversion takes), in hertz. They keep their
// last values while CLKDIV is out of range, and are none before the first.
struct AdcFigures {
    std::optional<double> clockHz;
    double sampleRate = 0;

    // "clk: 3.75 MHz"; the label's own text before the first figure.
    std::string clockCaption() const {
        return clockHz ? "clk: " + model::formatFrequency(4, "Hz", static_cast<float>(*clockHz)) : "clk:";
    }
    // "340.9091 Ksamples/sec".
    std::string rateCaption() const {
        return model::formatFrequency(4, "samples/sec", static_cast<float>(sampleRate));
    }
};

// Typed handles to the controls of one A/D converter, resolved when the page declares them.
// The page, its generator and its tests reach a converter's controls only through these.
struct AdcUnit : UnitFrame {
    // SEL and INTEN boxes by channel.
    std::array<model::CheckBox*, kChannelCount> channels{};
    std::array<model::CheckBox*, kChannelCount> interrupts{};
    model::CheckBox* globalDone = nullptr;
    model::CheckBox* power = nullptr;
    model::CheckBox* burst = nullptr;
    model::NumericEdit* divider = nullptr;
    model::ComboBox* conversionClocks = nullptr;
    model::ComboBox* edge = nullptr;
    model::ComboBox* start = nullptr;
    model::Control* clockLabel = nullptr;
    model::Control* rateLabel = nullptr;
    AdcFigures figures;
    model::Control* channelHint = nullptr;
    model::Control* interruptHint = nullptr;
};

} // namespace regforge::periph::adc
