#pragma once

#include "gui/pages/PageView.h"

#include <memory>
#include <vector>

namespace regforge::gui::pages {

// One view per page of the page control, in page order, arranged. A page with a view of its
// own gets it; the others list their controls.
std::vector<std::unique_ptr<PageView>> makePageViews(const binding::Binder& binder);

} // namespace regforge::gui::pages
