#include "periph/spi/SspGenerator.h"

#include "model/BitString.h"
#include "model/ValueFormat.h"
#include "periph/RegisterLines.h"
#include "periph/spi/SerialCodeText.h"
#include "periph/spi/SerialSections.h"

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::spi {

namespace {

// The registers of one port as bit strings, most significant bit first.
struct SspRegisters {
    std::string cr0 = std::string(16, '0');
    std::string cr1 = std::string(8, '0');
    std::string cpsr = std::string(8, '0');
    std::string imsc = std::string(8, '0');
    std::string dmacr = std::string(16, '0');
};

void setField(std::string& bits, int firstBit, int width, int value) {
    for (int k = 0; k < width; ++k)
        model::setBit(bits, firstBit + k, ((value >> k) & 1) != 0);
}

int field(const std::string& bits, int firstBit, int width) {
    int value = 0;
    for (int k = 0; k < width; ++k)
        if (bitIsSet(bits, firstBit + k))
            value |= 1 << k;
    return value;
}

SspRegisters composeRegisters(const SspPort& port) {
    SspRegisters regs;
    setField(regs.cr0, 8, 8, static_cast<int>(port.scr->valueAsInt64() & 0xFF));
    model::setBit(regs.cr0, 7, port.cpha->checked());
    model::setBit(regs.cr0, 6, port.cpol->checked());
    setField(regs.cr0, 4, 2, port.frameFormat->itemIndex());
    setField(regs.cr0, 0, 4, port.dataSize->itemIndex() + 3);
    // SSE stays 0 here: the port is configured first and enabled by a line of its own.
    model::setBit(regs.cr1, 0, port.loopBack->checked());
    model::setBit(regs.cr1, 2, port.slave->checked());
    model::setBit(regs.cr1, 3, port.slaveOutputOff->checked());
    regs.cpsr = model::byteToBits(static_cast<int>(port.prescale->valueAsInt64()));
    for (int bit = 0; bit < 4; ++bit)
        model::setBit(regs.imsc, bit, port.interrupts.at(static_cast<std::size_t>(bit))->checked());
    model::setBit(regs.dmacr, 0, port.receiveDma->checked());
    model::setBit(regs.dmacr, 1, port.transmitDma->checked());
    return regs;
}

// By CR0 bits 5..4. A frame-format combo left without a selection reads as all ones, the
// reserved value; it is named like the last format.
constexpr std::array<const char*, 4> kFrameFormatLines = {
    "   SSP frame format set to SPI mode", "   SSP frame format set to TI SSI mode",
    "   SSP frame format set to Microwire mode", "   SSP frame format set to Microwire mode"};

constexpr std::array<const char*, 4> kInterruptTexts = {"receive overrun, ", "receive timeout, ",
                                                        "RX FIFO at least half full, ",
                                                        "TX FIFO at least half empty, "};

} // namespace

void SspGenerator::generate(int ssp, const SspPort& port, ResultLists& lists) const {
    const std::string n = std::to_string(ssp);
    const SerialPortSection section = readSspSection(device_.profileLines, ssp);
    const bool hasDma = section.marked;
    const SspRegisters regs = composeRegisters(port);
    if (!port.enableBox->checked())
        return;

    const bool slave = bitIsSet(regs.cr1, 2);
    const int frameFormat = field(regs.cr0, 4, 2);
    const std::string& clockText = port.clock.clock->text();

    std::vector<std::string> out = commentOpening("SSP" + n);
    out.emplace_back(kFrameFormatLines.at(static_cast<std::size_t>(frameFormat)));
    std::string operating = slave ? "   Operating in slave mode" : "   Operating in master mode";
    if (slave && bitIsSet(regs.cr1, 3))
        operating += ", MISO output disabled";
    if (const int dataSize = field(regs.cr0, 0, 4); dataSize >= 3)
        operating += ", " + std::to_string(dataSize + 1) + " bit transfer in each frame";
    out.push_back(operating);
    if (frameFormat == 0)
        out.push_back(
            modeLine(2 * static_cast<int>(bitIsSet(regs.cr0, 6)) + static_cast<int>(bitIsSet(regs.cr0, 7))));
    if (slave) {
        const auto most = static_cast<float>(port.clock.clock->valueAsFloat() * 1000000.0 / 12.0);
        out.push_back("   Can accept up to " + model::formatFrequency(4, "Hz", most) + " SCK from master" +
                      clockSourceText(clockText));
    } else {
        out.push_back("   " + port.bitRate.caption() + clockSourceText(clockText));
    }
    const bool enabled = port.enable->checked();
    out.push_back(std::string(enabled ? "   SSP controller enabled" : "   SSP controller is not enabled") +
                  (bitIsSet(regs.cr1, 0)
                       ? ", operating in Loopback mode: serial input is taken from the serial output"
                       : ", set to operate in Normal mode"));
    if (regs.imsc == "00000000") {
        out.emplace_back("   No interrupt");
    } else {
        std::string line = "   Interrupt on: ";
        for (int bit = 0; bit < 4; ++bit)
            if (bitIsSet(regs.imsc, bit))
                line += kInterruptTexts.at(static_cast<std::size_t>(bit));
        out.push_back(line);
    }
    if (hasDma)
        out.push_back(std::string("   DMA for the receive FIFO is ") +
                      (bitIsSet(regs.dmacr, 0) ? "enabled, " : "disabled") +
                      "   DMA for the transmit FIFO is " +
                      (bitIsSet(regs.dmacr, 1) ? "enabled" : "disabled"));
    out.emplace_back("*/");
    out.emplace_back();

    // The profile's power and clock lines for the port; an empty line is no statement.
    for (const std::string& line : templateLines(device_.profileLines, sspInitSection(ssp), kSspInitLines))
        if (!line.empty())
            out.push_back(line);

    const std::string prefix = device_.cortexM3 ? "LPC_SSP" + n + "->" : "SSP" + section.number;
    out.push_back(registerLine(prefix + "CR0 = ", regs.cr0, true));
    out.push_back(registerLine(prefix + "CR1 = ", regs.cr1, true));
    out.push_back(registerLine(prefix + "CPSR = ", regs.cpsr, false));
    out.push_back(registerLine(prefix + "IMSC = ", regs.imsc, true));
    if (hasDma)
        out.push_back(registerLine(prefix + "DMACR = ", regs.dmacr, true));
    if (enabled)
        out.push_back(prefix + "CR1 = (" + prefix + "CR1 & 0x0F) | 2;   /* Enable SSP */");
    out.emplace_back();
    lists.mainLines.insert(lists.mainLines.end(), out.begin(), out.end());
}

} // namespace regforge::periph::spi
