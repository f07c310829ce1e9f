#include "periph/io/PinTreeActions.h"

#include "periph/io/PinState.h"

namespace regforge::periph::io {

namespace {

// The state-icon click named after what it does to the node; none where it does nothing.
const char* chooseCaption(int state) {
    switch (state) {
    case pinstate::FunctionFree:
        return "Select this function";
    case pinstate::GpioInput:
        return "Make it an output";
    case pinstate::GpioOutput:
        return "Make it an input";
    case pinstate::OptionOff:
        return "Switch on";
    case pinstate::OptionOn:
        return "Switch off";
    case pinstate::I2cModeStandardFast:
    case pinstate::I2cModeStandardIo:
    case pinstate::I2cModeFastPlus:
        return "Next I2C mode";
    default:
        return nullptr;
    }
}

} // namespace

int pullModeNode(const model::Tree& tree, int node, const PinLists& lists) {
    if (!lists.pullModes() || node < 0 || node >= tree.count())
        return -1;
    for (int at = node; at >= 0; at = tree.parentOf(at))
        if (tree.node(at).imageIndex > 0)
            return at;
    return -1;
}

std::vector<model::TreeAction> pinTreeActions(const model::Tree& tree, int node, const PinLists& lists) {
    std::vector<model::TreeAction> actions;
    if (node < 0 || node >= tree.count())
        return actions;
    if (const char* caption = chooseCaption(tree.node(node).stateIndex))
        actions.push_back({kChooseAction, caption, {"Space", "Return", "Enter"}});
    if (pullModeNode(tree, node, lists) >= 0) {
        actions.push_back({kNextPullMode, "Next pull mode", {"P"}});
        actions.push_back({kSwapPullMode, "Swap pull mode", {"Shift+P"}});
    }
    return actions;
}

} // namespace regforge::periph::io
