#include "periph/uart/UartSections.h"

#include "periph/uart/UartControls.h"
#include "profile/SectionChecker.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace regforge::periph::uart {

namespace {

constexpr std::string_view kNameMarker = "NAME@";

profile::Lines bodyOf(const profile::Lines& lines, const std::string& header, std::size_t count) {
    const int at = profile::findSection(lines, header);
    if (at < 0)
        return {};
    profile::Lines body = profile::sectionBodyAt(lines, at);
    if (body.size() > count)
        body.resize(count);
    return body;
}

// A name the code can put after "LPC_" and before "_IRQn": letters and digits.
bool isUnitName(std::string_view name) {
    return !name.empty() && name.size() <= 16 && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c));
    });
}

std::optional<std::string> lineProblem(const std::string& header, const std::string& line) {
    if (line.empty() || line == "FDR" || line == "MODEM" || line == "RS485" || line == "IRDA")
        return std::nullopt;
    if (line.rfind(kNameMarker, 0) == 0 && isUnitName(std::string_view(line).substr(kNameMarker.size())))
        return std::nullopt;
    return header + " line " + profile::quoted(line) + " is none of FDR, MODEM, RS485, IRDA, NAME@<name>";
}

} // namespace

UartSection readUartSection(const profile::Lines& lines, int uart) {
    UartSection section;
    const std::string header = uartSection(uart);
    section.name = "UART" + std::to_string(uart);
    if (profile::findSection(lines, header) < 0)
        return section;
    section.present = true;
    for (const std::string& line : bodyOf(lines, header, kUartSectionLines)) {
        section.fractionalDivider = section.fractionalDivider || line == "FDR";
        section.modem = section.modem || line == "MODEM";
        section.rs485 = section.rs485 || line == "RS485";
        section.irda = section.irda || line == "IRDA";
        if (line.rfind(kNameMarker, 0) == 0 && isUnitName(std::string_view(line).substr(kNameMarker.size())))
            section.name = line.substr(kNameMarker.size());
    }
    return section;
}

profile::Lines uartInitLines(const profile::Lines& lines, int uart) {
    return bodyOf(lines, uartInitSection(uart), kUartInitLines);
}

profile::SectionDescription uartSections() {
    profile::SectionDescription description;
    for (int n = 0; n < kUartCount; ++n) {
        const std::string header = uartSection(n);
        description.sections.push_back(profile::SectionRule(header)
                                           .withoutEmptyLines()
                                           .readingAtMost(kUartSectionLines)
                                           .checkingLines([header](const std::string& line, std::size_t) {
                                               return lineProblem(header, line);
                                           }));
    }
    for (int n = 0; n < kUartCount; ++n)
        description.sections.push_back(
            profile::SectionRule(uartInitSection(n)).readingAtMost(kUartInitLines));
    return description;
}

} // namespace regforge::periph::uart
