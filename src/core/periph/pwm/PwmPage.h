#pragma once

#include "model/CheckControls.h"
#include "periph/Page.h"
#include "periph/pwm/PwmControls.h"
#include "periph/pwm/PwmSections.h"
#include "periph/pwm/PwmUnit.h"

#include <array>
#include <optional>

namespace regforge::periph::pwm {

// The "PWM" page: PWM0 and PWM1 with their match, capture, output and mode settings, their
// own clock panels and the live figures (counter clock, tick, PWM frequency, one line per
// output). One unit is shown at a time: PWM1 sits on PanelPWM1 over PWM0.
class PwmPage : public Page {
public:
    static constexpr const PageTab& kTab = pwm::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return pwmSections(); }

    explicit PwmPage(PageContext& context);

    // Both units unchecked, disabled, out of PWM mode and back to zero values.
    void reset() override;
    // [PWM0] and [PWM1]: which units exist and how many capture inputs can count.
    void loadProfile() override;
    // The figures of both units after a clock change, as a PR change gives them.
    void refreshFigures() override;
    // Each checked unit's set-up, PWM0 first.
    void generate(ResultLists& lists) const override;
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;

    // The "PWM0" / "PWM1" radio buttons: which unit is shown.
    void showUnitClick(int unit);
    // Either CTCR combo: the count input cannot capture as well.
    void PWMCTCRChange(int unit);
    // PR or MR0 edited, or the unit's clock changed: MR0 stays above zero in PWM mode, the
    // figures follow and MR1..MR6 are checked against MR0.
    void PWMPRChange(int unit);
    // "Counter clk: ...", "Counts every: ..." and "PWM frequency: ..." of one unit.
    void refreshUnitFigures(int unit);
    // Each enabled output's duty cycle and pulse width, in PWM mode.
    void refreshPulseFigures(int unit);
    // PWM mode on: MR0 resets the counter and the outputs may be used; off: they are cleared.
    void PWMEnClick(int unit);
    // PWM mode holds MR0's reset box checked.
    void matchZeroResetClick(int unit);
    // The six output lines from the double-edge and output-enable boxes.
    void outputLabelRefresh(int unit);
    // MRn (1..6) above MR0 cannot match within a PWM period: its edit turns red.
    void PWMMRChange(int unit, int match);

    const PwmUnit& unit(int unit) const { return units_.at(static_cast<std::size_t>(unit)); }
    // The clock edit (MHz) the unit counts from: the common peripheral clock when the device
    // has one divider for everything or the LPC13xx dividers, else the unit's own.
    const model::NumericEdit& unitClockEdit(int unit) const;

private:
    void declareUnit(int unit, model::Control* parent);
    void declareRegisterEdits(PwmUnit& pu, int unit);
    void declareModeCombos(PwmUnit& pu, int unit);
    void declareBoxes(PwmUnit& pu, int unit);
    void declareOutputs(PwmUnit& pu, int unit);
    void connectUnit(int unit);
    void addPopupRows(int unit);
    // How the calculator starts for MR0, the period; none in counter mode.
    std::optional<CalculatorStart> periodStart(int unit) const;
    void loadUnit(int unit);
    void setCaptureInputs(int unit, int count);

    model::RadioButton* showPwm0_ = nullptr;
    model::RadioButton* showPwm1_ = nullptr;
    model::Control* pwm1Panel_ = nullptr;
    std::array<PwmUnit, kPwmCount> units_{};
};

} // namespace regforge::periph::pwm
