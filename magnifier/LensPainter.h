#pragma once
#include <windows.h>

#include <cstdint>

#include "magnifier/logic/LensGeometry.h"
#include "s/image/win/BufferedImage.h"

namespace s::image::gui::dialogs::magnifier {

// Stretches the source rectangle of the snapshot over a target area of
// width x height at (0, 0) with HALFTONE smoothing, straight from the
// snapshot's bitmap (one memory context, no intermediate buffer). The
// target's stretch mode is restored afterwards. Answers false when the
// snapshot is empty or GDI refuses.
bool paintEnlarged(HDC target, int32_t width, int32_t height,
                   const s::image::win::BufferedImage& snapshot, const SourceRect& source);

} // namespace s::image::gui::dialogs::magnifier
