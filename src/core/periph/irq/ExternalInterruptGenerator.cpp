#include "periph/irq/ExternalInterruptGenerator.h"

#include "Error.h"
#include "model/BitString.h"
#include "periph/irq/InterruptSections.h"
#include "profile/ProfileSections.h"
#include "profile/RegisterNames.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace regforge::periph::irq {

namespace {

using Lines = std::vector<std::string>;

const std::string kOpen = "/" + std::string(78, '*');
const std::string kRule(79, '*');
const std::string kZeros32(32, '0');

std::string registerLine(const std::string& name, const std::string& bits) {
    return "    " + name + " = " + model::bitsToHex(bits) + ";     /* " + model::bitsToBinaryText(bits) +
           " */";
}

void generateExternalInterrupts(const std::array<EintRow, kEintCount>& rows,
                                const profile::DeviceState& device, Lines& out) {
    std::string mode(8, '0');
    std::string polarity(8, '0');
    std::string flags(8, '0');
    std::string wake(16, '0');
    Lines comments = {kOpen, std::string(27, ' ') + "External interrupts", kRule};
    bool any = false;
    for (int n = 0; n < kEintCount; ++n) {
        const auto& row = rows[static_cast<std::size_t>(n)];
        if (!row.used())
            continue;
        any = true;
        const std::string d = std::to_string(n);
        model::setBit(mode, n, row.mode->itemIndex() == 1);
        model::setBit(polarity, n, row.polarity->itemIndex() == 1);
        model::setBit(wake, n, row.wake->checked());
        model::setBit(flags, n, true);
        std::string line =
            "    Ext. interrupt " + d + " mode: " + row.mode->text() + " / " + row.polarity->text();
        if (!device.cortexM3)
            line += "  / wake on interrupt " + d + " is " + (row.wake->checked() ? "On" : "Off");
        comments.push_back(std::move(line));
    }
    if (!any)
        return;
    out.insert(out.end(), comments.begin(), comments.end());
    out.push_back("*/");
    const std::string clear = ";     /* clear the external interrupt flags */";
    if (device.cortexM3) {
        out.push_back(registerLine("LPC_SC->EXTMODE", mode));
        out.push_back(registerLine("LPC_SC->EXTPOLAR", polarity));
        out.push_back("    LPC_SC->EXTINT = " + model::bitsToHex(flags) + clear);
    } else {
        out.push_back(registerLine("EXTMODE", mode));
        out.push_back(registerLine("EXTPOLAR", polarity));
        const std::string intWake = profile::RegisterNames::fromProfile(device.profileLines)("INTWAKE");
        out.push_back("    " + intWake + " = ( " + intWake + " & " + device.intWakeText + " ) | " +
                      model::bitsToHex(wake) + ";     /* " + model::bitsToBinaryText(wake) + " */");
        out.push_back("    EXTINT = " + model::bitsToHex(flags) + clear);
    }
    out.push_back("");
}

// A GPIO pin node "P1.5...": the port digit at the second character, the pin after the first ".".
struct GpioPin {
    int port = 0;
    int pin = 0;
};

GpioPin gpioPinOf(const std::string& text) {
    const auto dot = text.find('.');
    if (text.size() < 2 || text[1] < '0' || text[1] > '9' || dot == std::string::npos)
        throw regforge::Error("GPIO interrupt pin " + text + " is not P<port>.<pin>");
    GpioPin p;
    p.port = text[1] - '0';
    const char* first = text.data() + dot + 1;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), p.pin);
    if (ec != std::errc() || ptr == first)
        throw regforge::Error("GPIO interrupt pin " + text + " has no pin number");
    return p;
}

bool allZero(const std::vector<std::string>& registers) {
    return std::all_of(registers.begin(), registers.end(),
                       [](const std::string& bits) { return bits.find('1') == std::string::npos; });
}

void writeGpioBlock(const Lines& comments, const Lines& names, const std::vector<std::string>& registers,
                    Lines& out) {
    out.insert(out.end(), comments.begin(), comments.end());
    out.push_back("*/");
    for (std::size_t r = 0; r < registers.size(); ++r)
        out.push_back(registerLine(names[r], registers[r]));
    out.push_back("");
}

// Four registers per port (sense, both edges, event, enable), port by port.
void generateEdgeLevelGpio(const model::Tree& tree, const Lines& body, Lines comments, Lines& out) {
    Lines names;
    for (const auto& line : body) {
        if (!line.empty() && line[0] == 'P')
            break;
        names.push_back(line);
    }
    std::vector<std::string> registers(names.size(), kZeros32);
    for (const auto& node : tree.nodes()) {
        if (node.stateIndex == kGpioDisabled)
            continue;
        const GpioPin p = gpioPinOf(node.text);
        const auto setK = [&](int k) {
            const auto index = static_cast<std::size_t>(p.port * 4 + k);
            if (index >= registers.size())
                throw regforge::Error("[IO_ISR] has no register for " + node.text);
            model::setBit(registers[index], p.pin, true);
        };
        std::string suffix;
        if (node.imageIndex == kGpioLevelImage) {
            setK(0);
            if (node.stateIndex == kGpioFalling) {
                suffix = " : Level sensitive, on Low level";
            } else if (node.stateIndex == kGpioBoth) {
                setK(1);
                suffix = " : Level sensitive, on both levels";
            } else if (node.stateIndex == kGpioRising) {
                setK(2);
                suffix = " : Level sensitive, on High level";
            }
        } else {
            if (node.stateIndex == kGpioFalling) {
                suffix = " : Edge sensitive, on falling edge";
            } else if (node.stateIndex == kGpioBoth) {
                setK(1);
                suffix = " : Edge sensitive, on both edges";
            } else if (node.stateIndex == kGpioRising) {
                setK(2);
                suffix = " : Edge sensitive, on rising edge";
            }
        }
        setK(3);
        comments.push_back("    " + node.text + suffix);
    }
    if (allZero(registers))
        return;
    writeGpioBlock(comments, names, registers, out);
}

// Two ports with rising and falling enables: port 0 and the other port.
void generateTwoPortGpio(const model::Tree& tree, const Lines& body, Lines comments, Lines& out) {
    enum { Port0Rising, Port0Falling, OtherRising, OtherFalling };
    std::vector<std::string> registers(4, kZeros32);
    for (const auto& node : tree.nodes()) {
        const int state = node.stateIndex;
        if (state != kGpioFalling && state != kGpioBoth && state != kGpioRising)
            continue;
        const GpioPin p = gpioPinOf(node.text);
        const bool port0 = node.text[1] == '0';
        const auto rising = static_cast<std::size_t>(port0 ? Port0Rising : OtherRising);
        const auto falling = static_cast<std::size_t>(port0 ? Port0Falling : OtherFalling);
        if (state == kGpioFalling || state == kGpioBoth)
            model::setBit(registers[falling], p.pin, true);
        if (state == kGpioRising || state == kGpioBoth)
            model::setBit(registers[rising], p.pin, true);
        comments.push_back("    " + node.text +
                           (state == kGpioFalling ? " : On falling edge"
                            : state == kGpioBoth  ? " : On both edges"
                                                  : " : On rising edge"));
    }
    if (allZero(registers))
        return;
    if (body.size() < registers.size())
        throw regforge::Error("[IO_ISR] names fewer than four GPIO interrupt registers");
    writeGpioBlock(comments, Lines(body.begin(), body.begin() + 4), registers, out);
}

} // namespace

void generateExternalInterruptCode(const std::array<EintRow, kEintCount>& rows, const model::Tree& gpioTree,
                                   const profile::DeviceState& device, ResultLists& lists) {
    // Devices with edge/level GPIO interrupts (the LPC13xx) have no EINT inputs and no EXTMODE,
    // EXTPOLAR or EXTINT register.
    if (!device.edgeLevelIsr)
        generateExternalInterrupts(rows, device, lists.mainLines);
    if (!profile::hasSection(device.profileLines, kGpioInterruptSection))
        return;
    const Lines body = profile::sectionBody(device.profileLines, kGpioInterruptSection);
    Lines comments = {kOpen, std::string(35, ' ') + "GPIO interrupts", kRule};
    if (device.edgeLevelIsr)
        generateEdgeLevelGpio(gpioTree, body, std::move(comments), lists.mainLines);
    else
        generateTwoPortGpio(gpioTree, body, std::move(comments), lists.mainLines);
}

} // namespace regforge::periph::irq
