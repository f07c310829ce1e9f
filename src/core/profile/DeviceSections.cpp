#include "profile/DeviceSections.h"

#include "profile/BoardFacts.h"
#include "profile/RegisterNames.h"
#include "profile/SectionChecker.h"

namespace regforge::profile {

SectionDescription deviceSections() {
    SectionDescription description;
    auto& sections = description.sections;
    for (const char* flag : {kPclkDividers13xxSection, kPclkDividersSection, kEdgeLevelIsrSection,
                             kNoVicVectCntSection, kCortexM3Section})
        sections.push_back(profile::SectionRule(flag));
    sections.push_back(profile::SectionRule(kIntWakeSection).takingAtLeast(1));
    sections.push_back(profile::SectionRule(kIoconSection).withoutEmptyLines());
    for (const auto& marker : kFamilyMarkers)
        sections.push_back(profile::SectionRule(marker.header));
    // Only the function name before the first "@" is read.
    sections.push_back(
        profile::SectionRule(kExclusiveFunctionsSection)
            .withoutEmptyLines()
            .checkingLines([](const std::string& line, std::size_t) -> std::optional<std::string> {
                if (line.empty() || line.find('@') != std::string::npos)
                    return std::nullopt;
                return "exclusive function line " + quoted(line) + " is not 'FUNCTION@PIN@...'";
            }));
    sections.push_back(profile::SectionRule(kIncludeSection).takingAtLeast(1));
    sections.push_back(profile::SectionRule(kDefineSection));
    sections.push_back(
        profile::SectionRule(RegisterNames::kSection)
            .checkingLines([](const std::string& line, std::size_t) -> std::optional<std::string> {
                if (line.empty() || RegisterNames::wellFormed(line))
                    return std::nullopt;
                return std::string(RegisterNames::kSection) + " line " + quoted(line) +
                       " is no WRITTEN=HEADER pair of register names: the load skips it";
            }));
    sections.push_back(boardFactsRule());
    description.check = [](SectionChecker& checker) {
        if (checker.header(kIncludeSection) < 0)
            checker.reportFile("no [INCLUDE] section: the code would include the profile's first line");
    };
    return description;
}

} // namespace regforge::profile
