#include "s/system/monitor/ScreenScale.h"

#include <gtest/gtest.h>

using s::system::monitor::scaleForPrimaryScreen;

TEST(ScreenScaleTest, ThresholdsNeedBothWidthAndHeight) {
    EXPECT_EQ(1, scaleForPrimaryScreen(1920, 1080));
    EXPECT_EQ(1, scaleForPrimaryScreen(2560, 1600)); // height below 1620
    EXPECT_EQ(2, scaleForPrimaryScreen(2560, 1620));
    EXPECT_EQ(2, scaleForPrimaryScreen(3840, 2160));
    EXPECT_EQ(4, scaleForPrimaryScreen(4097, 3240));
    // The width tests are strict, the height tests are not.
    EXPECT_EQ(1, scaleForPrimaryScreen(1920, 2000));
    EXPECT_EQ(2, scaleForPrimaryScreen(1921, 1620));
    EXPECT_EQ(2, scaleForPrimaryScreen(4096, 4000));
    EXPECT_EQ(2, scaleForPrimaryScreen(5120, 3239));
    EXPECT_EQ(1, scaleForPrimaryScreen(0, 0));
    EXPECT_EQ(1, scaleForPrimaryScreen(-1, -1));
}
