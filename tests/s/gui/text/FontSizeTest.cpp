#include "s/gui/text/FontSize.h"

#include <gtest/gtest.h>

#include <cstdint>

using s::gui::scale::DisplayScale;
using s::gui::text::FontSize;

TEST(FontSizeTest, CodesGiveWeightAndPointsInTheirRanges) {
    const FontSize ordinary = FontSize::fromCode(0);
    EXPECT_TRUE(ordinary.isSize());
    EXPECT_EQ(400, ordinary.getWeight());
    EXPECT_EQ(10, ordinary.getPoints());
    EXPECT_EQ(9, FontSize::fromCode(-1).getPoints());
    EXPECT_EQ(109, FontSize::fromCode(99).getPoints()) << "last code of the normal range";
    EXPECT_EQ(400, FontSize::fromCode(-99).getWeight());

    const FontSize heading = FontSize::fromCode(103);
    EXPECT_EQ(700, heading.getWeight());
    EXPECT_EQ(17, heading.getPoints());
    EXPECT_EQ(11, FontSize::fromCode(-103).getPoints()) << "the remainder keeps the sign";
    EXPECT_EQ(700, FontSize::fromCode(-103).getWeight());
    EXPECT_EQ(10, FontSize::fromCode(-104).getPoints());
    EXPECT_EQ(14, FontSize::fromCode(100).getPoints()) << "first code of the bold range";
    EXPECT_EQ(700, FontSize::fromCode(-100).getWeight());
    EXPECT_EQ(113, FontSize::fromCode(999).getPoints()) << "last code of the bold range";

    const FontSize small = FontSize::fromCode(100001);
    EXPECT_TRUE(small.isSize());
    EXPECT_EQ(400, small.getWeight());
    EXPECT_EQ(8, small.getPoints());
}

TEST(FontSizeTest, CodesOutsideTheRangesAreNoSize) {
    EXPECT_FALSE(FontSize::fromCode(1000).isSize());
    EXPECT_FALSE(FontSize::fromCode(-1000).isSize());
    EXPECT_FALSE(FontSize::fromCode(100000).isSize());
    EXPECT_FALSE(FontSize::fromCode(-100001).isSize()) << "only the positive small-print code";
    EXPECT_FALSE(FontSize::fromCode(INT32_MIN).isSize());
    EXPECT_FALSE(FontSize::fromCode(INT32_MAX).isSize());
}

TEST(FontSizeTest, HeightsAtOrdinaryDpiFollowTheScreenFactor) {
    const DisplayScale ordinary(1, 96);
    EXPECT_EQ(-13, FontSize::heightFor(10, ordinary));
    EXPECT_EQ(-12, FontSize::heightFor(9, ordinary));
    EXPECT_EQ(-15, FontSize::heightFor(11, ordinary));
    EXPECT_EQ(-23, FontSize::heightFor(17, ordinary));
    EXPECT_EQ(-11, FontSize::heightFor(8, ordinary));
    EXPECT_EQ(-27, FontSize::heightFor(10, DisplayScale(2, 96)));
    EXPECT_EQ(-53, FontSize::heightFor(10, DisplayScale(4, 96)));
    EXPECT_EQ(-53, FontSize::heightFor(10, DisplayScale(4, 144))) << "the factor outweighs 150 %";
}

TEST(FontSizeTest, HeightsAt144DpiGrowByOneAndAHalf) {
    const DisplayScale scaled(1, 144);
    EXPECT_EQ(-20, FontSize::heightFor(10, scaled)) << "15 scaled points";
    EXPECT_EQ(-19, FontSize::heightFor(9, scaled)) << "13.5 rounds to 14";
    EXPECT_EQ(-23, FontSize::heightFor(11, scaled)) << "16.5 rounds to 17";
    EXPECT_EQ(-35, FontSize::heightFor(17, scaled)) << "25.5 rounds to 26";
}

TEST(FontSizeTest, TinyHugeAndNegativeSizesStayDefined) {
    const DisplayScale ordinary(1, 96);
    EXPECT_EQ(-1, FontSize::heightFor(1, ordinary));
    EXPECT_EQ(-1, FontSize::heightFor(0, ordinary));
    EXPECT_EQ(-1, FontSize::heightFor(-40, ordinary)) << "never a positive cell height";
    EXPECT_EQ(-3, FontSize::heightFor(2, ordinary));
    EXPECT_EQ(-133, FontSize::heightFor(100, ordinary)) << "the largest size the rule keeps";
    EXPECT_EQ(-13, FontSize::heightFor(101, ordinary));
    EXPECT_EQ(-13, FontSize::heightFor(70, DisplayScale(1, 144))) << "105 scaled points";
    EXPECT_EQ(-13, FontSize::heightFor(INT32_MAX, DisplayScale(4, 96)));
}

TEST(FontSizeTest, PointSizesFollowTheScreenDpiRoundedHalfAwayFromZero) {
    EXPECT_EQ(-13, FontSize::heightForPoints(10, 96));
    EXPECT_EQ(-12, FontSize::heightForPoints(9, 96));
    EXPECT_EQ(-15, FontSize::heightForPoints(11, 96)) << "14.67 rounds up";
    EXPECT_EQ(-20, FontSize::heightForPoints(10, 144));
    EXPECT_EQ(-133, FontSize::heightForPoints(100, 96)) << "no cap, unlike size codes";
    EXPECT_EQ(-1, FontSize::heightForPoints(1, 36)) << "exactly one half rounds away from zero";
    EXPECT_EQ(1, FontSize::heightForPoints(-1, 36));
    EXPECT_EQ(0, FontSize::heightForPoints(0, 96));
    EXPECT_EQ(-1, FontSize::heightForPoints(INT32_MAX, INT32_MAX)) << "too large for 32 bits";
}
