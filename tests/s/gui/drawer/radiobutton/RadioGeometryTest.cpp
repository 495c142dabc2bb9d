#include "s/gui/drawer/radiobutton/RadioGeometry.h"

#include <gtest/gtest.h>

using s::gui::drawer::radiobutton::RadioGeometry;

TEST(RadioGeometryTest, TheImageIsCentredSixPixelsAboveTheMiddleAndTheLabelFollowsTheRow) {
    EXPECT_EQ(1, RadioGeometry::imageTop(0, 15));
    EXPECT_EQ(10 + 15 - 6, RadioGeometry::imageTop(10, 40));
    EXPECT_EQ(15 + 2, RadioGeometry::labelLeft(0, 0, 15));
    EXPECT_EQ(5 + 30 + 5, RadioGeometry::labelLeft(5, 10, 40));
}
