#pragma once

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::io {

// What the pin loader keeps beside the tree for the click handlers and the pin generator. Entry k
// of the per-pin lists belongs to the k-th pin node of the tree.
struct PinLists {
    std::vector<std::string> pinNames;
    // Per pin, the text before "@" of its [PINSEL] line.
    std::vector<std::string> pinSelSpecs;
    // The [IODIR] lines.
    std::vector<std::string> ioDirSpecs;
    // The [PINMODE] lines; pull modes exist when there is at least one.
    std::vector<std::string> pinModeCodes;
    // The pull-mode codes in click order, the first code filling the steps the profile leaves out.
    std::array<int, 4> pinModeCycle{};
    // Per [PINSEL] line, the number of option nodes created up to and including it.
    std::vector<int> ioconOptionCounts;

    bool pullModes() const { return !pinModeCodes.empty(); }
    void clear() { *this = PinLists{}; }
};

} // namespace regforge::periph::io
