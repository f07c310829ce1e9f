#pragma once

#include "model/BitString.h"
#include "model/CheckControls.h"

#include <array>
#include <cstddef>
#include <string>

namespace regforge::model {
class Control;
class NumericEdit;
} // namespace regforge::model

namespace regforge::periph {

// Bit strings are registers written most significant bit first; "bit" below is the register's
// own bit number (0 = least significant).

// The 1-based bit-string position of register bit `bit` in a value `width` bits wide.
int positionOf(int bit, std::size_t width);

bool bitIsSet(const std::string& bits, int bit);

// Sets register bit `firstBit + i` for every checked box `boxes[i]`; a null entry stands for a
// bit the unit has no box for.
template <std::size_t N>
void setCheckedBits(std::string& bits, const std::array<model::CheckBox*, N>& boxes, int firstBit = 0) {
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i] != nullptr && boxes[i]->checked())
            model::setBit(bits, firstBit + static_cast<int>(i), true);
}

// A counter, prescaler or match edit as a register `width` bits wide. The edit's read text is
// its hexadecimal digits; digits typed short of the width (or none at all) stand for the same
// number with leading zeros, so the register keeps its width. Throws model::BitStringError
// naming the edit when its text is no hexadecimal number.
std::string countRegister(const model::NumericEdit& edit, std::size_t width);

// "   MCR<unit>.<m> : reset, stop, generate interrupt on compare match" from the three MCR
// bits of match register m; empty when none is set.
std::string matchControlLine(const std::string& mcr, const std::string& unit, int m);

// "   CCR<unit>.<c> : capture on rising edge, ..." from the three CCR bits of capture input c;
// empty when none is set.
std::string captureControlLine(const std::string& ccr, const std::string& unit, int c);

// The assignment ("T0TCR = "), the value in hexadecimal and, in a comment, the value in binary
// (or in decimal for counts and dividers).
std::string registerLine(const std::string& assignment, const std::string& bits, bool binary);

} // namespace regforge::periph
