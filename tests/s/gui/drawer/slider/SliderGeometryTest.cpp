#include "s/gui/drawer/slider/SliderGeometry.h"

#include <gtest/gtest.h>

#include "tests/s/gui/drawer/FillLog.h"

using s::gui::drawer::slider::SliderGeometry;
using s::gui::drawer::testing::FillLog;
using s::gui::layout::Rect;

namespace {

constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}
constexpr uint32_t kFill = 0x00B0B0B0;

// A slider 110 x 20 at the origin for values 0 ... 100, unit 1.
SliderGeometry plain() {
    return SliderGeometry(0, 0, 110, 20, 0, 100, 1);
}

} // namespace

TEST(SliderGeometryTest, ThumbsStandForTheirValuesWithTruncatingDivisions) {
    EXPECT_EQ(10, plain().getThumbWidth());
    EXPECT_EQ(0, plain().thumbLeft(0));
    EXPECT_EQ(50, plain().thumbLeft(50));
    EXPECT_EQ(100, plain().thumbLeft(100));
    EXPECT_EQ(32, SliderGeometry(0, 0, 107, 20, 0, 100, 1).thumbLeft(33)) << "97 x 33 / 100";
    EXPECT_EQ(20, SliderGeometry(0, 0, 110, 20, 0, 100, 2).getThumbWidth());
    EXPECT_EQ(45, SliderGeometry(0, 0, 110, 20, 0, 100, 2).thumbLeft(50));
    EXPECT_EQ(55, plain().originX(50));
}

TEST(SliderGeometryTest, ValuesCountFromTheMinimumAndStayInsideTheRange) {
    const SliderGeometry shifted(0, 0, 110, 20, 50, 150, 1);
    EXPECT_EQ(0, shifted.thumbLeft(50)) << "the minimum is the start";
    EXPECT_EQ(50, shifted.thumbLeft(100));
    EXPECT_EQ(100, plain().thumbLeft(150));
    EXPECT_EQ(0, plain().thumbLeft(-20));
    EXPECT_EQ(110, plain().originX(400));
    const SliderGeometry empty(0, 0, 110, 20, 30, 30, 1);
    EXPECT_EQ(0, empty.thumbLeft(30)) << "no span, no division by zero";
    EXPECT_EQ(0, empty.originX(30));
}

TEST(SliderGeometryTest, TheFillRunsFromTheStartOrTheOriginToTheNearerThumbEdge) {
    FillLog fromStart;
    plain().paintFill(fromStart, 50, 0, 0, false, 1, kFill);
    ASSERT_EQ(1u, fromStart.fills.size());
    EXPECT_EQ((Rect{1, 1, 49, 18}), fromStart.fills[0].rect);
    EXPECT_EQ(kFill, fromStart.fills[0].colour);

    FillLog fromAbove;
    plain().paintFill(fromAbove, 50, 0, 80, false, 1, kFill);
    ASSERT_EQ(1u, fromAbove.fills.size());
    EXPECT_EQ((Rect{60, 1, 28, 18}), fromAbove.fills[0].rect) << "thumb end to the origin's 88";

    FillLog fromBelow;
    plain().paintFill(fromBelow, 50, 0, 20, false, 1, kFill);
    EXPECT_EQ((Rect{22, 1, 28, 18}), fromBelow.fills.at(0).rect);

    FillLog fromTheEnd;
    plain().paintFill(fromTheEnd, 50, 0, 100, false, 1, kFill);
    EXPECT_EQ((Rect{60, 1, 49, 18}), fromTheEnd.fills.at(0).rect) << "the origin stops at W - 1";

    FillLog underTheThumb;
    plain().paintFill(underTheThumb, 50, 0, 52, false, 1, kFill);
    EXPECT_TRUE(underTheThumb.fills.empty());
}

TEST(SliderGeometryTest, RoundedCornersShortenTheFillsFirstAndLastRows) {
    FillLog log;
    plain().paintFill(log, 50, 0, 0, false, 2, kFill);
    ASSERT_EQ(3u, log.fills.size());
    EXPECT_EQ((Rect{2, 1, 47, 1}), log.fills[0].rect);
    EXPECT_EQ((Rect{1, 2, 49, 16}), log.fills[1].rect);
    EXPECT_EQ((Rect{2, 18, 47, 1}), log.fills[2].rect);
    EXPECT_FALSE(log.at(1, 1).has_value());
    EXPECT_FALSE(log.at(49, 18).has_value());
}

TEST(SliderGeometryTest, ARangeIsFilledBetweenItsThumbsOnlyWhenTheyAreApartAndFramed) {
    FillLog log;
    plain().paintFill(log, 20, 70, 0, true, 1, kFill);
    ASSERT_EQ(1u, log.fills.size());
    EXPECT_EQ((Rect{30, 1, 40, 18}), log.fills[0].rect);
    FillLog unframed;
    plain().paintFill(unframed, 20, 70, 0, true, 0, kFill);
    EXPECT_TRUE(unframed.fills.empty());
    FillLog touching;
    plain().paintFill(touching, 20, 30, 0, true, 1, kFill);
    EXPECT_TRUE(touching.fills.empty()) << "the first thumb ends where the second begins";
}

TEST(SliderGeometryTest, GradientsArePaintedColumnByColumnAroundTheFirstThumb) {
    // 30 wide: columns 1 ... 28 (n = 28), the thumb of value 10 of 20 covers
    // columns 10 ... 19.
    const SliderGeometry slider(0, 0, 30, 12, 0, 20, 1);
    FillLog log;
    slider.paintGradient(log, slider.thumbLeft(10), SliderGeometry::kBlend, rgb(0, 0, 0),
                         rgb(28, 56, 255));
    EXPECT_EQ(18u, log.fills.size());
    EXPECT_EQ((Rect{1, 1, 1, 10}), log.fills.front().rect);
    EXPECT_EQ(rgb(0, 0, 0), log.at(1, 5));
    EXPECT_EQ(rgb(8, 16, 72), log.at(9, 5)) << "k = 8: 8 x 255 / 28 = 72";
    EXPECT_FALSE(log.at(10, 5).has_value());
    EXPECT_FALSE(log.at(19, 5).has_value());
    EXPECT_EQ(rgb(19, 38, 173), log.at(20, 5));
    EXPECT_EQ(rgb(27, 54, 245), log.at(28, 5));
    EXPECT_FALSE(log.at(29, 5).has_value()) << "the last column belongs to the frame";

    const SliderGeometry moved(40, 7, 70, 19, 0, 20, 1);
    FillLog shifted;
    moved.paintGradient(shifted, moved.thumbLeft(10), SliderGeometry::kBlend, 0, 0xFFFFFF);
    EXPECT_EQ((Rect{41, 8, 1, 10}), shifted.fills.front().rect);
}

TEST(SliderGeometryTest, GradientKindsVaryTheirComponentAndKeepTheOtherTwo) {
    EXPECT_EQ(rgb(255, 0, 0), SliderGeometry::gradientColour(2, 0, 100, 100, 100));
    EXPECT_EQ(rgb(0, 255, 250), SliderGeometry::gradientColour(2, 50, 100, 100, 100))
        << "hue 179 = 50 x 359 / 100";
    EXPECT_EQ(rgb(255, 255, 255), SliderGeometry::gradientColour(3, 0, 10, 120, 100));
    EXPECT_EQ(rgb(0, 255, 0), SliderGeometry::gradientColour(3, 10, 10, 120, 100));
    EXPECT_EQ(rgb(0, 255, 0), SliderGeometry::gradientColour(4, 10, 10, 120, 100));
    EXPECT_EQ(rgb(0, 0, 0), SliderGeometry::gradientColour(4, 0, 10, 120, 100));
    EXPECT_EQ(rgb(255, 0, 0), SliderGeometry::gradientColour(5, 10, 10, 100, 50)) << "hue 360";
    EXPECT_EQ(rgb(127, 127, 127), SliderGeometry::gradientColour(6, 0, 10, 240, 50));
    EXPECT_EQ(rgb(0, 0, 255), SliderGeometry::gradientColour(6, 10, 10, 240, 50));
    EXPECT_EQ(rgb(255, 255, 255), SliderGeometry::gradientColour(7, 10, 10, 240, 100));

    FillLog none;
    plain().paintGradient(none, 50, 0, 0, 0xFFFFFF);
    plain().paintGradient(none, 50, 8, 0, 0xFFFFFF);
    SliderGeometry(0, 0, 2, 20, 0, 100, 1).paintGradient(none, 0, 1, 0, 0xFFFFFF);
    EXPECT_TRUE(none.fills.empty());
}
