#pragma once

#include <string>
#include <string_view>

namespace regforge::model {

// The figures on the peripheral pages. Frequencies arrive as single-precision hertz; the
// arithmetic runs in double on the float's exact value, so 33.3f prints as 33.299999 at
// six decimals. Rounding keeps `decimals` places, halves to the even digit.

// Text shown in place of a figure that has no sensible value.
inline constexpr std::string_view kNoValueText = "---";

// A finite frequency as the figures show it: the number rounded to `decimals` places in hertz,
// thousands (1) or millions (2).
struct ScaledFrequency {
    std::string number;
    int thousands = 0;
};
ScaledFrequency scaleFrequency(int decimals, float hz);

// The frequency scaled to " M", " K" or " " and followed by `unit`: (2, "Hz", 4500000)
// gives "4.5 MHz". A non-finite frequency gives kNoValueText.
std::string formatFrequency(int decimals, std::string_view unit, float hz);
// The same with the SI prefixes " M", " k" and " ", for figures beyond the captions the pages
// have always shown: (0, 1000) gives "1 kHz".
std::string formatFrequencySi(int decimals, float hz);

// The period of the frequency in " ns", " us", " ms" or " sec": (2, 3000) gives
// "333.33 us". A frequency that is not positive and finite gives kNoValueText.
std::string formatPeriod(int decimals, float hz);

} // namespace regforge::model
