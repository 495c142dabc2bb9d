#include "s/gui/drawer/groupbox/Frame.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

using s::gui::drawer::groupbox::Frame;

namespace {

struct Fill {
    int32_t x, y, width, height;
    uint32_t colour;
    bool operator==(const Fill& other) const {
        return std::tie(x, y, width, height, colour) ==
               std::tie(other.x, other.y, other.width, other.height, other.colour);
    }
};

// Keeps the rectangles and answers which pixels they cover.
class Recorder : public s::gui::paint::IRectFill {
public:
    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        fills.push_back({x, y, width, height, colour});
    }
    bool covers(int32_t px, int32_t py) const {
        for (const Fill& f : fills) {
            if (px >= f.x && px < f.x + f.width && py >= f.y && py < f.y + f.height) {
                return true;
            }
        }
        return false;
    }
    // The columns of row `y` that are covered, between 0 and `width`.
    std::vector<int32_t> row(int32_t y, int32_t width) const {
        std::vector<int32_t> covered;
        for (int32_t x = 0; x < width; ++x) {
            if (covers(x, y)) {
                covered.push_back(x);
            }
        }
        return covered;
    }
    std::vector<Fill> fills;
};

constexpr uint32_t kColour = 0x00BFD0D0;

} // namespace

TEST(GroupBoxFrameTest, BelowScaleTwoTheThinFrameIsTwoPixelsWithTheCaptionGapFromSevenOn) {
    Recorder frame;
    Frame::paintThin(frame, 0, 0, 100, 50, 30, 1, kColour);
    const std::vector<Fill> expected = {
        {2, 0, 5, 2, kColour},   {41, 0, 57, 2, kColour}, {2, 48, 96, 2, kColour},
        {0, 2, 2, 46, kColour},  {98, 2, 2, 46, kColour}, {1, 1, 2, 2, kColour},
        {97, 1, 2, 2, kColour},  {1, 47, 2, 2, kColour},  {97, 47, 2, 2, kColour},
        {1, 2, 1, 1, kColour},   {98, 2, 1, 1, kColour},  {1, 47, 1, 1, kColour},
        {98, 47, 1, 1, kColour},
    };
    EXPECT_EQ(frame.fills, expected);
    // The gap in the top edge runs from x = 7 to x = 11 + caption width.
    EXPECT_TRUE(frame.covers(6, 0));
    EXPECT_FALSE(frame.covers(7, 0));
    EXPECT_FALSE(frame.covers(40, 1));
    EXPECT_TRUE(frame.covers(41, 0));
    EXPECT_EQ(Frame::thinCaptionLeft(1), 9);
}

TEST(GroupBoxFrameTest, FromScaleTwoTheThinFrameIsFourPixelsWithSteppedCorners) {
    Recorder frame;
    Frame::paintThin(frame, 0, 0, 100, 60, 20, 2, kColour);
    ASSERT_GE(frame.fills.size(), 5u);
    const std::vector<Fill> edges = {
        {4, 0, 10, 4, kColour}, {42, 0, 54, 4, kColour}, {4, 56, 92, 4, kColour},
        {0, 4, 4, 52, kColour}, {96, 4, 4, 52, kColour},
    };
    EXPECT_EQ(std::vector<Fill>(frame.fills.begin(), frame.fills.begin() + 5), edges);
    // Three diagonal blocks per corner, twelve in all, each 4 x 4.
    std::set<std::tuple<int32_t, int32_t>> blocks;
    for (size_t i = 5; i < frame.fills.size(); ++i) {
        EXPECT_EQ(frame.fills[i].width, 4);
        EXPECT_EQ(frame.fills[i].height, 4);
        blocks.insert({frame.fills[i].x, frame.fills[i].y});
    }
    const std::set<std::tuple<int32_t, int32_t>> corners = {
        {1, 3},  {2, 2},  {3, 1},  {93, 1},  {94, 2},  {95, 3},
        {1, 53}, {2, 54}, {3, 55}, {93, 55}, {94, 54}, {95, 53},
    };
    EXPECT_EQ(blocks, corners);
    // Scale 4: the caption starts at 36 and the gap ends 4 pixels after it.
    Recorder bigger;
    Frame::paintThin(bigger, 0, 0, 200, 80, 20, 4, kColour);
    EXPECT_EQ(bigger.fills[0], (Fill{4, 0, 28, 4, kColour}));
    EXPECT_EQ(bigger.fills[1], (Fill{60, 0, 136, 4, kColour}));
    EXPECT_FALSE(bigger.covers(32, 0));
    EXPECT_FALSE(bigger.covers(59, 3));
}

TEST(GroupBoxFrameTest, TheBasicFrameIsOnePixelWithItsCaptionAtNineAtEveryScale) {
    Recorder frame;
    Frame::paintBasic(frame, 0, 0, 80, 40, 25, kColour);
    const std::vector<Fill> expected = {
        {2, 0, 5, 1, kColour},   {36, 0, 42, 1, kColour}, {2, 39, 76, 1, kColour},
        {0, 2, 1, 36, kColour},  {79, 2, 1, 36, kColour}, {1, 1, 2, 1, kColour},
        {77, 1, 2, 1, kColour},  {1, 38, 2, 1, kColour},  {77, 38, 2, 1, kColour},
        {1, 2, 1, 1, kColour},   {78, 2, 1, 1, kColour},  {1, 37, 1, 1, kColour},
        {78, 37, 1, 1, kColour},
    };
    EXPECT_EQ(frame.fills, expected);
    EXPECT_EQ(frame.row(0, 80).size(), 5u + 42u);
    EXPECT_EQ(Frame::basicCaptionLeft(), 9);
}

TEST(GroupBoxFrameTest, EmptyRectanglesDrawNothingAndAnOverlongCaptionLeavesNoNegativePiece) {
    Recorder nothing;
    Frame::paintThin(nothing, 10, 0, 10, 50, 5, 1, kColour);
    Frame::paintThin(nothing, 0, 30, 100, 20, 5, 2, kColour);
    Frame::paintBasic(nothing, 50, 0, 40, 50, 5, kColour);
    EXPECT_TRUE(nothing.fills.empty());

    Recorder overlong;
    Frame::paintThin(overlong, 0, 0, 40, 30, 200, 1, kColour);
    Frame::paintBasic(overlong, 0, 0, 40, 30, 200, kColour);
    for (const Fill& fill : overlong.fills) {
        EXPECT_GT(fill.width, 0);
        EXPECT_GT(fill.height, 0);
    }
    // The top edge shows only its piece before the caption.
    EXPECT_EQ(overlong.row(0, 40), (std::vector<int32_t>{2, 3, 4, 5, 6}));
}
