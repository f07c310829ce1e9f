#pragma once

#include "app/ShellLayout.h"
#include "gui/pages/PageView.h"

#include <memory>
#include <string_view>

namespace regforge::gui::pages {

// The arranged view of one tab of the page control, once its widgets exist. A page with a view
// of its own gets it; the others list their controls.
std::unique_ptr<PageView> makePageView(const binding::Binder& binder, const app::ShellTab& tab);

} // namespace regforge::gui::pages
