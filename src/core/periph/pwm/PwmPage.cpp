#include "periph/pwm/PwmPage.h"

#include "model/NumberText.h"
#include "model/ValueFormat.h"
#include "periph/MatchFigures.h"
#include "periph/pwm/PwmGenerator.h"
#include "periph/pwm/PwmSections.h"
#include "profile/ProfileSections.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace regforge::periph::pwm {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

constexpr const char* kFrequencyFigure = "PWM frequency: ";

// The edge colours of MR1..MR6: a match beyond MR0 never comes within the PWM period.
constexpr model::Colour kMatchBeyondPeriod = model::kRed;
constexpr model::Colour kMatchWithinPeriod = model::kDefaultColour; // the edit's own white

// Hint texts of the register controls; "u" is the unit digit.
std::string matchBoxHint(const std::string& u, int bit) {
    const std::string m = std::to_string(bit / 3);
    const std::string reg = "PWM" + u + "MR" + m;
    switch (bit % 3) {
    case 0:
        return reg + "I, 1= interrupt on MR" + m + " match, 0= interrupt disabled";
    case 1:
        return reg + "R, 1= reset TC on MR" + m + " match, 0= reset disabled";
    default:
        return reg + "S, 1= stop  (TC && PC)  on MR" + m + " match && disable timer, 0= stop disabled";
    }
}

std::string captureBoxHint(const std::string& u, int bit) {
    const std::string c = std::to_string(bit / 3);
    const std::string reg = "PWM" + u + "CAP" + c;
    const std::string input = "PCAP" + u + "." + c;
    switch (bit % 3) {
    case 0:
        return reg + "RE, 1= load CR" + c + " with TC on a rising edge of " + input + ", 0= disabled";
    case 1:
        return reg + "FE, 1= load CR" + c + " with TC on a falling edge of " + input + ", 0= disabled";
    default:
        return reg + "I, 1= interrupt when " + input + " loads CR" + c + ", 0= interrupt disabled";
    }
}

} // namespace

PwmPage::PwmPage(PageContext& context) : Page(context) {
    auto& s = store();
    auto* page = s.find(kTab.name);
    showPwm0_ = &s.add<model::RadioButton>(kShowPwm0Name, page);
    showPwm0_->setCaption("PWM0");
    showPwm0_->setTag(kShowPwm0Tag);
    showPwm0_->setChecked(true);
    showPwm1_ = &s.add<model::RadioButton>(kShowPwm1Name, page);
    showPwm1_->setCaption("PWM1");
    showPwm1_->setTag(kShowPwm1Tag);
    declareUnit(0, page);
    pwm1Panel_ = &s.addPlain(ControlKind::Panel, kPwm1PanelName, page);
    pwm1Panel_->setVisible(false);
    declareUnit(1, pwm1Panel_);

    showPwm0_->changed.connect([this](Control&) { showUnitClick(0); });
    showPwm1_->changed.connect([this](Control&) { showUnitClick(1); });
    for (int u = 0; u < kPwmCount; ++u) {
        connectUnit(u);
        addPopupRows(u);
        outputLabelRefresh(u);
    }
}

void PwmPage::declareUnit(int unit, Control* parent) {
    auto& s = store();
    auto& pu = units_[static_cast<std::size_t>(unit)];
    const std::string u = std::to_string(unit);

    pu.enableBox = &s.add<CheckBox>(enableBoxName(unit), parent);
    pu.enableBox->setCaption("PWM" + u);
    // Both units' enable boxes carry PWM0's tag; the boxes are told apart by name.
    pu.enableBox->setTag(tagBase(0) + kEnableBoxOffset);
    pu.groupBox = &s.addPlain(ControlKind::GroupBox, groupBoxName(unit), parent);
    pu.groupBox->setEnabled(false);

    declareRegisterEdits(pu, unit);
    declareModeCombos(pu, unit);
    declareBoxes(pu, unit);
    declareOutputs(pu, unit);
    pu.clockLabel = &s.addPlain(ControlKind::Label, clockLabelName(unit), pu.groupBox, "Counter clk:");
    pu.tickLabel = &s.addPlain(ControlKind::Label, tickLabelName(unit), pu.groupBox, "Counts every:");
    pu.frequencyLabel =
        &s.addPlain(ControlKind::Label, frequencyLabelName(unit), pu.groupBox, "PWM frequency :");
    pu.hintLabel = &s.addPlain(ControlKind::Label, hintLabelName(unit), pu.groupBox);
    pu.pulseFiguresLabel = &s.addPlain(ControlKind::Label, pulseFiguresLabelName(unit), pu.groupBox);
    pu.pulseFiguresLabel->setVisible(false);
    pu.clock = addClockPanel(
        pu.groupBox,
        {clockPanelName(unit), clockDividerName(unit), clockEditName(unit), "PWM" + std::to_string(unit)},
        ClockGroup::CounterUnit, [this, unit] { PWMPRChange(unit); });

    const auto index = static_cast<std::size_t>(unit);
    for (int c = 0; c < kCaptureCount; ++c)
        pu.captureRowLabels[static_cast<std::size_t>(c)] =
            &s.addPlain(ControlKind::Label, kCaptureRowLabels[index][static_cast<std::size_t>(c)],
                        pu.groupBox, "CCR" + u + "." + std::to_string(c) + ":");

    pu.coverPanel = &s.addPlain(ControlKind::Panel, coverPanelName(unit), parent,
                                "PWM" + u + " is disabled or not available");
}

void PwmPage::declareRegisterEdits(PwmUnit& pu, int unit) {
    const std::string u = std::to_string(unit);
    const auto hexEdit = [&](const std::string& name, int offset, std::string hint) {
        return addRegisterEdit(pu, name, tagBase(unit) + offset, std::move(hint));
    };
    pu.counter = hexEdit(counterEditName(unit), kCounterOffset,
                         "PWM" + u + "TC, timer counter: counts once every PR+1 clocks");
    pu.prescale =
        hexEdit(prescaleEditName(unit), kPrescaleOffset,
                "PWM" + u + "PR, prescaler: TC counts once every PR+1 clocks. Right click to set freq.");
    pu.matchRegisters[0] = hexEdit(matchEditName(unit, 0), kMatchRegisterOffset,
                                   "PWM" + u +
                                       "MR0, match register 0: the PWM period in PWM mode. Right "
                                       "click to set freq.");
    for (int m = 1; m < kMatchCount; ++m) {
        const std::string n = std::to_string(m);
        pu.matchRegisters[static_cast<std::size_t>(m)] =
            hexEdit(matchEditName(unit, m), kMatchRegisterOffset + m,
                    "PWM" + u + "MR" + n + ", match register " + n + ": compared with TC on every count");
    }
}

void PwmPage::declareModeCombos(PwmUnit& pu, int unit) {
    auto& s = store();
    const std::string u = std::to_string(unit);
    const int base = tagBase(unit);
    pu.mode = &s.add<ComboBox>(modeComboName(unit), pu.groupBox);
    pu.mode->setItems({std::begin(kCountModeItems), std::end(kCountModeItems)});
    pu.mode->setItemIndex(0);
    pu.mode->setTag(base + kModeOffset);
    pu.mode->setHint("PWM" + u +
                     "CTCR[1:0], timer mode counts the clock, counter modes count the selected PCAP input");
    pu.hinted.push_back(pu.mode);
    pu.countInput = &s.add<ComboBox>(countInputComboName(unit), pu.groupBox);
    pu.countInput->setItems({"PCAP " + u + ".0", "PCAP " + u + ".1"});
    pu.countInput->setItemIndex(0);
    pu.countInput->setEnabled(false);
    pu.countInput->setTag(base + kCountInputOffset);
    pu.countInput->setHint("PWM" + u + "CTCR[3:2], the capture input counted in counter mode");
    pu.hinted.push_back(pu.countInput);
}

void PwmPage::declareBoxes(PwmUnit& pu, int unit) {
    const std::string u = std::to_string(unit);
    const auto index = static_cast<std::size_t>(unit);
    const auto box = [&](const std::string& name, std::string caption, int offset, std::string hint) {
        return addRegisterBox(pu, name, std::move(caption), tagBase(unit) + offset, std::move(hint));
    };
    for (int bit = 0; bit < 3 * kMatchCount; ++bit) {
        const auto at = static_cast<std::size_t>(bit);
        pu.matchControlBoxes[at] = box(kMatchControlBoxes[index][at], std::to_string(bit),
                                       kMatchControlOffset + bit / 3, matchBoxHint(u, bit));
    }
    for (int bit = 0; bit < 3 * kCaptureCount; ++bit) {
        const auto at = static_cast<std::size_t>(bit);
        pu.captureControlBoxes[at] = box(kCaptureControlBoxes[index][at], std::to_string(bit),
                                         kCaptureControlOffset + bit / 3, captureBoxHint(u, bit));
    }
    pu.counterEnable = box(counterEnableName(unit), "TCR[0]", kCounterEnableOffset,
                           "PWM" + u + "TCR[0] Counter Enable, 1= TC and PC count, 0= counters stopped");
    pu.counterReset =
        box(counterResetName(unit), "TCR[1]", kCounterResetOffset,
            "PWM" + u + "TCR[1] Counter Reset, 1= TC and PC held at zero until the bit is cleared");
    pu.pwmMode = box(pwmModeName(unit), "TCR[3]", kPwmModeOffset,
                     "PWM" + u + "TCR[3] PWM Enable, 1= PWM mode: match registers take new values at " +
                         "the period's end, 0= timer mode");
}

void PwmPage::declareOutputs(PwmUnit& pu, int unit) {
    auto& s = store();
    const std::string u = std::to_string(unit);
    const auto box = [&](const std::string& name, int bit, int offset, std::string hint) {
        CheckBox* b = addRegisterBox(pu, name, std::to_string(bit), tagBase(unit) + offset, std::move(hint));
        b->setEnabled(false);
        return b;
    };
    for (int n = 2; n <= kOutputCount; ++n) {
        const std::string k = std::to_string(n);
        pu.doubleEdgeBoxes[static_cast<std::size_t>(n - 1)] =
            box(doubleEdgeBoxName(unit, n), doubleEdgeBit(n), kDoubleEdgeOffset + n,
                "PWM" + u + "PCR[" + k + "] PWMSEL" + k + ", 1= PWM" + k + " double edge (set by MR" +
                    std::to_string(n - 1) + ", reset by MR" + k + "), 0= single edge");
    }
    for (int n = 1; n <= kOutputCount; ++n) {
        const std::string k = std::to_string(n);
        pu.outputEnableBoxes[static_cast<std::size_t>(n - 1)] =
            box(outputEnableBoxName(unit, n), outputEnableBit(n), kOutputEnableOffset + n,
                "PWM" + u + "PCR[" + std::to_string(outputEnableBit(n)) + "] PWMENA" + k + ", 1= PWM" + k +
                    " output enabled, 0= output disabled");
    }
    for (int n = 1; n <= kOutputCount; ++n)
        pu.outputLabels[static_cast<std::size_t>(n - 1)] =
            &s.addPlain(ControlKind::Label, outputLabelName(unit, n), pu.groupBox);
}

void PwmPage::connectUnit(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    connectUnitSwitch(pu);
    pu.prescale->changed.connect([this, unit](Control&) { PWMPRChange(unit); });
    pu.matchRegisters[0]->changed.connect([this, unit](Control&) { PWMPRChange(unit); });
    for (int m = 1; m < kMatchCount; ++m)
        pu.matchRegisters[static_cast<std::size_t>(m)]->changed.connect(
            [this, unit, m](Control&) { PWMMRChange(unit, m); });
    pu.mode->changed.connect([this, unit](Control&) { PWMCTCRChange(unit); });
    pu.countInput->changed.connect([this, unit](Control&) { PWMCTCRChange(unit); });
    pu.pwmMode->changed.connect([this, unit](Control&) { PWMEnClick(unit); });
    pu.matchZeroResetBox()->changed.connect([this, unit](Control&) { matchZeroResetClick(unit); });
    for (const auto& boxes : {pu.doubleEdgeBoxes, pu.outputEnableBoxes})
        for (CheckBox* box : boxes)
            if (box != nullptr)
                box->changed.connect([this, unit](Control&) { outputLabelRefresh(unit); });
    connectHints(pu);
}

void PwmPage::addPopupRows(int unit) {
    const auto& pu = units_[static_cast<std::size_t>(unit)];
    addEditPopupRow(EditPopupRow::plainRegister(pu.counter));

    addEditPopupRow(prescalerRow(pu.prescale, pu.mode,
                                 [this, unit]() -> const NumericEdit& { return unitClockEdit(unit); }));

    // MR0 is the PWM period: worth calculating only while PWM mode is on.
    auto period = EditPopupRow::plainRegister(pu.matchRegisters[0]);
    period.frequencyCalculator = [mode = pu.mode, pwmMode = pu.pwmMode] {
        if (!pwmMode->checked())
            return FrequencyCalculator::Hidden;
        return mode->itemIndex() >= 1 ? FrequencyCalculator::Disabled : FrequencyCalculator::Offered;
    };
    period.calculatorTarget = true;
    period.frequencyStart = [this, unit] { return periodStart(unit); };
    period.apply = [edit = pu.matchRegisters[0]](const CalculatorAnswer& answer) {
        // MR0 is the period: zero (or no number) leaves it alone.
        const std::int64_t value = answerValue(answer).value_or(0);
        if (value > 0)
            edit->setValueFromInt64(value);
    };
    addEditPopupRow(std::move(period));

    for (int m = 1; m < kMatchCount; ++m)
        addEditPopupRow(EditPopupRow::plainRegister(pu.matchRegisters[static_cast<std::size_t>(m)]));

    addSteppedEdit(pu.counter, StepGroup::ByOne);
    addSteppedEdit(pu.prescale, StepGroup::ByOne);
    for (NumericEdit* match : pu.matchRegisters)
        addSteppedEdit(match, StepGroup::ByOne);
}

std::optional<CalculatorStart> PwmPage::periodStart(int unit) const {
    const auto& pu = units_[static_cast<std::size_t>(unit)];
    // Counting edges there is no frequency to start from.
    return counterClockStart(pu.figures.counter.hz, 0, registerMaxOf(*pu.matchRegisters[0]));
}

void PwmPage::reset() {
    coverUnits(units_);
    for (auto& pu : units_)
        pu.pwmMode->setChecked(false);
    // In declaration order, each change running its handler as a click would.
    for (auto& pu : units_) {
        pu.enableBox->setChecked(false);
        pu.counter->setText("0");
        pu.prescale->setText("0");
        for (NumericEdit* match : pu.matchRegisters)
            match->setText("0");
        pu.mode->setItemIndex(0);
        pu.countInput->setItemIndex(0);
        for (CheckBox* box : pu.matchControlBoxes)
            box->setChecked(false);
        for (CheckBox* box : pu.captureControlBoxes)
            box->setChecked(false);
        for (const auto& boxes : {pu.doubleEdgeBoxes, pu.outputEnableBoxes})
            for (CheckBox* box : boxes)
                if (box != nullptr)
                    box->setChecked(false);
        pu.counterEnable->setChecked(false);
        pu.counterReset->setChecked(false);
    }
    for (int u = 0; u < kPwmCount; ++u)
        PWMCTCRChange(u);
}

void PwmPage::loadProfile() {
    for (int u = 0; u < kPwmCount; ++u)
        loadUnit(u);
    const auto& lines = device().profileLines;
    const bool onlyPwm1 =
        !profile::hasSection(lines, pwmSection(0)) && profile::hasSection(lines, pwmSection(1));
    (onlyPwm1 ? showPwm1_ : showPwm0_)->setChecked(true);
}

void PwmPage::loadUnit(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    const auto& lines = device().profileLines;
    const std::string header = pwmSection(unit);
    const int at = profile::findSection(lines, header);
    if (at < 0) {
        pu.enableBox->setVisible(false);
        pu.groupBox->setVisible(false);
        return;
    }
    pu.enableBox->setVisible(true);
    pu.groupBox->setVisible(true);
    pu.countInput->clearItems();
    const auto first = static_cast<std::size_t>(at) + 1;
    if (first >= lines.size())
        throw profile::ProfileError(header + " needs a line with its number of capture inputs");

    const std::string& line = lines[first];
    const bool counterMode = line != "0";
    pu.mode->setVisible(counterMode);
    pu.countInput->setVisible(counterMode);
    int captures = 0;
    if (counterMode) {
        const auto count = model::parseInt32(line);
        if (!count || *count < 0 || *count > kMostCaptureInputs)
            throw profile::ProfileError(header + ": capture count is no decimal number of inputs");
        captures = *count;
    }
    setCaptureInputs(unit, captures);
}

void PwmPage::setCaptureInputs(int unit, int count) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    const std::string u = std::to_string(unit);
    std::vector<std::string> inputs;
    for (int k = 0; k < count; ++k)
        inputs.push_back("PCAP " + u + "." + std::to_string(k));
    pu.countInput->setItems(std::move(inputs));
    pu.countInput->setItemIndex(0);
    for (int c = 0; c < kCaptureCount; ++c) {
        const bool shown = count > c;
        pu.captureRowLabels[static_cast<std::size_t>(c)]->setVisible(shown);
        for (CheckBox* box : pu.captureBoxes(c))
            box->setVisible(shown);
    }
}

void PwmPage::refreshFigures() {
    for (int u = 0; u < kPwmCount; ++u)
        PWMPRChange(u);
}

void PwmPage::generate(ResultLists& lists) const {
    const PwmGenerator generator(device());
    generateSwitchedOn(units_,
                       [&](int u, const PwmUnit& pu) { generator.generate(u, pu, unitClock(pu), lists); });
}

const NumericEdit& PwmPage::unitClockEdit(int unit) const {
    return unitClock(units_.at(static_cast<std::size_t>(unit)));
}

void PwmPage::showUnitClick(int unit) {
    pwm1Panel_->setVisible(unit == 1);
}

void PwmPage::PWMCTCRChange(int unit) {
    units_[static_cast<std::size_t>(unit)].followCountMode();
    PWMPRChange(unit);
}

void PwmPage::PWMPRChange(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    NumericEdit& period = *pu.matchRegisters[0];
    if (pu.pwmMode->checked() && period.valueAsInt64() <= 0) {
        model::MuteGuard guard(period);
        period.setText("1");
    }
    refreshUnitFigures(unit);
    if (pu.pwmMode->checked())
        for (int m = 1; m < kMatchCount; ++m)
            PWMMRChange(unit, m);
}

void PwmPage::refreshUnitFigures(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    PwmFigures& figures = pu.figures;
    figures.pwmMode = pu.pwmMode->checked();
    figures.pwmHz.reset();
    figures.counter = pu.mode->itemIndex() != 0 ? CounterClock::counterMode()
                                                : CounterClock::timerMode(unitClockEdit(unit).valueAsFloat(),
                                                                          pu.prescale->valueAsInt64());
    // PWM mode keeps MR0 at 1 or more; a zero that slipped in (a damaged configuration) shows
    // no figure rather than an infinite one.
    const std::int64_t period = pu.matchRegisters[0]->valueAsInt64();
    if (figures.pwmMode && figures.counter.hz && period > 0)
        figures.pwmHz = *figures.counter.hz / static_cast<float>(period);
    pu.clockLabel->setCaption(figures.counter.clockCaption());
    pu.tickLabel->setCaption(figures.counter.tickCaption());
    pu.frequencyLabel->setCaption(figures.frequencyCaption());
    refreshPulseFigures(unit);
}

void PwmPage::refreshPulseFigures(int unit) {
    const auto& pu = units_[static_cast<std::size_t>(unit)];
    std::string text;
    const std::int64_t period = pu.matchRegisters[0]->valueAsInt64();
    for (int n = 1; pu.pwmMode->checked() && n <= kOutputCount; ++n) {
        const auto at = static_cast<std::size_t>(n - 1);
        if (!pu.outputEnableBoxes[at]->checked())
            continue;
        const std::int64_t reset = pu.matchRegisters[static_cast<std::size_t>(n)]->valueAsInt64();
        const CheckBox* doubleEdge = pu.doubleEdgeBoxes[at];
        const PwmPulse pulse =
            doubleEdge != nullptr && doubleEdge->checked()
                ? PwmPulse::doubleEdge(n, pu.matchRegisters[at]->valueAsInt64(), reset, period)
                : PwmPulse::singleEdge(n, reset, period);
        text += (text.empty() ? "" : "\n") + pulse.caption(pu.figures.counter);
    }
    pu.pulseFiguresLabel->setCaption(text);
    pu.pulseFiguresLabel->setVisible(!text.empty());
}

std::string PwmFigures::frequencyCaption() const {
    std::string caption = kFrequencyFigure;
    if (!pwmMode)
        return caption;
    if (!counter.hz)
        return caption + "counter frequency / MR0";
    return caption + (pwmHz ? model::formatFrequency(4, "Hz", *pwmHz) : std::string(model::kNoValueText));
}

void PwmPage::PWMEnClick(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    const bool on = pu.pwmMode->checked();
    {
        model::MuteGuard guard(*pu.matchZeroResetBox());
        pu.matchZeroResetBox()->setChecked(on);
    }
    for (const auto& boxes : {pu.doubleEdgeBoxes, pu.outputEnableBoxes}) {
        for (CheckBox* box : boxes) {
            if (box == nullptr)
                continue;
            model::MuteGuard guard(*box);
            if (!on)
                box->setChecked(false);
            box->setEnabled(on);
        }
    }
    outputLabelRefresh(unit);
    PWMPRChange(unit);
    // Out of PWM mode no match lies beyond a period: no edit stays red from before.
    if (!on)
        for (int m = 1; m < kMatchCount; ++m)
            PWMMRChange(unit, m);
}

void PwmPage::matchZeroResetClick(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    if (pu.pwmMode->checked() && !pu.matchZeroResetBox()->checked()) {
        model::MuteGuard guard(*pu.matchZeroResetBox());
        pu.matchZeroResetBox()->setChecked(true);
    }
}

void PwmPage::outputLabelRefresh(int unit) {
    auto& pu = units_[static_cast<std::size_t>(unit)];
    for (std::size_t n = 0; n < static_cast<std::size_t>(kOutputCount); ++n) {
        const CheckBox* doubleEdge = pu.doubleEdgeBoxes[n];
        const auto& texts = kOutputTexts[n];
        std::string text =
            doubleEdge != nullptr && doubleEdge->checked() ? texts.doubleEdge : texts.singleEdge;
        text += pu.outputEnableBoxes[n]->checked() ? ", output enabled" : ", output disabled";
        pu.outputLabels[n]->setCaption(std::move(text));
    }
    refreshPulseFigures(unit);
}

void PwmPage::PWMMRChange(int unit, int match) {
    const auto& pu = units_[static_cast<std::size_t>(unit)];
    NumericEdit& edit = *pu.matchRegisters.at(static_cast<std::size_t>(match));
    const bool beyond = pu.pwmMode->checked() && edit.valueAsInt64() > pu.matchRegisters[0]->valueAsInt64();
    edit.setColour(beyond ? kMatchBeyondPeriod : kMatchWithinPeriod);
    refreshPulseFigures(unit);
}

} // namespace regforge::periph::pwm
