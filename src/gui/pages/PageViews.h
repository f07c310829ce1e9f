#pragma once

#include "app/ShellLayout.h"
#include "gui/pages/PageView.h"

#include <memory>
#include <vector>

namespace regforge::gui::pages {

// One view per tab of the page control, in tab order, arranged. A page with a view of its own
// gets it; the others list their controls.
std::vector<std::unique_ptr<PageView>> makePageViews(const binding::Binder& binder,
                                                     const std::vector<app::ShellTab>& tabs);

} // namespace regforge::gui::pages
