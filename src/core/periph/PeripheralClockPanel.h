#pragma once

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"

#include <string>

namespace regforge::periph {

// A unit's own peripheral clock: a panel with its divider combo ("1/8" .. "1/1", "1/4"
// selected) and its read-only clock edit in MHz. Hidden until the device has per-peripheral
// dividers.
struct PeripheralClockPanel {
    model::Control* panel;
    model::ComboBox* divider;
    model::NumericEdit* clock;
};

PeripheralClockPanel declarePeripheralClockPanel(model::ControlStore& store, model::Control* parent,
                                                 const std::string& panelName, const std::string& dividerName,
                                                 const std::string& clockName);

// The four items every divider shows before a device refills it.
inline const std::vector<std::string> kFixedDividerItems = {"1/8", "1/4", "1/2", "1/1"};

} // namespace regforge::periph
