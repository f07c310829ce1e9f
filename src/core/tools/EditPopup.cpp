#include "tools/EditPopup.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "tools/Calculator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::tools {

namespace {

constexpr std::string_view kPopupMenu = "IntegerInputPopup";
constexpr std::string_view kCalcFromFreqItem = "CalcFromFreqPopup";
constexpr std::string_view kInsertDecimalItem = "InsertIntegterPopup";
constexpr std::string_view kSamplesItem = "CalculateFromSamplesAD";

// The decimal prompt: 16-bit registers (four hexadecimal digits) and 32-bit ones.
constexpr std::string_view kPromptCaption = "Please insert the decimal number";
constexpr int kShortRegisterLength = 4;
constexpr int kLongRegisterLength = 8;
struct RegisterPrompt {
    std::string_view prompt;
    std::int64_t maximum;
    int digits;
    // Why an answer was refused, before the prompt asks again.
    std::string_view refusal;
};
constexpr std::string_view kRefusalCaption = "Insert decimal value";
constexpr RegisterPrompt kShortRegisterPrompt = {"0 to 65535", 65535, kShortRegisterLength,
                                                 "Please enter a whole number from 0 to 65535."};
constexpr RegisterPrompt kLongRegisterPrompt = {"0 to 4294967295", 4294967295, kLongRegisterLength,
                                                "Please enter a whole number from 0 to 4294967295."};

// Prescalers start the calculator in MHz.
constexpr int kMegahertzItem = 3;
constexpr std::int64_t kLongRegisterMax = 4294967295;
constexpr std::int64_t kShortRegisterMax = 65535;
// The SPI clock counter and the SSP prescale divisor: even, from 8 to 254.
constexpr std::int64_t kSerialDividerMin = 8;
constexpr std::int64_t kSerialDividerMax = 254;
// Offsets of an SSP port's prescale divisor and serial clock rate edits within its tags.
constexpr int kSspPrescaleOffset = 50;
constexpr int kSspRateOffset = 8;

// The PWM counter-clock figure and the units it ends in, by the calculator's unit index 1..3.
constexpr std::string_view kCounterClockPrefix = "Counter clk: ";
constexpr std::array<std::string_view, 3> kFrequencyUnits = {" Hz", "KHz", "MHz"};
// The A/D clock divider CLKDIV is eight bits wide.
constexpr std::int64_t kAdcDividerMax = 255;
// The sample-rate calculator counts samples instead of hertz and starts in thousands.
const std::vector<std::string> kSampleRateUnits = {"msample/sec", "sample/sec", "Ksample/sec", "MSample/sec"};
constexpr int kThousandSamplesItem = 2;
constexpr int kRateDecimals = 4;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string hexDigits(std::uint64_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto i = text.size(); i-- > 0 && value != 0; value >>= 4)
        text[i] = kDigits[value & 0xF];
    return text;
}

} // namespace

EditPopup::EditPopup(periph::PageContext& context, const std::vector<std::unique_ptr<periph::Page>>& pages)
    : ctx_(context), pages_(pages) {}

const periph::EditPopupRow* EditPopup::rowFor(int tag) const {
    const auto it = rows_.find(tag);
    return it == rows_.end() ? nullptr : it->second;
}

bool EditPopup::carriesPopup(const model::Control& control) const {
    const periph::EditPopupRow* row = rowFor(control.tag());
    return row != nullptr && row->edit == &control;
}

void EditPopup::connectHandlers() {
    for (const auto& page : pages_) {
        for (const periph::EditPopupRow& row : page->editPopupRows()) {
            rows_.emplace(row.edit->tag(), &row);
            row.edit->entered.connect(
                [this](model::Control& sender) { MivoEditEnter(static_cast<model::NumericEdit&>(sender)); });
        }
    }
    ctx_.store.get<model::Control>(kPopupMenu).clicked.connect([this](model::Control&) {
        IntegerInputPopupPopup();
    });
    ctx_.store.get<model::MenuItem>(kCalcFromFreqItem).clicked.connect([this](model::Control&) {
        CalcFromFreqPopupClick();
    });
    ctx_.store.get<model::MenuItem>(kInsertDecimalItem).clicked.connect([this](model::Control&) {
        InsertIntegterPopupClick();
    });
    ctx_.store.get<model::MenuItem>(kSamplesItem).clicked.connect([this](model::Control&) {
        CalculateFromSamplesADClick();
    });
}

void EditPopup::MivoEditEnter(model::NumericEdit& sender) {
    ctx_.edit.activeEditTag = sender.tag();
    ctx_.edit.activeEditMaxLength = sender.maxLength();
    if (const periph::EditPopupRow* row = rowFor(sender.tag()); row != nullptr && row->calculatorTarget)
        ctx_.edit.calcTargetEdit = row->edit;
}

void EditPopup::IntegerInputPopupPopup() {
    auto& calculate = ctx_.store.get<model::MenuItem>(kCalcFromFreqItem);
    auto& insert = ctx_.store.get<model::MenuItem>(kInsertDecimalItem);
    auto& samples = ctx_.store.get<model::MenuItem>(kSamplesItem);
    const periph::EditPopupRow* row = rowFor(ctx_.edit.activeEditTag);
    const auto offer = row != nullptr && row->frequencyCalculator ? row->frequencyCalculator()
                                                                  : periph::FrequencyCalculator::Hidden;
    calculate.setVisible(offer != periph::FrequencyCalculator::Hidden);
    calculate.setEnabled(offer != periph::FrequencyCalculator::Disabled);
    insert.setVisible(row == nullptr || row->decimalPrompt);
    samples.setVisible(row != nullptr && row->sampleRate);
}

void EditPopup::InsertIntegterPopupClick() {
    // Only a register edit takes the number; a tag that leads elsewhere (nothing entered yet
    // leaves tag 0, which the form itself carries) asks nothing.
    auto* edit = dynamic_cast<model::NumericEdit*>(ctx_.store.firstWithTag(ctx_.edit.activeEditTag));
    if (edit == nullptr)
        return;
    const RegisterPrompt& range =
        ctx_.edit.activeEditMaxLength == kShortRegisterLength ? kShortRegisterPrompt : kLongRegisterPrompt;
    // A cancelled box answers its default "0", so cancelling clears the register.
    std::optional<std::int64_t> value;
    while (!value) {
        const std::string answer =
            ctx_.ui.inputBox(std::string(kPromptCaption), std::string(range.prompt), "0");
        value = model::parseDecimal(trimmed(answer));
        if (value && (*value < 0 || *value > range.maximum))
            value.reset();
        // The register keeps its value; the user learns why the question comes back.
        if (!value)
            ctx_.ui.message(std::string(kRefusalCaption), std::string(range.refusal), ui::Icon::Warning,
                            ui::Buttons::Ok);
    }
    edit->setText(hexDigits(static_cast<std::uint64_t>(*value), range.digits));
}

void EditPopup::CalcFromFreqPopupClick() {
    model::NumericEdit* target = ctx_.edit.calcTargetEdit;
    if (target == nullptr)
        return;
    const periph::EditPopupRow* row = rowFor(target->tag());
    if (row == nullptr || row->edit != target || row->calculator == periph::CalculatorRow::None)
        return;

    // A fresh calculator each time: nothing of a previous run carries over.
    Calculator calculator;
    switch (row->calculator) {
    case periph::CalculatorRow::Prescaler:
        preparePrescaler(calculator, *row);
        break;
    case periph::CalculatorRow::PwmPeriod:
        if (!preparePwmPeriod(calculator, *row))
            return;
        break;
    case periph::CalculatorRow::AdcDivider:
        prepareAdcDivider(calculator, *row);
        break;
    case periph::CalculatorRow::SpiCounter:
        prepareSpiCounter(calculator, *row);
        break;
    case periph::CalculatorRow::SspPair:
        prepareSspPair(calculator, *row);
        break;
    case periph::CalculatorRow::None:
        return;
    }
    calculator.FormShow();
    // Without a wanted frequency the calculator has no result: nothing to apply.
    if (!ctx_.ui.runCalculator(calculator) || !calculator.hasResult())
        return;
    switch (row->calculator) {
    case periph::CalculatorRow::Prescaler:
        applyPrescaler(calculator, *target);
        break;
    case periph::CalculatorRow::PwmPeriod:
        applyPwmPeriod(calculator, *target);
        break;
    case periph::CalculatorRow::AdcDivider:
        applyDecimalResult(calculator, *target);
        break;
    case periph::CalculatorRow::SpiCounter:
        applySpiCounter(calculator, *target);
        break;
    case periph::CalculatorRow::SspPair:
        applySspPair(calculator, *target);
        break;
    case periph::CalculatorRow::None:
        break;
    }
}

void EditPopup::preparePrescaler(Calculator& calculator, const periph::EditPopupRow& row) {
    calculator.setRegisterOffset(1);
    calculator.setRegisterMax(row.edit->maxLength() == kLongRegisterLength ? kLongRegisterMax
                                                                           : kShortRegisterMax);
    const std::string clock = row.unitClock ? row.unitClock().text() : std::string();
    calculator.pclockEdit().setText(clock);
    calculator.frequencyCombo().setItemIndex(kMegahertzItem);
    calculator.frequencyEdit().setText(clock);
}

void EditPopup::applyPrescaler(const Calculator& calculator, model::NumericEdit& target) {
    // A result that is no number sets zero; a negative one leaves the register alone.
    const std::int64_t result = model::parseDecimal(calculator.resultText()).value_or(0);
    if (result >= 0)
        target.setValueFromInt64(result);
}

bool EditPopup::preparePwmPeriod(Calculator& calculator, const periph::EditPopupRow& row) {
    // The counter-clock figure reads "Counter clk: " + number + " MHz" (" KHz", " Hz"); its
    // unit starts the calculator in the same unit. Counter mode shows no frequency there.
    const std::string figure = row.counterClock ? row.counterClock() : std::string();
    std::string_view text = figure;
    if (!text.starts_with(kCounterClockPrefix) || text.size() < kCounterClockPrefix.size() + 3)
        return false;
    const std::string_view unit = text.substr(text.size() - 3);
    const auto known = std::find(kFrequencyUnits.begin(), kFrequencyUnits.end(), unit);
    if (known == kFrequencyUnits.end())
        return false;
    const int unitIndex = static_cast<int>(known - kFrequencyUnits.begin()) + 1;
    text.remove_prefix(kCounterClockPrefix.size());
    text.remove_suffix(3);
    const std::string number(trimmed(text));

    calculator.setRegisterOffset(0);
    calculator.setRegisterMax(row.edit->maxLength() == kLongRegisterLength ? kLongRegisterMax
                                                                           : kShortRegisterMax);
    calculator.pclockEdit().setText(number);
    calculator.frequencyCombo().setItemIndex(unitIndex);
    calculator.frequencyEdit().setText(number);
    // The input clock in MHz, whatever unit the figure had.
    const double mhz = calculator.frequencyEdit().valueAsFloat() / std::pow(1000.0, 3 - unitIndex);
    calculator.pclockEdit().setText(model::formatGeneral(mhz));
    return true;
}

void EditPopup::applyPwmPeriod(const Calculator& calculator, model::NumericEdit& target) {
    // MR0 is the period: a result of zero (or no number) leaves it alone.
    const std::int64_t result = model::parseDecimal(calculator.resultText()).value_or(0);
    if (result > 0)
        target.setValueFromInt64(result);
}

void EditPopup::CalculateFromSamplesADClick() {
    model::NumericEdit* target = ctx_.edit.calcTargetEdit;
    if (target == nullptr)
        return;
    const periph::EditPopupRow* row = rowFor(target->tag());
    if (row == nullptr || row->edit != target || !row->sampleRate || !row->conversionClocks)
        return;
    Calculator calculator;
    prepareSampleRate(calculator, *row);
    calculator.FormShow();
    if (ctx_.ui.runCalculator(calculator) && calculator.hasResult())
        applyDecimalResult(calculator, *target);
}

void EditPopup::prepareAdcDivider(Calculator& calculator, const periph::EditPopupRow& row) const {
    calculator.setRegisterOffset(1);
    calculator.setRegisterMax(kAdcDividerMax);
    calculator.setClockLimit(static_cast<std::int32_t>(ctx_.device.adcMaxClock));
    const std::string clock = row.unitClock ? row.unitClock().text() : std::string();
    calculator.pclockEdit().setText(clock);
    calculator.frequencyCombo().setItemIndex(kMegahertzItem);
    calculator.frequencyEdit().setText(clock);
}

void EditPopup::prepareSampleRate(Calculator& calculator, const periph::EditPopupRow& row) const {
    // The page never offers fewer than one clock per conversion; the guard keeps the rate finite.
    const int clocks = std::max(row.conversionClocks(), 1);
    calculator.setClocksPerSample(clocks);
    calculator.setClockLimit(static_cast<std::int32_t>(ctx_.device.adcMaxClock));
    calculator.store().get<model::Control>("Label1").setCaption("ADC rate");
    calculator.store().get<model::Control>("Label3").setCaption("Calculated ADC rate:");
    calculator.store().get<model::Control>("Label5").setVisible(true);
    calculator.adcFrequencyLabel().setVisible(true);
    {
        model::MuteGuard quiet(calculator.frequencyCombo());
        calculator.frequencyCombo().setItems(kSampleRateUnits);
        calculator.frequencyCombo().setItemIndex(kThousandSamplesItem);
    }
    calculator.setRegisterOffset(1);
    calculator.setRegisterMax(kAdcDividerMax);

    // The fastest rate (one sample every `clocks` peripheral clocks) is the start value, in
    // thousands of samples. The input clock then becomes the conversion rate in MHz, so the
    // calculator's divider is the CLKDIV that gives the wanted rate.
    const double peripheralMhz = row.unitClock ? row.unitClock().valueAsFloat() : 0.0;
    const double fastest = peripheralMhz / clocks * 1000000.0;
    const std::string start = model::formatGeneral(model::roundToDecimals(fastest / 1000.0, kRateDecimals));
    calculator.pclockEdit().setText(start);
    calculator.frequencyEdit().setText(start);
    calculator.pclockEdit().setText(model::formatGeneral(peripheralMhz / clocks));
}

void EditPopup::applyDecimalResult(const Calculator& calculator, model::NumericEdit& target) {
    // The divider takes the result as shown; a negative one leaves it alone.
    if (model::parseDecimal(calculator.resultText()).value_or(0) >= 0)
        target.setText(calculator.resultText());
}

void EditPopup::prepareSpiCounter(Calculator& calculator, const periph::EditPopupRow& row) {
    // The counter divides the clock by its own value: no subtract-one.
    calculator.setRegisterOffset(0);
    calculator.setRegisterMax(kSerialDividerMax);
    const std::string clock = row.unitClock ? row.unitClock().text() : std::string();
    calculator.pclockEdit().setText(clock);
    calculator.frequencyCombo().setItemIndex(kMegahertzItem);
    calculator.frequencyEdit().setText(clock);
}

void EditPopup::applySpiCounter(const Calculator& calculator, model::NumericEdit& target) {
    // The calculator's text goes in as it stands (the edit keeps it within 8..254); a
    // negative result leaves the counter alone.
    const std::string& result = calculator.resultText();
    const auto value = model::parseDecimal(result);
    if (value.value_or(0) >= 0 && value.value_or(kSerialDividerMin) >= 0)
        target.setText(result);
}

void EditPopup::prepareSspPair(Calculator& calculator, const periph::EditPopupRow& row) {
    prepareSpiCounter(calculator, row);
    calculator.setSspSearch(true);
    calculator.setFoundCpsdvsr(kSerialDividerMin);
    calculator.setFoundScr(0);
}

void EditPopup::applySspPair(const Calculator& calculator, const model::NumericEdit& target) {
    // Both edits of the target's port, found by tag: CPSDVSR at base + 50, SCR at base + 8.
    const int base = target.tag() - target.tag() % 100;
    auto* prescale = dynamic_cast<model::NumericEdit*>(ctx_.store.firstWithTag(base + kSspPrescaleOffset));
    auto* rate = dynamic_cast<model::NumericEdit*>(ctx_.store.firstWithTag(base + kSspRateOffset));
    if (prescale != nullptr)
        prescale->setValueFromInt64(calculator.foundCpsdvsr());
    if (rate != nullptr)
        rate->setValueFromInt64(calculator.foundScr());
}

} // namespace regforge::tools
