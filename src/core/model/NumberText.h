#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace regforge::model {

// Number <-> text conversions shared by the edits, the figures and the generators.
// "." is always the decimal separator, whatever the locale.

// An optional sign then decimal digits, nothing else; nullopt when not a number or outside int64.
std::optional<std::int64_t> parseDecimal(std::string_view text);
// As parseDecimal, limited to the 32-bit signed range.
std::optional<std::int32_t> parseInt32(std::string_view text);
// Hexadecimal digits (either case, no prefix); nullopt when empty, not hex or above 64 bits.
std::optional<std::uint64_t> parseHex(std::string_view text);
// A decimal floating-point number: sign, digits with an optional "." and exponent.
std::optional<double> parseFloat(std::string_view text);

// Rounds to `decimals` places the way the figures do: x / 10^-d to the nearest integer,
// halves to the even integer, times 10^-d.
double roundToDecimals(double x, int decimals);

// The shortest general form: up to 15 significant digits, no trailing zeros, exponent
// only for very large or very small magnitudes.
std::string formatGeneral(double x);

// Decimal text with at least `minDigits` digits; a minus sign stands in front of the zeros.
std::string formatPadded(std::int64_t value, int minDigits);

} // namespace regforge::model
