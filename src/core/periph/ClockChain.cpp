#include "periph/ClockChain.h"

#include "model/Clocks.h"
#include "model/NumberText.h"

#include <memory>

namespace regforge::periph {

namespace {

constexpr const char* kCpuClockHint = "Enter here the core clock in MHz (MAX:200MHz)";
// The hint while the clock set-up sets the CPU clock: the edit takes no typing then.
constexpr const char* kFixedCpuClockHint =
    "The clock set-up sets the CPU clock: change its wanted CPU clock, or switch it off";

std::vector<std::string> numberedDividers(int last) {
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n)
        items.push_back("1/" + std::to_string(n));
    return items;
}

void fill(model::ComboBox& combo, const std::vector<std::string>& items, int selected) {
    combo.setItems(items);
    combo.setItemIndex(selected);
}

model::NumericEdit& declareClockEdit(model::ControlStore& store, const char* name, model::Control* parent,
                                     const char* text) {
    auto& edit = store.add<model::NumericEdit>(name, parent);
    edit.setValueKind(model::ValueKind::Float);
    edit.setMaximumValue(static_cast<int>(model::kMaxCpuClockMhz));
    edit.setText(text);
    return edit;
}

} // namespace

void ClockChain::declareBar(model::ControlStore& store, model::Control& form) {
    auto& bar = store.addPlain(model::ControlKind::Panel, "ClockPanel", &form);
    bar.setVisible(false);
    bar.setTag(-1); // the page decides its visibility
    store.addPlain(model::ControlKind::Label, "Label36", &bar, "CCLK");
    auto& cpu = declareClockEdit(store, "pllclock_edit", &bar, "60");
    cpu.setMaxLength(14);
    // No core runs at 0 MHz, and the peripheral clock cannot be computed from it: an emptied
    // field becomes 1 on leaving instead of leaving the figures at an older clock.
    cpu.setMinimumValue(1);
    cpu.setTag(90);
    cpu.setHint(kCpuClockHint);
    store.addPlain(model::ControlKind::Label, "Label37", &bar, "MHz");
    store.addPlain(model::ControlKind::Label, "Label4", &bar, "Pclock");
    auto& divider = store.add<model::ComboBox>("pclk_div", &bar);
    divider.setItems(kFixedDividerItems);
    divider.setItemIndex(1);
    auto& common = declareClockEdit(store, "pclock_edit", &bar, "15");
    common.setReadOnly(true);
    store.addPlain(model::ControlKind::Label, "Label3", &bar, "MHz");
    bindBar(cpu, divider, common);
}

void ClockChain::bindBar(model::NumericEdit& cpu, model::ComboBox& divider, model::NumericEdit& common) {
    cpu_ = &cpu;
    divider_ = &divider;
    common_ = &common;
    cpu.changed.connect([this](model::Control&) { refresh(); });
    divider.changed.connect([this](model::Control&) { refresh(); });
}

PeripheralClockPanel ClockChain::addUnit(model::ControlStore& store, model::Control* parent,
                                         const ClockPanelNames& names, ClockGroup group,
                                         std::function<void()> unitChanged) {
    auto& panel = store.addPlain(model::ControlKind::Panel, names.panel, parent);
    panel.setVisible(false);
    store.addPlain(model::ControlKind::Label, names.panel + "_label", &panel, "Pclock");
    auto& divider = store.add<model::ComboBox>(names.divider, &panel);
    divider.setItems(kFixedDividerItems);
    divider.setItemIndex(1);
    auto& clock = store.add<model::NumericEdit>(names.clock, &panel);
    clock.setValueKind(model::ValueKind::Float);
    clock.setMaximumValue(static_cast<int>(model::kMaxCpuClockMhz));
    clock.setText("15");
    clock.setReadOnly(true);
    store.addPlain(model::ControlKind::Label, names.panel + "_unit", &panel, "MHz");

    const PeripheralClockPanel unit{&panel, &divider, &clock, group, names.unit, names.onlyWhileOn};
    units_.push_back(unit);
    divider.changed.connect([this, unit, figures = std::move(unitChanged)](model::Control&) {
        recompute(unit);
        if (figures)
            figures();
    });
    return unit;
}

// To six decimals: a hertz is far below any figure's precision, and the edit shows no
// binary-fraction noise of a computed clock.
void ClockChain::setCpuClock(double mhz) {
    if (cpu_ != nullptr)
        cpu_->setText(model::formatGeneral(model::roundToDecimals(mhz, 6)));
}

void ClockChain::setCpuClockFixed(bool fixed) {
    if (cpu_ == nullptr)
        return;
    cpu_->setReadOnly(fixed);
    cpu_->setHint(fixed ? kFixedCpuClockHint : kCpuClockHint);
}

const model::NumericEdit& ClockChain::unitClock(const PeripheralClockPanel& unit) const {
    return unit.shownFor(device_) ? *unit.clock : *common_;
}

void ClockChain::recompute(const PeripheralClockPanel& unit) const {
    if (cpu_ != nullptr)
        model::peripheralClock(*cpu_, *unit.divider, *unit.clock, device_.perPeripheralDividers());
}

std::vector<std::unique_ptr<model::MuteGuard>> ClockChain::muteDividers() const {
    std::vector<std::unique_ptr<model::MuteGuard>> muted;
    muted.push_back(std::make_unique<model::MuteGuard>(*divider_));
    for (const auto& unit : units_)
        muted.push_back(std::make_unique<model::MuteGuard>(*unit.divider));
    return muted;
}

void ClockChain::fillDividerLists() {
    const auto muted = muteDividers();
    const auto serialItems = device_.pclkDiv13xx ? numberedDividers(255) : kFixedDividerItems;
    if (device_.pclkDiv13xx)
        fill(*divider_, serialItems, 0);
    else if (device_.hasIocon)
        fill(*divider_, numberedDividers(31), 3);
    else
        fill(*divider_, kFixedDividerItems, 1);
    for (const auto& unit : units_)
        if (unit.group == ClockGroup::SerialPort)
            fill(*unit.divider, serialItems, 0);
}

void ClockChain::copyCommonDivider(bool countersOnly) const {
    const auto follows = [countersOnly](const PeripheralClockPanel& unit) {
        return !countersOnly || unit.group == ClockGroup::CounterUnit;
    };
    for (const auto& unit : units_)
        if (follows(unit))
            unit.divider->setItemIndex(divider_->itemIndex());
    const std::string text = common_->text();
    for (const auto& unit : units_)
        if (follows(unit))
            unit.clock->setText(text);
}

void ClockChain::refresh() {
    if (cpu_ == nullptr)
        return;
    {
        const auto muted = muteDividers();
        model::peripheralClock(*cpu_, *divider_, *common_, device_.perPeripheralDividers());
        if (device_.pclkDiv13xx) {
            // The LPC13xx timers and PWM units run from the common divider; the serial ports
            // have dividers of their own.
            copyCommonDivider(true);
            for (const auto& unit : units_)
                if (unit.group == ClockGroup::SerialPort)
                    recompute(unit);
        } else if (!device_.singlePclkDivider) {
            for (const auto& unit : units_)
                recompute(unit);
        } else {
            copyCommonDivider(false);
        }
    }
    if (holds_ > 0)
        pending_ = true;
    else
        changed.emit();
}

} // namespace regforge::periph
