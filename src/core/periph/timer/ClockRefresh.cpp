#include "periph/timer/ClockRefresh.h"

#include "model/Clocks.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/PeripheralClockPanel.h"

#include <memory>
#include <vector>

namespace regforge::periph::timer {

namespace {

constexpr const char* kAllDividers[] = {"pclk_div",     "T0pclk_div",   "T1pclk_div",   "T2pclk_div",
                                        "T3pclk_div",   "PWM0pclk_div", "PWM1pclk_div", "SPIpclk_div",
                                        "SSP0pclk_div", "SSP1pclk_div", "SSP2pclk_div"};
constexpr const char* kSerialDividers[] = {"SPIpclk_div", "SSP0pclk_div", "SSP1pclk_div", "SSP2pclk_div"};

std::vector<std::string> numberedDividers(int last) {
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n)
        items.push_back("1/" + std::to_string(n));
    return items;
}

void fill(model::ControlStore& store, const char* name, const std::vector<std::string>& items, int selected) {
    if (auto* combo = dynamic_cast<model::ComboBox*>(store.find(name))) {
        combo->setItems(items);
        combo->setItemIndex(selected);
    }
}

} // namespace

void fillDividerLists(model::ControlStore& store, const profile::DeviceState& device) {
    std::vector<std::unique_ptr<model::MuteGuard>> muted;
    for (const char* name : kAllDividers)
        if (model::Control* c = store.find(name))
            muted.push_back(std::make_unique<model::MuteGuard>(*c));

    if (device.pclkDiv13xx) {
        const auto items = numberedDividers(255);
        fill(store, "pclk_div", items, 0);
        for (const char* name : kSerialDividers)
            fill(store, name, items, 0);
    } else if (device.hasIocon) {
        fill(store, "pclk_div", numberedDividers(31), 3);
        for (const char* name : kSerialDividers)
            fill(store, name, kFixedDividerItems, 0);
    } else {
        fill(store, "pclk_div", kFixedDividerItems, 1);
        for (const char* name : kSerialDividers)
            fill(store, name, kFixedDividerItems, 0);
    }
}

void refreshPeripheralClocks(model::ControlStore& store, const profile::DeviceState& device) {
    // Copying the common divider into the units' combos must not run their own handlers:
    // the caller refreshes every figure once afterwards.
    std::vector<std::unique_ptr<model::MuteGuard>> muted;
    for (const auto& pair : model::kPeripheralClocks)
        if (model::Control* c = store.find(pair.divider))
            muted.push_back(std::make_unique<model::MuteGuard>(*c));
    auto& cpu = store.get<model::NumericEdit>("pllclock_edit");
    model::peripheralClock(cpu, store.get<model::ComboBox>("pclk_div"),
                           store.get<model::NumericEdit>("pclock_edit"), device.perPeripheralDividers());
    if (device.pclkDiv13xx) {
        model::applyPclkDivider13xx(store, device.perPeripheralDividers());
    } else if (!device.singlePclkDivider) {
        for (const auto& pair : model::kPeripheralClocks) {
            auto* divider = dynamic_cast<model::ComboBox*>(store.find(pair.divider));
            auto* clock = dynamic_cast<model::NumericEdit*>(store.find(pair.clock));
            if (divider != nullptr && clock != nullptr)
                model::peripheralClock(cpu, *divider, *clock, device.perPeripheralDividers());
        }
    } else {
        model::applyCommonPclkDivider(store);
    }
}

} // namespace regforge::periph::timer
