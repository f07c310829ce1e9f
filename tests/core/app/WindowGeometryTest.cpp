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

TEST(WindowGeometry, PageControlFollowsTheClientAreaDownToItsMinimum) {
    const ClientSize design{547, 636};
    const auto grown = pageControlSize({1180, 940}, design);
    EXPECT_EQ(grown.width, 1180);
    EXPECT_EQ(grown.height, 940);
    const auto small = pageControlSize({300, 200}, design);
    EXPECT_EQ(small.width, 547) << "below its minimum the client area scrolls";
    EXPECT_EQ(small.height, 636);
    const auto wide = pageControlSize({1180, 400}, design);
    EXPECT_EQ(wide.width, 1180);
    EXPECT_EQ(wide.height, 636);
}

TEST(WindowGeometry, WindowStartsCentredAndInsideTheFreeArea) {
    // The design size fits: centred on the free area below a 40-pixel panel.
    const ScreenRect free{0, 40, 1280, 960};
    const auto fits = placeOnScreen({555, 663}, free);
    EXPECT_EQ(fits.x, 362);
    EXPECT_EQ(fits.y, 188);
    EXPECT_EQ(fits.width, 555);
    EXPECT_EQ(fits.height, 663);

    // Twice the design size on a 1000-pixel screen: as tall as the free area, top edge on it.
    const auto tall = placeOnScreen({1110, 1326}, {0, 0, 1280, 1000});
    EXPECT_EQ(tall.y, 0);
    EXPECT_EQ(tall.height, 1000);
    EXPECT_EQ(tall.x, 85);
    EXPECT_EQ(tall.width, 1110);

    // Larger both ways on a second screen to the right: exactly that screen's free area.
    const ScreenRect second{1280, 0, 800, 600};
    const auto huge = placeOnScreen({2000, 2000}, second);
    EXPECT_EQ(huge.x, 1280);
    EXPECT_EQ(huge.y, 0);
    EXPECT_EQ(huge.width, 800);
    EXPECT_EQ(huge.height, 600);
}

} // namespace
} // namespace regforge::app
