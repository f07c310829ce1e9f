#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::adc {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheet2", "ADC", true};

// ADC0..ADC3. Every register control of a converter carries the tag of its field plus the
// converter number, so the tag's last digit names the converter.
inline constexpr int kConverterCount = 4;
inline constexpr int kChannelCount = 8;

// Field tags of ADC0; add the converter number for ADC1..ADC3.
inline constexpr int kChannelTag = 100;          // SEL boxes, CR bits 7..0
inline constexpr int kInterruptTag = 110;        // INTEN boxes, INTEN bits 7..0
inline constexpr int kEnableBoxTag = 190;        // the converter is used
inline constexpr int kGlobalDoneTag = 200;       // ADGINTEN, INTEN bit 8
inline constexpr int kPowerTag = 210;            // PDN, CR bit 21
inline constexpr int kBurstTag = 220;            // BURST, CR bit 16
inline constexpr int kDividerTag = 230;          // CLKDIV, CR bits 15..8
inline constexpr int kConversionClocksTag = 240; // CLKS, CR bits 19..17
inline constexpr int kEdgeTag = 250;             // EDGE, CR bit 27
inline constexpr int kStartTag = 260;            // START, CR bits 26..24
inline constexpr int kClockLabelTag = 270;

// Register bits the page and the generator share.
inline constexpr int kGlobalDoneBit = 8;
inline constexpr int kBurstBit = 16;
inline constexpr int kPowerBit = 21;
inline constexpr int kEdgeBit = 27;
inline constexpr int kDividerBits = 8;          // lowest bit of CLKDIV
inline constexpr int kConversionClocksBit = 17; // lowest bit of CLKS
inline constexpr int kStartBit = 24;            // lowest bit of START

// The device values before a profile says otherwise.
inline constexpr double kDefaultMaxClock = 4500000;
inline constexpr int kDefaultClocks = 11;
inline constexpr int kDefaultBits = 10;
// The conversion-clocks combo counts down from this many clocks.
inline constexpr int kBurstClocksFirstItem = 11;
// CLKDIV is eight bits wide.
inline constexpr int kDividerMax = 255;

inline constexpr std::array<const char*, 8> kConversionClockItems = {
    "11 clocks / 10 bit accuracy",   "10 clocks /   9 bit accuracy",  "  9 clocks /   8 bit accuracy",
    "  8 clocks /   7 bit accuracy", "  7 clocks /   6 bit accuracy", "  6 clocks /   5 bit accuracy",
    "  5 clocks /   4 bit accuracy", "  4 clocks /   3 bit accuracy",
};
inline constexpr std::array<const char*, 2> kEdgeItems = {"Rising edge", "Falling edge"};
// The edge item that sets EDGE.
inline constexpr int kFallingEdgeItem = 1;
// Start items from this one on start on an edge, so the edge combo matters.
inline constexpr int kFirstEdgeStartItem = 2;

// The hint labels of each converter: channel boxes, interrupt boxes.
inline constexpr std::array<const char*, kConverterCount> kChannelHintLabels = {"Label8", "Label13",
                                                                                "Label19", "Label15"};
inline constexpr std::array<const char*, kConverterCount> kInterruptHintLabels = {"Label10", "Label17",
                                                                                  "Label23", "Label26"};

// Names around the converter digit: prefix + a + suffix ("sel0_", "ad2_clks").
inline std::string converterName(const char* prefix, int converter, const char* suffix = "") {
    return std::string(prefix).append(std::to_string(converter)).append(suffix);
}
inline std::string enableBoxName(int converter) {
    return converterName("ad", converter, "_checkbox");
}
inline std::string groupBoxName(int converter) {
    return converterName("ad", converter, "_groupbox");
}
inline std::string coverPanelName(int converter) {
    return converterName("adc", converter, "_panel");
}
inline std::string channelBoxName(int converter, int channel) {
    return converterName("sel", converter, "_") + std::to_string(channel);
}
inline std::string interruptBoxName(int converter, int channel) {
    return converterName("adcinten", converter, "_") + std::to_string(channel);
}
inline std::string globalDoneBoxName(int converter) {
    return converterName("adginten", converter);
}
inline std::string powerBoxName(int converter) {
    return converterName("pdn", converter);
}
inline std::string burstBoxName(int converter) {
    return converterName("burst", converter);
}
inline std::string dividerEditName(int converter) {
    return converterName("clkdiv", converter);
}
inline std::string conversionClocksComboName(int converter) {
    return converterName("ad", converter, "_clks");
}
inline std::string edgeComboName(int converter) {
    return converterName("ad", converter, "_edge");
}
inline std::string startComboName(int converter) {
    return converterName("ad", converter, "_start");
}
inline std::string clockLabelName(int converter) {
    return converterName("adcClk", converter);
}
inline std::string rateLabelName(int converter) {
    return converterName("adcrate", converter);
}

} // namespace regforge::periph::adc
