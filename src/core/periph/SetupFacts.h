#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::periph {

// What the pages tell each other before each reports its problems: the I/O page the function
// every pin has, the Interrupts page the sources it gives a handler, the unit pages which units
// are on and raise interrupts. A page reads the others' facts, never their controls.
struct SetupFacts {
    // A pin and the function selected on it.
    struct RoutedPin {
        std::string pin;
        std::string function;
        int pinNode = -1;
        bool gpio = false;
        bool output = false;
        bool pulledDown = false;
    };
    // A unit whose interrupt source the Interrupts page must list.
    struct UnitInterrupt {
        std::string unit;   // as the pages name it: "TIMER0", "SSP1", "GPIO0"
        std::string source; // the device's source name
        bool on = false;
        bool enables = false;
    };

    std::vector<RoutedPin> pins;
    // Whether the device has pins at all (the routing rules say nothing without them).
    bool pinsKnown = false;
    std::vector<std::string> listedSources;
    std::vector<UnitInterrupt> interrupts;

    // The pin the function is selected on; null when no pin has it.
    const RoutedPin* routed(std::string_view function) const {
        const auto it = std::find_if(pins.begin(), pins.end(),
                                     [&](const RoutedPin& p) { return p.function == function; });
        return it != pins.end() ? &*it : nullptr;
    }
    // Whether some pin of the device offers the function at all.
    std::vector<std::string> offeredFunctions;
    bool offered(std::string_view function) const {
        return std::find(offeredFunctions.begin(), offeredFunctions.end(), function) !=
               offeredFunctions.end();
    }
    bool listed(std::string_view source) const {
        return std::find(listedSources.begin(), listedSources.end(), source) != listedSources.end();
    }
};

} // namespace regforge::periph
