#include "s/gui/drawer/statusbar/win/Thin.h"

#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::statusbar::win::Thin;

TEST(StatusBarDrawerWinTest, ReportsThirteenPixelsAndPaintsNothing) {
    auto drawer = s::thread::PoolRef<Thin>::take();
    EXPECT_EQ(drawer->getHeight(), 13);
    EXPECT_EQ(drawer->getBackground(), RGB(255, 255, 255));
    drawer->setBackground(1, 2, 3);
    EXPECT_EQ(drawer->getBackground(), RGB(1, 2, 3));
    EXPECT_EQ(drawer->getHeight(), 13);
    drawertest::ControlCanvas canvas(40, 20, RGB(9, 9, 9));
    drawer->draw(canvas.get(), 0, 0, 40, 20);
    EXPECT_TRUE(canvas.untouched());
}
