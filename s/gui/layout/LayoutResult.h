#pragma once
#include <vector>

#include "s/gui/layout/Rect.h"
#include "s/gui/layout/Size.h"
#include "s/gui/layout/Track.h"

namespace s::gui::layout {

// The output of a layout pass: one rectangle per child, relative to the
// container's content area and in the request's order, and the sizes the
// container reports to its own parent: minimum = (minimum width, total
// height), maximum = (maximum width, total maximum height).
struct LayoutResult {
    std::vector<Rect> bounds;
    Size minimum;
    Size maximum;
    // Working space of the layouts, kept so that a pass allocates nothing.
    std::vector<Track> tracks;

    // Back to an empty result; the storage is kept for the next pass.
    void clear() {
        bounds.clear();
        minimum = {};
        maximum = {};
        tracks.clear();
    }
};

} // namespace s::gui::layout
