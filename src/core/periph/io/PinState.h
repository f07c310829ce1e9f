#pragma once

namespace regforge::periph::io {

// The state values of the pin tree's nodes: each one is the state icon the node shows and, for
// the pin, function and option nodes, the setting itself.
namespace pinstate {
inline constexpr int NoIcon = 0;
inline constexpr int OptionOff = 1;
inline constexpr int OptionOn = 2;
inline constexpr int FunctionFree = 3;
inline constexpr int FunctionSelected = 4;
inline constexpr int GpioInput = 5;
inline constexpr int GpioOutput = 6;
inline constexpr int ReservedSelected = 7;
inline constexpr int AlternativeFunction = 8;
inline constexpr int I2cModeStandardFast = 9;
inline constexpr int I2cModeStandardIo = 10;
inline constexpr int InputOnly = 11;
inline constexpr int OutputOnly = 12;
inline constexpr int FunctionUnavailable = 13;
inline constexpr int I2cModeFastPlus = 15;
} // namespace pinstate

// The texts of the I2CMODE option node, one per value.
inline constexpr const char* kI2cModeStandardFastText = "I2CMODE: Standard mode/ Fast-mode I2C";
inline constexpr const char* kI2cModeStandardIoText = "I2CMODE: Standard I/O functionality";
inline constexpr const char* kI2cModeFastPlusText = "I2CMODE: Fast-mode Plus I2C";

// A function whose name begins with this is the pin's GPIO function.
inline constexpr const char* kGpioFunctionPrefix = "POR";
inline constexpr const char* kReservedFunction = "Reserved";

} // namespace regforge::periph::io
