#include "gui/pages/PageViews.h"

#include "gui/pages/AdcPageView.h"
#include "gui/pages/ClocksPageView.h"
#include "gui/pages/I2cPageView.h"
#include "gui/pages/InterruptsPageView.h"
#include "gui/pages/IoPageView.h"
#include "gui/pages/PwmPageView.h"
#include "gui/pages/ResultPageView.h"
#include "gui/pages/SpiPageView.h"
#include "gui/pages/TimersPageView.h"
#include "gui/pages/UartPageView.h"
#include "periph/adc/AdcPage.h"
#include "periph/clock/ClocksPage.h"
#include "periph/i2c/I2cPage.h"
#include "periph/io/IoPage.h"
#include "periph/irq/IrqPage.h"
#include "periph/pwm/PwmPage.h"
#include "periph/spi/SpiPage.h"
#include "periph/timer/TimerPage.h"
#include "periph/uart/UartPage.h"

namespace regforge::gui::pages {

namespace {

struct PageViewEntry {
    bool (*shows)(const periph::Page& page);
    std::unique_ptr<PageView> (*make)(const binding::Binder& binder);
};

// The view of pages of type P.
template <class P, class View>
constexpr PageViewEntry viewOf() {
    return {[](const periph::Page& page) { return dynamic_cast<const P*>(&page) != nullptr; },
            [](const binding::Binder& binder) -> std::unique_ptr<PageView> {
                return std::make_unique<View>(binder);
            }};
}

// The pages that have a view of their own. A new page view is one entry here.
const PageViewEntry kPageViews[] = {
    viewOf<periph::io::IoPage, IoPageView>(),           viewOf<periph::clock::ClocksPage, ClocksPageView>(),
    viewOf<periph::irq::IrqPage, InterruptsPageView>(), viewOf<periph::adc::AdcPage, AdcPageView>(),
    viewOf<periph::timer::TimerPage, TimersPageView>(), viewOf<periph::pwm::PwmPage, PwmPageView>(),
    viewOf<periph::spi::SpiPage, SpiPageView>(),        viewOf<periph::uart::UartPage, UartPageView>(),
    viewOf<periph::i2c::I2cPage, I2cPageView>(),
};

std::unique_ptr<PageView> viewFor(const binding::Binder& binder, const app::ShellTab& tab) {
    if (tab.page == nullptr)
        return std::make_unique<ResultPageView>(binder);
    for (const auto& entry : kPageViews)
        if (entry.shows(*tab.page))
            return entry.make(binder);
    return std::make_unique<PlainPageView>(binder, tab.tab.name);
}

} // namespace

std::unique_ptr<PageView> makePageView(const binding::Binder& binder, const app::ShellTab& tab) {
    std::unique_ptr<PageView> view = viewFor(binder, tab);
    view->arrange();
    return view;
}

} // namespace regforge::gui::pages
