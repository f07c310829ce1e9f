#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"

namespace regforge::periph::irq {

// Typed handles to one external interrupt row (EINTn): resolved when the page declares them.
struct EintRow {
    model::Control* label = nullptr;
    model::ComboBox* mode = nullptr;     // index 1: edge sensitive
    model::ComboBox* polarity = nullptr; // index 1: high level / rising edge
    model::CheckBox* wake = nullptr;     // wakes the processor from power down

    // An enabled mode combo marks the row's interrupt as used.
    bool used() const { return mode->enabled(); }
};

} // namespace regforge::periph::irq
