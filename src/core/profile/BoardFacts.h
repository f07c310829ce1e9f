#pragma once

#include "profile/ProfileSections.h"
#include "profile/SectionRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::profile {

// What the part and its board need beyond its registers, from the profile's [BOARD] section:
// the fastest CPU clock, the debug port's pins, the boot-loader entry pin, the pins that can only
// pull low, pins the part keeps for itself, and where a unit's interrupt source or pins are named
// otherwise than the pages name them. The problems list checks the set-up against these.
struct BoardFacts {
    static constexpr const char* kSection = "[BOARD]";

    // A debug port: its pins with the debug function each must keep, and how bad losing it is.
    struct DebugPin {
        std::string pin;
        std::string function;
    };
    struct DebugPort {
        std::string name;     // "JTAG", "SWD"
        bool lockout = false; // true: the debugger can no longer connect (an error), else a warning
        std::vector<DebugPin> pins;
    };
    // A pin the board keeps for one function ("RESET", the reset input): any other function
    // selected on it is a problem.
    struct ReservedPin {
        std::string pin;
        std::string function;
        std::string use;
    };
    // A unit's name as the pages call it ("TIMER0", "SSP0", "GPIO0") and the profile's name.
    struct UnitName {
        std::string unit;
        std::string name;
    };
    struct UnitSignals {
        std::string unit;
        std::vector<std::string> functions;
    };

    std::optional<double> cpuMaxMhz;
    std::vector<DebugPort> debugPorts;
    std::vector<std::string> bootPins;
    std::vector<std::string> openDrainPins;
    std::vector<ReservedPin> reservedPins;
    std::vector<UnitName> sources;
    std::vector<UnitSignals> signalNames;

    // The interrupt source of `unit` ("TIMER0", "GPIO1"): its own line, then the line of the
    // unit's kind ("GPIO" for "GPIO1"), else the unit's own name.
    std::string sourceOf(std::string_view unit) const;
    // The pin functions of `unit`'s signals in the page's order, or `fallback` when the profile
    // names none.
    std::vector<std::string> signalsOf(std::string_view unit, std::vector<std::string> fallback) const;
    bool isBootPin(std::string_view pin) const;
    bool isOpenDrainOnly(std::string_view pin) const;
};

// The facts of a profile; lines the section's rule refuses are skipped.
BoardFacts readBoardFacts(const Lines& lines);
// The section's rule, for the device load's description (and so for check-profile).
SectionRule boardFactsRule();

} // namespace regforge::profile
