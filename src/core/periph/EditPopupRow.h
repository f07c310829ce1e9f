#pragma once

#include <functional>
#include <string>

namespace regforge::model {
class NumericEdit;
}

namespace regforge::periph {

// How "Calculate from frequency/Period" stands for a register edit when its popup opens.
enum class FrequencyCalculator { Hidden, Disabled, Offered };

// The calculator set-up an edit asks for when it is the calculators' target.
enum class CalculatorRow {
    None,
    // Timer and PWM prescalers.
    Prescaler,
    // PWM MR0: the counter clock divided by MR0, started from the unit's counter-clock figure.
    PwmPeriod,
    // The A/D clock dividers CLKDIV.
    AdcDivider,
    // The SPI clock counter: an even divider from 8 to 254, written as it is counted.
    SpiCounter,
    // An SSP divider edit: the calculator searches the prescale divisor and the serial clock
    // rate together and Apply writes both edits of the port.
    SspPair,
};

// What the numeric edits' popup offers for one register edit of a page. Pages declare one row
// per edit that carries the popup; the popup finds the row by the tag of the edit last entered.
struct EditPopupRow {
    model::NumericEdit* edit = nullptr;
    // "Insert decimal value" shown.
    bool decimalPrompt = true;
    // "Calculate from samples/sec" shown.
    bool sampleRate = false;
    // "Calculate from frequency/Period" as it stands now; empty means hidden.
    std::function<FrequencyCalculator()> frequencyCalculator;
    // Entering the edit makes it the edit the calculators fill.
    bool calculatorTarget = false;
    CalculatorRow calculator = CalculatorRow::None;
    // The unit clock (MHz) the calculator starts from.
    std::function<const model::NumericEdit&()> unitClock;
    // The unit's counter-clock figure ("Counter clk: 1.5 MHz") a PwmPeriod row starts from.
    std::function<std::string()> counterClock;
    // A/D dividers: the converter clocks one sample takes, for "Calculate from samples/sec".
    std::function<int()> conversionClocks;

    // A counter or match register: the decimal prompt only.
    static EditPopupRow plainRegister(model::NumericEdit* edit) {
        EditPopupRow row;
        row.edit = edit;
        return row;
    }
};

} // namespace regforge::periph
