#pragma once

#include <array>
#include <string_view>

namespace regforge::model {

class ComboBox;
class ControlStore;
class NumericEdit;

// The CPU clock edit (MHz) and the common divider with its peripheral clock edit.
inline constexpr std::string_view kCpuClockEdit = "pllclock_edit";
inline constexpr std::string_view kCommonDivider = "pclk_div";
inline constexpr std::string_view kCommonClockEdit = "pclock_edit";

// A peripheral's own divider combo and the clock edit it feeds.
struct PeripheralClockControls {
    std::string_view divider;
    std::string_view clock;
};

// Timer0..3, PWM0..1, SPI, SSP0..2 in the order every clock update walks them.
inline constexpr std::array<PeripheralClockControls, 10> kPeripheralClocks = {{
    {"T0pclk_div", "T0pclock_edit"},
    {"T1pclk_div", "T1pclock_edit"},
    {"T2pclk_div", "T2pclock_edit"},
    {"T3pclk_div", "T3pclock_edit"},
    {"PWM0pclk_div", "PWM0pclock_edit"},
    {"PWM1pclk_div", "PWM1pclock_edit"},
    {"SPIpclk_div", "SPIpclock_edit"},
    {"SSP0pclk_div", "SSP0pclock_edit"},
    {"SSP1pclk_div", "SSP1pclock_edit"},
    {"SSP2pclk_div", "SSP2pclock_edit"},
}};

// The highest CPU clock in MHz the figures are computed for.
inline constexpr double kMaxCpuClockMhz = 200;

// Sets `output` to the CPU clock divided by the selected divider, in MHz rounded to six
// decimals ("15" for 60 MHz and "1/4"). With per-peripheral dividers (LPC13xx and IOCON
// devices) item n divides by n + 1; otherwise the items are "1/8", "1/4", "1/2", "1/1".
// A CPU clock that is not above 0 and at most 200, or no usable selection, leaves the output.
void peripheralClock(const NumericEdit& cpuClock, const ComboBox& divider, NumericEdit& output,
                     bool perPeripheralDividers);

// The two below look controls up by name and skip those the store does not hold, so they
// work before every page exists.

// One divider for the whole device: every peripheral divider takes the common divider's
// index, then every peripheral clock edit the common clock text.
void applyCommonPclkDivider(ControlStore& store);

// LPC13xx: the timers and PWM units run from the common divider (index and clock text are
// copied); SPI and the SSP ports have dividers of their own and are computed from the CPU clock.
void applyPclkDivider13xx(ControlStore& store, bool perPeripheralDividers);

} // namespace regforge::model
