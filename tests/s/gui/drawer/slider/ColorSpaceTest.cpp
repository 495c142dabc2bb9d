#include "s/gui/drawer/slider/ColorSpace.h"

#include <gtest/gtest.h>

using s::gui::drawer::slider::ColorSpace;

namespace {
constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}
} // namespace

TEST(ColorSpaceTest, HsvGivesTheKnownColoursWithChannelsTruncated) {
    EXPECT_EQ(rgb(255, 0, 0), ColorSpace::fromHsv(0, 100, 100));
    EXPECT_EQ(rgb(255, 255, 0), ColorSpace::fromHsv(60, 100, 100));
    EXPECT_EQ(rgb(0, 255, 0), ColorSpace::fromHsv(120, 100, 100));
    EXPECT_EQ(rgb(0, 255, 255), ColorSpace::fromHsv(180, 100, 100));
    EXPECT_EQ(rgb(0, 0, 127), ColorSpace::fromHsv(240, 100, 50)) << "127.5 truncated";
    EXPECT_EQ(rgb(255, 0, 255), ColorSpace::fromHsv(300, 100, 100));
    EXPECT_EQ(rgb(255, 0, 4), ColorSpace::fromHsv(359, 100, 100));
    EXPECT_EQ(rgb(255, 255, 255), ColorSpace::fromHsv(200, 0, 100));
    EXPECT_EQ(rgb(0, 0, 0), ColorSpace::fromHsv(200, 100, 0));
    EXPECT_EQ(rgb(255, 127, 127), ColorSpace::fromHsv(0, 50, 100));
}

TEST(ColorSpaceTest, HslGivesTheKnownColoursWithChannelsTruncated) {
    EXPECT_EQ(rgb(255, 0, 0), ColorSpace::fromHsl(0, 100, 50));
    EXPECT_EQ(rgb(255, 0, 0), ColorSpace::fromHsl(360, 100, 50)) << "360 degrees is red again";
    EXPECT_EQ(rgb(0, 127, 0), ColorSpace::fromHsl(120, 100, 25));
    EXPECT_EQ(rgb(127, 127, 255), ColorSpace::fromHsl(240, 100, 75));
    EXPECT_EQ(rgb(255, 255, 255), ColorSpace::fromHsl(30, 100, 100));
    EXPECT_EQ(rgb(127, 127, 127), ColorSpace::fromHsl(30, 0, 50));
    EXPECT_EQ(rgb(191, 63, 63), ColorSpace::fromHsl(0, 50, 50));
}

TEST(ColorSpaceTest, ComponentsOutsideTheirRangesAreBroughtIntoThem) {
    EXPECT_EQ(ColorSpace::fromHsv(120, 100, 100), ColorSpace::fromHsv(480, 250, 130));
    EXPECT_EQ(ColorSpace::fromHsv(300, 0, 0), ColorSpace::fromHsv(-60, -5, -5));
    EXPECT_EQ(ColorSpace::fromHsl(300, 100, 50), ColorSpace::fromHsl(-60, 100, 50));
}
