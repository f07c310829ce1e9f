#include "periph/irq/InterruptSections.h"

#include "profile/DeviceSections.h"
#include "profile/SectionChecker.h"

namespace regforge::periph::irq {

namespace {

using profile::decimalNumber;
using profile::quoted;
using profile::SectionChecker;

// The source names of the [ISR] lines, a line without a comma being a name of its own.
std::vector<std::string> sourceNames(const profile::Lines& lines) {
    std::vector<std::string> names;
    for (const auto& line : profile::sectionBody(lines, kSourcesSection)) {
        if (line.empty())
            continue;
        const auto comma = line.find(',');
        names.push_back(comma == std::string::npos ? line : line.substr(comma + 1));
    }
    return names;
}

std::optional<std::string> sourceLineProblem(const std::string& line) {
    if (line.empty())
        return std::nullopt;
    const auto comma = line.find(',');
    if (comma == std::string::npos)
        return "interrupt source " + quoted(line) + " is not 'channel,name'";
    const std::string channel = line.substr(0, comma);
    if (!decimalNumber(channel))
        return "interrupt channel " + quoted(channel) + " is not a number";
    return std::nullopt;
}

std::optional<std::string> slotCountProblem(const std::string& line, std::size_t k) {
    if (k != 0 || line.empty())
        return std::nullopt;
    const auto count = decimalNumber(line);
    if (count && *count > 0)
        return std::nullopt;
    return "vector slot count " + quoted(line) + " is not a positive number";
}

// The description and handler lists run parallel to the sources.
void checkSourceLists(SectionChecker& c) {
    std::size_t sources = 0;
    for (int i : c.body(kSourcesSection))
        sources += c.text(i).empty() ? 0 : 1;
    for (const char* list : {kDescriptionsSection, kHandlersSection}) {
        const int at = c.header(list);
        if (at >= 0 && c.body(list).size() != sources)
            c.report(at, std::string(list) + " has " + std::to_string(c.body(list).size()) + " lines for " +
                             std::to_string(sources) + " interrupt sources");
    }
}

// [IO_ISR]: the register lines come first (four, or four per port with edge/level interrupts),
// then the pins.
void checkGpioInterrupts(SectionChecker& c) {
    if (c.header(kGpioInterruptSection) < 0)
        return;
    const bool edgeLevel = c.header(profile::kEdgeLevelIsrSection) >= 0;
    int registers = 0;
    bool pinsStarted = false;
    for (int i : c.body(kGpioInterruptSection)) {
        const std::string& line = c.text(i);
        if (line.empty())
            continue;
        if (line[0] != 'P') {
            if (pinsStarted)
                c.report(i, "register line " + quoted(line) + " after the pin lines is never read");
            else
                ++registers;
            continue;
        }
        pinsStarted = true;
        const auto dot = line.find('.');
        const int pin = dot == std::string::npos ? -1 : decimalNumber(line.substr(dot + 1)).value_or(-1);
        if (line.size() < 2 || line[1] < '0' || line[1] > '9' || pin < 0) {
            c.report(i, "GPIO interrupt pin " + quoted(line) + " is not 'P<port>.<pin>'");
            continue;
        }
        if (pin > 31)
            c.report(i, "GPIO interrupt pin " + line + ": bit " + std::to_string(pin) + " is outside 0..31");
        const int needed = edgeLevel ? (line[1] - '0') * 4 + 4 : 4;
        if (registers < needed)
            c.report(i, "GPIO interrupt pin " + line + " needs " + std::to_string(needed) +
                            " register lines before the pins, " + kGpioInterruptSection + " has " +
                            std::to_string(registers));
    }
}

} // namespace

profile::SectionDescription interruptSections() {
    profile::SectionDescription description;
    description.sections = {
        profile::SectionRule(kSourcesSection)
            .withoutEmptyLines()
            .checkingLines([](const std::string& line, std::size_t) { return sourceLineProblem(line); }),
        profile::SectionRule(kDescriptionsSection).withoutEmptyLines(),
        profile::SectionRule(kHandlersSection).withoutEmptyLines(),
        profile::SectionRule(kVectorSlotsSection)
            .withoutEmptyLines()
            .takingAtLeast(1)
            .checkingLines(slotCountProblem),
        profile::SectionRule(kGpioInterruptSection).withoutEmptyLines(),
        profile::SectionRule(kNoDefaultVectorSection),
    };
    description.namedSections = [](const profile::Lines& lines) {
        std::vector<std::string> sections;
        for (const auto& source : sourceNames(lines))
            sections.push_back(handlerSection(source));
        return sections;
    };
    description.check = [](SectionChecker& c) {
        checkSourceLists(c);
        checkGpioInterrupts(c);
    };
    return description;
}

} // namespace regforge::periph::irq
