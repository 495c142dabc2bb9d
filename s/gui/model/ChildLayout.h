#pragma once
#include <vector>

namespace s::gui {
class IComponent;
}

namespace s::gui::layout {
struct LayoutRequest;
struct LayoutResult;
} // namespace s::gui::layout

namespace s::gui::model {

// The two halves of a layout pass that touch components, shared by every
// container (boxes and windows): reading the children's size ranges into a
// request, and placing the children from a result. What lies between, the
// layout itself, is data in and data out.
//
// Stateless; runs on the thread that owns the children.
class ChildLayout {
public:
    // One request item per child, in order (size range and visibility). The
    // content size, alignments and gaps are the caller's.
    static void gather(const std::vector<s::gui::IComponent*>& children,
                       s::gui::layout::LayoutRequest& request);
    // Places each child at its rectangle. Unless the container is itself
    // inside a batch update (`containerUpdating`), every child is placed
    // inside a batch of its own and repainted at the end, so that each
    // native window moves once. A result with fewer rectangles than children
    // (a custom manager) leaves the rest where they are.
    static void apply(const std::vector<s::gui::IComponent*>& children,
                      const s::gui::layout::LayoutResult& result, bool containerUpdating);
};

} // namespace s::gui::model
