#include "s/gui/drawer/counter/win/Basic.h"

#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/gui/drawer/counter/Series.h"
#include "s/thread/PoolRef.h"

using drawertest::ControlCanvas;
using s::gui::drawer::counter::Series;
using s::gui::drawer::counter::win::Basic;
using s::thread::PoolRef;

namespace {
constexpr COLORREF kGround = RGB(9, 9, 9);
constexpr COLORREF kBackground = RGB(30, 40, 50);
constexpr COLORREF kSecond = RGB(0, 0, 200);
} // namespace

TEST(CounterDrawerWinTest, AnUnknownModePaintsOnlyTheBackgroundAndTransparentNotEvenThat) {
    auto drawer = PoolRef<Basic>::take();
    drawer->setFirstColor(200, 0, 0);
    Series series(8);
    series.setScale(0, 10);
    for (int64_t sample = 0; sample < 8; ++sample) {
        series.add(10);
    }
    ControlCanvas transparent(20, 10, kGround);
    drawer->draw(transparent.get(), 0, 0, 20, 10, 3, &series, nullptr, false);
    EXPECT_TRUE(transparent.untouched());

    drawer->setBackground(30, 40, 50);
    ControlCanvas canvas(20, 10, kGround);
    drawer->draw(canvas.get(), 0, 0, 20, 10, 3, &series, &series, false);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            ASSERT_EQ(canvas.at(x, y), kBackground) << x << ", " << y;
        }
    }
}

TEST(CounterDrawerWinTest, ColumnsGrowFromTheBottomInTheSeriesColoursSwappedOnRequest) {
    auto drawer = PoolRef<Basic>::take();
    EXPECT_EQ(drawer->getFirstRed(), 255); // no colour yet
    drawer->setBackground(30, 40, 50);
    drawer->setFirstColor(200, 0, 0);
    drawer->setSecondColor(0, 0, 200);
    EXPECT_EQ(drawer->getSecondBlue(), 200);
    Series low(4);
    low.setScale(0, 100);
    low.add(50);
    Series full(4);
    full.setScale(0, 100);
    full.add(0);
    full.add(100);
    ControlCanvas canvas(10, 20, kGround);
    drawer->draw(canvas.get(), 0, 0, 10, 20, 0, &low, &full, false);
    // The second series is drawn over the first: the newest column is full
    // height in the second colour; the older one has no bar.
    EXPECT_EQ(canvas.at(9, 0), kSecond);
    EXPECT_EQ(canvas.at(9, 19), kSecond);
    EXPECT_EQ(canvas.at(8, 19), kBackground);
    ControlCanvas swapped(10, 20, kGround);
    drawer->draw(swapped.get(), 0, 0, 10, 20, 0, &low, nullptr, true);
    EXPECT_EQ(swapped.at(9, 9), kBackground);
    EXPECT_EQ(swapped.at(9, 10), kSecond);
    EXPECT_EQ(swapped.at(9, 19), kSecond);
    // A series with a colour of its own keeps it.
    low.setColor(0, 200, 0);
    ControlCanvas own(10, 20, kGround);
    drawer->draw(own.get(), 0, 0, 10, 20, 0, &low, nullptr, false);
    EXPECT_EQ(own.at(9, 19), RGB(0, 200, 0));
    EXPECT_EQ(own.at(8, 19), kBackground);
}
