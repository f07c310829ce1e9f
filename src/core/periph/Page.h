#pragma once

#include "model/CheckControls.h"
#include "periph/EditPopupRow.h"
#include "periph/LoadCorrections.h"
#include "periph/PageContext.h"
#include "periph/PeripheralClockPanel.h"
#include "periph/ProblemList.h"
#include "periph/ResultLists.h"
#include "periph/SavedRecords.h"
#include "periph/SetupFacts.h"
#include "periph/SteppedEdit.h"
#include "periph/UnitFrame.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace regforge::periph {

// One page of the main window. It declares its controls when the form is built and takes part
// in every whole-program step: the device load, the clock refresh, the result, the numeric
// edits' popup and saved configurations. The main window holds the pages in page order and walks them in that
// order.
class Page {
public:
    // The page follows the clock chain: each recomputation refreshes its figures.
    explicit Page(PageContext& context);
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Forget the previous device's lists and nodes (start of every load).
    virtual void clearDevice() {}
    // Put the page's controls back to their defaults (before the profile is read).
    virtual void reset() {}
    // The global sections are read: show what the device flags call for. The page's own clock
    // panels follow the device's dividers here.
    virtual void applyDeviceFlags();
    // Read the page's own sections from the loaded profile. Throws profile::ProfileError
    // when a section cannot be converted.
    virtual void loadProfile() {}
    // Recompute the live figures from the peripheral clocks (the clock chain runs it after
    // every recomputation).
    virtual void refreshFigures() {}
    // Append the page's part of the result. Throws regforge::Error when a control holds text
    // that cannot be converted (only a damaged configuration puts it there).
    virtual void generate(ResultLists&) const {}
    // Whether the result can be made: a page whose device content is missing (no pins) stops it.
    virtual bool readyForResult() const { return true; }
    // The problems list, collected after every change in two passes over the pages: each page
    // first states what the others check against (its pins, listed sources, units and their
    // interrupts), then reports its own problems from its controls and those facts. Every page
    // reports through these two, whatever it covers.
    virtual void describeSetup(SetupFacts&) const {}
    virtual void reportProblems(const SetupFacts&, ProblemList&) const {}
    // Whether the page's settings move data by GPDMA (the result then starts the GPDMA).
    virtual bool usesGpdma() const { return false; }

    // Saved configurations hold one record per control, in declaration order, written and
    // restored by the control's kind. A page writes and restores the records its kind rules do
    // not cover itself. A configuration load runs, in page order for each step: beforeRestore,
    // restoreFirst, the controls' records (restoreRecord), afterRestore, then correctLoadedSetup.
    //
    // Writes the record of one of the page's controls into `out`; false leaves the control to
    // its kind's rule (writing nothing and returning true saves no record).
    virtual bool saveRecord(const model::Control&, SavedLines& /*out*/) const { return false; }
    // Before any value is applied: handlers that must stay quiet until afterRestore.
    virtual void beforeRestore() {}
    // The records restored before every control's (node values by position) and what the
    // controls' records need set up first. Throws SavedDataError.
    virtual void restoreFirst(const SavedRecords&) {}
    // Restores one of the page's controls from its record; false leaves it to its kind's rule.
    // Throws SavedDataError.
    virtual bool restoreRecord(model::Control&, const SavedRecord&) { return false; }
    // After the records, whether they all applied or not.
    virtual void afterRestore() {}
    // The loaded set-up is made to fit the device: what the device cannot hold is switched
    // off or brought into step, and named in `corrections`.
    virtual void correctLoadedSetup(LoadCorrections&) {}

    // The units' own clock panels, in unit order.
    const std::vector<PeripheralClockPanel>& clockPanels() const { return clockPanels_; }
    // The register edits that carry the numeric edits' popup.
    const std::vector<EditPopupRow>& editPopupRows() const { return popupRows_; }
    // The register edits the arrow keys step.
    const std::vector<SteppedEdit>& steppedEdits() const { return steppedEdits_; }
    // The boxes that switch the page's units on ("Timer2", "SSP1"); the device load hides the
    // box of a unit the device does not have.
    const std::vector<model::CheckBox*>& unitSwitches() const { return unitSwitches_; }

protected:
    model::ControlStore& store() { return ctx_.store; }
    const model::ControlStore& store() const { return ctx_.store; }
    profile::DeviceState& device() { return ctx_.device; }
    const profile::DeviceState& device() const { return ctx_.device; }
    ui::Ui& ui() { return ctx_.ui; }
    PageContext& context() { return ctx_; }
    const ClockChain& clockChain() const { return ctx_.clocks; }

    // Declares a unit's clock panel into the clock chain. `figuresChanged` runs after its
    // divider changed its clock.
    PeripheralClockPanel addClockPanel(model::Control* parent, const ClockPanelNames& names, ClockGroup group,
                                       std::function<void()> figuresChanged);
    // The clock (MHz) a unit counts from: its own, or the common one where the device has no
    // divider for it.
    const model::NumericEdit& unitClock(const PeripheralUnit& unit) const {
        return ctx_.clocks.unitClock(unit.clock);
    }
    void addEditPopupRow(EditPopupRow row) { popupRows_.push_back(std::move(row)); }
    void addSteppedEdit(model::NumericEdit* edit, StepGroup group) { steppedEdits_.push_back({edit, group}); }

    // A register edit of the unit: eight hexadecimal digits reading "0", with its tag and hint.
    model::NumericEdit* addRegisterEdit(PeripheralUnit& unit, const std::string& name, int tag,
                                        std::string hint);
    // A register bit's box of the unit, with its caption, tag and hint.
    model::CheckBox* addRegisterBox(PeripheralUnit& unit, const std::string& name, std::string caption,
                                    int tag, std::string hint);

    // A box that switches a unit on; the device load hides it where the device lacks the unit.
    void addUnitSwitch(model::CheckBox* box) { unitSwitches_.push_back(box); }
    // The unit's enable box switches it on and off: see unitEnableClick. `switched` runs after
    // a switch the device allowed.
    void connectUnitSwitch(const UnitFrame& unit, std::function<void()> switched = {});
    // The mouse over one of the unit's hinted controls shows its hint in the unit's hint label;
    // over the unit's group box it runs `groupHovered` (by default the label is cleared).
    void connectHints(const PeripheralUnit& unit, std::function<void()> groupHovered = {});
    // The enable box: usable only with a device loaded; the group box and the cover panel follow
    // it. False when it was refused.
    bool unitEnableClick(const UnitFrame& unit) const;
    // Whether `control` lies on the tab named `tabName`.
    static bool onTab(const model::Control& control, const char* tabName);
    // Whether every unit's enable box is clear.
    template <class Units>
    static bool allOff(const Units& units) {
        for (const UnitFrame& unit : units)
            if (unit.enableBox != nullptr && unit.enableBox->checked())
                return false;
        return true;
    }
    // Before a reset: the unit greyed and covered.
    static void coverUnit(const UnitFrame& unit);
    template <class Units>
    static void coverUnits(const Units& units) {
        for (const UnitFrame& unit : units)
            coverUnit(unit);
    }
    // Runs `generate(index, unit)` for each unit switched on, in unit order.
    template <class Units, class Generate>
    static void generateSwitchedOn(const Units& units, Generate generate) {
        for (std::size_t i = 0; i < units.size(); ++i)
            if (units[i].enableBox->checked())
                generate(static_cast<int>(i), units[i]);
    }

private:
    PageContext& ctx_;
    std::vector<PeripheralClockPanel> clockPanels_;
    std::vector<EditPopupRow> popupRows_;
    std::vector<SteppedEdit> steppedEdits_;
    std::vector<model::CheckBox*> unitSwitches_;
};

} // namespace regforge::periph
