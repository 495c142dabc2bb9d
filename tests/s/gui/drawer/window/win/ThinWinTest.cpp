#include "s/gui/drawer/window/win/Thin.h"

#include <gtest/gtest.h>

#include <string>

#include "s/platform/win/GdiObject.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::window::win::Thin;
using s::thread::PoolRef;

namespace {

constexpr int32_t kWidth = 60;
constexpr int32_t kHeight = 40;
constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A 60 x 40 canvas filled with a colour no drawer uses.
class Canvas : public s::test::win::PixelCanvas {
public:
    Canvas() : PixelCanvas(kWidth, kHeight, kUntouched) {}
};

struct Region {
    explicit Region(HRGN handle) : owned(handle) {}
    bool has(int32_t x, int32_t y) const { return PtInRegion(owned.get(), x, y) != FALSE; }
    s::platform::win::OwnedGdiObject<HRGN> owned;
};

} // namespace

TEST(ThinWinTest, StartsSquareTransparentAndGreyFramed) {
    auto drawer = PoolRef<Thin>::take();
    EXPECT_EQ(std::u16string(u"s_gui_drawer_window_win_Thin"), drawer->getClassName());
    EXPECT_EQ(0, drawer->getTopCorners());
    EXPECT_EQ(0, drawer->getBottomCorners());
    EXPECT_TRUE(drawer->isTransparent());
    EXPECT_EQ(RGB(255, 255, 255), drawer->getBackground());
    EXPECT_EQ(120, drawer->getFrameRed());
    EXPECT_EQ(120, drawer->getFrameGreen());
    EXPECT_EQ(120, drawer->getFrameBlue());

    Canvas canvas;
    drawer->draw(canvas.get(), 0, 0, kWidth, kHeight);
    EXPECT_EQ(RGB(120, 120, 120), canvas.at(0, 0));
    EXPECT_EQ(kUntouched, canvas.at(30, 20)) << "transparent: the window's pixels stay";

    drawer->setBackground(10, 20, 30);
    EXPECT_FALSE(drawer->isTransparent());
    EXPECT_EQ(30, drawer->getBackgroundBlue());
    drawer->setTopCorners(2);
    drawer.detach()->release();
    auto again = PoolRef<Thin>::take();
    EXPECT_TRUE(again->isTransparent()) << "given back reset";
    EXPECT_EQ(0, again->getTopCorners());
}

TEST(ThinWinTest, PaintsTheBackgroundAndAOnePixelFrameInClientCoordinates) {
    auto drawer = PoolRef<Thin>::take();
    drawer->setBackground(200, 210, 220);
    drawer->setFrameColor(40, 50, 60);
    const COLORREF frame = RGB(40, 50, 60);
    const COLORREF back = RGB(200, 210, 220);
    Canvas canvas;
    // Only the size counts: the frame starts at the context's origin.
    drawer->draw(canvas.get(), 100, 100, 100 + kWidth, 100 + kHeight);
    EXPECT_EQ(frame, canvas.at(0, 0));
    EXPECT_EQ(frame, canvas.at(30, 0));
    EXPECT_EQ(frame, canvas.at(kWidth - 1, 20));
    EXPECT_EQ(frame, canvas.at(30, kHeight - 1));
    EXPECT_EQ(frame, canvas.at(0, 20));
    EXPECT_EQ(back, canvas.at(1, 1)) << "square corners: no pieces";
    EXPECT_EQ(back, canvas.at(30, 20));
    EXPECT_EQ(back, canvas.at(kWidth - 2, kHeight - 2));

    Canvas untouched;
    drawer->draw(untouched.get(), 10, 10, 10, 30);
    drawer->draw(untouched.get(), 10, 30, 50, 10);
    EXPECT_EQ(kUntouched, untouched.at(0, 0)) << "empty and inverted rectangles";
}

TEST(ThinWinTest, CornerPiecesFollowTheCornerStyles) {
    auto drawer = PoolRef<Thin>::take();
    drawer->setBackground(255, 255, 255);
    drawer->setFrameColor(0, 0, 0);
    const COLORREF frame = RGB(0, 0, 0);
    const COLORREF back = RGB(255, 255, 255);

    drawer->setTopCorners(1);
    Canvas slight;
    drawer->draw(slight.get(), 0, 0, kWidth, kHeight);
    EXPECT_EQ(frame, slight.at(1, 1));
    EXPECT_EQ(frame, slight.at(kWidth - 2, 1));
    EXPECT_EQ(back, slight.at(2, 1));
    EXPECT_EQ(back, slight.at(1, 2));
    EXPECT_EQ(back, slight.at(1, kHeight - 2)) << "the bottom stays square";

    drawer->setTopCorners(2);
    drawer->setBottomCorners(2);
    Canvas round;
    drawer->draw(round.get(), 0, 0, kWidth, kHeight);
    EXPECT_EQ(frame, round.at(4, 1));
    EXPECT_EQ(back, round.at(5, 1));
    EXPECT_EQ(frame, round.at(kWidth - 3, 2));
    EXPECT_EQ(back, round.at(kWidth - 4, 2));
    EXPECT_EQ(frame, round.at(1, 4));
    EXPECT_EQ(back, round.at(1, 6));
    EXPECT_EQ(frame, round.at(4, kHeight - 2));
    EXPECT_EQ(back, round.at(5, kHeight - 2));
    EXPECT_EQ(frame, round.at(kWidth - 2, kHeight - 5));
    EXPECT_EQ(back, round.at(kWidth - 2, kHeight - 6));
    EXPECT_EQ(back, round.at(kWidth - 3, kHeight - 6));
}

TEST(ThinWinTest, RegionsMatchTheCorners) {
    auto drawer = PoolRef<Thin>::take();
    Region square(drawer->getRegion(0, 0, 300, 200));
    ASSERT_NE(nullptr, square.owned.get());
    RECT box = {};
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(square.owned.get(), &box));
    EXPECT_EQ(301, box.right) << "one pixel larger";
    EXPECT_EQ(201, box.bottom);

    drawer->setTopCorners(2);
    Region roundTop(drawer->getRegion(0, 0, 300, 200));
    ASSERT_NE(nullptr, roundTop.owned.get());
    EXPECT_FALSE(roundTop.has(0, 0)) << "rounded top corners";
    EXPECT_FALSE(roundTop.has(299, 0));
    EXPECT_TRUE(roundTop.has(150, 0));
    EXPECT_TRUE(roundTop.has(0, 200)) << "square bottom corners";
    EXPECT_TRUE(roundTop.has(300, 200));
    EXPECT_TRUE(roundTop.has(0, 196));

    drawer->setTopCorners(1);
    drawer->setBottomCorners(1);
    Region slight(drawer->getRegion(0, 0, 300, 200));
    EXPECT_FALSE(slight.has(0, 0));
    EXPECT_TRUE(slight.has(4, 0)) << "a small rounding";
    EXPECT_FALSE(slight.has(0, 200));

    drawer->setTopCorners(3);
    drawer->setBottomCorners(0);
    EXPECT_EQ(nullptr, drawer->getRegion(0, 0, 300, 200)) << "unknown style";
}
