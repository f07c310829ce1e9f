#pragma once

namespace regforge::model {

class ComboBox;
class NumericEdit;

// The highest CPU clock in MHz the figures are computed for.
inline constexpr double kMaxCpuClockMhz = 200;

// Sets `output` to the CPU clock divided by the selected divider, in MHz rounded to six
// decimals ("15" for 60 MHz and "1/4"). With per-peripheral dividers (LPC13xx and IOCON
// devices) item n divides by n + 1; otherwise the items are "1/8", "1/4", "1/2", "1/1".
// A CPU clock that is not above 0 and at most 200, or no usable selection, leaves the output.
void peripheralClock(const NumericEdit& cpuClock, const ComboBox& divider, NumericEdit& output,
                     bool perPeripheralDividers);

} // namespace regforge::model
