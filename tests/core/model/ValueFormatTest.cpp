#include "model/ValueFormat.h"

#include <gtest/gtest.h>
#include <limits>

namespace regforge::model {
namespace {

TEST(ValueFormat, FrequencyPicksThePrefixAtEachBoundary) {
    EXPECT_EQ(formatFrequency(2, "Hz", 4500000.0f), "4.5 MHz");
    EXPECT_EQ(formatFrequency(2, "Hz", 500.0f), "500 Hz");
    EXPECT_EQ(formatFrequency(4, "Hz", 1000000.0f), "1 MHz");
    EXPECT_EQ(formatFrequency(4, "Hz", 999999.9f), "999.9999 KHz");
    // Rounding happens after the prefix is chosen, so it can reach 1000 in the lower unit.
    EXPECT_EQ(formatFrequency(2, "Hz", 999999.9f), "1000 KHz");
    EXPECT_EQ(formatFrequency(2, "Hz", 1000.0f), "1 KHz");
    EXPECT_EQ(formatFrequency(2, "Hz", 999.5f), "999.5 Hz");
    EXPECT_EQ(formatFrequency(0, "Hz", 0.0f), "0 Hz");
}

TEST(ValueFormat, RoundsHalvesToEven) {
    EXPECT_EQ(formatFrequency(2, "Hz", 0.125f), "0.12 Hz");
    EXPECT_EQ(formatFrequency(2, "Hz", 0.375f), "0.38 Hz");
    EXPECT_EQ(formatFrequency(0, "Hz", 2.5f), "2 Hz");
    EXPECT_EQ(formatFrequency(0, "Hz", 3.5f), "4 Hz");
    EXPECT_EQ(formatFrequency(0, "Hz", 2500.0f), "2 KHz");
    EXPECT_EQ(formatPeriod(0, 400.0f), "2 ms"); // 1000 / 400 = 2.5
    EXPECT_EQ(formatPeriod(0, 2000.0f), "500 us");
}

TEST(ValueFormat, WorksOnTheSinglePrecisionValue) {
    // 999999.9f is 999999.875 and 33.3f is 33.299999237...: the figures show the float.
    EXPECT_EQ(formatFrequency(6, "Hz", 999999.9f), "999.999875 KHz");
    EXPECT_EQ(formatFrequency(6, "Hz", 33.3f), "33.299999 Hz");
    EXPECT_EQ(formatFrequency(2, "Hz", 33.3f), "33.3 Hz");
    EXPECT_EQ(formatFrequency(9, "Hz", 0.1f), "0.100000001 Hz");
}

TEST(ValueFormat, PeriodPicksTheUnitAtEachBoundary) {
    EXPECT_EQ(formatPeriod(2, 3000.0f), "333.33 us");
    EXPECT_EQ(formatPeriod(2, 0.5f), "2 sec");
    EXPECT_EQ(formatPeriod(2, 15000000.0f), "66.67 ns");
    EXPECT_EQ(formatPeriod(2, 1000000.0f), "1000 ns");
    EXPECT_EQ(formatPeriod(2, 999999.9f), "1 us");
    EXPECT_EQ(formatPeriod(2, 1000.0f), "1000 us");
    EXPECT_EQ(formatPeriod(2, 999.9f), "1 ms");
    EXPECT_EQ(formatPeriod(2, 1.0f), "1000 ms");
    EXPECT_EQ(formatPeriod(2, 0.99f), "1.01 sec");
    EXPECT_EQ(formatPeriod(2, 0.25f), "4 sec");
}

TEST(ValueFormat, FiguresWithoutAValueShowAPlaceholder) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(formatPeriod(2, 0.0f), "---");
    EXPECT_EQ(formatPeriod(2, -5.0f), "---");
    EXPECT_EQ(formatPeriod(2, inf), "---");
    EXPECT_EQ(formatPeriod(2, nan), "---");
    EXPECT_EQ(formatFrequency(4, "Hz", inf), "---");
    EXPECT_EQ(formatFrequency(4, "Hz", nan), "---");
    // The smallest positive float still has a finite period.
    EXPECT_NE(formatPeriod(2, std::numeric_limits<float>::denorm_min()).find(" sec"), std::string::npos);
}

} // namespace
} // namespace regforge::model
