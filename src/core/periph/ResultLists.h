#pragma once

#include <string>
#include <vector>

namespace regforge::periph {

// The two lists of one result run: text before `main`, statements inside `main`.
struct ResultLists {
    std::vector<std::string> functionLines;
    std::vector<std::string> mainLines;
    // Some page moves data by GPDMA: the pin code writes the profile's GPDMA start-up lines.
    bool gpdmaInUse = false;
};

} // namespace regforge::periph
