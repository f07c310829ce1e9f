#include "gui/pages/PageViews.h"

#include "gui/pages/AdcPageView.h"
#include "gui/pages/InterruptsPageView.h"
#include "gui/pages/IoPageView.h"
#include "gui/pages/PwmPageView.h"
#include "gui/pages/ResultPageView.h"
#include "gui/pages/SpiPageView.h"
#include "gui/pages/TimersPageView.h"

#include <functional>
#include <string_view>

namespace regforge::gui::pages {

namespace {

struct PageViewEntry {
    std::string_view page;
    std::function<std::unique_ptr<PageView>(const binding::Binder&)> make;
};

template <class View>
std::unique_ptr<PageView> make(const binding::Binder& binder) {
    return std::make_unique<View>(binder);
}

// The pages that have a view of their own. A new page view is one entry here.
const PageViewEntry kPageViews[] = {
    {"IO_page", make<IoPageView>},         {"TabSheet1", make<InterruptsPageView>},
    {"TabSheet2", make<AdcPageView>},      {"TabSheet4", make<TimersPageView>},
    {"TabSheet5", make<PwmPageView>},      {"TabSheet6", make<SpiPageView>},
    {"Result_page", make<ResultPageView>},
};

} // namespace

std::unique_ptr<PageView> makePageView(const binding::Binder& binder, std::string_view page) {
    std::unique_ptr<PageView> view;
    for (const auto& entry : kPageViews)
        if (entry.page == page)
            view = entry.make(binder);
    if (!view)
        view = std::make_unique<PlainPageView>(binder, std::string(page));
    view->arrange();
    return view;
}

} // namespace regforge::gui::pages
