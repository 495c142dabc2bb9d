#include "magnifier/logic/LensGeometry.h"

#include <gtest/gtest.h>

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::SourceRect;

namespace {

// A single 1920 x 1080 monitor at the origin, canvas covering it.
SourceRect onFullHd(int32_t cursorX, int32_t cursorY, int32_t zoom) {
    return magnifier::sourceRect(cursorX, cursorY, 0, 0, 1920, 1080, 1920, 1080, zoom);
}

} // namespace

TEST(LensGeometryTest, FactorIsZoomOverHundredLimitedTo1Point1And50) {
    EXPECT_DOUBLE_EQ(2.0, magnifier::scaleFactor(200));
    EXPECT_DOUBLE_EQ(1.25, magnifier::scaleFactor(125));
    EXPECT_DOUBLE_EQ(1.1, magnifier::scaleFactor(110));
    EXPECT_DOUBLE_EQ(1.1, magnifier::scaleFactor(100));
    EXPECT_DOUBLE_EQ(1.1, magnifier::scaleFactor(0));
    EXPECT_DOUBLE_EQ(1.1, magnifier::scaleFactor(-500));
    EXPECT_DOUBLE_EQ(50.0, magnifier::scaleFactor(5000));
    EXPECT_DOUBLE_EQ(50.0, magnifier::scaleFactor(100000));
}

TEST(LensGeometryTest, SourceIsCentredOnTheCursorAwayFromTheEdges) {
    const SourceRect source = onFullHd(960, 540, 200);
    EXPECT_EQ(960, source.width);
    EXPECT_EQ(540, source.height);
    EXPECT_EQ(480, source.x);
    EXPECT_EQ(270, source.y);
    // Sizes truncate toward zero: 1920 / 3 and 1080 / 3 at 300 percent,
    // 1920 / 1.25 at 125 percent.
    const SourceRect third = onFullHd(960, 540, 300);
    EXPECT_EQ(640, third.width);
    EXPECT_EQ(360, third.height);
    EXPECT_EQ(1536, onFullHd(960, 540, 125).width);
}

TEST(LensGeometryTest, SourceStopsAtEverySnapshotEdge) {
    const SourceRect topLeft = onFullHd(0, 0, 200);
    EXPECT_EQ(0, topLeft.x);
    EXPECT_EQ(0, topLeft.y);
    const SourceRect bottomRight = onFullHd(1919, 1079, 200);
    EXPECT_EQ(1920 - 960, bottomRight.x);
    EXPECT_EQ(1080 - 540, bottomRight.y);
    // Just inside the clamp zone on one axis only.
    const SourceRect nearLeft = onFullHd(100, 540, 200);
    EXPECT_EQ(0, nearLeft.x);
    EXPECT_EQ(270, nearLeft.y);
    // At the largest zoom the source is a few pixels and still inside.
    const SourceRect tiny = onFullHd(1919, 0, 10000);
    EXPECT_EQ(38, tiny.width);
    EXPECT_EQ(21, tiny.height);
    EXPECT_EQ(1920 - 38, tiny.x);
    EXPECT_EQ(0, tiny.y);
}

TEST(LensGeometryTest, NegativeVirtualOriginIsSubtractedBeforeCentring) {
    // A 1280 x 1024 monitor left of a 1920 x 1080 primary: virtual screen
    // (-1280, 0) to (1920, 1080), snapshot 3200 x 1080.
    const SourceRect onLeftMonitor =
        magnifier::sourceRect(-640, 512, -1280, 0, 3200, 1080, 3200, 1080, 200);
    EXPECT_EQ(1600, onLeftMonitor.width);
    // Relative to the snapshot the cursor is at 640, so the unclamped origin
    // 640 - 800 would be negative and is clamped to the snapshot's left edge.
    EXPECT_EQ(0, onLeftMonitor.x);
    EXPECT_EQ(512 - 270, onLeftMonitor.y);
    const SourceRect onPrimary =
        magnifier::sourceRect(960, 540, -1280, 0, 3200, 1080, 3200, 1080, 400);
    EXPECT_EQ(800, onPrimary.width);
    EXPECT_EQ(2240 - 400, onPrimary.x);
    EXPECT_EQ(540 - 135, onPrimary.y);
    const SourceRect leftCorner =
        magnifier::sourceRect(-1280, 0, -1280, 0, 3200, 1080, 3200, 1080, 400);
    EXPECT_EQ(0, leftCorner.x);
    EXPECT_EQ(0, leftCorner.y);
}

TEST(LensGeometryTest, ASnapshotSmallerThanTheSourceIsPinnedByTheFarEdgeClampWhichComesLast) {
    // The screen shrank after the picture was taken: a 1920 x 1080 canvas at
    // 200 percent wants 960 x 540 of a 400 x 300 snapshot. The near-edge
    // clamp comes first, so the far edge decides: the origin is negative
    // rather than the source reaching past the snapshot's far edge.
    const SourceRect source = magnifier::sourceRect(100, 100, 0, 0, 1920, 1080, 400, 300, 200);
    EXPECT_EQ(960, source.width);
    EXPECT_EQ(540, source.height);
    EXPECT_EQ(400 - 960, source.x);
    EXPECT_EQ(300 - 540, source.y);
}

TEST(LensGeometryTest, WheelStepMultipliesAndTruncatesWithinLimits) {
    // 200 * 1.15 is 229.99999999999997 in binary floating point; the step
    // still gives the whole 230.
    EXPECT_EQ(230, magnifier::wheelZoomStep(200, 3));
    EXPECT_EQ(460, magnifier::wheelZoomStep(400, 3));
    EXPECT_EQ(170, magnifier::wheelZoomStep(200, -3));
    EXPECT_EQ(143, magnifier::wheelZoomStep(125, 1)); // 143.75 truncated
    // A zero wheel value counts as a backward turn.
    EXPECT_EQ(170, magnifier::wheelZoomStep(200, 0));
    EXPECT_EQ(110, magnifier::wheelZoomStep(125, -1));  // 106.25 raised to 110
    EXPECT_EQ(5000, magnifier::wheelZoomStep(4500, 1)); // 5175 lowered to 5000
}

TEST(LensGeometryTest, RepeatedWheelTurnsSettleAtTheLimits) {
    int32_t zoom = 200;
    for (int i = 0; i < 100; ++i) {
        zoom = magnifier::wheelZoomStep(zoom, 3);
    }
    EXPECT_EQ(5000, zoom);
    for (int i = 0; i < 100; ++i) {
        zoom = magnifier::wheelZoomStep(zoom, -3);
    }
    EXPECT_EQ(110, zoom);
    // From the lower limit a forward step grows again (126.5 -> 126).
    EXPECT_EQ(126, magnifier::wheelZoomStep(110, 1));
}
