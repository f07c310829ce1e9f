#pragma once

namespace regforge::model {

class NumericEdit;

// The numeric edit last entered and the edit that the calculators fill.
struct EditContext {
    int activeEditTag = 0;
    int activeEditMaxLength = 0;
    NumericEdit* calcTargetEdit = nullptr;
};

} // namespace regforge::model
