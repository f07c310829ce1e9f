#pragma once

#include "periph/Page.h"

namespace regforge::periph::irq {

// The "Interrupts" page: interrupt sources and vector slots, external and GPIO interrupts.
class IrqPage : public Page {
public:
    explicit IrqPage(PageContext& context) : Page(context) {}
};

} // namespace regforge::periph::irq
