#include "periph/io/PinIconHint.h"

#include "periph/io/PinState.h"

#include <algorithm>

namespace regforge::periph::io {

namespace {

// The pull modes by their two-bit code.
constexpr const char* kPinselPullModes[] = {"Pull-up", "Repeater", "No pull resistor", "Pull-down"};
constexpr const char* kIoconPullModes[] = {"No pull resistor", "Pull-down", "Pull-up", "Repeater"};

const char* pullModeName(int code, bool iocon) {
    if (code < 0 || code > 3)
        return nullptr;
    return iocon ? kIoconPullModes[code] : kPinselPullModes[code];
}

std::string stateHint(int state) {
    switch (state) {
    case pinstate::OptionOff:
        return "Off - click to switch on";
    case pinstate::OptionOn:
        return "On - click to switch off";
    case pinstate::FunctionFree:
        return "Not selected - click to select this function";
    case pinstate::FunctionSelected:
        return "Selected function - click another function to change it";
    case pinstate::GpioInput:
        return "Input - click for output";
    case pinstate::GpioOutput:
        return "Output - click for input";
    case pinstate::ReservedSelected:
        return "A reserved function is selected - choose a function below";
    case pinstate::AlternativeFunction:
        return "Alternative function - choose the function below";
    case pinstate::I2cModeStandardFast:
        return "I2C mode 0, standard/fast mode - click for mode 1, standard I/O";
    case pinstate::I2cModeStandardIo:
        return "I2C mode 1, standard I/O - click for mode 2, Fast-mode Plus";
    case pinstate::I2cModeFastPlus:
        return "I2C mode 2, Fast-mode Plus - click for mode 0, standard/fast mode";
    case pinstate::InputOnly:
        return "Input only - the direction cannot change";
    case pinstate::OutputOnly:
        return "Output only - the direction cannot change";
    case pinstate::FunctionUnavailable:
        return "Not available - reserved or taken by another pin";
    default:
        return {};
    }
}

// The pull-mode icon steps through the device's cycle the way a left click does.
std::string pullModeHint(int image, const PinLists& lists, bool iocon) {
    if (!lists.pullModes())
        return {};
    const auto& cycle = lists.pinModeCycle;
    const auto match =
        std::find_if(cycle.begin(), cycle.end(), [image](int code) { return code + 1 == image; });
    const char* now = pullModeName(image - 1, iocon);
    if (now == nullptr)
        return {};
    if (match == cycle.end())
        return now;
    const int next = cycle[static_cast<std::size_t>(match - cycle.begin() + 1) % cycle.size()];
    const char* after = pullModeName(next, iocon);
    if (after == nullptr || next + 1 == image)
        return now;
    std::string target = after;
    target[0] = static_cast<char>(target[0] - 'A' + 'a');
    return std::string(now) + " - click for " + target;
}

} // namespace

std::string pinIconHint(const model::Tree& tree, int node, model::TreeHitPart part, const PinLists& lists,
                        bool iocon) {
    if (node < 0 || node >= tree.count())
        return {};
    const model::TreeNode& n = tree.node(node);
    if (part == model::TreeHitPart::StateIcon)
        return stateHint(n.stateIndex);
    if (part == model::TreeHitPart::Image)
        return pullModeHint(n.imageIndex, lists, iocon);
    return {};
}

} // namespace regforge::periph::io
