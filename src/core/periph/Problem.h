#pragma once

#include <string>
#include <vector>

namespace regforge::periph {

enum class Severity { Error, Warning, Note };

// "error", "warning", "note".
const char* severityText(Severity severity);

// One thing wrong with the current set-up, as a page sees it: how bad it is, where it is (the
// page, the control or pin) and what to do about it. The code can still be made.
struct Problem {
    Severity severity = Severity::Warning;
    // The tab's caption ("SPI/SSP") and the page control that opens it ("TabSheet6"); an empty
    // page control is the window's shared clock bar.
    std::string page;
    std::string tab;
    // What the problem concerns as the user reads it ("SSP0", "P0.14") and the control that
    // shows it; `node` is the node of a tree control (-1: none), `moreNodes` the other nodes the
    // problem names (the further pins of a debug port).
    std::string subject;
    std::string control;
    int node = -1;
    std::vector<int> moreNodes;
    // One line each: what is wrong, how to fix it.
    std::string what;
    std::string fix;

    bool operator==(const Problem&) const = default;
};

} // namespace regforge::periph
