#include "s/gui/drawer/menu/MenuGeometry.h"

#include <gtest/gtest.h>

#include "tests/s/gui/drawer/FillLog.h"

using s::gui::drawer::menu::MenuGeometry;
using s::gui::drawer::testing::FillLog;
using s::gui::layout::Rect;

TEST(MenuGeometryTest, ItemTextsArePaddedByTheUnitAndCentredInTheRow) {
    EXPECT_EQ((Rect{16, 23, 48, 13}), MenuGeometry::barText(10, 20, 70, 40, 13, 1));
    EXPECT_EQ((Rect{22, 20, 36, 26}), MenuGeometry::barText(10, 20, 70, 46, 26, 2));
    EXPECT_EQ((Rect{20, 4, 72, 13}), MenuGeometry::itemText(0, 0, 100, 22, 13, 1));
    EXPECT_EQ((Rect{40, 4, 144, 26}), MenuGeometry::itemText(0, 0, 200, 34, 26, 2));
}

TEST(MenuGeometryTest, SelectionCoversTheItemAndTheSeparatorIsAThinCentredLine) {
    FillLog log;
    MenuGeometry::paintSelection(log, 10, 20, 70, 40, 0xABCDEF);
    MenuGeometry::paintSelection(log, 70, 20, 10, 40, 0xABCDEF);
    ASSERT_EQ(1u, log.fills.size()) << "an inverted item gets no selection";
    EXPECT_EQ((Rect{10, 20, 60, 20}), log.fills[0].rect);

    FillLog line;
    MenuGeometry::paintSeparator(line, 0, 10, 100, 19, 0x111111, 1);
    MenuGeometry::paintSeparator(line, 0, 10, 100, 19, 0x111111, 2);
    ASSERT_EQ(2u, line.fills.size());
    EXPECT_EQ((Rect{4, 14, 92, 1}), line.fills[0].rect);
    EXPECT_EQ((Rect{8, 13, 84, 2}), line.fills[1].rect);
}
