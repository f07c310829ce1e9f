#pragma once

#include <string>
#include <vector>

namespace regforge::periph {

// What a configuration load corrected in a set-up the loaded device cannot hold as it stands.
// Each page adds what it changed; the load names the lists in its warnings.
struct LoadCorrections {
    std::vector<std::string> unitsSwitchedOff; // units the device does not have ("Timer2")
    std::vector<std::string> pinsAligned;      // pins made to follow an earlier pin of their field
    std::vector<std::string> sourcesFreed;     // interrupt sources the device does not have
    std::vector<std::string> valuesCut;        // register edits holding more digits than the register
    std::vector<std::string> channelsFreed;    // A/D channels the device does not have ("AD0.5")
    std::vector<std::string> entriesDropped;   // interrupt list entries past its slots or repeated
    std::vector<std::string>
        clockSetupsResolved; // clock settings the part cannot reach ("M 25, N 2, CPU / 3")
};

} // namespace regforge::periph
