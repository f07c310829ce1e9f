#pragma once

#include "profile/ProfileSections.h"

#include <string>
#include <vector>

namespace regforge::profile {

// One thing wrong with a device profile. `line` counts from 1; 0 means the file as a whole.
struct ProfileProblem {
    int line = 0;
    std::string message;
};

// Reads a profile the way the loaders and generators will and lists everything that would
// go wrong or silently mean something else: unknown and repeated section headers, lines the
// sections' grammar does not allow, pins without a GPIO or reset function, register bits
// outside 0..31, pin-select fields that two pins write differently, interrupt channels that
// are no numbers. Sorted by line.
std::vector<ProfileProblem> checkProfile(const Lines& lines);

} // namespace regforge::profile
