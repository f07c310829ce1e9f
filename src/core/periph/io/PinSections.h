#pragma once

#include "profile/SectionRules.h"

namespace regforge::periph::io {

// The sections the pin loader and the pin code read.
inline constexpr const char* kPinSelectSection = "[PINSEL]";
inline constexpr const char* kPinModeSection = "[PINMODE]";
inline constexpr const char* kNoPinModeSection = "[NOPINMODE]";
inline constexpr const char* kNoOpenDrainSection = "[NOOD]";
inline constexpr const char* kDirectionSection = "[IODIR]";
inline constexpr const char* kFastIoSection = "[FIO]";
inline constexpr const char* kGpioInitSection = "[GPIO_INIT]";
inline constexpr const char* kGpdmaInitSection = "[GPDMA_INIT]";

// A [PINMODE] line is a pull-mode code 0..3 (the two PINMODE bits of a pin).
inline constexpr int kMostPullModeCode = 3;

// The pin sections, their line grammar and the checks across them: every pin's functions,
// reset function, GPIO function, field and bits, its [IODIR] line and, on IOCON devices, its
// [IOCON] line; fields that pins switched together must agree on.
profile::SectionDescription pinSections();

} // namespace regforge::periph::io
