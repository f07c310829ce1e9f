#include "periph/io/QuickSelector.h"

#include "io/AsciiCase.h"

#include <algorithm>
#include <string_view>

namespace regforge::periph::io {

namespace {

enum Group : int {
    ADC,
    CAN,
    CAP,
    DAC,
    EINT,
    ETHERNET,
    I2C,
    I2S,
    LCD,
    MAT,
    PCAP,
    PWM,
    PWMMotor,
    SDMMC,
    SPI,
    UART,
    USB,
};

struct PrefixRule {
    std::string_view prefix;
    Group group;
    bool ioconOnly;
};

// Tested in this order; the first prefix the function name begins with decides.
constexpr PrefixRule kPrefixRules[] = {
    {"MAT", MAT, false},       {"CAP", CAP, false},      {"PWM", PWM, false},     {"EINT", EINT, false},
    {"AD", ADC, false},        {"AOUT", DAC, false},     {"DAC_OUT", DAC, true},  {"SCK", SPI, false},
    {"MISO", SPI, false},      {"MOSI", SPI, false},     {"SSEL", SPI, false},    {"SCL", I2C, false},
    {"SDA", I2C, false},       {"TXD", UART, false},     {"RXD", UART, false},    {"RTS", UART, false},
    {"CTS", UART, false},      {"DSR", UART, false},     {"RI", UART, false},     {"DTR", UART, false},
    {"DCD", UART, false},      {"U0_OE", UART, true},    {"U2_OE", UART, true},   {"U3_OE", UART, true},
    {"U4_OE", UART, true},     {"U4_SCLK", UART, true},  {"PCAP", PCAP, false},   {"RD", CAN, false},
    {"TD", CAN, false},        {"I2S", I2S, false},      {"RX_MCLK", I2S, false}, {"TX_MCLK", I2S, false},
    {"MCI", SDMMC, false},     {"SD_", SDMMC, true},     {"USB", USB, false},     {"VBUS", USB, false},
    {"ENET", ETHERNET, false}, {"MC_", PWMMotor, false},
};

const std::vector<QuickSelectEntry> kNoEntries;

bool validGroup(int group) {
    return group >= 0 && static_cast<std::size_t>(group) < kQuickSelectGroupCount;
}

} // namespace

int QuickSelector::groupFor(std::string_view functionName, bool iocon) {
    for (const auto& rule : kPrefixRules)
        if ((iocon || !rule.ioconOnly) && functionName.starts_with(rule.prefix))
            return rule.group;
    return -1;
}

void QuickSelector::clear() {
    for (auto& group : templates_)
        group.clear();
    for (auto& group : entries_)
        group.clear();
}

void QuickSelector::addTemplate(int group, std::string caption, int tag) {
    if (validGroup(group))
        templates_[static_cast<std::size_t>(group)].push_back({std::move(caption), tag, false});
}

void QuickSelector::build() {
    for (std::size_t g = 0; g < kQuickSelectGroupCount; ++g) {
        auto sorted = std::move(templates_[g]);
        templates_[g].clear();
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return regforge::io::lessIgnoringCase(a.caption, b.caption);
        });
        for (auto& entry : sorted)
            entries_[g].push_back({std::move(entry.caption), entry.tag, false});
    }
}

const std::vector<QuickSelectEntry>& QuickSelector::entries(int group) const {
    return validGroup(group) ? entries_[static_cast<std::size_t>(group)] : kNoEntries;
}

const std::vector<QuickSelectEntry>& QuickSelector::templates(int group) const {
    return validGroup(group) ? templates_[static_cast<std::size_t>(group)] : kNoEntries;
}

void QuickSelector::setChecked(int tag, bool checked) {
    for (auto& group : entries_)
        for (auto& entry : group)
            if (entry.tag == tag)
                entry.checked = checked;
}

const QuickSelectEntry* QuickSelector::findByTag(int tag) const {
    for (const auto& group : entries_)
        for (const auto& entry : group)
            if (entry.tag == tag)
                return &entry;
    return nullptr;
}

bool QuickSelector::groupChecked(int group) const {
    const auto& list = entries(group);
    return std::any_of(list.begin(), list.end(), [](const auto& e) { return e.checked; });
}

} // namespace regforge::periph::io
