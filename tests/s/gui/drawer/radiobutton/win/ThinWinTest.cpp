#include "s/gui/drawer/radiobutton/win/Thin.h"

#include <gtest/gtest.h>

#include <utility>

#include "s/gui/win/Font.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::radiobutton::win::Thin;
using s::gui::win::Font;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kBackground = RGB(200, 220, 255);
constexpr COLORREF kDot = RGB(53, 185, 56);

// Rows of the rectangle with at least one painted pixel, top and bottom.
std::pair<int32_t, int32_t> paintedRows(const PixelCanvas& canvas, int32_t left, int32_t right,
                                        int32_t height) {
    int32_t first = -1;
    int32_t last = -1;
    for (int32_t y = 0; y < height; ++y) {
        if (canvas.painted(left, y, right, y + 1) > 0) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

} // namespace

TEST(RadioButtonThinWinTest, TheCircleIs13PixelsSquareCentredSixAboveTheMiddle) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(60, 40);
    PixelCanvas scratch(52, 52);
    // h = 20: the image's top is 10 + 10 - 6 = 14.
    drawer->draw(canvas.get(), scratch.get(), 5, 10, 60, 30, false, nullptr, nullptr, kBackground);
    EXPECT_EQ(std::make_pair(14, 26), paintedRows(canvas, 0, 60, 40));
    EXPECT_EQ(5, canvas.firstPaintedColumn(0, 0, 60, 40));
    EXPECT_EQ(0, canvas.painted(18, 0, 60, 40)) << "nothing right of the 13 columns";
    EXPECT_EQ(kBackground, canvas.at(11, 20)) << "unmarked: the background inside";
    EXPECT_EQ(RGB(120, 120, 120), scratch.at(1, 26)) << "the outline in the reset frame colour";
}

TEST(RadioButtonThinWinTest, AMarkedButtonShowsTheDotAndTheLabelFollowsTheRowHeight) {
    auto drawer = PoolRef<Thin>::take();
    auto font = PoolRef<Font>::take();
    drawer->completeFonts(font.get(), nullptr);
    PixelCanvas canvas(120, 40);
    PixelCanvas scratch(52, 52);
    drawer->draw(canvas.get(), scratch.get(), 0, 0, 120, 30, true, u"WWW", font.get(), kBackground);
    EXPECT_EQ(kDot, canvas.at(6, 15)) << "the middle of the image at (0, 9)";
    EXPECT_EQ(0, canvas.painted(13, 0, 35, 40)) << "the label starts at 30 + 30 / 6";
    const int32_t labelStart = canvas.firstPaintedColumn(13, 0, 120, 40);
    EXPECT_GE(labelStart, 35);
    EXPECT_LE(labelStart, 36);

    drawer->setDotColor(200, 0, 0);
    drawer->draw(canvas.get(), scratch.get(), 0, 0, 120, 30, true, nullptr, nullptr, kBackground);
    EXPECT_EQ(RGB(200, 0, 0), canvas.at(6, 15));
    drawer->reset();
    EXPECT_EQ(kDot, drawer->getDotColor());
}

TEST(RadioButtonThinWinTest, EmptyRectanglesAndAMissingScratchSurfaceDrawNoImage) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(60, 40);
    PixelCanvas scratch(52, 52);
    drawer->draw(canvas.get(), scratch.get(), 5, 10, 5, 30, true, nullptr, nullptr, kBackground);
    drawer->draw(canvas.get(), scratch.get(), 5, 30, 60, 10, true, nullptr, nullptr, kBackground);
    drawer->draw(canvas.get(), nullptr, 5, 10, 60, 30, true, nullptr, nullptr, kBackground);
    EXPECT_EQ(0, canvas.painted());
    EXPECT_EQ(0, scratch.painted()) << "the scratch surface is not touched for nothing";
}
