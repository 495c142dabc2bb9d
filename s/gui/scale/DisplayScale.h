#pragma once
#include <cstdint>

namespace s::gui::scale {

// How the toolkit turns its design sizes (fonts, borders, glyphs, dialog
// rows, all given for a 96-dpi screen of ordinary size) into pixels.
//
// Two things make a display need larger pixels sizes: a very large screen
// (the screen factor: 1, 2 or 4 by the primary screen's size) and the user's
// display scaling (125 %, 150 %, 200 % ... reported as the system's dots per
// inch, 96 being 100 %). The process is per-monitor DPI aware, so that the
// lens captures physical pixels; the system therefore does not enlarge our
// windows, and sizes taken only from the screen factor would come out small
// and hard to read on a scaled display.
//
// The decision: a design size n becomes n x max(screen factor, dpi / 96)
// pixels, rounded to the nearest pixel. The larger of the two is taken, not
// their product, because a large screen is usually the reason for the
// scaling: a 4K screen at 200 % reports both factor 2 and 192 dpi and must
// come out twice, not four times, as large. Stored settings keep their
// sections by the screen factor alone, so a user's window positions do not
// move to another section when only the scaling changes.
//
// A value type: build one from the system (see SystemScale on Windows) or
// from numbers in tests; safe to copy between threads.
class DisplayScale {
public:
    static constexpr int32_t kBaseDpi = 96;

    DisplayScale() = default;
    // Factors other than 1, 2 and 4 become 1; a dpi below 96 (or none
    // reported) counts as 96: the toolkit never shrinks its design sizes.
    DisplayScale(int32_t screenFactor, int32_t dpi);

    int32_t getScreenFactor() const { return screenFactor; }
    int32_t getDpi() const { return dpi; }
    // The multiplier for design sizes, in 1/96 steps (96 means x1).
    int32_t getPixelsPer96() const { return pixelsPer96; }

    // A design size in pixels; negative sizes scale the same way (so "-1:
    // none" must be checked before scaling).
    int32_t pixels(int32_t designSize) const;
    // The step of the skins' painted geometry (frame lines, bevels, glyph
    // strokes): 1, 2 or 4 whole pixels. Lines cannot be 1.5 pixels wide, so
    // a scaling of 150 % and more steps up to 2, and 400 % and more to 4;
    // on an unscaled display it is the screen factor.
    int32_t getUnit() const;
    // A font's point size as the whole number of "scaled points" the font
    // height rule works on (point size x multiplier, rounded).
    int32_t scaledPoints(int32_t pointSize) const { return pixels(pointSize); }

private:
    int32_t screenFactor = 1;
    int32_t dpi = kBaseDpi;
    int32_t pixelsPer96 = kBaseDpi;
};

} // namespace s::gui::scale
