#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer::counter {
class Series;
}

namespace s::gui::drawer {

// Paints one or two sampled series as a strip chart (see counter::Chart for
// the modes), over the background unless transparent.
//
// Owned by a skin; no lock of its own (see IDrawer): each series is read
// under the series' own lock, one after the other.
class ICounter : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ICounter";

    // Sets the background and makes the drawer paint it.
    virtual void setBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getFirstRed() const = 0;
    virtual uint8_t getFirstGreen() const = 0;
    virtual uint8_t getFirstBlue() const = 0;
    virtual void setFirstColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getSecondRed() const = 0;
    virtual uint8_t getSecondGreen() const = 0;
    virtual uint8_t getSecondBlue() const = 0;
    virtual void setSecondColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // Either series may be null. The first is drawn in the first colour (the
    // second with swapColours), the second in the other; a series with its
    // own colour keeps it. Nothing for an empty or inverted rectangle; a
    // mode other than 0, 1 and 2 paints only the background.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t mode, const counter::Series* firstSeries,
                      const counter::Series* secondSeries, bool swapColours) = 0;
};

} // namespace s::gui::drawer
