#pragma once
#include <windows.h>

#include <cstdint>

#include "s/image/win/BufferedImage.h"
#include "s/system/monitor/win/Monitor.h"

namespace s::system::monitor::win {

// Display geometry of the desktop. The virtual screen (the bounding rectangle
// of all monitors) and the work area are read afresh at every call; the
// monitor list is filled once, on first use, and kept for the life of the
// process. Every function may be called from any thread.

int32_t virtualScreenLeft();
int32_t virtualScreenTop();
int32_t virtualScreenWidth();
int32_t virtualScreenHeight();

// The primary monitor's work area (without task bars).
int32_t workAreaLeft();
int32_t workAreaTop();
int32_t workAreaWidth();
int32_t workAreaHeight();

// Number of monitors in the process-wide list.
int32_t monitorCount();
// The monitor at a list position, or null outside the list. Borrowed: the
// list owns its monitors.
Monitor* monitorAt(int32_t index);
// The monitor that overlaps the rectangle most (or the nearest one), or null
// when the list holds no monitor with the handle the system reports.
Monitor* monitorFromRect(int32_t x, int32_t y, int32_t width, int32_t height);

// 1, 2 or 4 for the primary screen, computed once per process.
int32_t screenScale();

// Copies a screen rectangle, clipped to the virtual screen, into a 32-bit
// image whose pixel (0, 0) is the clipped rectangle's top-left corner. Fills
// `image` when given (it takes over a new bitmap of the right size),
// otherwise takes a new one from the image pool that the caller owns (and
// gives back with release()). Answers null when the clipped rectangle is
// empty or the screen cannot be read; a given image is then left exactly as
// it was.
s::image::win::BufferedImage* captureScreen(int32_t x, int32_t y, int32_t width, int32_t height,
                                            s::image::win::BufferedImage* image);
// The same for a rectangle of any device context, without clipping, every
// pixel made opaque. Null when the context cannot be read (the given image is
// then left as it was).
s::image::win::BufferedImage* copyArea(HDC source, int32_t x, int32_t y, int32_t width,
                                       int32_t height, s::image::win::BufferedImage* image);

} // namespace s::system::monitor::win
