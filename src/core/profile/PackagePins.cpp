#include "profile/PackagePins.h"

#include <cctype>

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

std::optional<std::string> lineProblem(const std::string& line, std::size_t k) {
    if (k == 0)
        return line.empty() || line.find('=') != std::string::npos
                   ? std::optional<std::string>("the first line names the package, such as 'LQFP64'")
                   : std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string::npos || equals + 1 == line.size())
        return "a package pin is 'number=name', such as '1=P0.21'";
    if (!isPinNumber(line.substr(0, equals)))
        return "'" + line.substr(0, equals) + "' is no pin number (such as '17' or 'A1')";
    return std::nullopt;
}

} // namespace

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
        const auto equals = line.find('=');
        package.pins.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    if (package.package.empty())
        return std::nullopt;
    return package;
}

} // namespace regforge::profile
