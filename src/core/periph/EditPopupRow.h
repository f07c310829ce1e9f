#pragma once

#include "periph/CounterClock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace regforge::model {
class ComboBox;
class NumericEdit;
} // namespace regforge::model

namespace regforge::periph {

// How "Calculate from frequency/Period" stands for a register edit when its popup opens.
enum class FrequencyCalculator { Hidden, Disabled, Offered };

// The units of the calculator's frequency list while it counts samples, and the one it starts in.
struct SampleRates {
    std::int32_t clocksPerSample = 1;
    std::vector<std::string> units;
    int startUnit = 0;
};

// How the calculator starts for a register edit. It finds the register value that divides the
// input clock down to the wanted frequency: register = divisor - `registerOffset`.
struct CalculatorStart {
    std::int32_t registerOffset = 0;
    std::int64_t registerMax = 0;
    // The highest clock the result may give, in hertz; 0: no limit.
    std::int32_t clockLimit = 0;
    // The wanted frequency it starts from, as typed, in unit `frequencyUnit` of its list.
    std::string frequency;
    int frequencyUnit = 3;
    // The input clock in MHz.
    std::string inputClock;
    // Counting samples per second instead of hertz (A/D dividers).
    std::optional<SampleRates> samples;
    // A pair of dividers searched together (SSP prescale divisor and serial clock rate) in
    // place of one register, starting from the smallest pair.
    bool dividerPair = false;
};

// What the calculator found when the user applied it.
struct CalculatorAnswer {
    // The register value as the calculator shows it.
    std::string value;
    // The divider pair a pair search found.
    std::int32_t prescale = 0;
    std::int32_t rate = 0;
};

// What the numeric edits' popup offers for one register edit of a page. Pages declare one row
// per edit that carries the popup; the popup finds the row by the tag of the edit last entered.
// The row says how the calculator starts and what its answer does, so the popup knows no page.
struct EditPopupRow {
    model::NumericEdit* edit = nullptr;
    // "Insert decimal value" shown.
    bool decimalPrompt = true;
    // "Calculate from frequency/Period" as it stands now; empty means hidden.
    std::function<FrequencyCalculator()> frequencyCalculator;
    // Entering the edit makes it the edit the calculators fill.
    bool calculatorTarget = false;
    // "Calculate from frequency/Period": how the calculator starts, none when there is nothing
    // to start from now (no calculator then). Empty: the edit has none.
    std::function<std::optional<CalculatorStart>()> frequencyStart;
    // "Calculate from samples/sec" shown, and how that calculator starts.
    std::function<std::optional<CalculatorStart>()> sampleRateStart;
    // Writes an applied answer into the page's edits.
    std::function<void(const CalculatorAnswer&)> apply;

    // A counter or match register: the decimal prompt only.
    static EditPopupRow plainRegister(model::NumericEdit* edit) {
        EditPopupRow row;
        row.edit = edit;
        return row;
    }
};

// A timer or PWM prescaler: the calculator divides the unit clock by PR + 1 while the counter
// counts its clock (`mode` at 0), and its value goes into the prescaler.
EditPopupRow prescalerRow(model::NumericEdit* prescale, const model::ComboBox* mode,
                          std::function<const model::NumericEdit&()> unitClock);

// A timer's match register: the calculator divides the counter clock (the unit clock over
// PR + 1) into the wanted match rate, MR + 1 counts per match as when the match resets the
// counter, while the counter counts its clock (`mode` at 0); its value goes into the register.
EditPopupRow matchRow(model::NumericEdit* match, const model::ComboBox* mode,
                      std::function<CounterClock()> counterClock);

// The calculator for a register that divides the counter clock `counterHz`, started at that
// clock in the unit its figure shows; none while there is no finite clock.
std::optional<CalculatorStart> counterClockStart(std::optional<float> counterHz, std::int32_t registerOffset,
                                                 std::int64_t registerMax);

// The calculator for a divider of the unit clock `clockMhz` (the edit's text), started at that
// clock in MHz.
CalculatorStart dividerStart(const model::NumericEdit& clockMhz, std::int32_t registerOffset,
                             std::int64_t registerMax);
// The largest value a prescaler or match register of the edit's length holds.
std::int64_t registerMaxOf(const model::NumericEdit& edit);
// The answer as a whole number, when it is one.
std::optional<std::int64_t> answerValue(const CalculatorAnswer& answer);

} // namespace regforge::periph
