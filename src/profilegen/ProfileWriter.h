#pragma once

#include "profilegen/FamilyTable.h"

#include <string>
#include <vector>

namespace regforge::profilegen {

// The profile lines of one part of the family: the template with its pin sections expanded
// for the pins the part has and its conditional lines kept or dropped by the part's tags.
// Throws FamilyError when the table cannot give a sound profile for the part (a reset
// function the part lacks, a pin without IOCON options where the template lists them).
std::vector<std::string> writeProfile(const FamilyTable& family, const Part& part);

} // namespace regforge::profilegen
