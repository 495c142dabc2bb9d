#include "s/gui/frame/Placement.h"

#include <gtest/gtest.h>

using s::gui::frame::Placement;
using s::gui::layout::Point;
using s::gui::layout::Rect;

namespace {

const Rect kScreen = {0, 0, 1024, 768};
const Rect kWorkArea = {0, 0, 1024, 738};
// Two monitors, the second one left of the primary.
const Rect kWideScreen = {-1280, 0, 3200, 1080};

} // namespace

TEST(PlacementTest, AWindowIsOnScreenOnlyWithTenPixelsOfOverlapOnEachAxis) {
    EXPECT_TRUE(Placement::isOnScreen({100, 100, 300, 200}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({2000, 2000, 300, 200}, kScreen)) << "entirely off";
    // Right and bottom: the window starts 10 pixels before the edge.
    EXPECT_TRUE(Placement::isOnScreen({1014, 100, 300, 200}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({1015, 100, 300, 200}, kScreen));
    EXPECT_TRUE(Placement::isOnScreen({100, 758, 300, 200}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({100, 759, 300, 200}, kScreen));
    // Left and top: 10 pixels of the window reach into the screen.
    EXPECT_TRUE(Placement::isOnScreen({-90, 100, 100, 100}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({-91, 100, 100, 100}, kScreen));
    EXPECT_TRUE(Placement::isOnScreen({100, -90, 100, 100}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({100, -91, 100, 100}, kScreen));
    // A window of 10 pixels or less on either axis cannot be found.
    EXPECT_FALSE(Placement::isOnScreen({100, 100, 10, 200}, kScreen));
    EXPECT_FALSE(Placement::isOnScreen({100, 100, 200, 10}, kScreen));
    EXPECT_TRUE(Placement::isOnScreen({100, 100, 11, 11}, kScreen));
    // A virtual screen with a negative origin.
    EXPECT_TRUE(Placement::isOnScreen({-1370, 10, 100, 100}, kWideScreen));
    EXPECT_FALSE(Placement::isOnScreen({-1371, 10, 100, 100}, kWideScreen));
    EXPECT_TRUE(Placement::isOnScreen({1910, 10, 100, 100}, kWideScreen));
    EXPECT_FALSE(Placement::isOnScreen({1911, 10, 100, 100}, kWideScreen));
}

TEST(PlacementTest, MovingOnScreenEndsAtTheFarEdgeThenStartsAtTheNearOne) {
    EXPECT_EQ((Point{724, 568}), Placement::onScreen({900, 700, 300, 200}, kScreen));
    EXPECT_EQ((Point{0, 0}), Placement::onScreen({-50, -20, 100, 100}, kScreen));
    EXPECT_EQ((Point{724, 0}), Placement::onScreen({724, 0, 300, 200}, kScreen))
        << "touching the right edge is where it ends anyway";
    EXPECT_EQ((Point{0, 0}), Placement::onScreen({100, 100, 2000, 1000}, kScreen))
        << "larger than the screen: its top-left part shows";
    EXPECT_EQ((Point{-1280, 980}), Placement::onScreen({-1400, 1000, 100, 100}, kWideScreen));
}

TEST(PlacementTest, CentringUsesIntegerHalvesAndStaysInsideTheWorkArea) {
    EXPECT_EQ((Point{362, 269}), Placement::centred({300, 200}, kWorkArea));
    EXPECT_EQ((Point{361, 268}), Placement::centred({301, 201}, kWorkArea));
    EXPECT_EQ((Point{100, 50}), Placement::centred({300, 200}, {100, 50, 200, 100}))
        << "too large: its top-left corner at the work area's";
}

TEST(PlacementTest, SnappingClampsToTheBoundsAndUsesTheWorkAreaWithOneMonitor) {
    EXPECT_EQ((Point{724, 100}), Placement::snapped({900, 100, 300, 200}, kWorkArea))
        << "dragged past the right edge: the right edge on the screen's";
    EXPECT_EQ((Point{0, 0}), Placement::snapped({-30, -5, 300, 200}, kWorkArea));
    EXPECT_EQ((Point{100, 538}), Placement::snapped({100, 600, 300, 200}, kWorkArea))
        << "the taskbar below 738 stays uncovered";
    EXPECT_EQ((Point{0, 100}), Placement::snapped({100, 100, 2000, 200}, kWorkArea))
        << "wider than the bounds: the left edge wins";
    EXPECT_EQ((Point{300, 100}), Placement::snapped({300, 100, 300, 200}, kWorkArea))
        << "inside: unchanged";
    EXPECT_EQ(kWorkArea, Placement::snapBounds(1, kWideScreen, kWorkArea));
    EXPECT_EQ(kWorkArea, Placement::snapBounds(0, kWideScreen, kWorkArea));
    EXPECT_EQ(kWideScreen, Placement::snapBounds(2, kWideScreen, kWorkArea));
}

TEST(PlacementTest, FollowingTheCursorMovesOnAOnePixelOffsetButNotAtTheExactCentre) {
    Point position;
    EXPECT_FALSE(Placement::recentred({100, 100, 200, 100}, {200, 150}, &position));
    ASSERT_TRUE(Placement::recentred({100, 100, 200, 100}, {201, 151}, &position));
    EXPECT_EQ((Point{101, 101}), position);
    ASSERT_TRUE(Placement::recentred({100, 100, 200, 100}, {199, 150}, &position));
    EXPECT_EQ((Point{99, 100}), position) << "one axis off is enough";
    // Odd sizes: the centre is the integer half.
    EXPECT_FALSE(Placement::recentred({0, 0, 201, 101}, {100, 50}, &position));
    ASSERT_TRUE(Placement::recentred({-500, 0, 201, 101}, {-300, 900}, &position));
    EXPECT_EQ((Point{-400, 850}), position);
}
