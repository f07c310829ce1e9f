#pragma once

#include "model/ControlStore.h"

namespace regforge::app {

// Names of the shell's pages, in page-control order.
inline constexpr const char* kPageNames[] = {"IO_page",   "TabSheet1", "TabSheet2",  "TabSheet4",
                                             "TabSheet5", "TabSheet6", "Result_page"};
inline constexpr const char* kPageCaptions[] = {"I/O", "Interrupts", "ADC",   "Timers",
                                                "PWM", "SPI/SSP",    "Result"};
inline constexpr int kPageCount = 7;

inline constexpr const char* kFormCaption = "Regforge  v2.2.2 (NXP LPC2xxx, LPC17xx)";
inline constexpr int kDesignWidth = 555;
inline constexpr int kDesignHeight = 663;
inline constexpr int kPageControlWidth = 547;
inline constexpr int kPageControlHeight = 636;

// Declares the main window's frame: the form, the page control with its seven pages, the
// device and configuration controls of the I/O page, the "Result" page, the common clock
// panel, the about panel and the numeric edits' popup menu. Pages declare their own
// controls into the pages afterwards (declarePageContent runs between the pages' own
// declarations, see MainForm).
void declareShellFrame(model::ControlStore& store);
// The controls declared after every page's content: clock panel, about panel, popup menu.
void declareShellTail(model::ControlStore& store);
// The "I/O" page's device and configuration controls.
void declareDeviceBar(model::ControlStore& store);
// The "Result" page's controls.
void declareResultPage(model::ControlStore& store);

} // namespace regforge::app
