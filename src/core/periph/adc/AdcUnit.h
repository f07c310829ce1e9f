#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/adc/AdcControls.h"

#include <array>

namespace regforge::periph::adc {

// Typed handles to the controls of one A/D converter, resolved when the page declares them.
// The page, its generator and its tests reach a converter's controls only through these.
struct AdcUnit {
    model::CheckBox* enableBox = nullptr;
    model::Control* groupBox = nullptr;
    model::Control* coverPanel = nullptr;
    // SEL and INTEN boxes by channel; a box's caption is its channel.
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
    model::Control* channelHint = nullptr;
    model::Control* interruptHint = nullptr;
};

} // namespace regforge::periph::adc
