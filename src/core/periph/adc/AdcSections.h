#pragma once

#include "periph/adc/AdcControls.h"
#include "profile/SectionRules.h"

#include <array>
#include <string>
#include <string_view>

namespace regforge::periph::adc {

// "[ADC0]".."[ADC3]": the converter's lines "KEY@value"; "[ADCn_INIT]": its power/clock line.
inline std::string converterSection(int converter) {
    return converterName("[ADC", converter, "]");
}
inline std::string converterInitSection(int converter) {
    return converterName("[ADC", converter, "_INIT]");
}

// The keys of a converter section: START names a start mode, CHOFF a channel the converter
// lacks; the device's A/D limits (fastest clock, resolution, clocks per conversion) and the
// missing power-down bit are read from [ADC0] only.
struct AdcKey {
    std::string_view key;
    bool firstConverterOnly;
    bool number; // the value is a decimal number
};
inline constexpr std::array<AdcKey, 6> kAdcKeys = {{
    {"START", false, false},
    {"CHOFF", false, true},
    {"FMAX", true, true},
    {"BIT", true, true},
    {"CLOCKS", true, true},
    {"NOPDN", true, false},
}};

// The key's entry; nullptr for a key no converter reads.
const AdcKey* adcKey(std::string_view key);

// The converter sections and their line grammar.
profile::SectionDescription adcSections();

} // namespace regforge::periph::adc
