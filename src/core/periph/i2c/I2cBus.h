#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/UnitFrame.h"
#include "periph/i2c/I2cBitRate.h"
#include "periph/i2c/I2cSections.h"

#include <optional>
#include <string>

namespace regforge::periph::i2c {

// A unit's bit rate as a value: what SCLH and SCLL give from its clock, and what is wrong with
// it (empty when nothing is). None while the registers give no rate.
struct BusFigure {
    std::optional<double> hz;
    double pclkHz = 0;
    std::string problem;
    // What the bus standard says against SCLH and SCLL (a part of `problem`); empty when the
    // timing is within the standard.
    std::string timing;

    // "Bit rate: 100 KHz"; "Bit rate :" before the first rate.
    std::string caption() const;
};

// Typed handles to one I2C unit's controls, resolved when the page declares them, and what the
// profile says about the unit. The page, the generator and the tests reach the unit through
// these.
struct I2cBus : PeripheralUnit {
    model::ComboBox* mode = nullptr;
    model::ComboBox* rate = nullptr;
    model::NumericEdit* rateEdit = nullptr; // kHz, for "Other"
    model::ComboBox* duty = nullptr;
    model::NumericEdit* sclh = nullptr;
    model::NumericEdit* scll = nullptr;
    model::Control* rateLabel = nullptr;
    model::NumericEdit* address = nullptr; // 7-bit slave address
    model::CheckBox* generalCall = nullptr;
    model::NumericEdit* mask = nullptr;
    model::CheckBox* interrupt = nullptr;
    model::Control* sourceLabel = nullptr;

    I2cSection section;
    BusFigure figure;
    // SCLH and SCLL hold what the solver gave for the wanted rate (not typed or loaded values),
    // so a new clock solves them again.
    bool solved = true;
};

} // namespace regforge::periph::i2c
