#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// The arithmetic of the lens, kept apart from the window code so that it can
// be checked on any platform. All coordinates are pixels; the snapshot's
// pixel (0, 0) is the virtual screen's top-left corner, which may lie at
// negative screen coordinates when a monitor sits left of or above the
// primary one.
//
//   virtual screen (snapshot)
//   +--------------------------------------+
//   |        +-----------+                 |
//   |        |  source   |  sw = W / f     |
//   |        |     * <- cursor, centred    |
//   |        +-----------+  sh = H / f     |
//   +--------------------------------------+
//   The source rectangle is stretched over the whole canvas (W x H) and is
//   pushed back inside the snapshot when the cursor is near an edge.
struct SourceRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// Working zoom limits in percent and the effective factor limits.
constexpr int32_t kMinimumZoom = 110;
constexpr int32_t kMaximumZoom = 5000;
constexpr double kMinimumFactor = 1.1;
constexpr double kMaximumFactor = 50.0;
// One wheel step multiplies the working zoom by these.
constexpr double kWheelGrow = 1.15;
constexpr double kWheelShrink = 0.85;

// zoom / 100 limited to 1.1 .. 50.
double scaleFactor(int32_t zoomPercent);

// The part of the snapshot shown on a canvas of canvasWidth x canvasHeight
// for a cursor at (cursorX, cursorY) in screen coordinates.
SourceRect sourceRect(int32_t cursorX, int32_t cursorY, int32_t virtualLeft, int32_t virtualTop,
                      int32_t canvasWidth, int32_t canvasHeight, int32_t snapshotWidth,
                      int32_t snapshotHeight, int32_t zoomPercent);

// The working zoom after one wheel step: grows for a positive wheel value,
// shrinks otherwise, truncated and kept within 110 .. 5000.
int32_t wheelZoomStep(int32_t zoomPercent, int32_t wheelValue);

} // namespace s::image::gui::dialogs::magnifier
