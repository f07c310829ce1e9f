#pragma once

#include "model/CheckControls.h"
#include "model/Control.h"
#include "periph/PeripheralClockPanel.h"

#include <vector>

namespace regforge::periph {

// What every switchable unit of a page has: the enable box ("Timer 2", "SSP1"), the group box
// it switches and the panel that covers the unit while it is off.
struct UnitFrame {
    model::CheckBox* enableBox = nullptr;
    model::Control* groupBox = nullptr;
    model::Control* coverPanel = nullptr;
};

// A unit with a clock panel of its own and one hint label its register controls write to.
struct PeripheralUnit : UnitFrame {
    model::Control* hintLabel = nullptr;
    PeripheralClockPanel clock{};
    // Every register control carrying a hint, in declaration order.
    std::vector<model::Control*> hinted;
};

} // namespace regforge::periph
