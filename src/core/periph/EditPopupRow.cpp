#include "periph/EditPopupRow.h"

#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"
#include "model/ValueFormat.h"

#include <cmath>
#include <utility>

namespace regforge::periph {

namespace {
// Prescalers and dividers start the calculator in MHz.
constexpr int kMegahertzItem = 3;
constexpr int kLongRegisterLength = 8;
constexpr std::int64_t kLongRegisterMax = 4294967295;
constexpr std::int64_t kShortRegisterMax = 65535;
} // namespace

CalculatorStart dividerStart(const model::NumericEdit& clockMhz, std::int32_t registerOffset,
                             std::int64_t registerMax) {
    CalculatorStart start;
    start.registerOffset = registerOffset;
    start.registerMax = registerMax;
    start.frequency = clockMhz.text();
    start.frequencyUnit = kMegahertzItem;
    start.inputClock = clockMhz.text();
    return start;
}

EditPopupRow prescalerRow(model::NumericEdit* prescale, const model::ComboBox* mode,
                          std::function<const model::NumericEdit&()> unitClock) {
    auto row = EditPopupRow::plainRegister(prescale);
    row.frequencyCalculator = [mode] {
        // A counter counting external pulses has no clock to calculate from.
        return mode->itemIndex() >= 1 ? FrequencyCalculator::Disabled : FrequencyCalculator::Offered;
    };
    row.calculatorTarget = true;
    row.frequencyStart = [prescale, clock = std::move(unitClock)] {
        return std::optional<CalculatorStart>(dividerStart(clock(), 1, registerMaxOf(*prescale)));
    };
    row.apply = [prescale](const CalculatorAnswer& answer) {
        // A value that is no number sets zero; a negative one leaves the register alone.
        const std::int64_t value = answerValue(answer).value_or(0);
        if (value >= 0)
            prescale->setValueFromInt64(value);
    };
    return row;
}

EditPopupRow matchRow(model::NumericEdit* match, const model::ComboBox* mode,
                      std::function<CounterClock()> counterClock) {
    auto row = EditPopupRow::plainRegister(match);
    row.frequencyCalculator = [mode] {
        return mode->itemIndex() >= 1 ? FrequencyCalculator::Disabled : FrequencyCalculator::Offered;
    };
    row.calculatorTarget = true;
    row.frequencyStart = [match, clock = std::move(counterClock)] {
        return counterClockStart(clock().hz, 1, registerMaxOf(*match));
    };
    row.apply = [match](const CalculatorAnswer& answer) {
        // A value that is no number or negative leaves the register alone.
        const std::int64_t value = answerValue(answer).value_or(-1);
        if (value >= 0)
            match->setValueFromInt64(value);
    };
    return row;
}

std::optional<CalculatorStart> counterClockStart(std::optional<float> counterHz, std::int32_t registerOffset,
                                                 std::int64_t registerMax) {
    if (!counterHz || !std::isfinite(static_cast<double>(*counterHz)))
        return std::nullopt;
    const model::ScaledFrequency figure = model::scaleFrequency(4, *counterHz);
    CalculatorStart start;
    start.registerOffset = registerOffset;
    start.registerMax = registerMax;
    start.frequency = figure.number;
    start.frequencyUnit = figure.thousands + 1;
    // The input clock in MHz, whatever unit the figure had.
    const double mhz =
        model::parseFloat(figure.number).value_or(0.0) / std::pow(1000.0, 2 - figure.thousands);
    start.inputClock = model::formatGeneral(mhz);
    return start;
}

std::int64_t registerMaxOf(const model::NumericEdit& edit) {
    return edit.maxLength() == kLongRegisterLength ? kLongRegisterMax : kShortRegisterMax;
}

std::optional<std::int64_t> answerValue(const CalculatorAnswer& answer) {
    return model::parseDecimal(answer.value);
}

} // namespace regforge::periph
