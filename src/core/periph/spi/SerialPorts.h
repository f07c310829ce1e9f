#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "model/ValueFormat.h"
#include "periph/UnitFrame.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::spi {

// A port's bit rate as a value: its clock over the dividers, in hertz. It keeps the last rate the
// dividers gave while they are out of range, and is none before the first.
struct SerialClock {
    // "SPI" or "SSP".
    const char* port = "";
    std::optional<float> hz;

    // "SPI clock: 1.875 MHz"; the label's own text before the first rate.
    std::string caption() const {
        return hz ? std::string(port) + " clock: " + model::formatFrequency(4, "Hz", *hz)
                  : std::string(port) + " clock :";
    }
};

// Typed handles to the SPI port's controls, resolved when the page declares them. The page,
// the generators and the tests reach the port only through these.
struct SpiPort : PeripheralUnit {
    model::Control* helpButton = nullptr;
    // SPCR bits 2..7 (BitEnable, CPHA, CPOL, MSTR, LSBF, SPIE): box k is register bit k + 2.
    std::array<model::CheckBox*, 6> boxes{};
    model::Control* bitsPanel = nullptr;
    model::ComboBox* bits = nullptr;
    model::ComboBox* mode = nullptr;
    model::NumericEdit* counter = nullptr;
    model::Control* clockLabel = nullptr;
    SerialClock bitRate{"SPI", std::nullopt};

    model::CheckBox* box(int bit) const { return boxes.at(static_cast<std::size_t>(bit - 2)); }
    model::CheckBox* bitEnable() const { return box(2); }
    model::CheckBox* cpha() const { return box(3); }
    model::CheckBox* cpol() const { return box(4); }
};

// Typed handles to one SSP port's controls.
struct SspPort : PeripheralUnit {
    model::Control* helpButton = nullptr;
    model::ComboBox* dataSize = nullptr;
    model::ComboBox* frameFormat = nullptr;
    model::CheckBox* cpol = nullptr;
    model::CheckBox* cpha = nullptr;
    model::NumericEdit* scr = nullptr;
    model::CheckBox* loopBack = nullptr;
    model::CheckBox* enable = nullptr;         // SSE
    model::CheckBox* slave = nullptr;          // MS
    model::CheckBox* slaveOutputOff = nullptr; // SOD
    // IMSC bits 0..3: RORIM, RTIM, RXIM, TXIM.
    std::array<model::CheckBox*, 4> interrupts{};
    model::CheckBox* receiveDma = nullptr;
    model::CheckBox* transmitDma = nullptr;
    model::ComboBox* mode = nullptr;
    model::NumericEdit* prescale = nullptr; // CPSDVSR
    model::Control* clockLabel = nullptr;
    SerialClock bitRate{"SSP", std::nullopt};
};

} // namespace regforge::periph::spi
