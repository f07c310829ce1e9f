#pragma once

#include "profile/SectionRules.h"

#include <string>

namespace regforge::periph::irq {

// The sections the interrupt page and the interrupt code read.
inline constexpr const char* kSourcesSection = "[ISR]";            // "channel,name" per source
inline constexpr const char* kDescriptionsSection = "[ISR_DESC]";  // one line per source
inline constexpr const char* kHandlersSection = "[ISR_HANDLERS]";  // one line per source
inline constexpr const char* kVectorSlotsSection = "[ISRVECTORS]"; // the slot count
inline constexpr const char* kGpioInterruptSection = "[IO_ISR]";   // registers, then "P<port>.<pin>"
inline constexpr const char* kNoDefaultVectorSection = "[NOVICDEFVECTADDR]";

// The handler code a profile supplies for one source ("[TIMER0_ISR]").
inline std::string handlerSection(const std::string& source) {
    return "[" + source + "_ISR]";
}

// The interrupt sections with their line grammar: sources, one description and one handler line
// per source, the slot count, the GPIO interrupt registers and pins.
profile::SectionDescription interruptSections();

} // namespace regforge::periph::irq
