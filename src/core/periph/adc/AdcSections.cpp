#include "periph/adc/AdcSections.h"

#include "profile/SectionChecker.h"

#include <algorithm>

namespace regforge::periph::adc {

namespace {

std::optional<std::string> keyLineProblem(int converter, const std::string& line) {
    using profile::quoted;
    if (line.empty())
        return std::nullopt;
    const auto at = line.find('@');
    if (at == std::string::npos)
        return "A/D line " + quoted(line) + " is not 'KEY@value' and is ignored";
    const std::string key = line.substr(0, at);
    const std::string value = line.substr(at + 1);
    const AdcKey* entry = adcKey(key);
    if (!entry)
        return "unknown A/D key " + quoted(key) + " is ignored";
    if (entry->firstConverterOnly && converter != 0)
        return "A/D key " + key + " is read in [ADC0] only";
    if (entry->number && !profile::decimalNumber(value))
        return "value " + quoted(value) + " of " + key + " is not a decimal number";
    return std::nullopt;
}

} // namespace

const AdcKey* adcKey(std::string_view key) {
    const auto* found = std::find_if(kAdcKeys.begin(), kAdcKeys.end(),
                                     [key](const AdcKey& entry) { return entry.key == key; });
    return found == kAdcKeys.end() ? nullptr : found;
}

profile::SectionDescription adcSections() {
    profile::SectionDescription description;
    for (int a = 0; a < kConverterCount; ++a)
        description.sections.push_back(profile::SectionRule(converterSection(a))
                                           .withoutEmptyLines()
                                           .checkingLines([a](const std::string& line, std::size_t) {
                                               return keyLineProblem(a, line);
                                           }));
    for (int a = 0; a < kConverterCount; ++a)
        description.sections.push_back(profile::SectionRule(converterInitSection(a)).takingAtLeast(1));
    return description;
}

} // namespace regforge::periph::adc
