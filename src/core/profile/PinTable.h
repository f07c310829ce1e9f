#pragma once

#include "profile/ProfileSections.h"

#include <string>
#include <vector>

namespace regforge::profile {

// One pin of a profile's [PINSEL] section: its name and its functions in function-select
// order, with the one selected at reset marked.
struct PinRow {
    std::string name;
    // "P0", "P1", "PIO2": the pin name up to its "." or "_".
    std::string port;
    std::vector<std::string> functions;
    // Index into `functions` of the function selected at reset; -1 when the line marks none.
    int resetFunction = -1;
};

// The pins of a profile as its [PINSEL] lines give them, in profile order. Lines the pin loader
// would skip (no "@" or no ":") give no pin; a function token left without "," or ";" at the
// end of a line is dropped, as the loader drops it.
std::vector<PinRow> readPinTable(const Lines& profileLines);

} // namespace regforge::profile
