#pragma once

#include "periph/Page.h"
#include "periph/PageContext.h"
#include "periph/PageTab.h"
#include "profile/SectionRules.h"

#include <functional>
#include <memory>
#include <vector>

namespace regforge::app {

// One registered page: its tab, which the shell declares before any page is built, and how to
// make the page, which declares its controls into the main window as it is built.
struct PageFactory {
    periph::PageTab tab;
    std::function<std::unique_ptr<periph::Page>(periph::PageContext&)> make;
    // The profile sections the page reads; the profile check asks it without building a window.
    std::function<profile::SectionDescription()> sections = [] { return profile::SectionDescription{}; };
};

// The registration of a page class P, which states its tab as P::kTab and, when it reads
// profile sections of its own, describes them in P::profileSections().
template <class P>
PageFactory pageOf() {
    PageFactory factory{P::kTab, [](periph::PageContext& context) -> std::unique_ptr<periph::Page> {
                            return std::make_unique<P>(context);
                        }};
    if constexpr (requires { P::profileSections(); })
        factory.sections = [] { return P::profileSections(); };
    return factory;
}

// The program's pages in page order. The order is the order of the tabs, of the controls in
// saved configurations, of every device-load step and of the result text.
std::vector<PageFactory> programPages();

} // namespace regforge::app
