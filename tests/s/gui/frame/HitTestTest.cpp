#include "s/gui/frame/HitTest.h"

#include <gtest/gtest.h>

#include <cstdint>

using s::gui::frame::HitTest;
using s::gui::scale::DisplayScale;

namespace {

constexpr int32_t kDefault = 1;

// Every zone of a width x height window with border b and corner c, probed
// one pixel inside and on each boundary.
void expectZones(const HitTest& test, int32_t width, int32_t height) {
    const int32_t b = test.getBorder();
    const int32_t c = test.getCorner();
    const int32_t midX = width / 2;
    const int32_t midY = height / 2;
    // Right strip: x > W - b.
    EXPECT_EQ(17, test.zone(width - b + 1, height - c + 1, width, height, kDefault));
    EXPECT_EQ(14, test.zone(width - b + 1, c - 1, width, height, kDefault));
    EXPECT_EQ(11, test.zone(width - b + 1, midY, width, height, kDefault));
    EXPECT_EQ(11, test.zone(width - b + 1, c, width, height, kDefault)) << "c itself is no corner";
    EXPECT_EQ(kDefault, test.zone(width - b, midY, width, height, kDefault)) << "W - b is inside";
    // Bottom strip: y > H - b.
    EXPECT_EQ(17, test.zone(width - c + 1, height - b + 1, width, height, kDefault));
    EXPECT_EQ(16, test.zone(c - 1, height - b + 1, width, height, kDefault));
    EXPECT_EQ(15, test.zone(midX, height - b + 1, width, height, kDefault));
    EXPECT_EQ(kDefault, test.zone(midX, height - b, width, height, kDefault));
    // Left strip: x < b.
    EXPECT_EQ(16, test.zone(b - 1, height - c + 1, width, height, kDefault));
    EXPECT_EQ(13, test.zone(b - 1, c - 1, width, height, kDefault));
    EXPECT_EQ(10, test.zone(b - 1, midY, width, height, kDefault));
    EXPECT_EQ(10, test.zone(0, height - c, width, height, kDefault)) << "H - c is no corner";
    EXPECT_EQ(kDefault, test.zone(b, midY, width, height, kDefault));
    // Top strip: y < b.
    EXPECT_EQ(14, test.zone(width - c + 1, b - 1, width, height, kDefault));
    EXPECT_EQ(13, test.zone(c - 1, b - 1, width, height, kDefault));
    EXPECT_EQ(12, test.zone(midX, b - 1, width, height, kDefault));
    EXPECT_EQ(kDefault, test.zone(midX, b, width, height, kDefault));
    // The body keeps whatever the system said.
    EXPECT_EQ(kDefault, test.zone(midX, midY, width, height, kDefault));
    EXPECT_EQ(2, test.zone(midX, midY, width, height, 2));
}

} // namespace

TEST(HitTestTest, BorderAndCornerAreFiveAndThirtyTimesTheScreenFactorAt96Dpi) {
    EXPECT_EQ(5, HitTest(DisplayScale(1, 96)).getBorder());
    EXPECT_EQ(30, HitTest(DisplayScale(1, 96)).getCorner());
    EXPECT_EQ(10, HitTest(DisplayScale(2, 96)).getBorder());
    EXPECT_EQ(60, HitTest(DisplayScale(2, 96)).getCorner());
    EXPECT_EQ(20, HitTest(DisplayScale(4, 96)).getBorder());
    EXPECT_EQ(120, HitTest(DisplayScale(4, 96)).getCorner());
    // A 150 % display: 7.5 rounds to 8, 45 stays.
    EXPECT_EQ(8, HitTest(DisplayScale(1, 144)).getBorder());
    EXPECT_EQ(45, HitTest(DisplayScale(1, 144)).getCorner());
}

TEST(HitTestTest, EveryZoneAnswersItsCodeAtEachScale) {
    {
        SCOPED_TRACE("s = 1");
        expectZones(HitTest(DisplayScale(1, 96)), 200, 100);
    }
    {
        SCOPED_TRACE("s = 2");
        expectZones(HitTest(DisplayScale(2, 96)), 400, 300);
    }
    {
        SCOPED_TRACE("s = 4");
        expectZones(HitTest(DisplayScale(4, 96)), 800, 600);
    }
    {
        SCOPED_TRACE("150 %");
        expectZones(HitTest(DisplayScale(1, 144)), 300, 150);
    }
    // Exact points at s = 1 on a 200 x 100 window.
    const HitTest one(DisplayScale(1, 96));
    EXPECT_EQ(17, one.zone(196, 71, 200, 100, kDefault));
    EXPECT_EQ(11, one.zone(196, 70, 200, 100, kDefault));
    EXPECT_EQ(14, one.zone(196, 29, 200, 100, kDefault));
    EXPECT_EQ(15, one.zone(100, 96, 200, 100, kDefault));
    EXPECT_EQ(13, one.zone(4, 4, 200, 100, kDefault));
}

TEST(HitTestTest, RightAndBottomStripsAreTestedFirstOnATinyWindow) {
    // 8 x 8 at s = 1: every point lies in two strips; the rule order picks.
    const HitTest one(DisplayScale(1, 96));
    EXPECT_EQ(17, one.zone(4, 4, 8, 8, kDefault)) << "right strip, below H - c";
    EXPECT_EQ(17, one.zone(0, 7, 8, 8, kDefault)) << "bottom strip, right of W - c";
}

TEST(HitTestTest, EasyDragTurnsOnlyTheBodyIntoACaptionAndNotWithTheRightButtonHeld) {
    EXPECT_EQ(2, HitTest::easyDrag(1, false));
    EXPECT_EQ(1, HitTest::easyDrag(1, true));
    EXPECT_EQ(11, HitTest::easyDrag(11, false)) << "a border stays a border";
    EXPECT_EQ(0, HitTest::easyDrag(0, false));
    EXPECT_TRUE(HitTest::isBorder(10));
    EXPECT_TRUE(HitTest::isBorder(17));
    EXPECT_FALSE(HitTest::isBorder(9));
    EXPECT_FALSE(HitTest::isBorder(18));
}
