#pragma once

#include "model/Tree.h"
#include "periph/io/PinLists.h"

#include <string>

namespace regforge::periph::io {

// The hint of a pin-tree icon: what the icon shows now and what a left click on it does, such as
// "Output - click for input" on a GPIO pin's state icon or "Pull-up - click for pull-down" on its
// pull-mode icon. "" where the part shows no icon. `iocon` selects the pull-mode codes of IOCON
// devices.
std::string pinIconHint(const model::Tree& tree, int node, model::TreeHitPart part, const PinLists& lists,
                        bool iocon);

} // namespace regforge::periph::io
