#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace regforge::periph::io {

// The function-select field of a pin on a PINSEL device: "register,high bit,low bit".
struct PinselField {
    std::string registerName;
    int highBit = 0;
    int lowBit = 0;
};

// What a pin's direction entry allows.
enum class PinDirection { Both, InputOnly, OutputOnly };

// A pin's direction entry: "direction register,bit" with an optional ",I", ",O" or ",I/O".
struct DirectionSpec {
    std::string registerName;
    int bit = 0;
    PinDirection direction = PinDirection::Both;
};

// The text before the first comma is the register, the field after it the bit taking the high bit
// of the function number, the last field the bit taking the low bit. nullopt when the entry has
// fewer than three fields or a bit that is not a number from 0 to 31.
std::optional<PinselField> parsePinselSpec(std::string_view spec);

// Only the suffix counts: ",I" input only, ",O" output only, anything else both.
PinDirection directionOf(std::string_view spec);

// The register is the text before the first comma, the bit the rest without the suffix. nullopt
// without a comma or when the bit is not a number from 0 to 31.
std::optional<DirectionSpec> parseDirectionSpec(std::string_view spec);

} // namespace regforge::periph::io
