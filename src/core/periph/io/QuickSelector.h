#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::periph::io {

// Quick-select entries carry this base plus the absolute tree index of their function node.
inline constexpr int kQuickSelectTagBase = 60000;

struct QuickSelectEntry {
    std::string caption;
    int tag = 0;
    bool checked = false;
};

// One group of the "Quick selector" menu: the menu item names in the popup and in the template
// popup, its caption, and whether it is shown.
struct QuickSelectGroup {
    const char* itemName;
    const char* templateItemName;
    const char* caption;
    bool visible;
};

inline constexpr std::size_t kQuickSelectGroupCount = 17;

// The groups in menu order.
inline constexpr std::array<QuickSelectGroup, kQuickSelectGroupCount> kQuickSelectGroups = {{
    {"ADCpopup", "tADCpopup", "ADC", true},
    {"CANpopup", "tCANpopup", "CAN", true},
    {"CAPpopup", "tCAPpopup", "CAP", true},
    {"DACpopup", "tDACpopup", "DAC", true},
    {"EINTpopup", "tEINTpopup", "EINT", true},
    {"ETHERNETpopup", "tETHERNETpopup", "ETHERNET", true},
    {"I2Cpopup", "tI2Cpopup", "I2C", true},
    {"I2Spopup", "tI2Spopup", "I2S", true},
    {"LCDpopup", "tLCDpopup", "LCD", false},
    {"MATpopup", "tMATpopup", "MAT", true},
    {"PCAPpopup", "tPCAPpopup", "PCAP", true},
    {"PWMpopup", "tPWMpopup", "PWM", true},
    {"PWMMotorpopup", "tPWMMotorpopup", "PWM Motor", true},
    {"SDMMCpopup", "tSDMMCpopup", "SD/MMC", true},
    {"SPIpopup", "tSPIpopup", "SPI", true},
    {"UARTpopup", "tUARTpopup", "UART", true},
    {"USBpopup", "tUSBpopup", "USB", true},
}};

// The alternative functions by peripheral. The loader collects entries into template groups while
// it reads the pins; build() then moves them, sorted, into the menu groups the user sees.
class QuickSelector {
public:
    // The group listing a function, by the beginning of its name; -1 for none. IOCON devices know a
    // few more prefixes.
    static int groupFor(std::string_view functionName, bool iocon);

    // Empties the template groups and the menu groups.
    void clear();
    void addTemplate(int group, std::string caption, int tag);
    // Each template group's captions in case-insensitive order go to the menu group at the same
    // position, unchecked; the template groups are emptied.
    void build();

    const std::vector<QuickSelectEntry>& entries(int group) const;
    const std::vector<QuickSelectEntry>& templates(int group) const;
    // Checks or unchecks the entry carrying the tag; no entry, no change.
    void setChecked(int tag, bool checked);
    const QuickSelectEntry* findByTag(int tag) const;
    // A group is shown checked while one of its entries is.
    bool groupChecked(int group) const;

private:
    std::array<std::vector<QuickSelectEntry>, kQuickSelectGroupCount> templates_;
    std::array<std::vector<QuickSelectEntry>, kQuickSelectGroupCount> entries_;
};

} // namespace regforge::periph::io
