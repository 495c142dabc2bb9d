#include "s/gui/layout/BoxSizing.h"

#include <gtest/gtest.h>

using s::gui::layout::BoxSizing;
using s::gui::layout::Margins;
using s::gui::layout::Size;
using s::gui::layout::SizeRange;

TEST(BoxSizingTest, MarginsAreAddedToWhatTheLayoutNeedsAndTakenFromTheClientArea) {
    BoxSizing box;
    box.setMargins({7, 7, 3, 5});
    SizeRange range = box.range({500, 500}, {100, 40}, {150, 60});
    EXPECT_EQ((Size{7 + 100 + 7, 3 + 40 + 5}), range.minimum);
    EXPECT_EQ((Size{7 + 150 + 7, 3 + 60 + 5}), range.maximum);
    EXPECT_EQ((Size{200 - 14, 100 - 8}), box.client({200, 100}));
    EXPECT_EQ((Size{0, 0}), box.client({10, 5})) << "never below zero";
    // The maximum is never below what the layout needs.
    EXPECT_EQ(7 + 100 + 7, box.range({500, 500}, {100, 40}, {20, 10}).maximum.width);
}

TEST(BoxSizingTest, APercentOfTheParentIsRoundedToTheNearestPixel) {
    BoxSizing box;
    box.setWidthPercent(50);
    // 333 x 50 / 100 = 166.5: a box rounds, a leaf would truncate to 166.
    EXPECT_EQ(167, box.range({333, 0}, {}, {}).maximum.width);
    EXPECT_EQ(166, box.range({332, 0}, {}, {}).maximum.width);
    EXPECT_EQ(BoxSizing::percentOfRounded(333, 50), 167);
}

TEST(BoxSizingTest, FixedCollapsedAndExplicitMinimumSizes) {
    BoxSizing box;
    box.setMargins({2, 2, 2, 2});
    box.setExplicitMinimumWidth(300);
    EXPECT_EQ(300, box.range({}, {100, 10}, {}).minimum.width);
    EXPECT_EQ(2 + 10 + 2, box.range({}, {100, 10}, {}).minimum.height)
        << "the explicit minimum is for the width only";
    box.setFixedHeight(50);
    EXPECT_EQ(50, box.range({}, {100, 10}, {100, 90}).minimum.height);
    EXPECT_EQ(50, box.range({}, {100, 10}, {100, 90}).maximum.height);
    box.setCollapse(true, true);
    EXPECT_EQ((Size{0, 0}), box.range({}, {100, 10}, {}).minimum);
    box.setHeightPercent(10);
    EXPECT_EQ(BoxSizing::kNone, box.getFixed().height) << "a percent clears the fixed height";
}

TEST(BoxSizingTest, NegativeMarginsCountAsNone) {
    BoxSizing box;
    box.setMargins({-4, 3, -1, 0});
    EXPECT_EQ((Margins{0, 3, 0, 0}), box.getMargins());
}
