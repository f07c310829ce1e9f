#pragma once

namespace regforge::gui::binding {
class Binder;
}

namespace regforge::gui::pages {

// The panels that float over the pages rather than belong to one: the common clock bar
// ("CCLK [60] MHz   Pclock [1/4] [15] MHz") and the about panel with its text.
void arrangeClockBar(const binding::Binder& binder);
void arrangeAboutPanel(const binding::Binder& binder);

} // namespace regforge::gui::pages
