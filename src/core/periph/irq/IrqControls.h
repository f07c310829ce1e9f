#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::irq {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheet1", "Interrupts"};

// The Interrupts page's controls by name, for the page, its generators, its view and its tests.
inline constexpr const char* kPage = kTab.name;
inline constexpr const char* kSourcesLabel = "Label1";
inline constexpr const char* kSourceCombo = "ISR_ComboBox";
inline constexpr const char* kDescriptionLabel = "ISR_description_label";
inline constexpr const char* kSlotList = "ISR_ListBox";
inline constexpr const char* kAddButton = "SpeedButton1";
inline constexpr const char* kMoveUpButton = "SpeedButton2";
inline constexpr const char* kMoveDownButton = "SpeedButton3";
inline constexpr const char* kFreeButton = "SpeedButton4";
inline constexpr const char* kFastIrqButton = "SpeedButton5";
inline constexpr const char* kVectorIrqButton = "SpeedButton6";
inline constexpr const char* kFiqLegend = "StaticText8";
inline constexpr const char* kSlotLegend = "StaticText9";
inline constexpr std::array<const char*, 4> kInfoLabels = {"ISR_infolabel1", "ISR_infolabel2",
                                                           "ISR_infolabel3", "ISR_infolabel4"};
inline constexpr const char* kEintGroup = "GroupBox1";
inline constexpr const char* kGpioTree = "GPIOISR_TreeView";
inline constexpr const char* kGpioLabel = "GPIO_ISR_label";
inline constexpr const char* kGpioLegend = "GPIO_ISR_icon_panel";
inline constexpr const char* kGpioLegendLevels = "GPIO_ISR_icon_panel2";
inline constexpr const char* kGpioLegendEdgeLevel = "GPIO_EDGELEVEL_ISR_icon_panel";
inline constexpr const char* kGpioLeftPanel = "GPIO_ISR_left_panel";
inline constexpr const char* kGpioTopPanel = "GPIO_ISR_top_panel";

// The image list of the GPIO interrupt tree's state icons and of its edge/level icons.
inline constexpr const char* kGpioImageList = "ImageList3";

// A free entry of the slot list.
inline constexpr const char* kFreeSlot = " ";
// The slot list of a device without [ISRVECTORS]: the fast interrupt entry and 16 slots.
inline constexpr int kDefaultVectorSlots = 16;

// External interrupts EINT0..EINT3: one row each. The mode and polarity combos carry
// the tags 80 + 2n and 81 + 2n, by which saved configurations keep their item texts.
inline constexpr int kEintCount = 4;
inline constexpr int kEintModeTag = 80;

inline std::string eintLabelName(int n) {
    return "ExtInt" + std::to_string(n) + "_label";
}
inline std::string eintModeName(int n) {
    return "EXTMODE" + std::to_string(n) + "_combo";
}
inline std::string eintPolarityName(int n) {
    return "EXTPOLAR" + std::to_string(n) + "_combo";
}
inline std::string eintWakeName(int n) {
    return "EXTWAKE" + std::to_string(n) + "_CheckBox";
}

// GPIO interrupt tree values: the state index says what interrupts, the image on
// edge/level devices how.
inline constexpr int kGpioDisabled = 1;
inline constexpr int kGpioFalling = 2; // low level on level-sensitive pins
inline constexpr int kGpioBoth = 3;
inline constexpr int kGpioRising = 4; // high level on level-sensitive pins
inline constexpr int kGpioEdgeImage = 5;
inline constexpr int kGpioLevelImage = 6;

// The texts of the GPIO tree's legend panels, in the order their icons are drawn.
inline constexpr std::array<const char*, 4> kGpioLegendTexts = {"Disabled", "Rising", "Falling", "Both"};
inline constexpr std::array<const char*, 4> kGpioLegendLevelTexts = {"Disabled", "High/Rising", "Low/Falling",
                                                                     "Both"};
inline constexpr std::array<const char*, 2> kGpioLegendEdgeLevelTexts = {"Edge", "Level sensitive"};

} // namespace regforge::periph::irq
