// The I/O page's part of the problems list: which function every pin has, and the board's pins
// (debug port, boot-loader entry, open-drain-only and reserved pins) used against the board.
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace regforge::periph::io {

namespace {

// The pull-mode image that pulls the pin down: the fourth code on PINSEL parts, the second on
// IOCON parts.
constexpr int kPinselPullDownImage = 4;
constexpr int kIoconPullDownImage = 2;

const SetupFacts::RoutedPin* pinNamed(const SetupFacts& facts, const std::string& pin) {
    const auto it = std::find_if(facts.pins.begin(), facts.pins.end(),
                                 [&](const SetupFacts::RoutedPin& p) { return p.pin == pin; });
    return it != facts.pins.end() ? &*it : nullptr;
}

} // namespace

void IoPage::describeSetup(SetupFacts& facts) const {
    const model::Tree& tree = *tree_;
    const int pullDown = device().hasIocon ? kIoconPullDownImage : kPinselPullDownImage;
    const auto functions = static_cast<std::size_t>(device().maxPinFunction) + 1;
    facts.pinsKnown = tree.count() > 0;
    for (int i = 0; i < tree.count(); ++i) {
        const model::TreeNode& pin = tree.node(i);
        if (pin.level != 0)
            continue;
        const auto children = tree.childrenOf(i);
        if (children.empty())
            continue;
        SetupFacts::RoutedPin routed{pin.text, tree.node(children.front()).text, i};
        for (std::size_t j = 0; j < children.size() && j < functions; ++j) {
            const model::TreeNode& function = tree.node(children[j]);
            facts.offeredFunctions.push_back(function.text);
            if (function.stateIndex == pinstate::FunctionSelected)
                routed.function = function.text;
        }
        routed.gpio = routed.function.starts_with(kGpioFunctionPrefix);
        routed.output =
            routed.gpio && pin.stateIndex != pinstate::GpioInput && pin.stateIndex != pinstate::InputOnly;
        routed.pulledDown = pin.imageIndex == pullDown;
        facts.pins.push_back(std::move(routed));
    }
}

void IoPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    const auto& board = device().board;
    const auto add = [&](Severity severity, const SetupFacts::RoutedPin& pin, std::string what,
                         std::string fix) {
        out.add(severity, pin.pin, kPinTree, std::move(what), std::move(fix), pin.pinNode);
    };
    // One problem per port, naming every pin of it the set-up gives another function.
    for (const auto& port : board.debugPorts) {
        std::vector<std::pair<const SetupFacts::RoutedPin*, const std::string*>> taken;
        for (const auto& debug : port.pins)
            if (const auto* pin = pinNamed(facts, debug.pin);
                pin != nullptr && pin->function != debug.function)
                taken.emplace_back(pin, &debug.function);
        if (taken.empty())
            continue;
        std::string what;
        std::string fix;
        std::vector<int> moreNodes;
        for (std::size_t i = 0; i < taken.size(); ++i) {
            const auto& [pin, function] = taken[i];
            what += (i > 0 ? "; " : "") + pin->pin + " is " + pin->function + ", not " + *function;
            fix += (i == 0 ? "" : i + 1 < taken.size() ? ", " : " and ") + *function + " on " + pin->pin;
            if (i > 0)
                moreNodes.push_back(pin->pinNode);
        }
        out.add(port.lockout ? Severity::Error : Severity::Warning, taken.front().first->pin, kPinTree,
                what + ": the code switches the " + port.name + " debug port off" +
                    (port.lockout ? " and locks the debugger out" : ""),
                "select " + fix + " to keep the debugger", taken.front().first->pinNode,
                std::move(moreNodes));
    }
    for (const auto& name : board.bootPins) {
        const auto* pin = pinNamed(facts, name);
        if (pin == nullptr || !(pin->output || (pin->gpio && pin->pulledDown)))
            continue;
        add(Severity::Warning, *pin,
            pin->pin + (pin->output ? " is driven as an output" : " is pulled down") +
                ": low at reset, it starts the boot loader instead of the code",
            "keep " + pin->pin + " an input with its pull-up, or hold it high during reset on the board");
    }
    for (const auto& name : board.openDrainPins) {
        const auto* pin = pinNamed(facts, name);
        if (pin == nullptr || !pin->output)
            continue;
        add(Severity::Warning, *pin, pin->pin + " is open-drain only: as an output it cannot drive high",
            "fit a pull-up resistor on the board, or use " + pin->pin + " as an input");
    }
    for (const auto& reserved : board.reservedPins) {
        const auto* pin = pinNamed(facts, reserved.pin);
        if (pin == nullptr || pin->function == reserved.function)
            continue;
        add(Severity::Warning, *pin,
            pin->pin + " is " + pin->function + " but the board keeps it as " + reserved.use,
            "select " + reserved.function + " on " + pin->pin);
    }
}

} // namespace regforge::periph::io
