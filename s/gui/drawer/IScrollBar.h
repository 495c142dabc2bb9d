#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer {

// Paints scroll bars and answers where on one a point lies and where a
// dragged thumb leads (see scrollbar::ScrollBarLayout). The document is
// `total` units long, `page` of them are visible from `position` on;
// `corner` sets aside the square where a vertical and a horizontal bar meet.
//
// Owned by a skin; no lock (see IDrawer). Every call lays the bar out
// afresh in its own locals, so windows on several threads may share one.
class IScrollBar : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IScrollBar";

    // 0 first arrow, 1 track before the thumb, 2 thumb, 3 track after the
    // thumb, 4 second arrow, -1 none of them.
    virtual int32_t hitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                            int32_t bottom, bool horizontal, int32_t total, int32_t page,
                            int32_t position, bool corner) const = 0;
    // The position after the thumb, laid out at `position`, moved `delta`
    // pixels along the bar.
    virtual int32_t dragPosition(int32_t delta, int32_t position, int32_t left, int32_t top,
                                 int32_t right, int32_t bottom, bool horizontal, int32_t total,
                                 int32_t page, bool corner) const = 0;
    // Nothing for an empty or inverted rectangle. The states are button
    // states (0 normal, 1 hot, 2 pressed); `highlightTrack` fills the track
    // in the given colour instead of the track colour.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      bool horizontal, int32_t total, int32_t page, int32_t position,
                      int32_t firstArrowState, int32_t thumbState, int32_t secondArrowState,
                      bool corner, bool highlightTrack, uint8_t red, uint8_t green,
                      uint8_t blue) const = 0;

    // The bar's width (vertical) or height (horizontal) a component gives it.
    virtual int32_t getThickness() const = 0;
    virtual void setThickness(int32_t pixels) = 0;
    // Also the frame colour of the arrow and thumb buttons.
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setTrackColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
