#include "s/gui/drawer/image/Frame.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using s::gui::drawer::image::Frame;

namespace {

class Recorder : public s::gui::paint::IRectFill {
public:
    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        fills.push_back({x, y, width, height, static_cast<int32_t>(colour)});
    }
    std::vector<std::array<int32_t, 5>> fills;
};

} // namespace

TEST(ImageFrameTest, FramesTheRectangleInBlackAndLeavesTheInsideForThePicture) {
    Recorder target;
    const Frame::Area inside = Frame::paint(target, {10, 20, 50, 40});
    const std::vector<std::array<int32_t, 5>> edges = {
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
