#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::drawer {

// Paints a picture over a rectangle, optionally inside a 1-pixel black
// frame. A picture component owns one (taken from the pool when the
// component is made) and paints its picture through it.
//
// Owned by its component; no lock (see IDrawer).
class IImage : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IImage";

    // Draws `image` stretched over the rectangle (right and bottom
    // exclusive) with the stretch mode `mode` (HALFTONE, COLORONCOLOR, ...;
    // 0 keeps the context's). `framed` first draws the frame on the
    // rectangle's outer pixels and draws the picture inside it. With
    // `throughBuffer`, an image that can only be drawn through an off-screen
    // buffer is first drawn into `buffer`. Nothing for an empty or inverted
    // rectangle or without an image.
    virtual void draw(HDC dc, s::image::win::BufferedImage* buffer, int32_t left, int32_t top,
                      int32_t right, int32_t bottom, const s::image::win::BufferedImage* image,
                      int32_t mode, bool framed, bool throughBuffer) = 0;
};

} // namespace s::gui::drawer
