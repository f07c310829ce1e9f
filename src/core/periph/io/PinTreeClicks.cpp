#include "periph/io/PinTreeClicks.h"

#include "periph/io/PinSpecs.h"
#include "periph/io/PinState.h"

#include <algorithm>
#include <map>

namespace regforge::periph::io {

namespace {

// A PINSEL pin has two select bits, so four functions share one field.
constexpr std::size_t kPinselFunctions = 4;

// The pin's I2CMODE node steps 0 -> 1 -> 2 -> 0 with its text.
struct I2cModeStep {
    int from;
    int to;
    const char* text;
};
constexpr I2cModeStep kI2cModeCycle[] = {
    {pinstate::I2cModeStandardFast, pinstate::I2cModeStandardIo, kI2cModeStandardIoText},
    {pinstate::I2cModeStandardIo, pinstate::I2cModeFastPlus, kI2cModeFastPlusText},
    {pinstate::I2cModeFastPlus, pinstate::I2cModeStandardFast, kI2cModeStandardFastText},
};

bool isGpioFunction(const std::string& name) {
    return name.starts_with(kGpioFunctionPrefix);
}

} // namespace

PinTreeClicks::PinTreeClicks(model::Tree& tree, const profile::DeviceState& device, const PinLists& lists,
                             QuickSelector& quickSelector)
    : tree_(tree), device_(device), lists_(lists), quick_(quickSelector) {}

void PinTreeClicks::clear() {
    clickedPin_.clear();
    clickedFunction_.clear();
    clickedPinNode_ = -1;
    clickedNode_ = -1;
    clickedPinSpec_.reset();
    linkedFunctionStates_.clear();
    takenFunctions_.clear();
    takenPins_.clear();
    releasedExclusive_ = -1;
    exclusiveTaken_ = false;
}

bool PinTreeClicks::isExclusive(const std::string& function) const {
    const auto& list = device_.exclusiveFunctions;
    return std::find(list.begin(), list.end(), function) != list.end();
}

int PinTreeClicks::pinOrdinal(int pin) const {
    int ordinal = 0;
    for (int i = 0; i < pin && i < tree_.count(); ++i)
        if (tree_.node(i).level == 0)
            ++ordinal;
    return ordinal;
}

void PinTreeClicks::stateIconClick(int node) {
    if (node < 0 || node >= tree_.count())
        return;
    const int pin = tree_.parentOf(node);
    const int state = tree_.node(node).stateIndex;
    const std::string text = tree_.node(node).text;
    clickedNode_ = node;

    if (iocon() && !device_.exclusiveFunctions.empty() && pin >= 0)
        noteExclusiveFunction(node);

    switch (state) {
    case pinstate::OptionOff:
        tree_.setStateIndex(node, pinstate::OptionOn);
        break;
    case pinstate::OptionOn:
        tree_.setStateIndex(node, pinstate::OptionOff);
        break;
    case pinstate::GpioInput:
        tree_.setStateIndex(node, pinstate::GpioOutput);
        break;
    case pinstate::GpioOutput:
        tree_.setStateIndex(node, pinstate::GpioInput);
        break;
    case pinstate::FunctionFree:
        selectFunction(node);
        break;
    default:
        if (iocon()) {
            for (const auto& step : kI2cModeCycle) {
                if (state == step.from) {
                    tree_.setStateIndex(node, step.to);
                    tree_.setText(node, step.text);
                    break;
                }
            }
        }
        break;
    }

    if (pin >= 0 && tree_.childrenOf(node).empty() && text != kReservedFunction) {
        clickedFunction_ = text;
        clickedPin_ = tree_.node(pin).text;
        clickedPinNode_ = pin;
        linkedFunctionStates_.clear();
        clickedPinSpec_.reset();
        if (const auto ordinal = static_cast<std::size_t>(pinOrdinal(pin));
            ordinal < lists_.pinSelSpecs.size())
            clickedPinSpec_ = lists_.pinSelSpecs[ordinal];
        if (!iocon()) {
            const auto functions = tree_.childrenOf(pin);
            for (std::size_t j = 0; j < functions.size() && j < kPinselFunctions; ++j)
                linkedFunctionStates_.push_back(tree_.node(functions[j]).stateIndex);
        }
    }
    RefreshPinStates();
}

void PinTreeClicks::noteExclusiveFunction(int node) {
    // Only a click that selects another function changes what the pin holds; a click on an
    // option, a greyed or an already selected function leaves its exclusive function taken.
    if (tree_.node(node).stateIndex != pinstate::FunctionFree)
        return;
    const std::string& pinName = tree_.node(tree_.parentOf(node)).text;
    const auto held = std::find(takenPins_.begin(), takenPins_.end(), pinName);
    releasedExclusive_ = held == takenPins_.end() ? -1 : static_cast<int>(held - takenPins_.begin());
    const std::string& text = tree_.node(node).text;
    if (isExclusive(text)) {
        exclusiveTaken_ = true;
        takenFunctions_.push_back(text);
        takenPins_.push_back(pinName);
    }
}

void PinTreeClicks::selectFunction(int node) {
    const auto siblings = tree_.childrenOf(tree_.parentOf(node));
    for (const int sibling : siblings) {
        if (tree_.node(sibling).stateIndex == pinstate::FunctionSelected) {
            tree_.setStateIndex(sibling, pinstate::FunctionFree);
            quick_.setChecked(kQuickSelectTagBase + sibling, false);
        }
    }
    tree_.setStateIndex(node, pinstate::FunctionSelected);
    const auto position = std::find(siblings.begin(), siblings.end(), node) - siblings.begin();
    if (position >= 1)
        quick_.setChecked(kQuickSelectTagBase + node, true);
}

void PinTreeClicks::pullModeClick(int node, PullModeStep step) {
    if (!lists_.pullModes() || node < 0 || node >= tree_.count())
        return;
    const auto& c = lists_.pinModeCycle;
    const int image = tree_.node(node).imageIndex;
    const auto match = std::find_if(c.begin(), c.end(), [image](int code) { return code + 1 == image; });
    if (match == c.end())
        return;
    const auto i = static_cast<std::size_t>(match - c.begin());
    int code = 0;
    if (step == PullModeStep::Next)
        code = c[(i + 1) % c.size()];
    else if (iocon())
        code = i < 2 ? c[2] : c[1];
    else if (device_.deviceFamily == "175x")
        code = i < 2 ? c[3] : c[0];
    else
        code = i < 2 ? c[2] : c[0];
    tree_.setImageIndex(node, code + 1);
    tree_.setSelectedIndex(node, code + 1);
}

std::vector<std::string> PinTreeClicks::alignSharedFields() {
    std::vector<std::string> changed;
    if (iocon())
        return changed;
    std::map<std::string, std::vector<int>> firstStates; // register field -> function states
    std::size_t ordinal = 0;
    for (int i = 0; i < tree_.count(); ++i) {
        if (tree_.node(i).level != 0)
            continue;
        const auto functions = tree_.childrenOf(i);
        if (!functions.empty() && ordinal < lists_.pinSelSpecs.size()) {
            std::vector<int> states;
            for (int f : functions)
                states.push_back(tree_.node(f).stateIndex);
            const auto [first, isFirst] = firstStates.emplace(lists_.pinSelSpecs[ordinal], states);
            if (!isFirst && first->second != states) {
                for (std::size_t j = 0; j < functions.size() && j < first->second.size(); ++j)
                    tree_.setStateIndex(functions[j], first->second[j]);
                changed.push_back(tree_.node(i).text);
            }
        }
        ++ordinal;
    }
    if (!changed.empty())
        RefreshPinStates();
    return changed;
}

void PinTreeClicks::RefreshPinStates() {
    std::size_t ordinal = 0;
    for (int i = 0; i < tree_.count(); ++i) {
        if (tree_.node(i).level != 0)
            continue;
        if (!tree_.childrenOf(i).empty())
            refreshPin(i, ordinal);
        ++ordinal;
    }
    clickedFunction_.clear();
    clickedPin_.clear();
    clickedPinNode_ = -1;
    clickedNode_ = -1;
    clickedPinSpec_.reset();
    if (releasedExclusive_ >= 0 && static_cast<std::size_t>(releasedExclusive_) < takenFunctions_.size()) {
        takenFunctions_.erase(takenFunctions_.begin() + releasedExclusive_);
        takenPins_.erase(takenPins_.begin() + releasedExclusive_);
    }
    releasedExclusive_ = -1;
    exclusiveTaken_ = false;
}

void PinTreeClicks::refreshPin(int pin, std::size_t ordinal) {
    const auto functions = tree_.childrenOf(pin);
    if (iocon())
        takeOrReleaseExclusive(pin, functions);
    else
        linkRegisterField(ordinal, functions);

    const auto stateOf = [&](std::size_t j) {
        return j < functions.size() ? tree_.node(functions[j]).stateIndex : -1;
    };
    const auto textOf = [&](std::size_t j) -> const std::string& { return tree_.node(functions[j]).text; };
    const int first = stateOf(0);
    if (first == pinstate::FunctionSelected) {
        if (isGpioFunction(textOf(0))) {
            tree_.setNodeBold(pin, false);
            tree_.setStateIndex(pin, gpioState(pin, ordinal));
        } else {
            tree_.setStateIndex(pin, pinstate::AlternativeFunction);
            tree_.setNodeBold(pin, true);
        }
    } else if (first == pinstate::FunctionFree || first == pinstate::FunctionUnavailable) {
        if (stateOf(1) == pinstate::FunctionSelected && isGpioFunction(textOf(1))) {
            tree_.setNodeBold(pin, false);
            tree_.setStateIndex(pin, gpioState(pin, ordinal));
            return;
        }
        bool reserved = false;
        for (std::size_t j = 1; j <= 3 && !reserved; ++j)
            reserved = stateOf(j) == pinstate::FunctionSelected && textOf(j) == kReservedFunction;
        tree_.setStateIndex(pin, reserved ? pinstate::ReservedSelected : pinstate::AlternativeFunction);
        tree_.setNodeBold(pin, true);
    }
}

int PinTreeClicks::gpioState(int pin, std::size_t ordinal) const {
    const int current = tree_.node(pin).stateIndex;
    if (current == pinstate::InputOnly || current == pinstate::OutputOnly)
        return current;
    const PinDirection direction =
        ordinal < lists_.ioDirSpecs.size() ? directionOf(lists_.ioDirSpecs[ordinal]) : PinDirection::Both;
    if (direction == PinDirection::InputOnly)
        return pinstate::InputOnly;
    if (direction == PinDirection::OutputOnly)
        return pinstate::OutputOnly;
    return current == pinstate::GpioOutput ? pinstate::GpioOutput : pinstate::GpioInput;
}

void PinTreeClicks::linkRegisterField(std::size_t ordinal, const std::vector<int>& functions) {
    if (!clickedPinSpec_ || ordinal >= lists_.pinSelSpecs.size() ||
        lists_.pinSelSpecs[ordinal] != *clickedPinSpec_)
        return;
    for (std::size_t j = 0; j < functions.size() && j < linkedFunctionStates_.size(); ++j)
        tree_.setStateIndex(functions[j], linkedFunctionStates_[j]);
}

void PinTreeClicks::takeOrReleaseExclusive(int pin, const std::vector<int>& functions) {
    // Every function of the pin, the eighth included, can be exclusive.
    const std::size_t count =
        std::min(functions.size(), static_cast<std::size_t>(device_.maxPinFunction) + 1);
    const auto firstNamed = [&](const std::string& name) {
        for (std::size_t j = 0; j < count; ++j)
            if (tree_.node(functions[j]).text == name)
                return functions[j];
        return -1;
    };
    if (releasedExclusive_ >= 0 && static_cast<std::size_t>(releasedExclusive_) < takenFunctions_.size())
        tree_.setStateIndex(firstNamed(takenFunctions_[static_cast<std::size_t>(releasedExclusive_)]),
                            pinstate::FunctionFree);
    if (exclusiveTaken_ && pin != clickedPinNode_ && clickedNode_ >= 0)
        tree_.setStateIndex(firstNamed(tree_.node(clickedNode_).text), pinstate::FunctionUnavailable);
}

} // namespace regforge::periph::io
