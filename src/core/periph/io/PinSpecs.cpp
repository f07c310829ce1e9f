#include "periph/io/PinSpecs.h"

namespace regforge::periph::io {

namespace {

// A register bit number: decimal digits only, 0 to 31.
std::optional<int> bitNumber(std::string_view text) {
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 31)
        return std::nullopt;
    return value;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

} // namespace

std::optional<PinselField> parsePinselSpec(std::string_view spec) {
    const auto first = spec.find(',');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = spec.find(',', first + 1);
    const auto last = spec.rfind(',');
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto high = bitNumber(spec.substr(first + 1, second - first - 1));
    const auto low = bitNumber(spec.substr(last + 1));
    if (!high || !low)
        return std::nullopt;
    return PinselField{std::string(spec.substr(0, first)), *high, *low};
}

PinDirection directionOf(std::string_view spec) {
    if (endsWith(spec, ",I"))
        return PinDirection::InputOnly;
    if (endsWith(spec, ",O"))
        return PinDirection::OutputOnly;
    return PinDirection::Both;
}

std::optional<DirectionSpec> parseDirectionSpec(std::string_view spec) {
    const PinDirection direction = directionOf(spec);
    std::string_view body = spec;
    if (direction != PinDirection::Both)
        body.remove_suffix(2);
    else if (endsWith(body, ",I/O"))
        body.remove_suffix(4);
    const auto comma = body.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto bit = bitNumber(body.substr(comma + 1));
    if (!bit)
        return std::nullopt;
    return DirectionSpec{std::string(body.substr(0, comma)), *bit, direction};
}

} // namespace regforge::periph::io
