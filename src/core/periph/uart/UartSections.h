#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <string>

namespace regforge::periph::uart {

// What a device profile says about one UART. "[UART0]".."[UART4]" name the units the device
// has; each is followed by up to five lines, each a feature marker: "FDR" (the fractional
// divider), "MODEM" (modem lines), "RS485", "IRDA", or "NAME@UART" for a unit the headers and the
// interrupt list name otherwise than "UARTn" (the single LPC13xx UART). "[UARTn_INIT]" holds the
// lines that power and clock the unit, copied into the code before its registers.
struct UartSection {
    bool present = false;
    bool fractionalDivider = false;
    bool modem = false;
    bool rs485 = false;
    bool irda = false;
    // As the headers name the unit ("UART0", "UART"): the structure LPC_<name> and the interrupt
    // source <name>.
    std::string name;
};

inline constexpr int kUartSectionLines = 5;
inline constexpr std::size_t kUartInitLines = 2;
inline std::string uartSection(int uart) {
    return "[UART" + std::to_string(uart) + "]";
}
inline std::string uartInitSection(int uart) {
    return "[UART" + std::to_string(uart) + "_INIT]";
}

UartSection readUartSection(const profile::Lines& lines, int uart);

// The power and clock lines of the unit, at most two; none when the section is absent.
profile::Lines uartInitLines(const profile::Lines& lines, int uart);

// The UART sections and their line grammar.
profile::SectionDescription uartSections();

} // namespace regforge::periph::uart
