#include "model/Clocks.h"

#include "model/ComboBox.h"
#include "model/ControlStore.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"

#include <cstddef>
#include <string>

namespace regforge::model {

namespace {

// The named control, or nullptr when the store does not hold it yet. A control of another
// kind under that name is a programming error and throws.
template <class T>
T* optionalControl(const ControlStore& store, std::string_view name) {
    return store.find(name) != nullptr ? &store.get<T>(name) : nullptr;
}

// Copies the common divider's index, then the common clock text, to the first `count`
// peripherals.
void copyCommonDivider(ControlStore& store, std::size_t count) {
    if (const auto* common = optionalControl<ComboBox>(store, kCommonDivider)) {
        const int index = common->itemIndex();
        for (std::size_t i = 0; i < count; ++i)
            if (auto* divider = optionalControl<ComboBox>(store, kPeripheralClocks[i].divider))
                divider->setItemIndex(index);
    }
    if (const auto* common = optionalControl<NumericEdit>(store, kCommonClockEdit)) {
        const std::string text = common->text();
        for (std::size_t i = 0; i < count; ++i)
            if (auto* clock = optionalControl<NumericEdit>(store, kPeripheralClocks[i].clock))
                clock->setText(text);
    }
}

int fixedItemDivisor(int index) {
    switch (index) {
    case 0:
        return 8;
    case 1:
        return 4;
    case 2:
        return 2;
    case 3:
        return 1;
    default:
        return 0;
    }
}

} // namespace

void peripheralClock(const NumericEdit& cpuClock, const ComboBox& divider, NumericEdit& output,
                     bool perPeripheralDividers) {
    const double mhz = cpuClock.valueAsFloat();
    // A negative clock cannot be typed, but one read from elsewhere must not yield a
    // negative peripheral clock either.
    if (!(mhz > 0 && mhz <= kMaxCpuClockMhz))
        return;
    const int index = divider.itemIndex();
    if (index < 0)
        return;
    const int divisor = perPeripheralDividers ? index + 1 : fixedItemDivisor(index);
    if (divisor == 0)
        return;
    output.setText(formatGeneral(roundToDecimals(mhz / divisor, 6)));
}

void applyCommonPclkDivider(ControlStore& store) {
    copyCommonDivider(store, kPeripheralClocks.size());
}

void applyPclkDivider13xx(ControlStore& store, bool perPeripheralDividers) {
    // Timer0..3 and PWM0..1 lead the list; SPI and the SSP ports follow.
    constexpr std::size_t kTimersAndPwm = 6;
    copyCommonDivider(store, kTimersAndPwm);
    const auto* cpuClock = optionalControl<NumericEdit>(store, kCpuClockEdit);
    if (cpuClock == nullptr)
        return;
    for (std::size_t i = kTimersAndPwm; i < kPeripheralClocks.size(); ++i) {
        const auto* divider = optionalControl<ComboBox>(store, kPeripheralClocks[i].divider);
        auto* clock = optionalControl<NumericEdit>(store, kPeripheralClocks[i].clock);
        if (divider != nullptr && clock != nullptr)
            peripheralClock(*cpuClock, *divider, *clock, perPeripheralDividers);
    }
}

} // namespace regforge::model
