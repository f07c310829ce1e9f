#pragma once

namespace regforge::model {
class ComboBox;
class NumericEdit;
} // namespace regforge::model

namespace regforge::periph {

// The clock bar every page shares: the CPU clock, the common divider and the common
// peripheral clock it gives. The bar is declared after the pages' own controls (saved
// configurations keep that order), so the handles are filled in once the whole window exists.
struct CommonClock {
    model::NumericEdit* cpu = nullptr;
    model::ComboBox* divider = nullptr;
    model::NumericEdit* peripheral = nullptr;
};

} // namespace regforge::periph
