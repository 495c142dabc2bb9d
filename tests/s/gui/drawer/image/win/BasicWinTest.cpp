#include "s/gui/drawer/image/win/Basic.h"

#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/image/win/BufferedImage.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::image::win::Basic;
using s::image::win::BufferedImage;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);

// A 60 x 40 grey canvas.
class Canvas : public drawertest::ControlCanvas {
public:
    Canvas() : ControlCanvas(60, 40, kGrey) {}
};

} // namespace

TEST(ImageDrawerWinTest, AFramedPictureSitsInsideAOnePixelBlackFrame) {
    Basic* drawer = Basic::newInstance();
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(drawer->getClassName()),
                 L"s_gui_drawer_image_win_Basic");
    auto picture = PoolRef<BufferedImage>::take();
    picture->resize(4, 4);
    drawertest::paintAll(*picture, RGB(255, 0, 0));
    Canvas canvas;
    drawer->draw(canvas.get(), nullptr, 10, 5, 30, 25, picture.get(), COLORONCOLOR, true, false);
    // The frame on the rectangle's outer pixels, all four edges.
    for (int32_t i = 0; i < 20; ++i) {
        EXPECT_EQ(canvas.at(10 + i, 5), RGB(0, 0, 0)) << i;
        EXPECT_EQ(canvas.at(10 + i, 24), RGB(0, 0, 0)) << i;
        EXPECT_EQ(canvas.at(10, 5 + i), RGB(0, 0, 0)) << i;
        EXPECT_EQ(canvas.at(29, 5 + i), RGB(0, 0, 0)) << i;
    }
    // The picture stretched over what the frame leaves; nothing outside.
    EXPECT_EQ(canvas.at(11, 6), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(28, 23), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(9, 5), kGrey);
    EXPECT_EQ(canvas.at(30, 24), kGrey);
    EXPECT_EQ(canvas.at(20, 25), kGrey);

    // Unframed it covers the whole rectangle.
    Canvas plain;
    drawer->draw(plain.get(), nullptr, 0, 0, 8, 8, picture.get(), HALFTONE, false, true);
    EXPECT_EQ(plain.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(plain.at(7, 7), RGB(255, 0, 0));
    EXPECT_EQ(plain.at(8, 8), kGrey);
    drawer->release();
}

TEST(ImageDrawerWinTest, WithoutAnImageOrRoomNothingIsDrawnNotEvenTheFrame) {
    Basic* drawer = Basic::newInstance();
    auto picture = PoolRef<BufferedImage>::take();
    picture->resize(4, 4);
    auto empty = PoolRef<BufferedImage>::take();
    Canvas canvas;
    drawer->draw(canvas.get(), nullptr, 0, 0, 20, 20, nullptr, HALFTONE, true, false);
    drawer->draw(canvas.get(), nullptr, 0, 0, 20, 20, empty.get(), HALFTONE, true, false);
    drawer->draw(canvas.get(), nullptr, 20, 0, 20, 20, picture.get(), HALFTONE, true, false);
    drawer->draw(canvas.get(), nullptr, 0, 30, 20, 10, picture.get(), HALFTONE, true, false);
    EXPECT_TRUE(canvas.untouched());
    // A 2 x 2 framed rectangle is all frame.
    drawer->draw(canvas.get(), nullptr, 0, 0, 2, 2, picture.get(), HALFTONE, true, false);
    EXPECT_EQ(canvas.at(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(2, 2), kGrey);
    drawer->release();
}
