#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "magnifier/logic/LensGeometry.h"
#include "s/image/scale/BilinearScaler.h"
#include "s/image/scale/SliceRunner.h"
#include "s/image/win/BufferedImage.h"
#include "s/thread/PoolRef.h"

namespace s::image::gui::dialogs::magnifier {

// Draws the enlarged view of the lens: the source rectangle of the snapshot
// stretched over a target area of width x height at (0, 0).
//
// The picture is computed by our own bilinear scaler into one reusable
// 32-bit frame (a DIB section of the target's size), on several cores for a
// large target, and put on the target with one BitBlt. GDI's HALFTONE
// StretchBlt, which is several times slower, remains the fallback when the
// frame or the scaler's tables cannot be had (no memory).
//
// The frame, the scaler's tables and its helper threads are kept between
// drawings and given back by releaseBuffers() (the lens calls it when it
// hides, so an idle program holds no screen-sized memory).
//
// Threads: owned by the lens dialog and used on the lens window's thread
// only; the scaler's helpers work only inside paint().
class LensPainter {
public:
    LensPainter() = default;
    LensPainter(const LensPainter&) = delete;
    LensPainter& operator=(const LensPainter&) = delete;

    // Answers false when the target or the snapshot is missing or nothing
    // could be drawn.
    bool paint(HDC target, int32_t width, int32_t height,
               const s::image::win::BufferedImage& snapshot, const SourceRect& source);
    void releaseBuffers();
    // Bytes kept between drawings (frame and tables).
    size_t heldBytes() const;

    // Off: every drawing takes the HALFTONE path (benchmarks and tests
    // compare both).
    void setSmoothScaling(bool on) { smoothScaling = on; }
    // The scaler's row loops (benchmarks compare SSE2 with the plain loops).
    void setScalerPath(s::image::scale::BilinearScaler::Path path) { scaler.setPath(path); }
    // At most this many threads per drawing; 0 lets the processor count decide.
    void setThreadLimit(int32_t threads) { threadLimit = threads; }

    // The stretch through GDI: HALFTONE StretchBlt straight from the
    // snapshot's bitmap. The target's stretch mode is restored afterwards.
    static bool paintHalftone(HDC target, int32_t width, int32_t height,
                              const s::image::win::BufferedImage& snapshot,
                              const SourceRect& source);

private:
    // Scales the source into `frame`; false when the scaler cannot run.
    bool renderFrame(int32_t width, int32_t height, const s::image::win::BufferedImage& snapshot,
                     const SourceRect& source);

    // Taken from the image pool when the painter is made; empty until drawn.
    s::thread::PoolRef<s::image::win::BufferedImage> frame =
        s::thread::PoolRef<s::image::win::BufferedImage>::take();
    s::image::scale::BilinearScaler scaler;
    s::image::scale::SliceRunner runner;
    bool smoothScaling = true;
    int32_t threadLimit = 0;
};

} // namespace s::image::gui::dialogs::magnifier
