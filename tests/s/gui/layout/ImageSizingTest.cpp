#include "s/gui/layout/ImageSizing.h"

#include <gtest/gtest.h>

#include <cmath>

using s::gui::layout::ImageSizing;
using s::gui::layout::Size;
using s::gui::layout::SizeRange;

namespace {

ImageSizing stretched(Size picture) {
    ImageSizing sizing;
    sizing.setPicture(picture, true, true, ImageSizing::kNone, ImageSizing::kNone);
    return sizing;
}

} // namespace

TEST(ImageSizingTest, AFullWidthBannerKeepsItsAspectRatio) {
    ImageSizing banner = stretched({700, 230});
    banner.setWidthPercent(100);
    SizeRange range = banner.range({336, 500});
    // 230 / 700 x 336 = 110.4, rounded.
    const long height = std::lround(230.0 / 700.0 * 336.0);
    EXPECT_EQ(110, height);
    EXPECT_EQ((Size{336, 110}), range.maximum);
    EXPECT_EQ((Size{0, 110}), range.minimum) << "a percent width may shrink to nothing";
    EXPECT_EQ((Size{336, 110}), range.within({336, 0}));
}

TEST(ImageSizingTest, TheDerivedSizeRoundsHalvesAwayFromZeroEitherWay) {
    // 101 / 200 x 100 = 50.5 gives 51.
    ImageSizing wide = stretched({200, 101});
    wide.setFixedWidth(100);
    EXPECT_EQ(51, wide.range({}).minimum.height);
    EXPECT_EQ(51, wide.range({}).maximum.height);
    // The height given, the width follows: 700 / 230 x 46 = 140.0.
    ImageSizing tall = stretched({700, 230});
    tall.setFixedHeight(46);
    EXPECT_EQ(140, tall.range({}).maximum.width);
    EXPECT_EQ(46, tall.range({}).maximum.height);
}

TEST(ImageSizingTest, TwoPercentsHoldEachMaximumToWhatTheOtherAllows) {
    ImageSizing both = stretched({200, 100});
    both.setWidthPercent(100);
    both.setHeightPercent(100);
    // 300 x 300: the width allows a height of 150, which caps the height.
    EXPECT_EQ((Size{300, 150}), both.range({300, 300}).maximum);
    // 300 x 100: the height allows a width of 200, which caps the width.
    EXPECT_EQ((Size{200, 100}), both.range({300, 100}).maximum);
}

TEST(ImageSizingTest, UnstretchedPicturesFramesAndEmptyPictures) {
    ImageSizing plain;
    plain.setPicture({64, 48}, false, false, ImageSizing::kNone, ImageSizing::kNone);
    EXPECT_EQ((Size{64, 48}), plain.range({}).minimum);
    plain.setFrame(true);
    EXPECT_EQ((Size{66, 50}), plain.range({}).minimum) << "the frame adds a pixel on each side";

    ImageSizing stretchable = stretched({64, 48});
    EXPECT_EQ((Size{0, 0}), stretchable.range({}).minimum);
    EXPECT_EQ((Size{64, 48}), stretchable.range({}).maximum);

    // With a frame the picture gets the width less the frame: 98 x 0.5 + 2.
    ImageSizing framed = stretched({200, 100});
    framed.setFrame(true);
    framed.setFixedWidth(100);
    EXPECT_EQ(98 / 2 + 2, framed.range({}).maximum.height);

    // No picture: nothing to derive from, and nothing divides by zero.
    ImageSizing none = stretched({0, 0});
    none.setWidthPercent(100);
    EXPECT_EQ((Size{300, 0}), none.range({300, 300}).maximum);
}
