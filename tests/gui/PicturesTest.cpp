#include "pictures/PinoutPicture.h"
#include "pictures/SpiModesPicture.h"

#include <gtest/gtest.h>
#include <string>

namespace regforge::pictures {
namespace {

std::vector<profile::PinRow> portPins(const std::string& port, int count, int functions) {
    std::vector<profile::PinRow> pins;
    for (int i = 0; i < count; ++i) {
        profile::PinRow pin;
        pin.port = port;
        pin.name = port + "." + std::to_string(i);
        for (int f = 0; f < functions; ++f)
            pin.functions.push_back(f == 0 ? "PORT" + pin.name : "FUNCTION_" + std::to_string(f));
        pin.resetFunction = 0;
        pins.push_back(pin);
    }
    return pins;
}

TEST(Pictures, ALargePartFlowsIntoColumnsAndStaysWithinTheHeight) {
    auto pins = portPins("P0", 32, 8);
    for (const char* port : {"P1", "P2", "P3", "P4", "P5"}) {
        const auto more = portPins(port, 32, 8);
        pins.insert(pins.end(), more.begin(), more.end());
    }
    const QImage small = drawPinout("LPC2101", portPins("P0", 10, 4), 1100);
    const QImage large = drawPinout("LPC1788", pins, 1100);
    EXPECT_LE(large.height(), 1100);
    EXPECT_GT(large.width(), 2 * small.width()) << "192 pins need several columns side by side";
    EXPECT_LT(small.height(), large.height());
    EXPECT_FALSE(small.isNull());
}

TEST(Pictures, NothingInTheProfileStillGivesAPicture) {
    EXPECT_FALSE(drawPinout("Empty", {}).isNull());
    const QImage modes = drawSpiModes();
    EXPECT_GT(modes.width(), 800);
    EXPECT_GT(modes.height(), 500);
}

} // namespace
} // namespace regforge::pictures
