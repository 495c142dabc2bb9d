#include "s/gui/drawer/listheader/win/Thin.h"

#include <gtest/gtest.h>

#include "s/gui/win/Font.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::listheader::win::Thin;
using s::gui::win::Font;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

TEST(ListHeaderThinWinTest, TheBackgroundIsTheHeadersOrTheGivenColour) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(60, 22);
    drawer->drawBackground(canvas.get(), 0, 0, 30, 22, false, 1, 2, 3);
    drawer->drawBackground(canvas.get(), 30, 0, 60, 22, true, 1, 2, 3);
    EXPECT_EQ(RGB(51, 51, 51), canvas.at(0, 0));
    EXPECT_EQ(RGB(51, 51, 51), canvas.at(29, 21));
    EXPECT_EQ(RGB(1, 2, 3), canvas.at(30, 0));
    canvas.clear();
    drawer->drawBackground(canvas.get(), 30, 0, 30, 22, false, 1, 2, 3);
    EXPECT_EQ(0, canvas.painted());
}

TEST(ListHeaderThinWinTest, CellsAreSquareCorneredButtonsWithTheirLabels) {
    auto drawer = PoolRef<Thin>::take();
    auto font = PoolRef<Font>::take();
    drawer->completeFonts(font.get());
    PixelCanvas canvas(100, 22);
    drawer->drawCell(canvas.get(), 0, 0, 100, 22, 0, u"Name", font.get());
    EXPECT_NE(PixelCanvas::kWhite, canvas.at(0, 0)) << "corner style 0 paints the corner";
    EXPECT_NE(PixelCanvas::kWhite, canvas.at(99, 21));
    EXPECT_GT(canvas.painted(10, 3, 90, 19), 0) << "the label";
    EXPECT_EQ(22, drawer->getRowHeight());
    EXPECT_TRUE(drawer->getShiftLabel());
    EXPECT_EQ(0, drawer->getCornerStyle());
    drawer->setFrameColor(7, 8, 9);
    drawer->setBackground(4, 5, 6);
    drawer->setRowHeight(30);
    EXPECT_EQ(8, drawer->getFrameGreen());
    EXPECT_EQ(6, drawer->getBackgroundBlue());
    drawer->reset();
    EXPECT_EQ(120, drawer->getFrameRed());
    EXPECT_EQ(51, drawer->getBackgroundRed());
    EXPECT_EQ(22, drawer->getRowHeight());
}
