#include "periph/io/PinoutModel.h"

#include "periph/io/IoControls.h"
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"
#include "profile/PinTable.h"

#include <algorithm>
#include <map>

namespace regforge::periph::io {

namespace {

struct UseStyle {
    PinUse use;
    const char* text;
    model::Colour colour;
};
// Colours far enough apart for the common colour-vision deficiencies, each dark enough to carry
// white pin numbers except the two light ones, which carry black.
constexpr UseStyle kStyles[] = {
    {PinUse::GpioIn, "GPIO input", 0x56B4E9u},           {PinUse::GpioOut, "GPIO output", 0x0072B2u},
    {PinUse::Unit, "unit function", 0x009E73u},          {PinUse::Debug, "debug port", 0xCC79A7u},
    {PinUse::Unused, "unused (as at reset)", 0xE8E8E8u}, {PinUse::Problem, "problem", 0xD55E00u},
    {PinUse::Fixed, "supply and fixed pins", 0x808080u},
};

const UseStyle& styleOf(PinUse use) {
    for (const auto& style : kStyles)
        if (style.use == use)
            return style;
    return kStyles[0];
}

// The package's pins in the order the view draws them. A package that states its pin count
// has every number from 1 to it, in order; a number its list leaves out is a pin without a name
// (every port pin is listed, so it is a supply or other fixed pin).
std::vector<profile::PackagePins::Pin> pinsRound(const profile::PackagePins& package) {
    if (package.count <= 0 || package.outline() != profile::PackagePins::Outline::Quad)
        return package.pins;
    std::vector<profile::PackagePins::Pin> round(static_cast<std::size_t>(package.count));
    for (std::size_t k = 0; k < round.size(); ++k)
        round[k].number = std::to_string(k + 1);
    for (const auto& pin : package.pins)
        round[static_cast<std::size_t>(std::stoi(pin.number)) - 1].name = pin.name;
    return round;
}

} // namespace

const char* pinUseText(PinUse use) {
    return styleOf(use).text;
}

model::Colour pinUseColour(PinUse use) {
    return styleOf(use).colour;
}

void PinoutModel::refresh(const ProblemList& problems) {
    pins_.clear();
    unnumbered_.clear();
    package_ = profile::readPackagePins(device_.profileLines);
    if (!package_)
        return;
    std::map<std::string, int> resetFunctions;
    for (const auto& row : profile::readPinTable(device_.profileLines))
        resetFunctions.emplace(row.name, row.resetFunction);
    const model::Tree& tree = page_.tree();
    std::map<std::string, int> pinNodes;
    for (int i = 0; i < tree.count(); ++i)
        if (tree.node(i).level == 0)
            pinNodes.emplace(tree.node(i).text, i);

    const auto functions = static_cast<std::size_t>(device_.maxPinFunction) + 1;
    for (const auto& packagePin : pinsRound(*package_)) {
        PinoutPin pin{packagePin.number, packagePin.name, {}, {}, -1, PinUse::Fixed, {}, -1};
        const auto found = pinNodes.find(packagePin.name);
        if (found != pinNodes.end()) {
            pin.node = found->second;
            const auto children = tree.childrenOf(pin.node);
            for (std::size_t j = 0; j < children.size() && j < functions; ++j) {
                const model::TreeNode& function = tree.node(children[j]);
                pin.functions.push_back(function.text);
                pin.choosable.push_back(function.stateIndex != pinstate::FunctionUnavailable);
                if (function.stateIndex == pinstate::FunctionSelected)
                    pin.choice = static_cast<int>(j);
            }
            pinNodes.erase(found);
        }
        pins_.push_back(std::move(pin));
    }
    for (const auto& [name, node] : pinNodes)
        if (!tree.childrenOf(node).empty())
            unnumbered_.push_back(name);

    for (auto& pin : pins_) {
        if (pin.node < 0)
            continue;
        for (const auto& problem : problems.problems())
            if ((problem.control == kPinTree && problem.node == pin.node) || problem.subject == pin.name)
                pin.problem += (pin.problem.empty() ? "" : "\n") + problem.what;
        const int state = tree.node(pin.node).stateIndex;
        const std::string chosen =
            pin.choice >= 0 ? pin.functions[static_cast<std::size_t>(pin.choice)] : std::string();
        const bool debug = std::any_of(
            device_.board.debugPorts.begin(), device_.board.debugPorts.end(), [&](const auto& port) {
                return std::any_of(port.pins.begin(), port.pins.end(),
                                   [&](const auto& p) { return p.pin == pin.name && p.function == chosen; });
            });
        const auto reset = resetFunctions.find(pin.name);
        const bool atReset = reset != resetFunctions.end() && reset->second == pin.choice;
        if (!pin.problem.empty())
            pin.use = PinUse::Problem;
        else if (debug)
            pin.use = PinUse::Debug;
        else if (!pin.gpio())
            pin.use = PinUse::Unit;
        else if (state == pinstate::GpioOutput || state == pinstate::OutputOnly)
            pin.use = PinUse::GpioOut;
        else
            pin.use = atReset ? PinUse::Unused : PinUse::GpioIn;
    }
}

bool PinoutModel::choose(std::size_t pin, std::size_t function) {
    if (pin >= pins_.size() || pins_[pin].node < 0 || function >= pins_[pin].functions.size() ||
        !pins_[pin].choosable[function])
        return false;
    const auto children = page_.tree().childrenOf(pins_[pin].node);
    page_.IO_TreeviewClick(children[function], model::TreeHitPart::StateIcon, model::MouseButton::Left);
    return true;
}

bool PinoutModel::toggleDirection(std::size_t pin) {
    if (pin >= pins_.size() || !pins_[pin].gpio())
        return false;
    const int state = page_.tree().node(pins_[pin].node).stateIndex;
    if (state != pinstate::GpioInput && state != pinstate::GpioOutput)
        return false;
    page_.IO_TreeviewClick(pins_[pin].node, model::TreeHitPart::StateIcon, model::MouseButton::Left);
    return true;
}

} // namespace regforge::periph::io
