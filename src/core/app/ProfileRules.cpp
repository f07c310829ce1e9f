#include "app/ProfileRules.h"

#include "app/ProgramPages.h"
#include "profile/DeviceSections.h"

namespace regforge::app {

std::vector<profile::SectionDescription> programSections() {
    std::vector<profile::SectionDescription> descriptions = {profile::deviceSections()};
    for (const auto& page : programPages())
        descriptions.push_back(page.sections());
    return descriptions;
}

std::vector<profile::ProfileProblem> checkProfile(const profile::Lines& lines) {
    return profile::checkProfile(lines, programSections());
}

} // namespace regforge::app
