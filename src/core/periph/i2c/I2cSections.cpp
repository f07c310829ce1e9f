#include "periph/i2c/I2cSections.h"

#include "periph/i2c/I2cControls.h"
#include "profile/SectionChecker.h"

#include <algorithm>

namespace regforge::periph::i2c {

namespace {

constexpr const char* kRegisterKey = "REG@";
constexpr const char* kSourceKey = "ISR@";
constexpr const char* kPadsKey = "PADS@";

bool startsWith(const std::string& line, std::string_view key) {
    return line.compare(0, key.size(), key) == 0;
}

std::optional<std::string> lineProblem(const std::string& header, const std::string& line) {
    if (line.empty() || line == kMaskMarker)
        return std::nullopt;
    for (const char* key : {kRegisterKey, kSourceKey, kPadsKey})
        if (startsWith(line, key)) {
            if (line.size() == std::string_view(key).size())
                return header + " line " + profile::quoted(line) + " names nothing";
            return std::nullopt;
        }
    return header + " line " + profile::quoted(line) + " is none of REG@, ISR@, PADS@, " + kMaskMarker;
}

} // namespace

profile::Lines sectionLines(const profile::Lines& lines, const std::string& header) {
    const int at = profile::findSection(lines, header);
    return at < 0 ? profile::Lines{} : profile::sectionBodyAt(lines, at);
}

I2cSection readBusSection(const profile::Lines& lines, int bus, bool cortexM3) {
    I2cSection section;
    const std::string n = std::to_string(bus);
    const std::string header = busSection(bus);
    if (profile::findSection(lines, header) < 0)
        return section;
    section.present = true;
    for (const std::string& line : sectionLines(lines, header)) {
        if (lineProblem(header, line))
            continue;
        if (line == kMaskMarker)
            section.addressMask = true;
        else if (startsWith(line, kRegisterKey))
            section.registerPrefix = line.substr(std::string_view(kRegisterKey).size());
        else if (startsWith(line, kSourceKey))
            section.source = line.substr(std::string_view(kSourceKey).size());
        else if (startsWith(line, kPadsKey))
            for (std::size_t at = std::string_view(kPadsKey).size(); at < line.size();) {
                const std::size_t end = std::min(line.find('@', at), line.size());
                if (end > at)
                    section.fastModePlusPads.push_back(line.substr(at, end - at));
                at = end + 1;
            }
    }
    if (section.registerPrefix.empty())
        section.registerPrefix = cortexM3 ? "LPC_I2C" + n + "->I2" : "I2" + n;
    if (section.source.empty())
        section.source = "I2C" + n;
    section.fastModePlus = profile::findSection(lines, fastModePlusSection(bus)) >= 0;
    return section;
}

profile::SectionDescription i2cSections() {
    profile::SectionDescription description;
    for (int n = 0; n < kBusCount; ++n) {
        const std::string header = busSection(n);
        description.sections.push_back(profile::SectionRule(header).withoutEmptyLines().checkingLines(
            [header](const std::string& line, std::size_t) { return lineProblem(header, line); }));
    }
    for (int n = 0; n < kBusCount; ++n) {
        description.sections.push_back(profile::SectionRule(busInitSection(n)));
        description.sections.push_back(profile::SectionRule(fastModePlusSection(n)));
    }
    return description;
}

} // namespace regforge::periph::i2c
