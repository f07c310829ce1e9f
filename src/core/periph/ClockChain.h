#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumericEdit.h"
#include "model/Signal.h"
#include "periph/PeripheralClockPanel.h"
#include "profile/DeviceState.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace regforge::periph {

// The names a page gives one unit's clock panel.
struct ClockPanelNames {
    std::string panel;
    std::string divider;
    std::string clock;
    // The unit's profile section name ("TIMER0", "SSP1"), by which the clock set-up finds the
    // unit's divider field.
    std::string unit{};
    // The box that switches the unit on, for a page that saves nothing of its units while all
    // are off: the clock set-up writes the unit's own divider only while the box is checked
    // (else the unit's field takes the common divider, as the divider of a reloaded file would).
    model::CheckBox* onlyWhileOn = nullptr;
};

// The window's clock chain: the CPU clock, the common divider and the common peripheral clock
// of the clock bar, and every unit's own divider and clock. Only the chain computes clocks;
// pages read them from it and follow its announcements, whoever changed the CPU clock.
class ClockChain {
public:
    explicit ClockChain(const profile::DeviceState& device) : device_(device) {}
    ClockChain(const ClockChain&) = delete;
    ClockChain& operator=(const ClockChain&) = delete;

    // Declares the clock bar every page shares (the CPU clock, the common divider and the common
    // peripheral clock) under `form`, after every page's controls: saved configurations keep
    // that order. From then on a change of the CPU clock or of the common divider recomputes
    // every clock and announces it.
    void declareBar(model::ControlStore& store, model::Control& form);

    // Declares a unit's clock panel under `parent`: a divider ("1/8" .. "1/1", "1/4" selected)
    // and a read-only clock edit in MHz, hidden until the device has dividers for it. A change
    // of its divider recomputes its clock, then runs `unitChanged` (that unit's figures).
    PeripheralClockPanel addUnit(model::ControlStore& store, model::Control* parent,
                                 const ClockPanelNames& names, ClockGroup group,
                                 std::function<void()> unitChanged);

    // Sets the CPU clock as typing it does: the edit shows the number within its limits and
    // every clock and figure follows.
    void setCpuClock(double mhz);
    double cpuMhz() const { return cpu_ != nullptr ? cpu_->valueAsFloat() : 0.0; }
    // The common peripheral clock (MHz).
    const model::NumericEdit& commonClock() const { return *common_; }
    double commonMhz() const { return common_ != nullptr ? common_->valueAsFloat() : 0.0; }
    // The common divider ("1/4"), which the clock set-up writes to the device.
    const model::ComboBox& commonDivider() const { return *divider_; }
    // The CPU clock edit: read-only while the clock set-up sets the CPU clock.
    void setCpuClockFixed(bool fixed);
    // Whether the CPU clock is set by the clock page (and so by the generated code).
    bool cpuClockFixed() const { return cpu_ != nullptr && cpu_->readOnly(); }
    // The clock (MHz) a unit counts from: its own where the device gives it a divider, else
    // the common peripheral clock.
    const model::NumericEdit& unitClock(const PeripheralClockPanel& unit) const;

    // Refills the common divider and the serial ports' dividers for the loaded device. No
    // divider handler runs while the lists change.
    void fillDividerLists();
    // Recomputes the common clock and every unit's clock from the CPU clock and the dividers,
    // then announces `changed` once. No unit's divider handler runs on the way.
    void refresh();

    // Every unit's clock panel, in declaration order.
    const std::vector<PeripheralClockPanel>& units() const { return units_; }

    // Every clock was recomputed: the pages refresh their figures, in page order.
    model::Signal<> changed;

    // While a hold lives, recomputed clocks are not announced; the last hold to end announces
    // them once when anything was recomputed (a loaded file's records change the clocks many
    // times; the pages need only the end result).
    class Hold {
    public:
        explicit Hold(ClockChain& chain) : chain_(chain) { ++chain_.holds_; }
        ~Hold() {
            if (--chain_.holds_ == 0 && chain_.pending_) {
                chain_.pending_ = false;
                chain_.changed.emit();
            }
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ClockChain& chain_;
    };

private:
    void bindBar(model::NumericEdit& cpu, model::ComboBox& divider, model::NumericEdit& common);
    void recompute(const PeripheralClockPanel& unit) const;
    // Mutes the divider handlers of the common divider and every unit for the result's lifetime.
    std::vector<std::unique_ptr<model::MuteGuard>> muteDividers() const;
    // The common divider's index, then the common clock text, copied to the units the device
    // runs from the common divider.
    void copyCommonDivider(bool countersOnly) const;

    const profile::DeviceState& device_;
    int holds_ = 0;
    bool pending_ = false;
    model::NumericEdit* cpu_ = nullptr;
    model::ComboBox* divider_ = nullptr;
    model::NumericEdit* common_ = nullptr;
    std::vector<PeripheralClockPanel> units_;
};

} // namespace regforge::periph
