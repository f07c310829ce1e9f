#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <string>
#include <vector>

namespace regforge::profile {

// One thing wrong with a device profile. `line` counts from 1; 0 means the file as a whole.
struct ProfileProblem {
    int line = 0;
    std::string message;
};

// Reads a profile the way the readers described by `descriptions` will and lists everything
// that would go wrong or silently mean something else: headers no reader knows, repeated
// headers, and whatever the descriptions' rules and checks find. Sorted by line.
std::vector<ProfileProblem> checkProfile(const Lines& lines,
                                         const std::vector<SectionDescription>& descriptions);

} // namespace regforge::profile
