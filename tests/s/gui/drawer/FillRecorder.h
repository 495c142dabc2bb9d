#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::testing {

// Keeps every fill exactly as asked, empty ones too, so geometry tests can
// compare the whole sequence with a list of {x, y, width, height, colour}.
// One thread.
class FillRecorder : public s::gui::paint::IRectFill {
public:
    using Fill = std::array<int64_t, 5>;

    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        fills.push_back({x, y, width, height, colour});
    }

    std::vector<Fill> fills;
};

} // namespace s::gui::drawer::testing
