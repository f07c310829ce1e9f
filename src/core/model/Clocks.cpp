#include "model/Clocks.h"

#include "model/ComboBox.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"

namespace regforge::model {

namespace {

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

} // namespace regforge::model
