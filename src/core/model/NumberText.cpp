#include "model/NumberText.h"

#include "io/AsciiCase.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace regforge::model {

std::optional<std::int64_t> parseDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (negative)
        return magnitude == (std::uint64_t{1} << 63) ? std::numeric_limits<std::int64_t>::min()
                                                     : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
    const auto value = parseDecimal(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::uint64_t> parseHex(std::string_view text) {
    // Leading zeros do not count towards the 64 bits; from_chars reports a value that is too large.
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseFloat(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal forms: from_chars alone would also take "inf", "nan" and hex floats.
    bool digits = false;
    std::size_t j = i;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
        digits = true;
        ++j;
    }
    if (j < text.size() && text[j] == '.') {
        ++j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            digits = true;
            ++j;
        }
    }
    if (!digits)
        return std::nullopt;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < text.size() && (text[k] == '-' || text[k] == '+'))
            ++k;
        const std::size_t expStart = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9')
            ++k;
        if (k == expStart)
            return std::nullopt;
        j = k;
    }
    if (j != text.size())
        return std::nullopt;
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(text.data() + i, text.data() + j, value, std::chars_format::general);
    if (ec != std::errc() || ptr != text.data() + j || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

double roundToDecimals(double x, int decimals) {
    const double factor = std::pow(10.0, -decimals);
    return std::nearbyint(x / factor) * factor;
}

std::string formatGeneral(double x) {
    if (x == 0)
        return "0";
    // to_chars writes as printf's "%.15g" does in the C locale; printf itself would follow the
    // user's locale once the desktop program has set it, and print "," in many of them.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    std::string text = io::toUpperAscii(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    // The general form keeps no trailing zeros already; only the exponent is tidied ("1E+20" -> "1E20").
    const auto e = text.find('E');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        const bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
            exponent.erase(0, 1);
        while (exponent.size() > 1 && exponent[0] == '0')
            exponent.erase(0, 1);
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return text;
}

std::string formatPadded(std::int64_t value, int minDigits) {
    const bool negative = value < 0;
    std::string digits = std::to_string(value);
    if (negative)
        digits.erase(0, 1);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

} // namespace regforge::model
