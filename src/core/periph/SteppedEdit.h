#pragma once

namespace regforge::model {
class NumericEdit;
}

namespace regforge::periph {

// How the Up and Down arrow keys step a register edit.
enum class StepGroup {
    // Counters, prescalers, match registers and the 8-bit dividers: one at a time, from 0 to the
    // largest value the register holds (255 for a decimal edit, 0xFFFF or 0xFFFFFFFF by the
    // length of a hexadecimal one).
    ByOne,
    // The SPI clock counter and the SSP prescale divisors: even values from 8 to 254 only.
    EvenDivider,
};

// A register edit the arrow keys step, declared by its page.
struct SteppedEdit {
    model::NumericEdit* edit = nullptr;
    StepGroup group = StepGroup::ByOne;
};

} // namespace regforge::periph
