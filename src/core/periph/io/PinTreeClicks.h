#pragma once

#include "model/Tree.h"
#include "periph/io/PinLists.h"
#include "periph/io/QuickSelector.h"
#include "profile/DeviceState.h"

#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::io {

// How a click on a pin's pull-mode icon moves through the device's pull-mode codes.
enum class PullModeStep {
    Next, // left click and double click: the next code of the cycle
    Swap, // right button: between the two most used pull modes
};

// What the user's clicks do to the pin tree: GPIO direction, function selection (with pins that
// share a register field and exclusive functions), option check boxes, the I2CMODE cycle and the
// pull modes, and the pin icons that follow from them.
class PinTreeClicks {
public:
    PinTreeClicks(model::Tree& tree, const profile::DeviceState& device, const PinLists& lists,
                  QuickSelector& quickSelector);

    // Forgets the clicked pin and every taken exclusive function (each device load).
    void clear();

    // A left click on the state icon of a node.
    void stateIconClick(int node);
    // A click on the normal icon of a node; only pin nodes with a pull mode carry one.
    void pullModeClick(int node, PullModeStep step);
    // Pin icons, bold marks, linked register fields and exclusive functions brought up to date
    // after a state-icon click.
    void RefreshPinStates();
    // PINSEL devices: pins that share one register field with an earlier pin take that pin's
    // function selection (a damaged or hand-edited configuration can leave them apart, and the
    // register can hold only one value). Returns the names of the pins that changed.
    std::vector<std::string> alignSharedFields();

    const std::string& clickedPin() const { return clickedPin_; }
    const std::string& clickedFunction() const { return clickedFunction_; }
    const std::vector<std::string>& takenExclusiveFunctions() const { return takenFunctions_; }
    const std::vector<std::string>& takenExclusivePins() const { return takenPins_; }
    int releasedExclusive() const { return releasedExclusive_; }
    bool exclusiveTaken() const { return exclusiveTaken_; }

private:
    bool iocon() const { return device_.hasIocon; }
    bool isExclusive(const std::string& function) const;
    void selectFunction(int node);
    void noteExclusiveFunction(int node);
    void refreshPin(int pin, std::size_t ordinal);
    void linkRegisterField(std::size_t ordinal, const std::vector<int>& functions);
    void takeOrReleaseExclusive(int pin, const std::vector<int>& functions);
    int gpioState(int pin, std::size_t ordinal) const;
    // The pin's position among the pin nodes, which selects its entries in the pin lists.
    int pinOrdinal(int pin) const;

    model::Tree& tree_;
    const profile::DeviceState& device_;
    const PinLists& lists_;
    QuickSelector& quick_;

    std::string clickedPin_;
    std::string clickedFunction_;
    int clickedPinNode_ = -1;
    int clickedNode_ = -1;
    // The register field of the clicked pin; pins with the same field follow it.
    std::optional<std::string> clickedPinSpec_;
    std::vector<int> linkedFunctionStates_;
    std::vector<std::string> takenFunctions_;
    std::vector<std::string> takenPins_;
    int releasedExclusive_ = -1;
    bool exclusiveTaken_ = false;
};

} // namespace regforge::periph::io
