#include "periph/uart/UartGenerator.h"

#include "Error.h"
#include "model/BitString.h"
#include "model/NumberText.h"
#include "periph/RegisterLines.h"
#include "periph/spi/SerialCodeText.h"
#include "periph/uart/UartText.h"

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::uart {

namespace {

// LCR[5:3] by parity item: off, then PE with the parity select 0..3.
constexpr std::array<int, 5> kParityBits = {0b000, 0b001, 0b011, 0b101, 0b111};
constexpr std::array<const char*, 5> kParityTexts = {"no parity", "odd parity", "even parity",
                                                     "parity forced to 1", "parity forced to 0"};
constexpr std::array<char, 5> kParityLetters = {'N', 'O', 'E', 'M', 'S'};
constexpr std::array<int, 4> kTriggerLevels = {1, 4, 8, 14};
constexpr std::array<const char*, 3> kInterruptTexts = {"receive data, ", "transmit holding register empty, ",
                                                        "line status, "};

int index(const model::ComboBox& combo, std::size_t count) {
    const int at = combo.itemIndex();
    return at >= 0 && static_cast<std::size_t>(at) < count ? at : 0;
}

std::string byteLine(const std::string& assignment, int value, bool binary) {
    return registerLine(assignment, model::byteToBits(value & 0xFF), binary);
}

} // namespace

void UartGenerator::generate(int uart, const UartUnit& u, ResultLists& lists) const {
    const BaudSetting setting = u.setting();
    // The page corrects what a file brings; the code never holds a setting the manual forbids.
    if (!allowed(setting) || (!u.section.fractionalDivider && setting.divAddVal != 0))
        throw Error(u.enableBox->caption() + ": the baud rate divisors are not allowed");
    const int wordLength = index(*u.wordLength, 4);
    const int parity = index(*u.parity, kParityBits.size());
    const bool twoStops = index(*u.stopBits, 2) == 1;
    const int lcr =
        wordLength | (twoStops ? 1 << 2 : 0) | (kParityBits.at(static_cast<std::size_t>(parity)) << 3);
    const bool fifo = u.fifo->checked();
    const int trigger = index(*u.trigger, kTriggerLevels.size());
    // FIFO enable with both FIFOs reset, and the trigger level.
    const int fcr = fifo ? (0b111 | (trigger << 6)) : 0;
    int ier = 0;
    for (std::size_t k = 0; k < u.interrupts.size(); ++k)
        if (u.interrupts[k]->checked())
            ier |= 1 << k;
    const std::string& name = u.section.name;

    std::vector<std::string> out = spi::commentOpening(name);
    std::string rate = "   Baud rate: " + u.baud->text();
    if (u.figures.actual)
        rate += " (actual " + rateText(*u.figures.actual) + ", error " + errorText(u.figures.errorPercent) +
                " %)";
    out.push_back(rate + spi::clockSourceText(u.clock.clock->text()));
    if (u.figures.wanted && u.figures.actual && !u.figures.withinLimit())
        out.push_back("   The error is above the " + errorText(u.figures.limitPercent).substr(1) +
                      " % this frame tolerates: the link may lose characters");
    std::string dividers = "   Dividers: DLM:DLL = " + std::to_string(setting.divisor);
    if (u.section.fractionalDivider)
        dividers += setting.divAddVal == 0 ? ", fractional divider off"
                                           : ", DIVADDVAL = " + std::to_string(setting.divAddVal) +
                                                 ", MULVAL = " + std::to_string(setting.mulVal);
    out.push_back(dividers);
    const std::string stops = twoStops ? (wordLength == 0 ? "1.5 stop bits" : "2 stop bits") : "1 stop bit";
    out.push_back("   Frame: " + std::to_string(5 + wordLength) + " data bits, " +
                  kParityTexts.at(static_cast<std::size_t>(parity)) + ", " + stops + " (" +
                  std::to_string(5 + wordLength) + kParityLetters.at(static_cast<std::size_t>(parity)) +
                  (twoStops ? (wordLength == 0 ? "1.5" : "2") : "1") + ")");
    out.push_back(fifo ? "   FIFOs enabled, receive trigger after " +
                             std::to_string(kTriggerLevels.at(static_cast<std::size_t>(trigger))) +
                             (trigger == 0 ? " character" : " characters")
                       : std::string("   FIFOs disabled"));
    if (ier == 0) {
        out.emplace_back("   No interrupt");
    } else {
        std::string line = "   Interrupt on: ";
        for (std::size_t k = 0; k < u.interrupts.size(); ++k)
            if ((ier >> k) & 1)
                line += kInterruptTexts.at(k);
        out.push_back(line + "source " + name + " on the Interrupts page");
    }
    out.emplace_back("*/");
    out.emplace_back();

    for (const std::string& line : uartInitLines(device_.profileLines, uart))
        if (!line.empty())
            out.push_back(line);
    if (device_.pclkDiv13xx) {
        // The UART clock is the main clock over UARTCLKDIV; its reset value 0 stops the clock.
        const int divider = std::max(0, u.clock.divider->itemIndex()) + 1;
        out.push_back("LPC_SYSCON->UARTCLKDIV = " + std::to_string(divider) +
                      ";     /* UART clock: main clock / " + std::to_string(divider) + " */");
    }
    const std::string prefix = device_.cortexM3 ? "LPC_" + name + "->" : "U" + std::to_string(uart);
    out.push_back(byteLine(prefix + "LCR = ", lcr | 0x80, true));
    out.push_back(byteLine(prefix + "DLL = ", setting.dll(), false));
    out.push_back(byteLine(prefix + "DLM = ", setting.dlm(), false));
    if (u.section.fractionalDivider)
        out.push_back(byteLine(prefix + "FDR = ", (setting.mulVal << 4) | setting.divAddVal, true));
    out.push_back(byteLine(prefix + "LCR = ", lcr, true));
    out.push_back(byteLine(prefix + "FCR = ", fcr, true));
    out.push_back(byteLine(prefix + "IER = ", ier, true));
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::uart
