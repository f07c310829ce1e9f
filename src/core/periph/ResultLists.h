#pragma once

#include <string>
#include <vector>

namespace regforge::periph {

// The two lists of one result run: text before `main`, statements inside `main`.
struct ResultLists {
    std::vector<std::string> functionLines;
    std::vector<std::string> mainLines;
};

} // namespace regforge::periph
