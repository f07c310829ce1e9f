#include "profile/RegisterNames.h"

#include "profile/ProfileSections.h"

#include <regex>

namespace regforge::profile {

namespace {

const std::regex kPair(R"(([A-Za-z_]\w*(->\w+)?)=(([A-Za-z_]\w*(->\w+)?)?))");

} // namespace

bool RegisterNames::wellFormed(const std::string& line) {
    return std::regex_match(line, kPair);
}

RegisterNames RegisterNames::fromProfile(const std::vector<std::string>& profileLines) {
    RegisterNames names;
    for (const auto& line : sectionBody(profileLines, kSection)) {
        std::smatch match;
        if (std::regex_match(line, match, kPair))
            names.names_.emplace(match[1], match[3]);
    }
    return names;
}

std::string RegisterNames::operator()(const std::string& written) const {
    const auto found = names_.find(written);
    return found == names_.end() ? written : found->second;
}

} // namespace regforge::profile
