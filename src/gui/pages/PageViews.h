#pragma once

#include "gui/pages/PageView.h"

#include <memory>
#include <string_view>

namespace regforge::gui::pages {

// The arranged view of one page, once its widgets exist. A page with a view of its own gets
// it; the others list their controls.
std::unique_ptr<PageView> makePageView(const binding::Binder& binder, std::string_view page);

} // namespace regforge::gui::pages
