#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <string>
#include <vector>

namespace regforge::periph::i2c {

// What a device profile says about one I2C unit. "[I2Cn]" says the unit exists; its lines are
// "REG@prefix" (the register names are the prefix followed by CONSET, SCLH, ...: "I20" on an
// ARM7 part, "LPC_I2C0->I2" or "LPC_I2C0->" as the Cortex-M3 headers spell the members),
// "ISR@source" (the unit's interrupt source in [ISR]) and "MASK" (the slave address has a
// mask register, and the address registers are numbered: ADR0, MASK0), and "PADS@pin@pin..." where
// only some pins of the unit have pads that take Fast-mode Plus (the LPC177x: P5.2 and P5.3).
struct I2cSection {
    bool present = false;
    std::string registerPrefix;
    std::string source;
    bool addressMask = false;
    // "[I2Cn_FMPLUS]" is present: the unit's pads allow Fast-mode Plus, and its lines set
    // them up for it.
    bool fastModePlus = false;
    // The pins whose pads take Fast-mode Plus; empty: every pin of the unit does.
    std::vector<std::string> fastModePlusPads;
};

inline std::string busSection(int bus) {
    return "[I2C" + std::to_string(bus) + "]";
}
// The power (and clock) lines of the unit's code.
inline std::string busInitSection(int bus) {
    return "[I2C" + std::to_string(bus) + "_INIT]";
}
// The pad lines written when the unit runs above 400 kHz.
inline std::string fastModePlusSection(int bus) {
    return "[I2C" + std::to_string(bus) + "_FMPLUS]";
}
inline constexpr const char* kMaskMarker = "MASK";

// "[I2Cn]" of the profile; a missing REG or ISR line takes the name the unit's number gives
// ("I2" + n on ARM7, "LPC_I2C" + n + "->I2" on Cortex-M3; source "I2C" + n).
I2cSection readBusSection(const profile::Lines& lines, int bus, bool cortexM3);

// The body of a template section (its lines up to the next header); none when it is absent.
profile::Lines sectionLines(const profile::Lines& lines, const std::string& header);

// The I2C sections and their line grammar.
profile::SectionDescription i2cSections();

} // namespace regforge::periph::i2c
