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

// Where a pin sits in the drawing of the package seen from above. A four-sided package runs
// round from pin 1 at the top of the left side: side 0 left (top to bottom), 1 bottom (left to
// right), 2 right (bottom to top), 3 top (right to left), `along` counting from a side's first
// pin. A ball of a grid is on side kGrid, `row` its row letter and `along` its column number,
// both counted from 0.
struct PinPlace {
    static constexpr int kGrid = 4;
    int side = 0;
    int along = 0;
    int row = 0;
};

// How the keyboard moves between the pins: round the package, to the pin beside or across, to
// the next or previous pin that has functions to choose (Tab), to the first or last pin.
enum class PinoutMove { Next, Previous, Left, Right, Up, Down, NextSettable, PreviousSettable, First, Last };

// The keys of the pin-out view, as key sequences are written. The menu keys (and the keyboard's
// context-menu key) open the focused pin's functions as a click on the pin does.
struct PinoutKey {
    const char* keys;
    PinoutMove move;
};
inline constexpr PinoutKey kPinoutKeys[] = {
    {"Left", PinoutMove::Left},
    {"Right", PinoutMove::Right},
    {"Up", PinoutMove::Up},
    {"Down", PinoutMove::Down},
    {"Tab", PinoutMove::NextSettable},
    {"Shift+Backtab", PinoutMove::PreviousSettable},
    {"Backtab", PinoutMove::PreviousSettable},
    {"Home", PinoutMove::First},
    {"End", PinoutMove::Last},
    {"PgDown", PinoutMove::Next},
    {"PgUp", PinoutMove::Previous},
};
inline constexpr const char* kPinoutMenuKeys[] = {"Return", "Enter", "Space"};

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
    PinPlace place;

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

    // Pins on each side of a four-sided package; balls in a row or column of the grid.
    int span() const { return span_; }

    // Reads the package and the pins again from the device, the tree and `problems`. The
    // keyboard's pin stays on the same pin number.
    void refresh(const ProblemList& problems);

    // The pin the keyboard stands on, -1 before it stands on one.
    int focused() const { return focused_; }
    // A click on a pin puts the keyboard there too; an index that is no pin is ignored.
    void setFocused(int pin);
    // The keyboard arrives at the view: it stands on the pin it left, else the first pin.
    void enterFocus();
    // Moves the keyboard's pin; false when there is no pin that way (Tab then leaves the view).
    bool moveFocus(PinoutMove move);

    // Chooses the pin's function as a click on its state icon in the tree does; false when the
    // function cannot be chosen (then nothing changes).
    bool choose(std::size_t pin, std::size_t function);
    // Turns a GPIO pin's direction, as a click on the pin's own state icon does.
    bool toggleDirection(std::size_t pin);

private:
    void place();
    int across(int pin, PinoutMove move) const;

    IoPage& page_;
    const profile::DeviceState& device_;
    std::optional<profile::PackagePins> package_;
    std::vector<PinoutPin> pins_;
    std::vector<std::string> unnumbered_;
    int span_ = 0;
    int focused_ = -1;
};

} // namespace regforge::periph::io
