#pragma once

#include "periph/Page.h"

namespace regforge::periph::io {

// The "I/O" page: the pin tree with its functions, directions, pull modes and options.
class IoPage : public Page {
public:
    explicit IoPage(PageContext& context);
    void clearDevice() override;

private:
    void declareControls();
};

} // namespace regforge::periph::io
