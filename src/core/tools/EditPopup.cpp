#include "tools/EditPopup.h"

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "periph/timer/TimerClock.h"
#include "tools/Calculator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace regforge::tools {

namespace {

constexpr std::string_view kPopupMenu = "IntegerInputPopup";
constexpr std::string_view kCalcFromFreqItem = "CalcFromFreqPopup";
constexpr std::string_view kInsertDecimalItem = "InsertIntegterPopup";
constexpr std::string_view kSamplesItem = "CalculateFromSamplesAD";

struct TagRange {
    int first;
    int last;
};

// Register edits carrying the popup, by tag.
constexpr std::array<TagRange, 20> kPopupTags = {{
    {350, 351},   {353, 356}, // Timer0 TC, PR, MR0..MR3
    {450, 451},   {453, 456}, // Timer1
    {550, 551},   {553, 556}, // Timer2
    {650, 651},   {653, 656}, // Timer3
    {750, 751},   {753, 759}, // PWM0 TC, PR, MR0..MR6
    {850, 851},   {853, 859}, // PWM1
    {230, 231},               // clkdiv0, clkdiv1
    {950, 950},               // SPI clock counter
    {1008, 1008},             // SSP0 SCR
    {1050, 1050},             // SSP0 CPSDVSR
    {1108, 1108},             // SSP1 SCR
    {1150, 1150},             // SSP1 CPSDVSR
    {1208, 1208},             // SSP2 SCR
    {1250, 1250},             // SSP2 CPSDVSR
}};

struct TaggedName {
    int tag;
    const char* name;
};

// Entering one of these edits makes it the calculators' target.
constexpr std::array<TaggedName, 17> kCalcTargets = {{
    {230, "clkdiv0"},
    {231, "clkdiv1"},
    {351, "T0PR"},
    {451, "T1PR"},
    {551, "T2PR"},
    {651, "T3PR"},
    {751, "PWM0PR"},
    {753, "PWM0MR0"},
    {851, "PWM1PR"},
    {853, "PWM1MR0"},
    {950, "SPIClockCounter_edit"},
    {1008, "SSP0SCR_edit"},
    {1050, "SSP0CPSDVSR_edit"},
    {1108, "SSP1SCR_edit"},
    {1150, "SSP1CPSDVSR_edit"},
    {1208, "SSP2SCR_edit"},
    {1250, "SSP2CPSDVSR_edit"},
}};

// The A/D clock dividers offer the sample-rate calculator instead of the decimal prompt.
constexpr std::array<int, 2> kSampleRateTags = {230, 231};

// Prescalers and the counter-mode combo of their unit: a unit counting external pulses has
// no clock to calculate from.
constexpr std::array<TaggedName, 6> kPrescalerModes = {{
    {351, "T0CTCR10"},
    {451, "T1CTCR10"},
    {551, "T2CTCR10"},
    {651, "T3CTCR10"},
    {751, "PWM0CTCR10"},
    {851, "PWM1CTCR10"},
}};

// A PWM unit's MR0 sets the PWM period while PWM mode is on.
struct PwmPeriodEdit {
    int tag;
    const char* pwmModeBox;
    const char* modeCombo;
};
constexpr std::array<PwmPeriodEdit, 2> kPwmPeriodEdits = {{
    {753, "PWM0TCR_EnPWM", "PWM0CTCR10"},
    {853, "PWM1TCR_EnPWM", "PWM1CTCR10"},
}};

// SPI and SSP clock edits only take calculated or typed values; no decimal prompt.
constexpr std::array<int, 7> kSerialClockTags = {950, 1008, 1050, 1108, 1150, 1208, 1250};

// The decimal prompt: 16-bit registers (four hexadecimal digits) and 32-bit ones.
constexpr std::string_view kPromptCaption = "Please insert the decimal number";
constexpr int kShortRegisterLength = 4;
constexpr int kLongRegisterLength = 8;
struct RegisterPrompt {
    std::string_view prompt;
    std::int64_t maximum;
    int digits;
};
constexpr RegisterPrompt kShortRegisterPrompt = {"0 to 65535", 65535, kShortRegisterLength};
constexpr RegisterPrompt kLongRegisterPrompt = {"0 to 4294967295", 4294967295, kLongRegisterLength};

// Rows of "Calculate from frequency/Period", chosen by the tag of the target edit. The
// PWM, A/D, SPI and SSP rows join this table with kinds of their own.
enum class CalcRowKind { TimerPrescaler };
struct CalcRow {
    int tag;
    CalcRowKind kind;
    int unit;
};
constexpr std::array<CalcRow, 4> kCalcRows = {{
    {351, CalcRowKind::TimerPrescaler, 0},
    {451, CalcRowKind::TimerPrescaler, 1},
    {551, CalcRowKind::TimerPrescaler, 2},
    {651, CalcRowKind::TimerPrescaler, 3},
}};

// Prescalers start the calculator in MHz.
constexpr int kMegahertzItem = 3;
constexpr std::int64_t kLongRegisterMax = 4294967295;
constexpr std::int64_t kShortRegisterMax = 65535;

template <class Table>
auto findTag(const Table& table, int tag) -> decltype(&table[0]) {
    const auto it =
        std::find_if(table.begin(), table.end(), [tag](const auto& row) { return row.tag == tag; });
    return it == table.end() ? nullptr : &*it;
}

template <std::size_t N>
bool contains(const std::array<int, N>& tags, int tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

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

EditPopup::EditPopup(periph::PageContext& context) : ctx_(context) {}

bool EditPopup::carriesPopup(const model::Control& control) {
    if (control.kind() != model::ControlKind::NumericEdit)
        return false;
    const int tag = control.tag();
    return std::any_of(kPopupTags.begin(), kPopupTags.end(),
                       [tag](const TagRange& r) { return tag >= r.first && tag <= r.last; });
}

void EditPopup::connectHandlers() {
    for (model::Control* control : ctx_.store.all()) {
        if (!carriesPopup(*control))
            continue;
        control->entered.connect(
            [this](model::Control& sender) { MivoEditEnter(static_cast<model::NumericEdit&>(sender)); });
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
}

void EditPopup::MivoEditEnter(model::NumericEdit& sender) {
    ctx_.edit.activeEditTag = sender.tag();
    ctx_.edit.activeEditMaxLength = sender.maxLength();
    if (const TaggedName* target = findTag(kCalcTargets, sender.tag())) {
        if (auto* edit = dynamic_cast<model::NumericEdit*>(ctx_.store.find(target->name)))
            ctx_.edit.calcTargetEdit = edit;
    }
}

bool EditPopup::comboCountsPulses(const char* comboName) const {
    const auto* combo = dynamic_cast<const model::ComboBox*>(ctx_.store.find(comboName));
    return combo != nullptr && combo->itemIndex() >= 1;
}

void EditPopup::IntegerInputPopupPopup() {
    auto& calculate = ctx_.store.get<model::MenuItem>(kCalcFromFreqItem);
    auto& insert = ctx_.store.get<model::MenuItem>(kInsertDecimalItem);
    auto& samples = ctx_.store.get<model::MenuItem>(kSamplesItem);
    calculate.setVisible(true);
    calculate.setEnabled(true);
    insert.setVisible(true);
    samples.setVisible(false);

    const int tag = ctx_.edit.activeEditTag;
    if (contains(kSampleRateTags, tag)) {
        insert.setVisible(false);
        samples.setVisible(true);
    } else if (const TaggedName* prescaler = findTag(kPrescalerModes, tag)) {
        if (comboCountsPulses(prescaler->name))
            calculate.setEnabled(false);
    } else if (const PwmPeriodEdit* period = findTag(kPwmPeriodEdits, tag)) {
        const auto* pwmMode = dynamic_cast<const model::CheckBox*>(ctx_.store.find(period->pwmModeBox));
        if (pwmMode != nullptr && pwmMode->checked()) {
            if (comboCountsPulses(period->modeCombo))
                calculate.setEnabled(false);
        } else {
            calculate.setVisible(false);
        }
    } else if (contains(kSerialClockTags, tag)) {
        insert.setVisible(false);
    } else {
        calculate.setVisible(false);
    }
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
    }
    edit->setText(hexDigits(static_cast<std::uint64_t>(*value), range.digits));
}

void EditPopup::CalcFromFreqPopupClick() {
    model::NumericEdit* target = ctx_.edit.calcTargetEdit;
    if (target == nullptr)
        return;
    const CalcRow* row = findTag(kCalcRows, target->tag());
    if (row == nullptr)
        return;

    // A fresh calculator each time: nothing of a previous run carries over.
    Calculator calculator;
    switch (row->kind) {
    case CalcRowKind::TimerPrescaler:
        prepareTimerPrescaler(calculator, *target, row->unit);
        break;
    }
    calculator.FormShow();
    if (!ctx_.ui.runCalculator(calculator))
        return;
    switch (row->kind) {
    case CalcRowKind::TimerPrescaler:
        applyPrescaler(calculator, *target);
        break;
    }
}

void EditPopup::prepareTimerPrescaler(Calculator& calculator, const model::NumericEdit& target, int timer) {
    calculator.setRegisterOffset(1);
    calculator.setRegisterMax(target.maxLength() == kLongRegisterLength ? kLongRegisterMax
                                                                        : kShortRegisterMax);
    const std::string clock = periph::timer::timerClockEdit(ctx_.store, ctx_.device, timer).text();
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

} // namespace regforge::tools
