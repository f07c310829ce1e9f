#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/Page.h"
#include "periph/clock/ClockControls.h"
#include "periph/clock/ClockFacts.h"
#include "periph/clock/ClockSections.h"
#include "periph/clock/ClockSolver.h"

#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::clock {

// The figures the page shows, as numbers (Hz); the captions are formatted from them.
struct ClockFigures {
    double input = 0;
    double cco = 0;
    double cpu = 0;
    std::optional<double> usb;
    double peripheral = 0;
    int flashClocks = 0;
};

// The "Clocks" page: the clock source, the wanted CPU clock, the PLL settings that reach it and
// the USB clock, solved from the device's [CLOCKS]. While it is on, it sets the CPU clock of the
// clock bar (which is then read-only) and writes the clock block first in `main`; while it is off
// it changes nothing, and saved configurations hold none of its records.
class ClocksPage : public Page {
public:
    static constexpr const PageTab& kTab = clock::kTab;
    static profile::SectionDescription profileSections() { return clockSections(); }

    explicit ClocksPage(PageContext& context);

    void reset() override;
    // [CLOCKS]: without it the page's enable box is hidden.
    void loadProfile() override;
    void refreshFigures() override;
    // The clock block, put first in `main` (before the pins), while the page is on.
    void generate(ResultLists& lists) const override;

    bool saveRecord(const model::Control& control, SavedLines& out) const override;
    void beforeRestore() override;
    bool restoreRecord(model::Control& control, const SavedRecord& record) override;
    void afterRestore() override;
    // A saved setting the part cannot reach, or a source it lacks, is replaced by the best one.
    void correctLoadedSetup(LoadCorrections& corrections) override;
    // What the solver had to give way on, while the page is on. The clock bar's own problems
    // (a CPU clock above the part's maximum) stay the clock bar's.
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;

    // The handlers: the enable box, any input of the solver, the choice of a setting.
    void enableClick();
    void resolve();
    void settingChange();

    // What the page works from and what it chose.
    const std::optional<ClockFacts>& facts() const { return facts_; }
    const ClockSolution& solution() const { return solution_; }
    std::optional<PllSetting> chosen() const;
    const ClockFigures& figures() const { return figures_; }
    bool on() const { return frame_.enableBox->checked() && facts_.has_value(); }
    // The request the controls make.
    ClockRequest request() const;

private:
    void declareControls(model::Control* page);
    void connectHandlers();
    std::optional<double> sourceHz(SourceKind kind) const;
    void fillSettings();
    void showStatus();
    // The figures' captions back to their bare names.
    void clearFigures();
    // The unit's own divisor where its page shows a divider of its own.
    std::optional<int> ownDivisor(const std::string& unit) const;
    int commonDivisor() const;
    bool isOwn(const model::Control& control) const;

    UnitFrame frame_{};
    model::ComboBox* source_ = nullptr;
    model::NumericEdit* crystal_ = nullptr;
    model::NumericEdit* wanted_ = nullptr;
    model::ComboBox* settings_ = nullptr;
    model::CheckBox* usb_ = nullptr;
    model::Control* inputFigure_ = nullptr;
    model::Control* ccoFigure_ = nullptr;
    model::Control* cpuFigure_ = nullptr;
    model::Control* usbFigure_ = nullptr;
    model::Control* pclkFigure_ = nullptr;
    model::Control* flashFigure_ = nullptr;
    model::Control* tree_ = nullptr;
    model::Control* status_ = nullptr;
    model::Control* limit_ = nullptr;
    std::vector<const model::Control*> own_;

    std::optional<ClockFacts> facts_;
    ClockSolution solution_;
    ClockFigures figures_;
    // The setting a loaded file names, until the load's corrections check it.
    std::optional<PllSetting> loaded_;
    bool restoring_ = false;
    bool unitDividersFollowed_ = false;
};

} // namespace regforge::periph::clock
