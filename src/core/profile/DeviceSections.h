#pragma once

#include "profile/SectionRules.h"

#include <array>

namespace regforge::profile {

// The sections the device load itself reads (device switches, the family, the code's include
// file and defines, the register names); the pages read the rest.
inline constexpr const char* kPclkDividers13xxSection = "[MULTIPLEPCLKDIV13XX]";
inline constexpr const char* kPclkDividersSection = "[MULTIPLEPCLKDIV]";
inline constexpr const char* kEdgeLevelIsrSection = "[EDGELEVELISR]";
inline constexpr const char* kNoVicVectCntSection = "[NOVICVECTCNT]";
inline constexpr const char* kCortexM3Section = "[CORTEXM3]";
inline constexpr const char* kIntWakeSection = "[INTWAKE]";
inline constexpr const char* kIoconSection = "[IOCON]";
inline constexpr const char* kExclusiveFunctionsSection = "[EXCLUSIVEFUNCTIONS]";
inline constexpr const char* kIncludeSection = "[INCLUDE]";
inline constexpr const char* kDefineSection = "[DEFINE]";

// Family markers, tested in this order; the first present names the family.
struct FamilyMarker {
    const char* header;
    const char* family;
};
inline constexpr std::array<FamilyMarker, 6> kFamilyMarkers = {{
    {"[LPC21xx]", "21xx"},
    {"[LPC23xx]", "23xx"},
    {"[LPC24xx]", "24xx"},
    {"[LPC175x]", "175x"},
    {"[LPC177x]", "177x"},
    {"[LPC13xx]", "13xx"},
}};

// The device load's sections and what it requires of them.
SectionDescription deviceSections();

} // namespace regforge::profile
