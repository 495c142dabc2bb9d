#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "s/gui/layout/Rect.h"
#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::testing {

// Keeps the rectangles a drawer fills, in order, and answers which colour a
// pixel ends up with, as a device context would show it. Rectangles with no
// area are dropped, as a context fills nothing for them.
class FillLog : public s::gui::paint::IRectFill {
public:
    struct Fill {
        s::gui::layout::Rect rect;
        uint32_t colour;
        friend bool operator==(const Fill& a, const Fill& b) {
            return a.rect == b.rect && a.colour == b.colour;
        }
    };

    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        if (width > 0 && height > 0) {
            fills.push_back({{x, y, width, height}, colour});
        }
    }

    // The colour of the last fill covering the pixel, none when untouched.
    std::optional<uint32_t> at(int32_t x, int32_t y) const {
        std::optional<uint32_t> colour;
        for (const Fill& item : fills) {
            if (x >= item.rect.x && x < item.rect.right() && y >= item.rect.y &&
                y < item.rect.bottom()) {
                colour = item.colour;
            }
        }
        return colour;
    }

    std::vector<Fill> fills;
};

} // namespace s::gui::drawer::testing
