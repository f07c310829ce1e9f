#pragma once

#include "periph/Page.h"
#include "periph/PageContext.h"

#include <functional>
#include <memory>
#include <vector>

namespace regforge::app {

// Makes one page, declaring its controls into the main window as it is built.
using PageFactory = std::function<std::unique_ptr<periph::Page>(periph::PageContext&)>;

// The program's pages in page order. The order is the order of the tabs, of the controls in
// saved configurations, of every device-load step and of the result text.
std::vector<PageFactory> programPages();

} // namespace regforge::app
