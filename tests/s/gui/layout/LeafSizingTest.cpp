#include "s/gui/layout/LeafSizing.h"

#include <gtest/gtest.h>

#include <cstdint>

using s::gui::layout::LeafSizing;
using s::gui::layout::Size;
using s::gui::layout::SizeRange;

TEST(LeafSizingTest, NaturalSizeIsTheMinimumAndTheLargerOfNaturalAndRequestedTheMaximum) {
    LeafSizing button;
    button.setNatural({75, 23});
    SizeRange range = button.range({400, 300});
    EXPECT_EQ((Size{75, 23}), range.minimum);
    EXPECT_EQ((Size{75, 23}), range.maximum) << "a label: its measured text, no more, no less";

    button.setRequested({120, 10});
    range = button.range({400, 300});
    EXPECT_EQ((Size{75, 23}), range.minimum);
    EXPECT_EQ((Size{120, 23}), range.maximum);
    EXPECT_EQ((Size{120, 23}), button.preferred({400, 300}));
}

TEST(LeafSizingTest, AFixedSizeIsBothMinimumAndMaximum) {
    LeafSizing spacer;
    spacer.setNatural({30, 30});
    spacer.setFixedWidth(8);
    SizeRange range = spacer.range({400, 300});
    EXPECT_EQ(8, range.minimum.width);
    EXPECT_EQ(8, range.maximum.width);
    EXPECT_EQ(30, range.minimum.height);
}

TEST(LeafSizingTest, APercentCapsAtThatShareOfTheParentTruncated) {
    LeafSizing wide;
    wide.setNatural({10, 10});
    wide.setWidthPercent(50);
    // 333 x 50 / 100 = 166.5, truncated.
    EXPECT_EQ(333 * 50 / 100, wide.range({333, 100}).maximum.width);
    EXPECT_EQ(166, wide.range({333, 100}).maximum.width);
    EXPECT_EQ(10, wide.range({333, 100}).minimum.width);
    // A parent narrower than the natural size: the minimum wins when laid out.
    EXPECT_EQ(10, wide.range({4, 100}).within({100, 10}).width);
}

TEST(LeafSizingTest, PercentAndFixedReplaceEachOtherAndNegativeClears) {
    LeafSizing sizing;
    sizing.setNatural({10, 10});
    sizing.setFixedWidth(40);
    sizing.setWidthPercent(100);
    EXPECT_EQ(LeafSizing::kNone, sizing.getFixed().width);
    EXPECT_EQ(200, sizing.range({200, 0}).maximum.width);
    sizing.setFixedWidth(40);
    EXPECT_EQ(LeafSizing::kNone, sizing.getPercent().width);
    EXPECT_EQ(40, sizing.range({200, 0}).maximum.width);
    sizing.setFixedWidth(-5);
    EXPECT_EQ(10, sizing.range({200, 0}).maximum.width);

    // Bad measurements and huge parents stay in range.
    sizing.setNatural({-3, -3});
    EXPECT_EQ((Size{0, 0}), sizing.range({0, 0}).minimum);
    sizing.setWidthPercent(1000);
    EXPECT_EQ(INT32_MAX, sizing.range({INT32_MAX, 0}).maximum.width);
}

TEST(LeafSizingTest, ExchangingAxesSwapsEveryWidthSettingWithItsHeightSetting) {
    LeafSizing sizing;
    sizing.setFixedWidth(4);
    sizing.setHeightPercent(50);
    sizing.exchangeAxes();
    EXPECT_EQ((Size{LeafSizing::kNone, 4}), sizing.getFixed());
    EXPECT_EQ((Size{50, LeafSizing::kNone}), sizing.getPercent());
}
