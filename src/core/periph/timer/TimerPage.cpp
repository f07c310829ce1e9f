#include "periph/timer/TimerPage.h"

#include "model/Clocks.h"
#include "model/NumberText.h"
#include "model/ValueFormat.h"
#include "periph/MatchFigures.h"
#include "periph/timer/TimerGenerator.h"
#include "periph/timer/TimerSections.h"
#include "profile/ProfileSections.h"

#include <cstdint>
#include <string>
#include <vector>

namespace regforge::periph::timer {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;
using model::NumericEdit;

namespace {

// Hint texts of the register controls; "t" is the timer digit, "m"/"c"/"k" the unit within it.
std::string matchBoxHint(const std::string& t, int bit) {
    const std::string m = std::to_string(bit / 3);
    const std::string reg = "T" + t + "MR" + m;
    switch (bit % 3) {
    case 0:
        return reg + "I, 1= interrupt on MR" + m + " match, 0= interrupt disabled";
    case 1:
        return reg + "R, 1= reset TC on MR" + m + " match, 0= reset disabled";
    default:
        return reg + "S, 1= stop TC and PC on MR" + m + " match and clear TCR[0], 0= stop disabled";
    }
}

std::string captureBoxHint(const std::string& t, int bit) {
    const std::string c = std::to_string(bit / 3);
    const std::string reg = "T" + t + "CAP" + c;
    switch (bit % 3) {
    case 0:
        return reg + "RE, 1= load CR" + c + " with TC on a rising edge of CAP" + t + "." + c +
               ", 0= disabled";
    case 1:
        return reg + "FE, 1= load CR" + c + " with TC on a falling edge of CAP" + t + "." + c +
               ", 0= disabled";
    default:
        return reg + "I, 1= interrupt when CAP" + t + "." + c + " loads CR" + c + ", 0= interrupt disabled";
    }
}

} // namespace

TimerPage::TimerPage(PageContext& context) : Page(context) {
    auto& s = store();
    auto* page = s.find(kTab.name);
    showTimers01_ = &s.add<model::RadioButton>("ShowTimer01RadioButton", page);
    showTimers01_->setCaption("0/1");
    showTimers01_->setChecked(true);
    showTimers23_ = &s.add<model::RadioButton>("ShowTimer23RadioButton", page);
    showTimers23_->setCaption("2/3");
    declareTimer(0, page);
    declareTimer(1, page);
    timers23Panel_ = &s.addPlain(ControlKind::Panel, "PanelTimers23", page);
    timers23Panel_->setVisible(false);
    declareTimer(2, timers23Panel_);
    declareTimer(3, timers23Panel_);

    showTimers01_->changed.connect([this](Control&) { showTimersClick(false); });
    showTimers23_->changed.connect([this](Control&) { showTimersClick(true); });
    for (int t = 0; t < kTimerCount; ++t) {
        connectTimer(t);
        addPopupRows(t);
    }
}

void TimerPage::declareTimer(int timer, Control* parent) {
    auto& s = store();
    auto& tm = timers_[static_cast<std::size_t>(timer)];
    const std::string t = std::to_string(timer);

    tm.enableBox = &s.add<CheckBox>(enableBoxName(timer), parent);
    tm.enableBox->setCaption("Timer " + t);
    tm.enableBox->setTag(tagBase(timer) + kEnableBoxOffset);
    tm.groupBox = &s.addPlain(ControlKind::GroupBox, groupBoxName(timer), parent);
    tm.groupBox->setEnabled(false);

    declareRegisterEdits(tm, timer);
    declareModeCombos(tm, timer);
    tm.clockLabel = &s.addPlain(ControlKind::Label, clockLabelName(timer), tm.groupBox, "Counter clk:");
    tm.tickLabel = &s.addPlain(ControlKind::Label, tickLabelName(timer), tm.groupBox, "Counts every:");
    tm.hintLabel = &s.addPlain(ControlKind::Label, hintLabelName(timer), tm.groupBox);
    tm.clock = addClockPanel(tm.groupBox,
                             {timerControl(timer, "pclk_panel"), timerControl(timer, "pclk_div"),
                              timerControl(timer, "pclock_edit"), "TIMER" + std::to_string(timer)},
                             ClockGroup::CounterUnit, [this, timer] { refreshTimerFigures(timer); });
    declareBoxes(tm, timer);

    const auto index = static_cast<std::size_t>(timer);
    for (int c = 0; c < kCaptureCount; ++c)
        tm.captureRowLabels[static_cast<std::size_t>(c)] =
            &s.addPlain(ControlKind::Label, kCaptureRowLabels[index][static_cast<std::size_t>(c)],
                        tm.groupBox, "CCR" + t + "." + std::to_string(c) + ":");
    for (int k = 0; k < 4; ++k)
        tm.pwmModeLabels[static_cast<std::size_t>(k)] = &s.addPlain(
            ControlKind::Label, kPwmModeLabels[index][static_cast<std::size_t>(k)], tm.groupBox, "PWM mode");
    tm.matchFiguresLabel = &s.addPlain(ControlKind::Label, matchFiguresLabelName(timer), tm.groupBox);
    tm.matchFiguresLabel->setVisible(false);

    tm.coverPanel = &s.addPlain(ControlKind::Panel, coverPanelName(timer), parent,
                                "Timer " + t + " is disabled or not available");
}

void TimerPage::declareRegisterEdits(TimerUnit& tm, int timer) {
    const std::string t = std::to_string(timer);
    const auto hexEdit = [&](const std::string& name, int offset, std::string hint) {
        return addRegisterEdit(tm, name, tagBase(timer) + offset, std::move(hint));
    };
    tm.counter = hexEdit(counterEditName(timer), kCounterOffset,
                         "T" + t + "TC, timer counter: counts once every PR+1 clocks");
    tm.prescale =
        hexEdit(prescaleEditName(timer), kPrescaleOffset,
                "T" + t + "PR, prescaler: TC counts once every PR+1 clocks. Right click to set freq.");
    for (int m = 0; m < kMatchCount; ++m) {
        const std::string mr = "MR" + std::to_string(m);
        tm.matchRegisters[static_cast<std::size_t>(m)] =
            hexEdit(timerControl(timer, mr.c_str()), kMatchRegisterOffset + m,
                    "T" + t + mr + ", match register: compared with TC on every count");
    }
}

void TimerPage::declareModeCombos(TimerUnit& tm, int timer) {
    auto& s = store();
    const std::string t = std::to_string(timer);
    const int base = tagBase(timer);
    tm.mode = &s.add<ComboBox>(modeComboName(timer), tm.groupBox);
    tm.mode->setItems({std::begin(kCountModeItems), std::end(kCountModeItems)});
    tm.mode->setItemIndex(0);
    tm.mode->setTag(base + kModeOffset);
    tm.mode->setHint("T" + t +
                     "CTCR[1:0], timer mode counts the clock, counter modes count the selected CAP input");
    tm.hinted.push_back(tm.mode);
    tm.countInput = &s.add<ComboBox>(countInputComboName(timer), tm.groupBox);
    std::vector<std::string> inputs;
    for (int c = 0; c < kCaptureCount; ++c)
        inputs.push_back("CAP " + t + "." + std::to_string(c));
    tm.countInput->setItems(std::move(inputs));
    tm.countInput->setItemIndex(0);
    tm.countInput->setEnabled(false);
    tm.countInput->setTag(base + kCountInputOffset);
    tm.countInput->setHint("T" + t + "CTCR[3:2], the capture input counted in counter mode");
    tm.hinted.push_back(tm.countInput);
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k);
        auto& action = s.add<ComboBox>("EMC" + t + "_" + n + "combobox", tm.groupBox);
        action.setItems({kMatchActionTexts.begin(), kMatchActionTexts.end()});
        action.setItemIndex(0);
        action.setEnabled(false);
        action.setTag(base + kMatchActionOffset + k);
        action.setHint("T" + t + "EMR[" + std::to_string(2 * k + 5) + ":" + std::to_string(2 * k + 4) +
                       "] EMC" + n + ", what MAT" + t + "." + n + " does on MR" + n + " match");
        tm.matchActions[static_cast<std::size_t>(k)] = &action;
        tm.hinted.push_back(&action);
    }
}

void TimerPage::declareBoxes(TimerUnit& tm, int timer) {
    const std::string t = std::to_string(timer);
    const auto index = static_cast<std::size_t>(timer);
    const auto box = [&](const char* name, std::string caption, int offset, std::string hint) {
        return addRegisterBox(tm, name, std::move(caption), tagBase(timer) + offset, std::move(hint));
    };
    for (int bit = 0; bit < 12; ++bit) {
        const auto at = static_cast<std::size_t>(bit);
        tm.matchControlBoxes[at] = box(kMatchControlBoxes[index][at], std::to_string(bit),
                                       kMatchControlOffset + bit / 3, matchBoxHint(t, bit));
    }
    for (int bit = 0; bit < 12; ++bit) {
        const auto at = static_cast<std::size_t>(bit);
        tm.captureControlBoxes[at] = box(kCaptureControlBoxes[index][at], std::to_string(bit),
                                         kCaptureControlOffset + bit / 3, captureBoxHint(t, bit));
    }
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k);
        tm.externalMatchBoxes[static_cast<std::size_t>(k)] =
            box(kExternalMatchBoxes[index][static_cast<std::size_t>(k)], n, kExternalMatchOffset + k,
                "T" + t + "EMR[" + n + "] EM" + n + ", state of MAT" + t + "." + n + ", driven by EMC" + n +
                    " on MR" + n + " match");
    }
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k);
        tm.pwmModeBoxes[static_cast<std::size_t>(k)] =
            box(kPwmModeBoxes[index][static_cast<std::size_t>(k)], n, kPwmModeOffset + k,
                "PWM" + t + "CON[" + n + "], 1= MAT" + t + "." + n + " is a PWM output, 0= MAT" + t + "." +
                    n + " follows EM" + n);
    }
    tm.counterEnable = box(kCounterEnableBoxes[index], "T" + t + "TCR[0]", kCounterEnableOffset,
                           "T" + t + "TCR[0] Counter Enable, 1= TC and PC count, 0= counters stopped");
    tm.counterReset =
        box(kCounterResetBoxes[index], "T" + t + "TCR[1]", kCounterResetOffset,
            "T" + t + "TCR[1] Counter Reset, 1= TC and PC held at zero until the bit is cleared");
}

void TimerPage::connectTimer(int timer) {
    auto& tm = timers_[static_cast<std::size_t>(timer)];
    connectUnitSwitch(tm);
    connectHints(tm, [this, timer] { timerGroupBoxMouseMove(timer); });
    tm.prescale->changed.connect([this, timer](Control&) { refreshTimerFigures(timer); });
    tm.mode->changed.connect([this, timer](Control&) { countModeChange(timer); });
    tm.countInput->changed.connect([this, timer](Control&) { countModeChange(timer); });
    for (int k = 0; k < 4; ++k) {
        tm.externalMatchBoxes[static_cast<std::size_t>(k)]->changed.connect(
            [this, timer, k](Control&) { externalMatchClick(timer, k); });
        tm.pwmModeBoxes[static_cast<std::size_t>(k)]->changed.connect(
            [this, timer, k](Control&) { pwmModeClick(timer, k); });
    }
    // What makes a match happen, and what it does, changes how often it matches.
    const auto refresh = [this, timer](Control&) { refreshMatchFigures(timer); };
    for (Control* c : tm.matchRegisters)
        c->changed.connect(refresh);
    for (Control* c : tm.matchControlBoxes)
        c->changed.connect(refresh);
    for (Control* c : tm.matchActions)
        c->changed.connect(refresh);
    for (Control* c : tm.pwmModeBoxes)
        c->changed.connect(refresh);
}

void TimerPage::addPopupRows(int timer) {
    const auto& tm = timers_[static_cast<std::size_t>(timer)];
    addEditPopupRow(EditPopupRow::plainRegister(tm.counter));
    addEditPopupRow(prescalerRow(tm.prescale, tm.mode,
                                 [this, timer]() -> const NumericEdit& { return timerClockEdit(timer); }));
    // A wanted match rate sets the match register for the counter clock the prescaler gives.
    for (NumericEdit* match : tm.matchRegisters)
        addEditPopupRow(matchRow(match, tm.mode, [this, timer] { return counterClock(timer); }));

    addSteppedEdit(tm.prescale, StepGroup::ByOne);
    addSteppedEdit(tm.counter, StepGroup::ByOne);
    for (NumericEdit* match : tm.matchRegisters)
        addSteppedEdit(match, StepGroup::ByOne);
}

void TimerPage::reset() {
    coverUnits(timers_);
    // In declaration order, each change running its handler as a click would.
    for (auto& tm : timers_) {
        tm.enableBox->setChecked(false);
        tm.counter->setText("0");
        tm.prescale->setText("0");
        for (NumericEdit* match : tm.matchRegisters)
            match->setText("0");
        tm.mode->setItemIndex(0);
        tm.countInput->setItemIndex(0);
        for (ComboBox* action : tm.matchActions)
            action->setItemIndex(0);
        for (const auto& boxes : {tm.matchControlBoxes, tm.captureControlBoxes})
            for (CheckBox* box : boxes)
                box->setChecked(false);
        for (const auto& boxes : {tm.externalMatchBoxes, tm.pwmModeBoxes})
            for (CheckBox* box : boxes)
                box->setChecked(false);
        tm.counterEnable->setChecked(false);
        tm.counterReset->setChecked(false);
    }
    for (int t = 0; t < kTimerCount; ++t)
        countModeChange(t);
}

void TimerPage::loadProfile() {
    for (int t = 0; t < kTimerCount; ++t)
        loadTimer(t);
}

void TimerPage::loadTimer(int timer) {
    auto& tm = timers_[static_cast<std::size_t>(timer)];
    const auto& lines = device().profileLines;
    const std::string t = std::to_string(timer);
    const std::string header = timerSection(timer);
    const int at = profile::findSection(lines, header);
    if (at < 0) {
        tm.enableBox->setVisible(false);
        tm.enableBox->setCaption("Timer" + t);
        tm.groupBox->setVisible(false);
        return;
    }
    tm.groupBox->setVisible(true);
    tm.enableBox->setVisible(true);
    const auto first = static_cast<std::size_t>(at) + 1;
    if (first + kTimerSectionLines - 1 >= lines.size())
        throw profile::ProfileError(header + " needs three lines");

    const bool is16Bit = lines[first] == kSixteenBitMarker;
    std::string caption = "Timer" + t;
    const auto index = static_cast<std::size_t>(timer);
    // The LPC13xx counters are named on the page only in the width they really have.
    if (device().deviceFamily == "13xx" && kCounter13xxIs32Bit[index] != is16Bit)
        caption += std::string(" (") + kCounterNames13xx[index] + ")";
    caption += is16Bit ? " [16 bit]" : " [32 bit]";
    tm.enableBox->setCaption(caption);
    const int digits = is16Bit ? 4 : 8;
    std::vector<NumericEdit*> edits = {tm.counter, tm.prescale};
    edits.insert(edits.end(), tm.matchRegisters.begin(), tm.matchRegisters.end());
    for (NumericEdit* edit : edits) {
        edit->setMaxLength(digits);
        edit->setMinimumDigits(digits);
        edit->setText("0");
    }

    const bool hasPwmMode = lines[first + 1] != kNoPwmMarker;
    for (int k = 0; k < 4; ++k) {
        tm.pwmModeBoxes[static_cast<std::size_t>(k)]->setVisible(hasPwmMode);
        tm.pwmModeLabels[static_cast<std::size_t>(k)]->setVisible(hasPwmMode);
    }

    const auto captures = model::parseInt32(lines[first + 2]);
    if (!captures || *captures < 0 || *captures > kMostCaptureInputs)
        throw profile::ProfileError(header + ": capture count is no decimal number of inputs");
    setCaptureInputs(timer, *captures);
}

void TimerPage::setCaptureInputs(int timer, int count) {
    auto& tm = timers_[static_cast<std::size_t>(timer)];
    const std::string t = std::to_string(timer);
    std::vector<std::string> inputs;
    for (int k = 0; k < count; ++k)
        inputs.push_back("CAP " + t + "." + std::to_string(k));
    tm.countInput->setItems(std::move(inputs));
    tm.countInput->setItemIndex(0);

    for (int c = 0; c < kCaptureCount; ++c) {
        const bool shown = count > c;
        tm.captureRowLabels[static_cast<std::size_t>(c)]->setVisible(shown);
        for (CheckBox* box : tm.captureBoxes(c))
            box->setVisible(shown);
        // The mode combos sit in row 0: without a capture input the timer only counts its clock.
        if (c == 0) {
            tm.mode->setVisible(shown);
            tm.countInput->setVisible(shown);
        }
    }
}

void TimerPage::refreshFigures() {
    for (int t = 0; t < kTimerCount; ++t)
        refreshTimerFigures(t);
}

void TimerPage::generate(ResultLists& lists) const {
    const TimerGenerator generator(device());
    generateSwitchedOn(timers_,
                       [&](int t, const TimerUnit& tm) { generator.generate(t, tm, unitClock(tm), lists); });
}

const NumericEdit& TimerPage::timerClockEdit(int timer) const {
    return unitClock(timers_.at(static_cast<std::size_t>(timer)));
}

void TimerPage::countModeChange(int timer) {
    timers_[static_cast<std::size_t>(timer)].followCountMode();
    refreshTimerFigures(timer);
}

void TimerPage::externalMatchClick(int timer, int output) {
    const auto& tm = timers_[static_cast<std::size_t>(timer)];
    if (tm.externalMatchBoxes[static_cast<std::size_t>(output)]->checked()) {
        tm.matchActions[static_cast<std::size_t>(output)]->setEnabled(true);
    } else {
        enableMatchControls(timer, output);
        clearMatchAction(timer, output);
    }
}

void TimerPage::pwmModeClick(int timer, int output) {
    const auto& tm = timers_[static_cast<std::size_t>(timer)];
    CheckBox* externalMatch = tm.externalMatchBoxes[static_cast<std::size_t>(output)];
    if (tm.pwmModeBoxes[static_cast<std::size_t>(output)]->checked()) {
        // PWM mode owns the match: reset and stop would break the period, the external match
        // control would fight the PWM output. The interrupt stays the user's.
        const auto boxes = tm.matchBoxes(output);
        for (CheckBox* box : {boxes[1], boxes[2]}) {
            model::MuteGuard guard(*box);
            box->setChecked(false);
            box->setEnabled(false);
        }
        clearMatchAction(timer, output);
        model::MuteGuard guard(*externalMatch);
        externalMatch->setChecked(false);
        externalMatch->setEnabled(false);
    } else {
        enableMatchControls(timer, output);
        externalMatch->setEnabled(true);
    }
}

void TimerPage::enableMatchControls(int timer, int match) {
    for (CheckBox* box : timers_[static_cast<std::size_t>(timer)].matchBoxes(match))
        box->setEnabled(true);
}

void TimerPage::clearMatchAction(int timer, int output) {
    ComboBox* action =
        timers_[static_cast<std::size_t>(timer)].matchActions[static_cast<std::size_t>(output)];
    model::MuteGuard guard(*action);
    action->setItemIndex(0);
    action->setEnabled(false);
}

void TimerPage::refreshTimerFigures(int timer) {
    auto& tm = timers_[static_cast<std::size_t>(timer)];
    tm.counterClock = counterClock(timer);
    tm.clockLabel->setCaption(tm.counterClock.clockCaption());
    tm.tickLabel->setCaption(tm.counterClock.tickCaption());
    refreshMatchFigures(timer);
}

CounterClock TimerPage::counterClock(int timer) const {
    const auto& tm = timers_[static_cast<std::size_t>(timer)];
    return tm.mode->itemIndex() != 0
               ? CounterClock::counterMode()
               : CounterClock::timerMode(timerClockEdit(timer).valueAsFloat(), tm.prescale->valueAsInt64());
}

void TimerPage::refreshMatchFigures(int timer) {
    const auto& tm = timers_[static_cast<std::size_t>(timer)];
    std::vector<MatchSetting> settings;
    for (int m = 0; m < kMatchCount; ++m) {
        const auto at = static_cast<std::size_t>(m);
        const auto boxes = tm.matchBoxes(m);
        const bool acts = tm.matchActions[at]->itemIndex() > 0 || tm.pwmModeBoxes[at]->checked();
        settings.push_back({tm.matchRegisters[at]->valueAsInt64(),
                            acts || boxes[0]->checked() || boxes[1]->checked() || boxes[2]->checked(),
                            boxes[1]->checked(), boxes[2]->checked()});
    }
    std::string text;
    for (const MatchFigure& figure : matchFigures(settings, tm.is32Bit() ? 1LL << 32 : 1LL << 16))
        text += (text.empty() ? "" : "\n") + figure.caption(tm.counterClock);
    tm.matchFiguresLabel->setCaption(text);
    tm.matchFiguresLabel->setVisible(!text.empty());
}

void TimerPage::timerGroupBoxMouseMove(int timer) {
    // Timers 0/1 and 2/3 are shown side by side; leaving a control for either group box
    // clears both hints of the pair.
    const int first = timer < 2 ? 0 : 2;
    timers_[static_cast<std::size_t>(first)].hintLabel->setCaption("");
    timers_[static_cast<std::size_t>(first + 1)].hintLabel->setCaption("");
}

void TimerPage::showTimersClick(bool secondPair) {
    timers23Panel_->setVisible(secondPair);
}

} // namespace regforge::periph::timer
