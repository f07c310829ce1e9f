#pragma once

#include "periph/PageTab.h"

namespace regforge::periph::io {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"IO_page", "I/O"};

// The I/O page's controls by name, for the page, its generator, its view and its tests.
inline constexpr const char* kPage = kTab.name;
inline constexpr const char* kPinTree = "IO_Treeview";
inline constexpr const char* kFastIoBox = "FIO_checkbox";
inline constexpr const char* kFastIoFrame = "Shape1";
inline constexpr const char* kOpenDrainButton = "OpenDrainButton";
inline constexpr const char* kOpenDrainPanel = "OpenDrainPanel";
inline constexpr const char* kOpenDrainLabel = "OpenDrainLabel";
inline constexpr const char* kOpenDrainList = "OpenDrainCheckListBox";
inline constexpr const char* kQuickSelectorButton = "QuickSelectorButton";
inline constexpr const char* kQuickSelectPopup = "QuickSelectPopup";
inline constexpr const char* kQuickSelectTemplates = "tQuickSelectPopup";

} // namespace regforge::periph::io
