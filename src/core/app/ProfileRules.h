#pragma once

#include "profile/ProfileCheck.h"

#include <vector>

namespace regforge::app {

// What every reader of a profile takes from it: the device load's sections, then each page's in
// page order.
std::vector<profile::SectionDescription> programSections();

// The problems check-profile lists for a profile, read as the device load and the pages read it.
std::vector<profile::ProfileProblem> checkProfile(const profile::Lines& lines);

} // namespace regforge::app
