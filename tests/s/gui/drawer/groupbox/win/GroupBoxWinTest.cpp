#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/gui/drawer/groupbox/win/Basic.h"
#include "s/gui/drawer/groupbox/win/Thin.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "s/thread/PoolRef.h"

using drawertest::ControlCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(10, 20, 30);
constexpr int32_t kCaptionWidth = 30;
constexpr int32_t kCaptionHeight = 16;

// Draws a 100 x 50 box with a caption in blue on white.
template <class Drawer> void drawBox(Drawer& drawer, ControlCanvas& canvas) {
    auto font = PoolRef<s::gui::win::Font>::take();
    font->setTextColor(0, 0, 255);
    drawer.setFrameColor(10, 20, 30);
    drawer.draw(canvas.get(), 0, 0, 100, 50, u"WWWW", font.get(), kCaptionWidth, kCaptionHeight);
}

} // namespace

TEST(GroupBoxWinTest, TheThinFrameLeavesItsGapForTheCaptionDrawnNineUnitsIn) {
    if (s::gui::scale::win::systemScale().getUnit() != 1) {
        GTEST_SKIP() << "the pixel positions below are those of scale 1";
    }
    auto drawer = PoolRef<s::gui::drawer::groupbox::win::Thin>::take();
    EXPECT_EQ(drawer->getFrameRed(), 208);
    EXPECT_EQ(drawer->getFrameGreen(), 208);
    EXPECT_EQ(drawer->getFrameBlue(), 191);
    ControlCanvas canvas(100, 50, kWhite);
    SetBkMode(canvas.get(), OPAQUE);
    SetTextColor(canvas.get(), RGB(1, 2, 3));
    drawBox(*drawer, canvas);
    // The top edge stops at 7 and starts again at 11 + caption width.
    EXPECT_EQ(canvas.at(6, 1), kFrame);
    EXPECT_EQ(canvas.at(7, 0), kWhite);
    EXPECT_EQ(canvas.at(40, 1), kWhite);
    EXPECT_EQ(canvas.at(41, 0), kFrame);
    EXPECT_EQ(canvas.at(97, 1), kFrame);
    // Two-pixel sides and bottom, rounded corners.
    EXPECT_EQ(canvas.at(1, 25), kFrame);
    EXPECT_EQ(canvas.at(2, 25), kWhite);
    EXPECT_EQ(canvas.at(98, 25), kFrame);
    EXPECT_EQ(canvas.at(50, 48), kFrame);
    EXPECT_EQ(canvas.at(0, 0), kWhite);
    EXPECT_EQ(canvas.at(2, 2), kFrame);
    EXPECT_EQ(canvas.at(3, 3), kWhite);
    // The caption is in its box from x = 9, nothing of it before.
    EXPECT_GT(canvas.changedIn(9, 2, 9 + kCaptionWidth, kCaptionHeight), 0);
    EXPECT_EQ(canvas.changedIn(3, 3, 9, kCaptionHeight), 0);
    EXPECT_EQ(canvas.changedIn(9 + kCaptionWidth, 3, 97, 47), 0);
    // The context is as it was.
    EXPECT_EQ(GetBkMode(canvas.get()), OPAQUE);
    EXPECT_EQ(GetTextColor(canvas.get()), RGB(1, 2, 3));
}

TEST(GroupBoxWinTest, TheBasicFrameIsOnePixelAroundACaptionAtNine) {
    auto drawer = PoolRef<s::gui::drawer::groupbox::win::Basic>::take();
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(drawer->getClassName()),
                 L"s_gui_drawer_groupbox_win_Basic");
    ControlCanvas canvas(100, 50, kWhite);
    drawBox(*drawer, canvas);
    EXPECT_EQ(canvas.at(6, 0), kFrame);
    EXPECT_EQ(canvas.at(7, 0), kWhite);
    EXPECT_EQ(canvas.at(40, 0), kWhite);
    EXPECT_EQ(canvas.at(41, 0), kFrame);
    EXPECT_EQ(canvas.at(41, 1), kWhite);
    EXPECT_EQ(canvas.at(0, 25), kFrame);
    EXPECT_EQ(canvas.at(1, 25), kWhite);
    EXPECT_EQ(canvas.at(99, 25), kFrame);
    EXPECT_EQ(canvas.at(50, 49), kFrame);
    EXPECT_EQ(canvas.at(1, 1), kFrame);
    EXPECT_EQ(canvas.at(0, 0), kWhite);
    EXPECT_GT(canvas.changedIn(9, 2, 9 + kCaptionWidth, kCaptionHeight), 0);
    EXPECT_EQ(canvas.changedIn(2, 3, 9, kCaptionHeight), 0);
}

TEST(GroupBoxWinTest, NoCaptionWithoutTextOrFontAndNothingForAnEmptyRectangle) {
    auto drawer = PoolRef<s::gui::drawer::groupbox::win::Thin>::take();
    auto font = PoolRef<s::gui::win::Font>::take();
    ControlCanvas canvas(100, 50, kWhite);
    drawer->draw(canvas.get(), 0, 0, 0, 50, u"Text", font.get(), 30, 16);
    drawer->draw(canvas.get(), 0, 50, 100, 10, u"Text", font.get(), 30, 16);
    EXPECT_TRUE(canvas.untouched());
    drawer->draw(canvas.get(), 0, 0, 100, 50, nullptr, font.get(), 30, 16);
    drawer->draw(canvas.get(), 0, 0, 100, 50, u"Text", nullptr, 30, 16);
    EXPECT_EQ(canvas.changedIn(9, 2, 39, 16), 0);
    EXPECT_GT(canvas.changedIn(0, 0, 100, 2), 0);
}
