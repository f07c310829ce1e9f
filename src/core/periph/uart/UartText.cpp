#include "periph/uart/UartText.h"

#include <charconv>
#include <cmath>

namespace regforge::periph::uart {

namespace {

std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

} // namespace

std::string rateText(double rate) {
    return fixed(rate, 1);
}

std::string errorText(double percent) {
    const double rounded = std::round(percent * 100.0) / 100.0;
    if (rounded == 0.0)
        return "+0.00";
    return (rounded > 0 ? "+" : "") + fixed(rounded, 2);
}

std::string solutionText(const BaudSolution& s) {
    std::string text = "DLM:DLL " + std::to_string(s.setting.divisor);
    if (s.setting.divAddVal != 0)
        text += ", DIVADDVAL " + std::to_string(s.setting.divAddVal) + ", MULVAL " +
                std::to_string(s.setting.mulVal);
    return text + ": " + rateText(s.rate) + " baud, error " + errorText(s.errorPercent) + " %";
}

} // namespace regforge::periph::uart
