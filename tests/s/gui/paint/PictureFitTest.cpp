#include "s/gui/paint/PictureFit.h"

#include <gtest/gtest.h>

using s::gui::layout::Rect;
using s::gui::paint::PictureFit;

TEST(PictureFitTest, KeptAspectFitsTheNarrowerSideAndCentres) {
    // The banner in its own 336 x 110 area: height-limited, 335 wide.
    EXPECT_EQ((Rect{0, 0, 335, 110}), PictureFit::place({336, 110}, {700, 230}, true, true));
    // A wide area: full height, centred horizontally.
    EXPECT_EQ((Rect{50, 0, 100, 100}), PictureFit::place({200, 100}, {40, 40}, true, true));
    // A tall area: full width, centred vertically (odd pixel after).
    EXPECT_EQ((Rect{0, 25, 100, 50}), PictureFit::place({100, 101}, {20, 10}, true, true));
}

TEST(PictureFitTest, WithoutAspectOrStretchAndEmptyInputs) {
    EXPECT_EQ((Rect{0, 0, 200, 100}), PictureFit::place({200, 100}, {40, 40}, true, false));
    EXPECT_EQ((Rect{0, 0, 40, 40}), PictureFit::place({200, 100}, {40, 40}, false, true));
    EXPECT_EQ((Rect{}), PictureFit::place({0, 100}, {40, 40}, true, true));
    EXPECT_EQ((Rect{}), PictureFit::place({200, 100}, {0, 40}, true, true));
}
