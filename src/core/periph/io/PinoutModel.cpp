#include "periph/io/PinoutModel.h"

#include "periph/io/IoControls.h"
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"
#include "profile/PinTable.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

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

// A ball's row letters ("A", "AA") and column number ("12") from its number ("AA12").
std::pair<std::string, int> ballOf(const std::string& number) {
    const auto digit = std::min(number.find_first_of("0123456789"), number.size());
    return {number.substr(0, digit), std::atoi(number.c_str() + digit)};
}

// Rows run A to Z, then AA on: shorter letters first.
bool rowBefore(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

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
    const std::string focusedNumber =
        focused_ >= 0 ? pins_[static_cast<std::size_t>(focused_)].number : std::string();
    focused_ = -1;
    pins_.clear();
    unnumbered_.clear();
    span_ = 0;
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
        PinoutPin pin{packagePin.number, packagePin.name, {}, {}, -1, PinUse::Fixed, {}, -1, {}};
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
            if ((problem.control == kPinTree &&
                 (problem.node == pin.node || std::find(problem.moreNodes.begin(), problem.moreNodes.end(),
                                                        pin.node) != problem.moreNodes.end())) ||
                problem.subject == pin.name)
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
    place();
    for (std::size_t i = 0; i < pins_.size() && !focusedNumber.empty(); ++i)
        if (pins_[i].number == focusedNumber)
            focused_ = static_cast<int>(i);
}

void PinoutModel::place() {
    if (pins_.empty())
        return;
    if (package_->outline() == profile::PackagePins::Outline::Quad) {
        span_ = static_cast<int>((pins_.size() + 3) / 4);
        for (std::size_t i = 0; i < pins_.size(); ++i)
            pins_[i].place = {static_cast<int>(i) / span_, static_cast<int>(i) % span_, 0};
        return;
    }
    std::vector<std::string> rows;
    int columns = 0;
    for (const auto& pin : pins_) {
        const auto [letters, column] = ballOf(pin.number);
        rows.push_back(letters);
        columns = std::max(columns, column);
    }
    std::sort(rows.begin(), rows.end(), rowBefore);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    span_ = std::max(columns, static_cast<int>(rows.size()));
    for (auto& pin : pins_) {
        const auto [letters, column] = ballOf(pin.number);
        const auto row = std::lower_bound(rows.begin(), rows.end(), letters, rowBefore) - rows.begin();
        pin.place = {PinPlace::kGrid, std::max(0, column - 1), static_cast<int>(row)};
    }
}

void PinoutModel::setFocused(int pin) {
    if (pin >= 0 && pin < static_cast<int>(pins_.size()))
        focused_ = pin;
}

void PinoutModel::enterFocus() {
    if (focused_ < 0 && !pins_.empty())
        focused_ = 0;
}

// The pin an arrow key reaches from `pin`: on a four-sided package along the side in the way it
// is drawn, or across the body to the facing pin; on a grid the nearest ball in the row or
// column. -1 when there is none that way (out of the package's edge).
int PinoutModel::across(int pin, PinoutMove move) const {
    const int count = static_cast<int>(pins_.size());
    const PinPlace& at = pins_[static_cast<std::size_t>(pin)].place;
    if (at.side == PinPlace::kGrid) {
        const bool horizontal = move == PinoutMove::Left || move == PinoutMove::Right;
        const int sign = move == PinoutMove::Left || move == PinoutMove::Up ? -1 : 1;
        int best = -1;
        int bestStep = 0;
        for (int i = 0; i < count; ++i) {
            const PinPlace& p = pins_[static_cast<std::size_t>(i)].place;
            if (horizontal ? p.row != at.row : p.along != at.along)
                continue;
            const int step = sign * (horizontal ? p.along - at.along : p.row - at.row);
            if (step > 0 && (best < 0 || step < bestStep)) {
                best = i;
                bestStep = step;
            }
        }
        return best;
    }
    // For each side: the key along its numbering, the key against it, the key across the body.
    struct SideKeys {
        PinoutMove forward, back, over;
    };
    constexpr SideKeys kSides[] = {{PinoutMove::Down, PinoutMove::Up, PinoutMove::Right},
                                   {PinoutMove::Right, PinoutMove::Left, PinoutMove::Up},
                                   {PinoutMove::Up, PinoutMove::Down, PinoutMove::Left},
                                   {PinoutMove::Left, PinoutMove::Right, PinoutMove::Down}};
    const SideKeys& keys = kSides[at.side];
    if (move == keys.forward)
        return (pin + 1) % count;
    if (move == keys.back)
        return (pin + count - 1) % count;
    if (move == keys.over)
        return std::min(count - 1, (at.side + 2) % 4 * span_ + span_ - 1 - at.along);
    return -1;
}

bool PinoutModel::moveFocus(PinoutMove move) {
    const int count = static_cast<int>(pins_.size());
    if (count == 0)
        return false;
    if (focused_ < 0) {
        // The first key lands on the package's first pin, or its last going backwards.
        const bool back =
            move == PinoutMove::Previous || move == PinoutMove::PreviousSettable || move == PinoutMove::Last;
        focused_ = back ? count - 1 : 0;
        return true;
    }
    int to = -1;
    switch (move) {
    case PinoutMove::Next:
        to = (focused_ + 1) % count;
        break;
    case PinoutMove::Previous:
        to = (focused_ + count - 1) % count;
        break;
    case PinoutMove::NextSettable:
        for (int i = focused_ + 1; i < count && to < 0; ++i)
            if (pins_[static_cast<std::size_t>(i)].node >= 0)
                to = i;
        break;
    case PinoutMove::PreviousSettable:
        for (int i = focused_ - 1; i >= 0 && to < 0; --i)
            if (pins_[static_cast<std::size_t>(i)].node >= 0)
                to = i;
        break;
    case PinoutMove::First:
        to = 0;
        break;
    case PinoutMove::Last:
        to = count - 1;
        break;
    default:
        to = across(focused_, move);
        break;
    }
    if (to < 0 || to == focused_)
        return false;
    focused_ = to;
    return true;
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
