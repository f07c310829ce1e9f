#include "app/WindowGeometry.h"

#include <gtest/gtest.h>

namespace regforge::app {
namespace {

TEST(WindowGeometry, WheelStepsStopAtBothEnds) {
    EXPECT_EQ(wheelUp(5), 0);
    EXPECT_EQ(wheelUp(9), 1);
    EXPECT_EQ(wheelDown(0, 636, 500), 8);
    EXPECT_EQ(wheelDown(130, 636, 500), 136);
    EXPECT_EQ(wheelDown(135, 636, 500), 136);
    EXPECT_EQ(wheelDown(0, 400, 500), 0) << "nothing to scroll";
}

TEST(WindowGeometry, ClientNeverOutgrowsThePageControl) {
    const ClientSize page{547, 636};
    const auto capped = capClientSize({900, 900}, page, false, false);
    EXPECT_EQ(capped.width, 563);
    EXPECT_EQ(capped.height, 652);
    const auto withBars = capClientSize({900, 900}, page, true, true);
    EXPECT_EQ(withBars.width, 547);
    EXPECT_EQ(withBars.height, 636);
    const auto small = capClientSize({300, 200}, page, false, false);
    EXPECT_EQ(small.width, 300);
    EXPECT_EQ(small.height, 200);
}

} // namespace
} // namespace regforge::app
