#include "periph/RegisterLines.h"

#include "model/BitString.h"
#include "model/Control.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"

namespace regforge::periph {

int positionOf(int bit, std::size_t width) {
    return static_cast<int>(width) - bit;
}

bool bitIsSet(const std::string& bits, int bit) {
    return bits[bits.size() - 1 - static_cast<std::size_t>(bit)] == '1';
}

std::string countRegister(const model::NumericEdit& edit, std::size_t width) {
    std::string bits;
    try {
        bits = model::hexToBits(edit.text());
    } catch (const model::BitStringError&) {
        throw model::BitStringError(edit.name() + " holds \"" + edit.text() + "\", no hexadecimal number");
    }
    if (bits.size() < width)
        bits.insert(0, width - bits.size(), '0');
    return bits;
}

std::string matchControlLine(const std::string& mcr, const std::string& unit, int m) {
    const bool interrupt = bitIsSet(mcr, 3 * m);
    const bool reset = bitIsSet(mcr, 3 * m + 1);
    const bool stop = bitIsSet(mcr, 3 * m + 2);
    if (!interrupt && !reset && !stop)
        return {};
    std::string line = "   MCR" + unit + "." + std::to_string(m) + " : ";
    if (reset)
        line += "reset, ";
    if (stop)
        line += "stop, ";
    if (interrupt)
        line += "generate interrupt ";
    return line + "on compare match";
}

std::string captureControlLine(const std::string& ccr, const std::string& unit, int c) {
    const bool rising = bitIsSet(ccr, 3 * c);
    const bool falling = bitIsSet(ccr, 3 * c + 1);
    const bool interrupt = bitIsSet(ccr, 3 * c + 2);
    if (!rising && !falling && !interrupt)
        return {};
    std::string line = "   CCR" + unit + "." + std::to_string(c) + " : ";
    if (rising)
        line += "capture on rising edge, ";
    if (falling)
        line += "capture on falling edge, ";
    if (interrupt)
        line += "generate interrupt on capture event, ";
    return line;
}

std::string registerLine(const std::string& assignment, const std::string& bits, bool binary) {
    return assignment + model::bitsToHex(bits) + ";     /* " +
           (binary ? model::bitsToBinaryText(bits) : model::bitsToDecimalText(bits)) + " */";
}

} // namespace regforge::periph
