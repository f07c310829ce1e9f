#pragma once

#include "periph/PageTab.h"

#include <array>

namespace regforge::periph::clock {

// The page's tab: second after "I/O"; it shows the shared clock bar, whose CPU clock edit the
// page sets while it is on. The common divider shows where the counters use it.
inline constexpr PageTab kTab{"Clocks_page", "Clocks", true, &commonDividerForCounters};

// The enable box, the group box it switches and the panel covering the page while it is off.
// A device whose profile has no [CLOCKS] hides the enable box.
inline constexpr const char* kEnableBox = "clk_checkbox";
inline constexpr const char* kEnableCaption = "Clock set-up";
inline constexpr const char* kGroupBox = "clk_groupbox";
inline constexpr const char* kCoverPanel = "clk_panel";
inline constexpr const char* kCoverCaption = "The clock set-up is off or not available for this device";

// Source combo (fixed items; the page refuses a source the device lacks).
inline constexpr const char* kSourceLabel = "clk_source_label";
inline constexpr const char* kSourceLabelCaption = "Clock source";
inline constexpr const char* kSourceCombo = "clk_source";
inline constexpr std::array<const char*, 3> kSourceItems = {"Main oscillator", "Internal RC oscillator",
                                                            "RTC oscillator"};
inline constexpr int kMainOscillatorItem = 0;
inline constexpr int kIrcItem = 1;
inline constexpr int kRtcItem = 2;

// Crystal frequency (MHz, float edit) and the wanted CPU clock (MHz, float edit).
inline constexpr const char* kCrystalLabel = "clk_crystal_label";
inline constexpr const char* kCrystalLabelCaption = "Crystal";
inline constexpr const char* kCrystalEdit = "clk_crystal";
inline constexpr const char* kCrystalDefault = "12";
inline constexpr const char* kCrystalUnit = "clk_crystal_unit";
inline constexpr const char* kWantedLabel = "clk_wanted_label";
inline constexpr const char* kWantedLabelCaption = "Wanted CPU clock";
inline constexpr const char* kWantedEdit = "clk_wanted";
inline constexpr const char* kWantedUnit = "clk_wanted_unit";
inline constexpr const char* kUnitCaption = "MHz";

// The solutions, best first (exact ones first, then the closest): one item per solution,
// "M 25, N 2, CPU / 3: 100 MHz, CCO 300 MHz, exact" or "... +1234 ppm" (no "CPU / n" where the
// part has no CPU clock divider). Its saved record holds
// the chosen setting itself (M, N or P, CPU divider), so a load can tell whether the part reaches it.
inline constexpr const char* kSolutionsLabel = "clk_solutions_label";
inline constexpr const char* kSolutionsLabelCaption = "PLL settings";
inline constexpr const char* kSolutionsList = "clk_solutions";

// USB clock of 48 MHz, shown where the part has USB.
inline constexpr const char* kUsbBox = "clk_usb";
inline constexpr const char* kUsbCaption = "USB clock (48 MHz)";

// Live figures: each a label whose caption is formatted from the page's figures, red outside
// its limit.
inline constexpr const char* kInputFigure = "clk_input_fig"; // "Input: 12 MHz"
inline constexpr const char* kCcoFigure = "clk_cco_fig";     // "CCO: 300 MHz"
inline constexpr const char* kCpuFigure = "clk_cpu_fig";     // "CPU: 100 MHz"
inline constexpr const char* kUsbFigure = "clk_usb_fig";     // "USB: 48 MHz (CCO / 6)"
inline constexpr const char* kPclkFigure = "clk_pclk_fig";   // "Peripherals: 25 MHz"
inline constexpr const char* kFlashFigure = "clk_flash_fig"; // "Flash: 5 CPU clocks per access"
// One-line clock tree, its segments joined by " » " and each kept whole (no-break spaces), so a
// wrapped tree breaks only between segments.
inline constexpr const char* kTreeLabel = "clk_tree";
inline constexpr const char* kStatusLabel = "clk_status"; // what is wrong, red; empty when fine
inline constexpr const char* kLimitLabel = "clk_limit";   // the profile's LIMIT text

} // namespace regforge::periph::clock
