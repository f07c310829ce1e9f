#pragma once

#include "model/Control.h"
#include "periph/ProblemList.h"
#include "profile/DeviceState.h"
#include "profile/PackagePins.h"

#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::io {

class IoPage;

// What the set-up does with a package pin, as the pin-out view colours it.
enum class PinUse {
    GpioIn,  // GPIO chosen as an input on a pin that does something else at reset
    GpioOut, // GPIO output
    Unit,    // a unit's function
    Debug,   // the debug port's own function
    Unused,  // left as reset leaves it: a GPIO input
    Problem, // the problems list names the pin
    Fixed,   // supply, ground, crystal and other pins the pin connect block does not switch
};

// The legend's order, with its text and colour.
inline constexpr PinUse kPinUses[] = {PinUse::GpioIn, PinUse::GpioOut, PinUse::Unit, PinUse::Debug,
                                      PinUse::Unused, PinUse::Problem, PinUse::Fixed};
const char* pinUseText(PinUse use);
model::Colour pinUseColour(PinUse use);

// One pin of the package as the view shows it.
struct PinoutPin {
    std::string number;
    std::string name; // empty for a pin the package's list does not name
    // The pin's functions in function-number order and the one chosen (-1: none, a fixed pin).
    std::vector<std::string> functions;
    // Whether each function can be chosen now (an exclusive function another pin holds cannot).
    std::vector<bool> choosable;
    int choice = -1;
    PinUse use = PinUse::Fixed;
    // The problems list's words about the pin, one per line.
    std::string problem;
    // The pin's node in the pin tree, -1 for a fixed pin.
    int node = -1;

    bool gpio() const {
        return choice >= 0 && functions[static_cast<std::size_t>(choice)].starts_with("POR");
    }
};

// The live pin-out: the package pins of the loaded device with what the pin tree says about each
// and what the problems list says against it. Choosing from it is a click on the pin tree.
class PinoutModel {
public:
    PinoutModel(IoPage& page, const profile::DeviceState& device) : page_(page), device_(device) {}

    // The package, or nullopt when the profile numbers no package pins (the view says so).
    const std::optional<profile::PackagePins>& package() const { return package_; }
    const std::vector<PinoutPin>& pins() const { return pins_; }
    // The pins of the tree the package leaves unnumbered (a table mistake; the view lists them).
    const std::vector<std::string>& unnumbered() const { return unnumbered_; }

    // Reads the package and the pins again from the device, the tree and `problems`.
    void refresh(const ProblemList& problems);

    // Chooses the pin's function as a click on its state icon in the tree does; false when the
    // function cannot be chosen (then nothing changes).
    bool choose(std::size_t pin, std::size_t function);
    // Turns a GPIO pin's direction, as a click on the pin's own state icon does.
    bool toggleDirection(std::size_t pin);

private:
    IoPage& page_;
    const profile::DeviceState& device_;
    std::optional<profile::PackagePins> package_;
    std::vector<PinoutPin> pins_;
    std::vector<std::string> unnumbered_;
};

} // namespace regforge::periph::io
