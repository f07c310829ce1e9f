#include "gui/binding/Windows1252.h"

#include <array>

namespace regforge::gui::binding {

namespace {

// 0x80..0x9F. The five unassigned bytes map to the C1 control with the same number, as
// Windows does, so they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

char encodeChar(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString fromWindows1252(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        out.append(QChar(decodeByte(static_cast<unsigned char>(c))));
    return out;
}

std::string toWindows1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        // A surrogate pair stands for one character outside the code page: one '?'.
        if (ch.isLowSurrogate())
            continue;
        out.push_back(ch.isHighSurrogate() ? '?' : encodeChar(ch.unicode()));
    }
    return out;
}

} // namespace regforge::gui::binding
