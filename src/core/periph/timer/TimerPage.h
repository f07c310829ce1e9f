#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/Page.h"
#include "periph/PeripheralClockPanel.h"
#include "periph/timer/TimerControls.h"

#include <array>

namespace regforge::periph::timer {

// The "Timers" page: Timer0..Timer3 with their match, capture, external match, PWM-mode and
// mode settings, their own clock panels and two live figures each. Timer2 and Timer3 sit on
// PanelTimers23, shown by the "2/3" radio button.
class TimerPage : public Page {
public:
    explicit TimerPage(PageContext& context);

    // Every timer unchecked, disabled and back to zero values.
    void reset() override;
    // [TIMER0]..[TIMER3]: which timers exist, their width, PWM mode and capture inputs.
    void loadProfile() override;
    void refreshFigures() override;

    // The enable box: usable only with a device loaded; the group box follows it.
    void timerEnableClick(int timer);
    // The interlocks of one timer, chosen by the sender's tag: the CTCR combos, the EM boxes
    // and the PWM-mode boxes.
    void timerCTCRChange(int timer, model::Control& sender);
    // A timer's divider changed: its clock follows, then its figures.
    void timerDividerChange(int timer);
    // "Counter clk: ..." and "Counts every: ..." from the prescaler and the timer's clock.
    void refreshTimerFigures(int timer);
    // The mouse over a register control shows its hint in the timer's hint label.
    void timerHintMouseMove(int timer, const model::Control& sender);
    // The mouse over a group box clears the hint labels of the two timers shown together.
    void timerGroupBoxMouseMove(int timer);
    // "0/1" or "2/3": which pair of timers is shown.
    void showTimersClick(bool secondPair);

private:
    struct TimerControls {
        model::CheckBox* enableBox = nullptr;
        model::Control* groupBox = nullptr;
        model::Control* coverPanel = nullptr;
        model::NumericEdit* prescale = nullptr;
        model::ComboBox* mode = nullptr;
        model::ComboBox* countInput = nullptr;
        model::Control* clockLabel = nullptr;
        model::Control* tickLabel = nullptr;
        model::Control* hintLabel = nullptr;
        PeripheralClockPanel clock{};
    };

    void declareTimer(int timer, model::Control* parent);
    void connectTimer(int timer);
    void loadTimer(int timer);
    void setCaptureInputs(int timer, int count);
    void enableMatchControls(int timer, int match);
    void clearMatchAction(int timer, int output);

    model::RadioButton* showTimers01_ = nullptr;
    model::RadioButton* showTimers23_ = nullptr;
    model::Control* timers23Panel_ = nullptr;
    std::array<TimerControls, kTimerCount> timers_{};
};

} // namespace regforge::periph::timer
