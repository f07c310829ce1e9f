#include "periph/pwm/PwmSections.h"

#include "periph/pwm/PwmControls.h"
#include "profile/SectionChecker.h"

namespace regforge::periph::pwm {

namespace {

std::optional<std::string> unitLineProblem(const std::string& line, std::size_t k) {
    if (k != 0 || profile::decimalNumber(line))
        return std::nullopt;
    return "capture input count " + profile::quoted(line) + " is not a decimal number";
}

} // namespace

profile::SectionDescription pwmSections() {
    profile::SectionDescription description;
    for (int u = 0; u < kPwmCount; ++u)
        description.sections.push_back(profile::SectionRule(pwmSection(u))
                                           .withoutEmptyLines()
                                           .takingAtLeast(1)
                                           .checkingLines(unitLineProblem));
    for (int u = 0; u < kPwmCount; ++u)
        description.sections.push_back(profile::SectionRule(pwmInitSection(u)).takingAtLeast(1));
    description.sections.push_back(profile::SectionRule(kNoPwmNumberSection));
    return description;
}

} // namespace regforge::periph::pwm
