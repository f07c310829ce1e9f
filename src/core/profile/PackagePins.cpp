#include "profile/PackagePins.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace regforge::profile {

namespace {

bool isPinNumber(const std::string& number) {
    // "17" or a ball "A1", "AB12": letters, then digits, at least one digit.
    std::size_t i = 0;
    while (i < number.size() && std::isupper(static_cast<unsigned char>(number[i])))
        ++i;
    if (i > 2 || i == number.size())
        return false;
    for (; i < number.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(number[i])))
            return false;
    return number.size() <= 6;
}

constexpr std::string_view kCountKey = "pins=";

// A number of one to three digits without a leading zero ("208"), as pin counts and the pins of
// packages numbered round are written.
std::optional<int> plainNumber(std::string_view text) {
    if (text.empty() || text.size() > 3 || text.front() == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

std::optional<std::string> lineProblem(const std::string& line, std::size_t k) {
    if (k == 0)
        return line.empty() || line.find('=') != std::string::npos
                   ? std::optional<std::string>("the first line names the package, such as 'LQFP64'")
                   : std::nullopt;
    if (line.starts_with(kCountKey)) {
        if (k != 1)
            return std::string("the pin count 'pins=N' is the line after the package name");
        return packagePinCount(line)
                   ? std::nullopt
                   : std::optional<std::string>("the pin count is 'pins=N', N from 1 to 999");
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || equals + 1 == line.size())
        return "a package pin is 'number=name', such as '1=P0.21'";
    if (!isPinNumber(line.substr(0, equals)))
        return "'" + line.substr(0, equals) + "' is no pin number (such as '17' or 'A1')";
    return std::nullopt;
}

} // namespace

bool numberedWithin(const std::string& number, int count) {
    const auto value = plainNumber(number);
    return value && *value <= count;
}

std::optional<int> packagePinCount(const std::string& line) {
    if (!line.starts_with(kCountKey))
        return std::nullopt;
    return plainNumber(std::string_view(line).substr(kCountKey.size()));
}

PackagePins::Outline PackagePins::outline() const {
    return package.find("BGA") != std::string::npos ? Outline::Grid : Outline::Quad;
}

SectionRule packagePinsRule() {
    return SectionRule(PackagePins::kSection).withoutEmptyLines().checkingLines(lineProblem);
}

std::optional<PackagePins> readPackagePins(const Lines& lines) {
    if (!hasSection(lines, PackagePins::kSection))
        return std::nullopt;
    const Lines body = sectionBody(lines, PackagePins::kSection);
    PackagePins package;
    for (std::size_t k = 0; k < body.size(); ++k) {
        const std::string& line = body[k];
        if (line.empty())
            break;
        if (lineProblem(line, k))
            continue;
        if (k == 0) {
            package.package = line;
            continue;
        }
        if (const auto count = packagePinCount(line)) {
            package.count = *count;
            continue;
        }
        const auto equals = line.find('=');
        const std::string number = line.substr(0, equals);
        if (package.count > 0 && !numberedWithin(number, package.count))
            continue;
        package.pins.push_back({number, line.substr(equals + 1)});
    }
    if (package.package.empty())
        return std::nullopt;
    return package;
}

} // namespace regforge::profile
