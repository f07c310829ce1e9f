#pragma once

#include "periph/PageTab.h"

#include <array>
#include <string>

namespace regforge::periph::spi {

// The page's tab and whether the shared clock bar shows on it.
inline constexpr PageTab kTab{"TabSheet6", "SPI/SSP", true, &commonDividerUnlessPerUnit};

// The SPI port and the SSP ports 0..2. Every register control carries tag = the port's base +
// the field's offset; the page's handlers and the generators find a port by that range.
inline constexpr int kSspCount = 3;

inline constexpr int kSpiBase = 900;
constexpr int sspBase(int ssp) {
    return 1000 + 100 * ssp;
}
// The port a tag belongs to: -1 for SPI (900..999), else the SSP digit; -2 for any other tag.
constexpr int portOfTag(int tag) {
    if (tag >= 900 && tag < 1000)
        return -1;
    if (tag >= 1000 && tag < 1300)
        return (tag - 1000) / 100;
    return -2;
}

// The dividers of the port clock panels carry this tag (outside every port range).
inline constexpr int kDividerTag = 94;

// Offsets shared by both kinds of port.
inline constexpr int kModeOffset = 40;
inline constexpr int kDividerEditOffset = 50; // SPCCR / CPSDVSR
inline constexpr int kClockLabelOffset = 60;
inline constexpr int kHelpButtonOffset = 97;
inline constexpr int kCoverPanelOffset = 98;
inline constexpr int kEnableBoxOffset = 99;

// SPI offsets: the SPCR boxes sit at their register bit (2..7).
inline constexpr int kSpiFirstBoxBit = 2;
inline constexpr int kSpiLastBoxBit = 7;
inline constexpr int kSpiBitEnableBit = 2;
inline constexpr int kSpiCphaBit = 3;
inline constexpr int kSpiCpolBit = 4;
inline constexpr int kSpiMasterBit = 5;
inline constexpr int kSpiLsbFirstBit = 6;
inline constexpr int kSpiInterruptBit = 7;
inline constexpr int kSpiBitsPanelOffset = 10;
inline constexpr int kSpiBitsComboOffset = 11;

// SSP offsets: tens digit = register (0 CR0, 1 CR1, 2 IMSC, 3 DMACR), units digit = bit.
inline constexpr int kSspDataSizeOffset = 3;
inline constexpr int kSspFrameFormatOffset = 5;
inline constexpr int kSspCpolOffset = 6;
inline constexpr int kSspCphaOffset = 7;
inline constexpr int kSspScrOffset = 8;
inline constexpr int kSspLoopBackOffset = 10;
inline constexpr int kSspEnableOffset = 11;
inline constexpr int kSspSlaveOffset = 12;
inline constexpr int kSspSlaveOutputOffOffset = 13;
inline constexpr int kSspFirstInterruptOffset = 20; // RORIM, RTIM, RXIM, TXIM
inline constexpr int kSspReceiveDmaOffset = 30;
inline constexpr int kSspTransmitDmaOffset = 31;

// Items of the combos.
inline constexpr int kSpiLengthItems = 9;    // 8..16 bits
inline constexpr int kSpiDefaultLength = 8;  // "16 bits per transfer"
inline constexpr int kSspDataSizeItems = 13; // 4..16 bits
inline constexpr int kSspDefaultDataSize = 12;
inline constexpr std::array<const char*, 3> kFrameFormatItems = {"SPI", "TI SSI", "MicroWire"};
inline constexpr int kDefaultFrameFormat = 2;
inline constexpr std::array<const char*, 4> kModeItems = {"MODE 0", "MODE 1", "MODE 2", "MODE 3"};

// SPI control names.
inline constexpr const char* kSpiEnableBox = "SPI_CheckBox";
inline constexpr const char* kSpiGroupBox = "SPI_GroupBox";
inline constexpr const char* kSpiCoverPanel = "SPI_Panel";
inline constexpr const char* kSpiHelpButton = "SPImodesHelp_SpeedButton";
// The SPCR boxes by register bit 2..7.
inline constexpr std::array<const char*, 6> kSpiBoxNames = {"SPIBitEnable_CheckBox", "SPICPHA_CheckBox",
                                                            "SPICPOL_CheckBox",      "SPIMSTR_CheckBox",
                                                            "SPILSBF_CheckBox",      "SPISPIE_CheckBox"};
inline constexpr std::array<const char*, 6> kSpiBoxCaptions = {"BitEnable", "CPHA", "CPOL",
                                                               "MSTR",      "LSBF", "SPIE"};
inline constexpr const char* kSpiBitsPanel = "SpiBits_Panel";
inline constexpr const char* kSpiBitsCombo = "SpiBits_ComboBox";
inline constexpr const char* kSpiModeCombo = "SpiMode_ComboBox";
inline constexpr const char* kSpiCounterEdit = "SPIClockCounter_edit";
inline constexpr const char* kSpiClockLabel = "SPIclock_label";
inline constexpr const char* kSpiHintLabel = "SPIHint_Label";

// SSP control names: "SSP" + digit + suffix ("SSP1FRF_ComboBox").
inline std::string sspControl(int ssp, const char* suffix) {
    return "SSP" + std::to_string(ssp) + suffix;
}
// The IMSC boxes by bit, and their captions.
inline constexpr std::array<const char*, 4> kSspInterruptSuffixes = {"RORIM_CheckBox", "RTIM_CheckBox",
                                                                     "RXIM_CheckBox", "TXIM_CheckBox"};
inline constexpr std::array<const char*, 4> kSspInterruptCaptions = {"RORIM", "RTIM", "RXIM", "TXIM"};

// The names the clock panel of each port has; port index 0 is SPI, 1..3 SSP0..SSP2.
inline constexpr std::array<const char*, 4> kPortNames = {"SPI", "SSP0", "SSP1", "SSP2"};
inline std::string clockPanelName(int port) {
    return std::string(kPortNames.at(static_cast<std::size_t>(port))) + "pclk_Panel";
}
inline std::string clockDividerName(int port) {
    return std::string(kPortNames.at(static_cast<std::size_t>(port))) + "pclk_div";
}
inline std::string clockEditName(int port) {
    return std::string(kPortNames.at(static_cast<std::size_t>(port))) + "pclock_edit";
}

} // namespace regforge::periph::spi
