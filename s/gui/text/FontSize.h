#pragma once
#include <cstdint>

#include "s/gui/scale/DisplayScale.h"

namespace s::gui::text {

// The font size codes that components are given in one call, and the rule
// that turns a point size into a font height in pixels.
//
// Codes:
//  - |code| < 100: normal weight, 10 + code points (0 is the ordinary
//    10-point text, -1 a 9-point one);
//  - 100 <= |code| < 1000: bold, 14 + (code remainder 100, with the code's
//    sign) points: 103 is 17-point bold, -103 11-point bold;
//  - 100001: normal weight, 8 points (small print);
//  - anything else is not a size: the font stays as it is.
//
// A value type; any thread.
class FontSize {
public:
    static constexpr int32_t kNormalWeight = 400;
    static constexpr int32_t kBoldWeight = 700;
    // The one code outside the two ranges that still means a size.
    static constexpr int32_t kSmallPrintCode = 100001;
    static constexpr int32_t kSmallPrintPoints = 8;

    // What a code asks for; isSize() is false for codes that change nothing.
    static FontSize fromCode(int32_t code);

    // The height (negative: the character height without internal leading)
    // of a font of `points` on the given display. The rule works on whole
    // "scaled points" q: -1 for q <= 1, -13 for q > 100 (a size that large is
    // a mistake; ordinary text is shown instead), else -(q + 1 + (q - 2) / 3).
    // q is the point size scaled like every design size of the toolkit, by
    // the larger of the screen factor and the system's dpi / 96, so that on a
    // 150 % display fonts grow by 1.5 together with the dialogs around them;
    // at 96 dpi it is points x screen factor, which gives -13 for 10 points
    // at factor 1, -27 at factor 2 and -53 at factor 4.
    static int32_t heightFor(int32_t points, const s::gui::scale::DisplayScale& scale);

    // The height of a font of `points` for a screen of `dpi` vertical pixels
    // per inch, as the system sizes fonts by points: -(dpi x points / 72),
    // rounded half away from zero. No cap and no screen factor: a caller
    // that asks for a point size gets exactly that size. A product beyond
    // 32 bits gives the smallest font (-1) instead of a wrapped height.
    static int32_t heightForPoints(int32_t points, int32_t dpi);

    bool isSize() const { return size; }
    int32_t getWeight() const { return weight; }
    int32_t getPoints() const { return points; }

private:
    FontSize() = default;
    FontSize(int32_t fontWeight, int32_t pointSize)
        : size(true), weight(fontWeight), points(pointSize) {}

    bool size = false;
    int32_t weight = kNormalWeight;
    int32_t points = 0;
};

} // namespace s::gui::text
