#include "profile/RegisterNames.h"

#include "profile/ProfileSections.h"

#include <optional>
#include <string_view>
#include <utility>

namespace regforge::profile {

namespace {

bool wordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The length of the name at the start of `text` ("AD0CR", "LPC_ADC->CR"), 0 when none starts there.
std::size_t nameLength(std::string_view text) {
    if (text.empty() || !wordCharacter(text[0]) || (text[0] >= '0' && text[0] <= '9'))
        return 0;
    std::size_t n = 1;
    while (n < text.size() && wordCharacter(text[n]))
        ++n;
    if (text.substr(n, 2) == "->" && n + 2 < text.size() && wordCharacter(text[n + 2])) {
        n += 3;
        while (n < text.size() && wordCharacter(text[n]))
            ++n;
    }
    return n;
}

// "WRITTEN=HEADER" split in its two names; HEADER may be empty. Read by hand: a regular
// expression compiled at start-up cost a tenth of a command-line run.
std::optional<std::pair<std::string, std::string>> pairOf(std::string_view line) {
    const std::size_t written = nameLength(line);
    if (written == 0 || written >= line.size() || line[written] != '=')
        return std::nullopt;
    const std::string_view header = line.substr(written + 1);
    if (!header.empty() && nameLength(header) != header.size())
        return std::nullopt;
    return std::pair{std::string(line.substr(0, written)), std::string(header)};
}

} // namespace

bool RegisterNames::wellFormed(const std::string& line) {
    return pairOf(line).has_value();
}

RegisterNames RegisterNames::fromProfile(const std::vector<std::string>& profileLines) {
    RegisterNames names;
    for (const auto& line : sectionBody(profileLines, kSection)) {
        if (auto pair = pairOf(line))
            names.names_.emplace(std::move(pair->first), std::move(pair->second));
    }
    return names;
}

std::string RegisterNames::operator()(const std::string& written) const {
    const auto found = names_.find(written);
    return found == names_.end() ? written : found->second;
}

} // namespace regforge::profile
