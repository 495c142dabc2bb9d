#include "s/gui/drawer/checkbox/CheckBoxGeometry.h"

#include <gtest/gtest.h>

#include "tests/s/gui/drawer/FillLog.h"

using s::gui::drawer::checkbox::CheckBoxGeometry;
using s::gui::drawer::testing::FillLog;
using s::gui::layout::Rect;

namespace {
constexpr uint32_t kFrame = 0x00787878;
constexpr uint32_t kWhite = 0x00FFFFFF;
} // namespace

TEST(CheckBoxGeometryTest, ABoxOfSide13HasAWhiteNineByNineInsideATwoPixelFrame) {
    FillLog log;
    CheckBoxGeometry::paintBox(log, 0, 0, 13, kFrame, 1);
    EXPECT_EQ((Rect{2, 2, 9, 9}), log.fills.front().rect);
    EXPECT_EQ(kWhite, log.fills.front().colour);
    for (int32_t i = 0; i < 13; ++i) {
        for (int32_t ring = 0; ring < 2; ++ring) {
            EXPECT_EQ(kFrame, log.at(i, ring)) << i << " top";
            EXPECT_EQ(kFrame, log.at(i, 12 - ring)) << i << " bottom";
            EXPECT_EQ(kFrame, log.at(ring, i)) << i << " left";
            EXPECT_EQ(kFrame, log.at(12 - ring, i)) << i << " right";
        }
    }
    EXPECT_EQ(kWhite, log.at(2, 2));
    EXPECT_EQ(kWhite, log.at(10, 10));
    EXPECT_FALSE(log.at(13, 6).has_value()) << "nothing beyond the box";
}

TEST(CheckBoxGeometryTest, TheFrameGrowsWithTheUnitAndFollowsTheBoxPosition) {
    FillLog log;
    CheckBoxGeometry::paintBox(log, 10, 20, 26, kFrame, 2);
    EXPECT_EQ((Rect{14, 24, 18, 18}), log.fills.front().rect);
    EXPECT_EQ(kFrame, log.at(13, 30));
    EXPECT_EQ(kWhite, log.at(14, 30));
    EXPECT_EQ(kFrame, log.at(32, 41));
    EXPECT_EQ(kFrame, log.at(35, 45));
    EXPECT_FALSE(log.at(36, 45).has_value());
}

TEST(CheckBoxGeometryTest, TheMarkSitsTwoPixelsInsideAndTheLabelASixthOfTheSideAway) {
    EXPECT_EQ((Rect{7, 9, 9, 9}), CheckBoxGeometry::markArea(5, 7, 13));
    EXPECT_EQ(15, CheckBoxGeometry::labelLeft(0, 13));
    EXPECT_EQ(10 + 26 + 4, CheckBoxGeometry::labelLeft(10, 26));
}

TEST(CheckBoxGeometryTest, LayoutWidthsGrowByTheBoxAndGapOfTheTextHeight) {
    const s::gui::text::TextExtents widened = CheckBoxGeometry::widenForBox({40, 15, 90, 15});
    EXPECT_EQ(57, widened.minWidth);
    EXPECT_EQ(107, widened.maxWidth);
    EXPECT_EQ(15, widened.height);
    EXPECT_EQ(15, widened.maxHeight);
}
