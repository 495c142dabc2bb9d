#include "s/gui/drawer/border/win/Thin.h"

#include <gtest/gtest.h>

#include "s/gui/scale/win/SystemScale.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::border::win::Thin;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

} // namespace

TEST(BorderThinWinTest, IsPooledUnderItsClassNameAndStartsShaded) {
    auto drawer = PoolRef<Thin>::take();
    EXPECT_EQ(std::u16string(u"s_gui_drawer_border_win_Thin"), drawer->getClassName());
    EXPECT_TRUE(drawer->isShaded());
    drawer->setShaded(false);
    drawer->reset();
    EXPECT_TRUE(drawer->isShaded());
}

TEST(BorderThinWinTest, PaintsTheTintedEdgesOfARaisedFrameAtTheDisplaysUnit) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(100, 60);
    drawer->draw(canvas.get(), 10, 10, 90, 50, 0, 0, 100, 100, 100);
    const int32_t u = unit();
    EXPECT_EQ(RGB(115, 115, 115), canvas.at(50, 10));
    EXPECT_EQ(RGB(115, 115, 115), canvas.at(50, 10 + u - 1)) << "one unit thick";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(50, 10 + u));
    EXPECT_EQ(RGB(70, 70, 70), canvas.at(89, 30));
    EXPECT_EQ(RGB(50, 50, 50), canvas.at(50, 49));
    EXPECT_EQ(RGB(105, 105, 105), canvas.at(10, 30));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(9, 30)) << "nothing outside";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(90, 30));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(50, 50));

    drawer->setShaded(false);
    PixelCanvas flat(100, 60);
    drawer->draw(flat.get(), 10, 10, 90, 50, 0, 0, 100, 100, 100);
    EXPECT_EQ(RGB(100, 100, 100), flat.at(50, 10));
    EXPECT_EQ(RGB(100, 100, 100), flat.at(89, 30));
    EXPECT_EQ(RGB(100, 100, 100), flat.at(50, 49));
}

TEST(BorderThinWinTest, RoundedCornersLeaveTheCornerPixelAndNothingIsDrawnForEmptyRectangles) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(100, 60);
    drawer->draw(canvas.get(), 10, 10, 90, 50, 1, 1, 100, 100, 100);
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(10, 10));
    EXPECT_EQ(RGB(105, 105, 105), canvas.at(50, 10));

    PixelCanvas untouched(100, 60);
    drawer->draw(untouched.get(), 10, 10, 10, 50, 0, 0, 0, 0, 0);
    drawer->draw(untouched.get(), 10, 50, 90, 10, 0, 0, 0, 0, 0);
    drawer->draw(nullptr, 10, 10, 90, 50, 0, 0, 0, 0, 0);
    EXPECT_EQ(0, untouched.painted());
}
