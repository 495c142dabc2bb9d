#include "s/gui/drawer/combo/ComboGeometry.h"

#include <gtest/gtest.h>

#include "tests/s/gui/drawer/FillLog.h"

using s::gui::drawer::combo::ComboGeometry;
using s::gui::drawer::testing::FillLog;
using s::gui::layout::Rect;

TEST(ComboGeometryTest, TheTextBoxMovesWithTheStateLikeAButtonLabel) {
    // (left + 4, top + 1, right - 15, bottom - 1) at unit 1.
    EXPECT_EQ((Rect{14, 21, 81, 20}), ComboGeometry::textBox(10, 20, 110, 42, 0, 1));
    EXPECT_EQ((Rect{13, 20, 81, 20}), ComboGeometry::textBox(10, 20, 110, 42, 1, 1));
    EXPECT_EQ((Rect{15, 22, 81, 20}), ComboGeometry::textBox(10, 20, 110, 42, 2, 1));
    EXPECT_EQ((Rect{18, 22, 52, 40}), ComboGeometry::textBox(10, 20, 100, 64, 0, 2));
    EXPECT_EQ(ComboGeometry::textBox(0, 0, 100, 22, 0, 1),
              ComboGeometry::textBox(0, 0, 100, 22, 7, 1))
        << "an unknown state is drawn as normal";
}

TEST(ComboGeometryTest, TheTextIsOneLineCentredInTheBox) {
    EXPECT_EQ((Rect{4, 3, 81, 15}), ComboGeometry::textLine({4, 1, 81, 20}, 15));
    EXPECT_EQ((Rect{4, 1, 81, 20}), ComboGeometry::textLine({4, 1, 81, 20}, 20));
}

TEST(ComboGeometryTest, SeparatorAndArrowSitRightOfTheTextBox) {
    const Rect box = ComboGeometry::textBox(0, 0, 100, 22, 0, 1);
    ASSERT_EQ((Rect{4, 1, 81, 20}), box);
    FillLog log;
    ComboGeometry::paintSeparator(log, box, 0x123456, 1);
    ASSERT_EQ(1u, log.fills.size());
    EXPECT_EQ((Rect{86, 3, 1, 16}), log.fills[0].rect);
    EXPECT_EQ(0x123456u, log.fills[0].colour);
    EXPECT_EQ((Rect{88, 3, 10, 16}), ComboGeometry::arrowArea(box, 1));

    const Rect wide = ComboGeometry::textBox(0, 0, 200, 44, 0, 2);
    FillLog doubled;
    ComboGeometry::paintSeparator(doubled, wide, 0, 2);
    EXPECT_EQ((Rect{172, 6, 2, 32}), doubled.fills[0].rect);
    EXPECT_EQ((Rect{176, 6, 20, 32}), ComboGeometry::arrowArea(wide, 2));
}
