#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::uart {

// The page's tab, after "SPI/SSP"; it shows the shared clock bar, whose common divider drives
// the UARTs of parts without dividers of their own.
inline constexpr PageTab kTab{"Uart_page", "UART", true, &commonDividerUnlessPerUnit};

// UART0..UART4. Every control of a unit carries tag = the unit's base + the field's offset.
inline constexpr int kUartCount = 5;
constexpr int uartBase(int uart) {
    return 2000 + 100 * uart;
}
// The unit a tag belongs to; -1 for any other tag.
constexpr int uartOfTag(int tag) {
    return tag >= 2000 && tag < 2000 + 100 * kUartCount ? (tag - 2000) / 100 : -1;
}

// The dividers of the unit clock panels carry this tag (outside every unit range).
inline constexpr int kDividerTag = 95;

inline constexpr int kWordLengthOffset = 1;      // LCR[1:0]
inline constexpr int kStopBitsOffset = 2;        // LCR[2]
inline constexpr int kParityOffset = 3;          // LCR[5:3]
inline constexpr int kFifoOffset = 10;           // FCR[0]
inline constexpr int kTriggerOffset = 11;        // FCR[7:6]
inline constexpr int kFirstInterruptOffset = 20; // IER[0..2]
inline constexpr int kBaudOffset = 30;
inline constexpr int kSolutionsOffset = 31;
inline constexpr int kRateLabelOffset = 32;
inline constexpr int kDllOffset = 40;
inline constexpr int kDlmOffset = 41;
inline constexpr int kDivAddValOffset = 42;
inline constexpr int kMulValOffset = 43;
inline constexpr int kCoverPanelOffset = 98;
inline constexpr int kEnableBoxOffset = 99;

// Items of the combos, in register order.
inline constexpr std::array<const char*, 4> kWordLengthItems = {"5 bits", "6 bits", "7 bits", "8 bits"};
inline constexpr int kDefaultWordLength = 3;
inline constexpr std::array<const char*, 2> kStopBitItems = {"1 stop bit", "2 stop bits"};
inline constexpr std::array<const char*, 5> kParityItems = {"None", "Odd", "Even", "Forced 1 (mark)",
                                                            "Forced 0 (space)"};
inline constexpr std::array<const char*, 4> kTriggerItems = {"1 character", "4 characters", "8 characters",
                                                             "14 characters"};
// IER bits 0..2.
inline constexpr std::array<const char*, 3> kInterruptSuffixes = {"RBRIE_CheckBox", "THREIE_CheckBox",
                                                                  "RLSIE_CheckBox"};
inline constexpr std::array<const char*, 3> kInterruptCaptions = {"Receive data", "Transmit holding empty",
                                                                  "Line status"};
inline constexpr const char* kDefaultBaud = "115200";
// The solutions the list offers, best first.
inline constexpr std::size_t kSolutionCount = 5;

// Control names: "UART" + digit + suffix ("UART0DLL_edit").
inline std::string uartControl(int uart, const char* suffix) {
    return "UART" + std::to_string(uart) + suffix;
}
inline std::string enableBoxName(int uart) {
    return uartControl(uart, "_CheckBox");
}

} // namespace regforge::periph::uart
