#include "s/gui/drawer/image/Frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/s/gui/drawer/FillRecorder.h"

using Recorder = s::gui::drawer::testing::FillRecorder;
using s::gui::drawer::image::Frame;

TEST(ImageFrameTest, FramesTheRectangleInBlackAndLeavesTheInsideForThePicture) {
    Recorder target;
    const Frame::Area inside = Frame::paint(target, {10, 20, 50, 40});
    const std::vector<Recorder::Fill> edges = {
        {10, 20, 40, 1, 0}, {49, 20, 1, 20, 0}, {10, 39, 40, 1, 0}, {10, 20, 1, 20, 0}};
    EXPECT_EQ(target.fills, edges);
    EXPECT_EQ(inside.left, 11);
    EXPECT_EQ(inside.top, 21);
    EXPECT_EQ(inside.right, 49);
    EXPECT_EQ(inside.bottom, 39);
}

TEST(ImageFrameTest, AnEmptyRectangleGetsNoFrameAndATwoPixelOneNoInside) {
    Recorder none;
    EXPECT_TRUE(Frame::paint(none, {5, 5, 5, 9}).isEmpty());
    EXPECT_TRUE(Frame::paint(none, {5, 9, 8, 2}).isEmpty());
    EXPECT_TRUE(none.fills.empty());
    Recorder tiny;
    EXPECT_TRUE(Frame::paint(tiny, {0, 0, 2, 2}).isEmpty());
    EXPECT_EQ(tiny.fills.size(), 4u);
}
