#include "s/gui/scale/DisplayScale.h"

#include <gtest/gtest.h>

#include <cstdint>

using s::gui::scale::DisplayScale;

TEST(DisplayScaleTest, TakesTheLargerOfScreenFactorAndDpiNotTheirProduct) {
    EXPECT_EQ(13, DisplayScale(1, 96).pixels(13)) << "100 % on an ordinary screen";
    EXPECT_EQ(30, DisplayScale(1, 144).pixels(20)) << "150 %";
    EXPECT_EQ(25, DisplayScale(1, 120).pixels(20)) << "125 %";
    EXPECT_EQ(40, DisplayScale(2, 96).pixels(20)) << "a 4K screen at 100 %";
    EXPECT_EQ(40, DisplayScale(2, 192).pixels(20)) << "a 4K screen at 200 %: twice, not four times";
    EXPECT_EQ(60, DisplayScale(2, 288).pixels(20)) << "a 4K screen at 300 %";
    EXPECT_EQ(80, DisplayScale(4, 144).pixels(20));
}

TEST(DisplayScaleTest, RoundsHalvesAwayFromZeroAndScalesNegativeSizesAlike) {
    const DisplayScale oneAndAHalf(1, 144);
    EXPECT_EQ(8, oneAndAHalf.pixels(5)) << "7.5 rounds up";
    EXPECT_EQ(-8, oneAndAHalf.pixels(-5)) << "-7.5 rounds away from zero";
    EXPECT_EQ(0, oneAndAHalf.pixels(0));
    EXPECT_EQ(2, oneAndAHalf.pixels(1)) << "1.5 rounds up";
    const DisplayScale oneAndAQuarter(1, 120);
    EXPECT_EQ(1, oneAndAQuarter.pixels(1)) << "1.25 rounds down";
    EXPECT_EQ(15, oneAndAHalf.scaledPoints(10));
}

TEST(DisplayScaleTest, OddInputGivesADefinedScaleThatNeverShrinksOrOverflows) {
    const DisplayScale unknownFactor(3, 96);
    EXPECT_EQ(1, unknownFactor.getScreenFactor());
    EXPECT_EQ(10, unknownFactor.pixels(10));
    EXPECT_EQ(10, DisplayScale(1, 72).pixels(10)) << "below 96 dpi the design size stays";
    EXPECT_EQ(10, DisplayScale(1, 0).pixels(10)) << "no dpi reported";
    EXPECT_EQ(10, DisplayScale(1, -5).pixels(10));
    const DisplayScale huge(1, 1'000'000);
    EXPECT_EQ(96 * 16, huge.getDpi()) << "held to 16 x";
    EXPECT_EQ(INT32_MAX, huge.pixels(INT32_MAX)) << "saturates instead of wrapping";
    EXPECT_EQ(INT32_MIN, huge.pixels(INT32_MIN));
    EXPECT_EQ(96, DisplayScale().getPixelsPer96());
}

TEST(DisplayScaleTest, PaintedLinesStepInWholePixelsOfOneTwoOrFour) {
    EXPECT_EQ(1, DisplayScale(1, 96).getUnit());
    EXPECT_EQ(1, DisplayScale(1, 120).getUnit()) << "125 % keeps one-pixel lines";
    EXPECT_EQ(1, DisplayScale(1, 143).getUnit());
    EXPECT_EQ(2, DisplayScale(1, 144).getUnit()) << "150 % steps up to two";
    EXPECT_EQ(2, DisplayScale(2, 96).getUnit()) << "a 4K screen at 100 %";
    EXPECT_EQ(2, DisplayScale(1, 383).getUnit());
    EXPECT_EQ(4, DisplayScale(1, 384).getUnit());
    EXPECT_EQ(4, DisplayScale(4, 96).getUnit()) << "an 8K screen";
    EXPECT_EQ(4, DisplayScale(1, 1'000'000).getUnit()) << "never more than four";
}
