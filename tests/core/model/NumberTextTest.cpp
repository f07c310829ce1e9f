#include "model/NumberText.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace regforge::model {
namespace {

TEST(NumberText, ParsesDecimalIntegersToTheirRangeOnly) {
    EXPECT_EQ(parseDecimal("-42"), -42);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(parseDecimal("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(parseDecimal("9223372036854775808"), std::nullopt);
    for (const char* bad : {"", "-", "+", "1.5", " 1", "1 ", "0x10", "12a"})
        EXPECT_EQ(parseDecimal(bad), std::nullopt) << bad;

    EXPECT_EQ(parseInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseInt32("2147483648"), std::nullopt);
}

TEST(NumberText, ParsesHexOfSixtyFourBitsWhateverTheLeadingZeros) {
    EXPECT_EQ(parseHex("1f"), 31u);
    EXPECT_EQ(parseHex("FFFFFFFFFFFFFFFF"), std::numeric_limits<std::uint64_t>::max());
    // A field padded beyond 16 digits still holds a 64-bit number.
    EXPECT_EQ(parseHex("000000000000000000001F"), 31u);
    EXPECT_EQ(parseHex("10000000000000000"), std::nullopt);
    for (const char* bad : {"", "0x1F", "-1", "+1", "1G", " 1"})
        EXPECT_EQ(parseHex(bad), std::nullopt) << bad;
}

TEST(NumberText, ParsesPlainDecimalFloatsOnly) {
    EXPECT_EQ(parseFloat("12.5"), 12.5);
    EXPECT_EQ(parseFloat("-.5"), -0.5);
    EXPECT_EQ(parseFloat("3."), 3.0);
    EXPECT_EQ(parseFloat("1e3"), 1000.0);
    for (const char* bad : {"", ".", "-", "inf", "nan", "0x1p3", "1e", "1,5", "1e999", "1.2.3"})
        EXPECT_EQ(parseFloat(bad), std::nullopt) << bad;
}

TEST(NumberText, RoundsHalvesToEvenAndFormatsShortest) {
    EXPECT_EQ(roundToDecimals(2.5, 0), 2.0);
    EXPECT_EQ(roundToDecimals(3.5, 0), 4.0);
    EXPECT_EQ(formatGeneral(roundToDecimals(1.23456, 2)), "1.23");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(formatGeneral(1e20), "1E20");
    EXPECT_EQ(formatGeneral(1e-5), "1E-5");
    EXPECT_EQ(formatGeneral(-60000000), "-60000000");

    EXPECT_EQ(formatPadded(-5, 3), "-005");
    EXPECT_EQ(formatPadded(1234, 2), "1234");
    EXPECT_EQ(formatPadded(std::numeric_limits<std::int64_t>::min(), 0), "-9223372036854775808");
}

TEST(NumberText, FormatsWithAPointWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            commaLocale = true;
            break;
        }
    const std::string text = formatGeneral(12.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!commaLocale)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(text, "12.5");
}

} // namespace
} // namespace regforge::model
