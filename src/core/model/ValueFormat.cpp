#include "model/ValueFormat.h"

#include "model/NumberText.h"

#include <cmath>

namespace regforge::model {

std::string formatFrequency(int decimals, std::string_view unit, float hz) {
    const double f = hz;
    if (!std::isfinite(f))
        return std::string(kNoValueText);
    double x = f;
    std::string_view prefix = " ";
    if (f >= 1000000) {
        x = f / 1000000;
        prefix = " M";
    } else if (f >= 1000) {
        x = f / 1000;
        prefix = " K";
    }
    std::string text = formatGeneral(roundToDecimals(x, decimals));
    text += prefix;
    text += unit;
    return text;
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
