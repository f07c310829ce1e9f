#include "model/ValueFormat.h"

#include "model/NumberText.h"

#include <cmath>

namespace regforge::model {

ScaledFrequency scaleFrequency(int decimals, float hz) {
    const double f = hz;
    double x = f;
    int thousands = 0;
    if (f >= 1000000) {
        x = f / 1000000;
        thousands = 2;
    } else if (f >= 1000) {
        x = f / 1000;
        thousands = 1;
    }
    return {formatGeneral(roundToDecimals(x, decimals)), thousands};
}

std::string formatFrequency(int decimals, std::string_view unit, float hz) {
    if (!std::isfinite(static_cast<double>(hz)))
        return std::string(kNoValueText);
    static constexpr std::string_view kPrefixes[] = {" ", " K", " M"};
    ScaledFrequency scaled = scaleFrequency(decimals, hz);
    std::string text = std::move(scaled.number);
    text += kPrefixes[scaled.thousands];
    text += unit;
    return text;
}

std::string formatFrequencySi(int decimals, float hz) {
    if (!std::isfinite(static_cast<double>(hz)))
        return std::string(kNoValueText);
    static constexpr std::string_view kPrefixes[] = {" Hz", " kHz", " MHz"};
    ScaledFrequency scaled = scaleFrequency(decimals, hz);
    return std::move(scaled.number) + std::string(kPrefixes[scaled.thousands]);
}

std::string formatPeriod(int decimals, float hz) {
    const double f = hz;
    // A period of a zero, negative or unbounded frequency is no number worth showing.
    if (!std::isfinite(f) || f <= 0)
        return std::string(kNoValueText);
    double x = 0;
    std::string_view suffix;
    if (f >= 1000000) {
        x = 1000000000 / f;
        suffix = " ns";
    } else if (f >= 1000) {
        x = 1000000 / f;
        suffix = " us";
    } else if (f >= 1) {
        x = 1000 / f;
        suffix = " ms";
    } else {
        x = 1 / f;
        suffix = " sec";
    }
    std::string text = formatGeneral(roundToDecimals(x, decimals));
    text += suffix;
    return text;
}

} // namespace regforge::model
