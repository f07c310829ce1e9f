#pragma once

#include "model/CheckControls.h"
#include "periph/Page.h"
#include "periph/timer/TimerControls.h"
#include "periph/timer/TimerSections.h"
#include "periph/timer/TimerUnit.h"

#include <array>

namespace regforge::periph::timer {

// The "Timers" page: Timer0..Timer3 with their match, capture, external match, PWM-mode and
// mode settings, their own clock panels and two live figures each. Timer2 and Timer3 sit on
// PanelTimers23, shown by the "2/3" radio button.
class TimerPage : public Page {
public:
    static constexpr const PageTab& kTab = timer::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return timerSections(); }

    explicit TimerPage(PageContext& context);

    // Every timer unchecked, disabled and back to zero values.
    void reset() override;
    // [TIMER0]..[TIMER3]: which timers exist, their width, PWM mode and capture inputs.
    void loadProfile() override;
    void refreshFigures() override;
    // Each checked timer's set-up, in timer order.
    void generate(ResultLists& lists) const override;

    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;
    // "Counter clk: ..." and "Counts every: ..." from the prescaler and the timer's clock.
    void refreshTimerFigures(int timer);
    // The clock the timer counts now: its unit clock over PR + 1, none in counter mode.
    CounterClock counterClock(int timer) const;
    // One line per match register in use: how often it matches ("MR0: every 1 ms (1 KHz)").
    void refreshMatchFigures(int timer);
    // The mouse over a group box clears the hint labels of the two timers shown together.
    void timerGroupBoxMouseMove(int timer);
    // "0/1" or "2/3": which pair of timers is shown.
    void showTimersClick(bool secondPair);

    const TimerUnit& unit(int timer) const { return timers_.at(static_cast<std::size_t>(timer)); }
    // The clock edit (MHz) the timer counts from: the common peripheral clock when the device
    // has one divider for everything or the LPC13xx dividers, else the timer's own.
    const model::NumericEdit& timerClockEdit(int timer) const;

private:
    void declareTimer(int timer, model::Control* parent);
    void declareRegisterEdits(TimerUnit& tm, int timer);
    void declareModeCombos(TimerUnit& tm, int timer);
    void declareBoxes(TimerUnit& tm, int timer);
    void connectTimer(int timer);
    void addPopupRows(int timer);
    void loadTimer(int timer);
    void setCaptureInputs(int timer, int count);
    void countModeChange(int timer);
    void externalMatchClick(int timer, int output);
    void pwmModeClick(int timer, int output);
    void enableMatchControls(int timer, int match);
    void clearMatchAction(int timer, int output);

    model::RadioButton* showTimers01_ = nullptr;
    model::RadioButton* showTimers23_ = nullptr;
    model::Control* timers23Panel_ = nullptr;
    std::array<TimerUnit, kTimerCount> timers_{};
};

} // namespace regforge::periph::timer
