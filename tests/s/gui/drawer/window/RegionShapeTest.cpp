#include "s/gui/drawer/window/RegionShape.h"

#include <gtest/gtest.h>

#include <tuple>

using s::gui::drawer::window::RegionShape;

namespace {

using Box = std::tuple<int32_t, int32_t, int32_t, int32_t>;

Box boxOf(const RegionShape::Rectangle& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

TEST(RegionShapeTest, SquareCornersGiveTheRectangleOnePixelLarger) {
    const RegionShape shape = RegionShape::forWindow(0, 0, 300, 200, 0, 0);
    EXPECT_EQ(RegionShape::Kind::kRectangle, shape.kind);
    EXPECT_EQ(Box(0, 0, 301, 201), boxOf(shape.bounds));
    EXPECT_FALSE(shape.squared);
    EXPECT_EQ(Box(10, 20, 51, 71), boxOf(RegionShape::forWindow(10, 20, 50, 70, 0, 0).bounds));
}

TEST(RegionShapeTest, RoundedEndsPickTheEllipseAndSquareTheOtherEnd) {
    RegionShape both = RegionShape::forWindow(0, 0, 300, 200, 2, 2);
    EXPECT_EQ(RegionShape::Kind::kRoundedRectangle, both.kind);
    EXPECT_EQ(11, both.ellipse);
    EXPECT_EQ(Box(0, 0, 301, 201), boxOf(both.bounds));
    EXPECT_FALSE(both.squared);

    RegionShape roundTop = RegionShape::forWindow(0, 0, 300, 200, 2, 0);
    EXPECT_EQ(11, roundTop.ellipse);
    EXPECT_TRUE(roundTop.squared);
    EXPECT_EQ(Box(0, 195, 301, 201), boxOf(roundTop.square)) << "bottom - 5 to bottom + 1";

    RegionShape roundBottom = RegionShape::forWindow(0, 0, 300, 200, 0, 2);
    EXPECT_EQ(Box(0, 0, 301, 6), boxOf(roundBottom.square)) << "top to top + 6";

    RegionShape slightTop = RegionShape::forWindow(0, 0, 300, 200, 1, 0);
    EXPECT_EQ(5, slightTop.ellipse);
    EXPECT_EQ(Box(0, 197, 301, 201), boxOf(slightTop.square)) << "bottom - 3 to bottom + 1";
    RegionShape slightBottom = RegionShape::forWindow(5, 7, 300, 200, 0, 1);
    EXPECT_EQ(Box(5, 7, 301, 11), boxOf(slightBottom.square)) << "top to top + 4";

    RegionShape mixed = RegionShape::forWindow(0, 0, 300, 200, 2, 1);
    EXPECT_EQ(5, mixed.ellipse) << "slightly rounded wins";
    EXPECT_EQ(Box(0, 0, 301, 4), boxOf(mixed.square)) << "and the rounded end is squared";
}

TEST(RegionShapeTest, UnknownStylesGiveNoShape) {
    EXPECT_EQ(RegionShape::Kind::kNone, RegionShape::forWindow(0, 0, 300, 200, 3, 0).kind);
    EXPECT_EQ(RegionShape::Kind::kNone, RegionShape::forWindow(0, 0, 300, 200, -1, 7).kind);
    const RegionShape withRound = RegionShape::forWindow(0, 0, 300, 200, 2, 9);
    EXPECT_EQ(RegionShape::Kind::kRoundedRectangle, withRound.kind)
        << "one rounded end is enough; the unknown end is squared";
    EXPECT_EQ(Box(0, 195, 301, 201), boxOf(withRound.square));
}
