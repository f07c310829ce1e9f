#include "periph/ClockRefresh.h"

#include "model/Clocks.h"

#include <memory>
#include <string>

namespace regforge::periph {

namespace {

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

// Mutes the divider handlers of the common divider and every unit for the guard's lifetime.
std::vector<std::unique_ptr<model::MuteGuard>> muteDividers(const CommonClock& common,
                                                            const std::vector<PeripheralClockPanel>& units) {
    std::vector<std::unique_ptr<model::MuteGuard>> muted;
    if (common.divider != nullptr)
        muted.push_back(std::make_unique<model::MuteGuard>(*common.divider));
    for (const auto& unit : units)
        muted.push_back(std::make_unique<model::MuteGuard>(*unit.divider));
    return muted;
}

// The common divider's index, then the common clock text, copied to the units of `group`
// (every unit when `group` is empty).
void copyCommonDivider(const CommonClock& common, const std::vector<PeripheralClockPanel>& units,
                       const ClockGroup* group) {
    for (const auto& unit : units)
        if (group == nullptr || unit.group == *group)
            unit.divider->setItemIndex(common.divider->itemIndex());
    const std::string text = common.peripheral->text();
    for (const auto& unit : units)
        if (group == nullptr || unit.group == *group)
            unit.clock->setText(text);
}

} // namespace

void fillDividerLists(const CommonClock& common, const std::vector<PeripheralClockPanel>& units,
                      const profile::DeviceState& device) {
    const auto muted = muteDividers(common, units);
    const auto serialItems = device.pclkDiv13xx ? numberedDividers(255) : kFixedDividerItems;
    if (device.pclkDiv13xx)
        fill(*common.divider, serialItems, 0);
    else if (device.hasIocon)
        fill(*common.divider, numberedDividers(31), 3);
    else
        fill(*common.divider, kFixedDividerItems, 1);
    for (const auto& unit : units)
        if (unit.group == ClockGroup::SerialPort)
            fill(*unit.divider, serialItems, 0);
}

void refreshPeripheralClocks(const CommonClock& common, const std::vector<PeripheralClockPanel>& units,
                             const profile::DeviceState& device) {
    const auto muted = muteDividers(common, units);
    model::peripheralClock(*common.cpu, *common.divider, *common.peripheral, device.perPeripheralDividers());
    if (device.pclkDiv13xx) {
        // The LPC13xx timers and PWM units run from the common divider; the serial ports have
        // dividers of their own.
        constexpr ClockGroup counters = ClockGroup::CounterUnit;
        copyCommonDivider(common, units, &counters);
        for (const auto& unit : units)
            if (unit.group == ClockGroup::SerialPort)
                unit.recompute(common, device);
    } else if (!device.singlePclkDivider) {
        for (const auto& unit : units)
            unit.recompute(common, device);
    } else {
        copyCommonDivider(common, units, nullptr);
    }
}

} // namespace regforge::periph
