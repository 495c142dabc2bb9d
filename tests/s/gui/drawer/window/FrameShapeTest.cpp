#include "s/gui/drawer/window/FrameShape.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/s/gui/drawer/FillRecorder.h"

using s::gui::drawer::window::FrameShape;

namespace {

constexpr uint32_t kBack = 0x00EEDDCC;
constexpr uint32_t kFrame = 0x00787878;

using Recorder = s::gui::drawer::testing::FillRecorder;
using Fill = Recorder::Fill;

std::vector<Fill> painted(int32_t width, int32_t height, int32_t top, int32_t bottom,
                          bool transparent = false) {
    FrameShape::Colours colours;
    colours.transparent = transparent;
    colours.background = kBack;
    colours.frame = kFrame;
    Recorder recorder;
    FrameShape::paint(recorder, width, height, top, bottom, colours);
    return recorder.fills;
}

// Background and the four frame lines of a 40 x 30 window.
std::vector<Fill> plainFrame() {
    return {{0, 0, 40, 30, kBack},
            {0, 0, 40, 1, kFrame},
            {39, 0, 1, 30, kFrame},
            {0, 29, 40, 1, kFrame},
            {0, 0, 1, 29, kFrame}};
}

std::vector<Fill> withPieces(std::vector<Fill> base, const std::vector<Fill>& pieces) {
    base.insert(base.end(), pieces.begin(), pieces.end());
    return base;
}

} // namespace

TEST(FrameShapeTest, SquareCornersAreTheBackgroundAndFourLines) {
    EXPECT_EQ(plainFrame(), painted(40, 30, 0, 0));
    const std::vector<Fill> transparent = painted(40, 30, 0, 0, true);
    const std::vector<Fill> all = plainFrame();
    EXPECT_EQ(std::vector<Fill>(all.begin() + 1, all.end()), transparent)
        << "a transparent window keeps its pixels";
    EXPECT_TRUE(painted(0, 30, 0, 0).empty());
    EXPECT_TRUE(painted(40, -1, 2, 2).empty());
    EXPECT_EQ(plainFrame(), painted(40, 30, 5, -3)) << "unknown styles add no pieces";
}

TEST(FrameShapeTest, SlightlyRoundedEndsAddTwoPixelPiecesOneRowIn) {
    EXPECT_EQ(withPieces(plainFrame(), {{0, 1, 2, 1, kFrame}, {38, 1, 2, 1, kFrame}}),
              painted(40, 30, 1, 0));
    EXPECT_EQ(withPieces(plainFrame(), {{0, 28, 2, 1, kFrame}, {38, 28, 2, 1, kFrame}}),
              painted(40, 30, 0, 1));
    EXPECT_EQ(withPieces(plainFrame(), {{0, 1, 2, 1, kFrame}, {38, 1, 2, 1, kFrame}}),
              painted(40, 30, 1, 2))
        << "style 1 takes over the rounded end too";
}

TEST(FrameShapeTest, RoundedEndsAddFiveMirroredRowsPerCorner) {
    const std::vector<Fill> top = {
        {0, 1, 5, 1, kFrame}, {35, 1, 5, 1, kFrame}, {0, 2, 3, 1, kFrame}, {37, 2, 3, 1, kFrame},
        {0, 3, 2, 1, kFrame}, {38, 3, 2, 1, kFrame}, {0, 4, 2, 1, kFrame}, {38, 4, 2, 1, kFrame},
        {0, 5, 1, 1, kFrame}, {39, 5, 1, 1, kFrame}};
    const std::vector<Fill> bottom = {{0, 28, 5, 1, kFrame}, {35, 28, 5, 1, kFrame},
                                      {0, 27, 3, 1, kFrame}, {37, 27, 3, 1, kFrame},
                                      {0, 26, 2, 1, kFrame}, {38, 26, 2, 1, kFrame},
                                      {0, 25, 2, 1, kFrame}, {38, 25, 2, 1, kFrame},
                                      {0, 24, 1, 1, kFrame}, {39, 24, 1, 1, kFrame}};
    EXPECT_EQ(withPieces(plainFrame(), top), painted(40, 30, 2, 0));
    EXPECT_EQ(withPieces(plainFrame(), bottom), painted(40, 30, 0, 2));
    EXPECT_EQ(withPieces(withPieces(plainFrame(), top), bottom), painted(40, 30, 2, 2));
}
