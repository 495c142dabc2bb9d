#include "magnifier/logic/LensGeometry.h"

namespace s::image::gui::dialogs::magnifier {

namespace {
constexpr double kTruncationTolerance = 1e-9;
}

double scaleFactor(int32_t zoomPercent) {
    double factor = zoomPercent / 100.0;
    if (factor < kMinimumFactor) {
        factor = kMinimumFactor;
    }
    if (factor > kMaximumFactor) {
        factor = kMaximumFactor;
    }
    return factor;
}

namespace {

// Keeps a source span inside [0, limit]: first not before the start, then not
// past the end, in that order, so a snapshot smaller than the span starts at
// a negative offset rather than reading past its far edge.
int32_t clampSpan(int32_t origin, int32_t span, int32_t limit) {
    if (origin < 0) {
        origin = 0;
    }
    if (origin > limit - span) {
        origin = limit - span;
    }
    return origin;
}

} // namespace

SourceRect sourceRect(int32_t cursorX, int32_t cursorY, int32_t virtualLeft, int32_t virtualTop,
                      int32_t canvasWidth, int32_t canvasHeight, int32_t snapshotWidth,
                      int32_t snapshotHeight, int32_t zoomPercent) {
    const double factor = scaleFactor(zoomPercent);
    SourceRect source;
    source.width = static_cast<int32_t>(canvasWidth / factor);
    source.height = static_cast<int32_t>(canvasHeight / factor);
    source.x = (cursorX - virtualLeft) - source.width / 2;
    source.y = (cursorY - virtualTop) - source.height / 2;
    source.x = clampSpan(source.x, source.width, snapshotWidth);
    source.y = clampSpan(source.y, source.height, snapshotHeight);
    return source;
}

int32_t wheelZoomStep(int32_t zoomPercent, int32_t wheelValue) {
    const double grown = zoomPercent * (wheelValue > 0 ? kWheelGrow : kWheelShrink);
    // 1.15 and 0.85 have no exact binary form: 200 * 1.15 comes out as
    // 229.99999999999997. A tiny nudge before truncating keeps whole results
    // whole without rounding real fractions up.
    int32_t zoom = static_cast<int32_t>(grown + kTruncationTolerance);
    if (zoom < kMinimumZoom) {
        zoom = kMinimumZoom;
    }
    if (zoom > kMaximumZoom) {
        zoom = kMaximumZoom;
    }
    return zoom;
}

} // namespace s::image::gui::dialogs::magnifier
