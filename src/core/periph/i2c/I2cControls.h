#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::i2c {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheetI2C", "I2C", true, &commonDividerUnlessPerUnit};

// The I2C units 0..2. Every control of a unit carries tag = the unit's base + the field's offset.
inline constexpr int kBusCount = 3;
constexpr int busBase(int bus) {
    return 1500 + 100 * bus;
}

inline constexpr int kModeOffset = 10;
inline constexpr int kRateOffset = 20;
inline constexpr int kRateEditOffset = 21;
inline constexpr int kDutyOffset = 22;
inline constexpr int kSclhOffset = 30;
inline constexpr int kScllOffset = 31;
inline constexpr int kRateLabelOffset = 40;
inline constexpr int kAddressOffset = 50;
inline constexpr int kGeneralCallOffset = 51;
inline constexpr int kMaskOffset = 52;
inline constexpr int kInterruptOffset = 60;
inline constexpr int kSourceLabelOffset = 61;
inline constexpr int kCoverPanelOffset = 98;
inline constexpr int kEnableBoxOffset = 99;
// The dividers of the unit clock panels carry this tag (outside every unit range).
inline constexpr int kDividerTag = 95;

// The items of the combos, in item order.
inline constexpr std::array<const char*, 2> kModeItems = {"Master", "Slave"};
inline constexpr int kMaster = 0;
inline constexpr int kSlave = 1;
inline constexpr std::array<const char*, 4> kRateItems = {"100 kHz (Standard-mode)", "400 kHz (Fast-mode)",
                                                          "1 MHz (Fast-mode Plus)", "Other (kHz)"};
inline constexpr int kStandardRate = 0;
inline constexpr int kFastRate = 1;
inline constexpr int kFastPlusRate = 2;
inline constexpr int kOtherRate = 3;
// The share of each SCL period spent high.
inline constexpr std::array<const char*, 3> kDutyItems = {"50 % high / 50 % low", "40 % high / 60 % low",
                                                          "33 % high / 67 % low"};

// The names of a unit's controls: "I2C" + digit + suffix ("I2C1SCLH_edit").
inline std::string busControl(int bus, const char* suffix) {
    return "I2C" + std::to_string(bus) + suffix;
}
inline std::string enableBoxName(int bus) {
    return busControl(bus, "_CheckBox");
}
inline std::string groupBoxName(int bus) {
    return busControl(bus, "_GroupBox");
}
inline std::string coverPanelName(int bus) {
    return busControl(bus, "_Panel");
}
inline std::string clockPanelName(int bus) {
    return busControl(bus, "pclk_Panel");
}
inline std::string clockDividerName(int bus) {
    return busControl(bus, "pclk_div");
}
inline std::string clockEditName(int bus) {
    return busControl(bus, "pclock_edit");
}

} // namespace regforge::periph::i2c
