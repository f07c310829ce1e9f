#include "tools/EditPopup.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "tools/Calculator.h"

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

// A pair search starts from the smallest SSP prescale divisor.
constexpr std::int32_t kFirstPrescaleDivisor = 8;

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
        insertDecimalValueClick();
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
    samples.setVisible(row != nullptr && row->sampleRateStart);
}

void EditPopup::insertDecimalValueClick() {
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
    if (const periph::EditPopupRow* row = targetRow(); row != nullptr && row->frequencyStart)
        runCalculator(*row, row->frequencyStart());
}

void EditPopup::CalculateFromSamplesADClick() {
    if (const periph::EditPopupRow* row = targetRow(); row != nullptr && row->sampleRateStart)
        runCalculator(*row, row->sampleRateStart());
}

const periph::EditPopupRow* EditPopup::targetRow() const {
    model::NumericEdit* target = ctx_.edit.calcTargetEdit;
    if (target == nullptr)
        return nullptr;
    const periph::EditPopupRow* row = rowFor(target->tag());
    return row != nullptr && row->edit == target ? row : nullptr;
}

void EditPopup::runCalculator(const periph::EditPopupRow& row,
                              const std::optional<periph::CalculatorStart>& start) {
    // Nothing to start from (a counter counting edges): no calculator.
    if (!start)
        return;
    // A fresh calculator each time: nothing of a previous run carries over.
    Calculator calculator;
    prepare(calculator, *start);
    calculator.FormShow();
    // Without a wanted frequency the calculator has no result: nothing to apply.
    if (!ctx_.ui.runCalculator(calculator) || !calculator.hasResult() || !row.apply)
        return;
    row.apply({calculator.resultText(), calculator.foundCpsdvsr(), calculator.foundScr()});
}

void EditPopup::prepare(Calculator& calculator, const periph::CalculatorStart& start) {
    calculator.setRegisterOffset(start.registerOffset);
    calculator.setRegisterMax(start.registerMax);
    calculator.setClockLimit(start.clockLimit);
    if (start.samples)
        calculator.showSampleRates(start.samples->clocksPerSample, start.samples->units,
                                   start.samples->startUnit);
    else
        calculator.frequencyCombo().setItemIndex(start.frequencyUnit);
    // The start value goes in while the input clock reads the same; the input clock follows.
    calculator.pclockEdit().setText(start.frequency);
    calculator.frequencyEdit().setText(start.frequency);
    calculator.pclockEdit().setText(start.inputClock);
    if (start.dividerPair) {
        calculator.setSspSearch(true);
        calculator.setFoundCpsdvsr(kFirstPrescaleDivisor);
        calculator.setFoundScr(0);
    }
}

} // namespace regforge::tools
