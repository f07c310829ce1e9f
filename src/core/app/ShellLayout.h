#pragma once

#include "model/ControlStore.h"
#include "periph/Page.h"
#include "periph/PageTab.h"
#include "tools/PageChangeRule.h"

#include <vector>

namespace regforge::app {

// The shell's own last page, after the registered pages' tabs.
inline constexpr periph::PageTab kResultTab{"Result_page", "Result"};

// One tab of the page control: a registered page's, or the shell's own (no page).
struct ShellTab {
    periph::PageTab tab;
    const periph::Page* page = nullptr;
};

inline constexpr const char* kFormCaption = "Regforge  v2.2.2 (NXP LPC2xxx, LPC17xx)";
inline constexpr int kDesignWidth = 555;
inline constexpr int kDesignHeight = 663;
inline constexpr int kPageControlWidth = 547;
inline constexpr int kPageControlHeight = 636;

// Declares the main window's frame: the form and the page control with one page per tab, in
// tab order. Pages declare their own controls into their tabs afterwards (see MainForm).
void declareShellFrame(model::ControlStore& store, const std::vector<periph::PageTab>& tabs);
// The controls declared after every page's content and the clock bar: about panel, popup menu.
void declareShellTail(model::ControlStore& store);
// The device and configuration controls, on the first page.
void declareDeviceBar(model::ControlStore& store, model::Control& page);
// The "Result" page's controls.
void declareResultPage(model::ControlStore& store);
// The shared clock bar with its common divider, once declared.
tools::ClockBar clockBar(model::ControlStore& store);

} // namespace regforge::app
