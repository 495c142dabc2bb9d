#include "s/gui/drawer/slider/win/Thin.h"

#include <gtest/gtest.h>

#include "s/gui/scale/win/SystemScale.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::slider::win::Thin;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kGrey = RGB(120, 120, 120);
constexpr COLORREF kFill = RGB(176, 176, 176);

bool atScaleOne() {
    return s::gui::scale::win::systemScale().getUnit() == 1;
}

} // namespace

TEST(SliderThinWinTest, TheValueIsFilledUpToTheThumbInsideAnUnshadedFrame) {
    if (!atScaleOne()) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(110, 20);
    drawer->draw(canvas.get(), 0, 0, 110, 20, 0, 100, 50, true, 0, true, false, 0, 0, 0, 0);
    EXPECT_EQ(kFill, canvas.at(1, 10));
    EXPECT_EQ(kFill, canvas.at(49, 10));
    EXPECT_EQ(kGrey, canvas.at(0, 10)) << "the track's frame is not shaded";
    EXPECT_GT(canvas.painted(50, 0, 51, 20), 0) << "the thumb's left edge";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(55, 10)) << "inside the thumb";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(80, 10)) << "after the thumb";
}

TEST(SliderThinWinTest, ADisabledSliderUsesTheDisabledColourForFrameAndFill) {
    if (!atScaleOne()) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    drawer->setDisabledColor(1, 2, 3);
    drawer->setFillColor(9, 9, 9);
    PixelCanvas canvas(110, 20);
    drawer->draw(canvas.get(), 0, 0, 110, 20, 0, 100, 50, true, 0, false, false, 0, 0, 0, 0);
    EXPECT_EQ(RGB(1, 2, 3), canvas.at(20, 10));
    EXPECT_EQ(RGB(1, 2, 3), canvas.at(0, 10));
    EXPECT_EQ(9, drawer->getFillRed());
}

TEST(SliderThinWinTest, AGradientIsPaintedAroundTheThumbAndEmptyRectanglesDrawNothing) {
    if (!atScaleOne()) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(110, 20);
    drawer->draw(canvas.get(), 0, 0, 0, 20, 0, 100, 50, true, 0, true, false, 0, 1, 0, 0xFFFFFF);
    drawer->draw(canvas.get(), 0, 20, 110, 0, 0, 100, 50, true, 0, true, false, 0, 1, 0, 0xFFFFFF);
    EXPECT_EQ(0, canvas.painted());
    // Black to white over 108 columns: column x is (x - 1) x 255 / 108.
    drawer->draw(canvas.get(), 0, 0, 110, 20, 0, 100, 50, false, 0, true, false, 0, 1, 0, 0xFFFFFF);
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(1, 10));
    EXPECT_EQ(RGB(186, 186, 186), canvas.at(80, 10));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(55, 10)) << "the thumb's inside is skipped";
}

TEST(SliderThinWinTest, ARangeHasTwoThumbsAndTheSpanBetweenThem) {
    if (!atScaleOne()) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(110, 20);
    drawer->draw(canvas.get(), 0, 0, 110, 20, 0, 100, 20, true, 0, true, true, 70, 0, 0, 0);
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(10, 10)) << "nothing before the first thumb";
    EXPECT_EQ(kFill, canvas.at(30, 10));
    EXPECT_EQ(kFill, canvas.at(69, 10));
    EXPECT_GT(canvas.painted(70, 0, 71, 20), 0) << "the second thumb's left edge";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(75, 10));
}
