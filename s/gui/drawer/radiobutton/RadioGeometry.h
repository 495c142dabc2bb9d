#pragma once
#include <cstdint>

namespace s::gui::drawer::radiobutton {

// The shapes of a radio button. The circle is drawn four times larger on a
// scratch surface and shrunk with smoothing, which gives a round, antialiased
// 13 x 13 image at every display scale; the label starts a sixth of the row
// height after a square as wide as the row is high.
//
// Stateless; any thread.
class RadioGeometry {
public:
    // The image on the screen, in pixels at every scale.
    static constexpr int32_t kImageSide = 13;
    // The scratch surface the circle is drawn on, its outline's pen width
    // and the dot's square on it.
    static constexpr int32_t kSurfaceSide = 52;
    static constexpr int32_t kPenWidth = 4;
    static constexpr int32_t kDotFrom = 12;
    static constexpr int32_t kDotTo = 40;

    // The image's top: centred on the row, 6 pixels above its middle.
    static int32_t imageTop(int32_t top, int32_t bottom) { return top + (bottom - top) / 2 - 6; }
    static int32_t labelLeft(int32_t left, int32_t top, int32_t bottom) {
        const int32_t height = bottom - top;
        return left + height + height / 6;
    }
};

} // namespace s::gui::drawer::radiobutton
