#pragma once

#include "periph/InterruptHandler.h"

#include <string>
#include <vector>

namespace regforge::periph {

// The lists of one result run: text before `main`, statements inside `main`.
struct ResultLists {
    std::vector<std::string> functionLines;
    std::vector<std::string> mainLines;
    // The interrupt handlers of functionLines, in parts, for the generated files.
    std::vector<InterruptHandler> handlers;
    // Some page moves data by GPDMA: the pin code writes the profile's GPDMA start-up lines.
    bool gpdmaInUse = false;
};

} // namespace regforge::periph
