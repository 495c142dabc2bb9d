#pragma once
#include <cstdint>

#include "s/gui/layout/Size.h"

namespace s::gui::text {

// Measures one text in one font: the size of the rectangle the system
// computes for it with a format (TextFormat bits), starting from the empty
// rectangle at (0, 0). The text drawer implements it over a device context;
// tests implement it with fixed character widths.
class ITextExtent {
public:
    virtual ~ITextExtent() = default;
    virtual s::gui::layout::Size measure(uint32_t format) = 0;
};

} // namespace s::gui::text
