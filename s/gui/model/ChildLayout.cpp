#include "s/gui/model/ChildLayout.h"

#include <algorithm>

#include "s/gui/IComponent.h"
#include "s/gui/layout/LayoutRequest.h"
#include "s/gui/layout/LayoutResult.h"

namespace s::gui::model {

void ChildLayout::gather(const std::vector<s::gui::IComponent*>& children,
                         s::gui::layout::LayoutRequest& request) {
    request.items.resize(children.size());
    for (size_t i = 0; i < children.size(); ++i) {
        request.items[i] = {children[i]->getSizeRange(), children[i]->isVisible()};
    }
}

void ChildLayout::apply(const std::vector<s::gui::IComponent*>& children,
                        const s::gui::layout::LayoutResult& result, bool containerUpdating) {
    // Inside the container's own batch (its parent placing it) the children
    // are placed at once: the container's native area is not shown until the
    // batch ends.
    const bool batch = !containerUpdating;
    if (batch) {
        for (s::gui::IComponent* child : children) {
            child->beginUpdate();
        }
    }
    const size_t placedCount = std::min(children.size(), result.bounds.size());
    for (size_t i = 0; i < placedCount; ++i) {
        const s::gui::layout::Rect& rect = result.bounds[i];
        children[i]->setBounds(rect.x, rect.y, rect.width, rect.height);
    }
    if (batch) {
        for (s::gui::IComponent* child : children) {
            child->endUpdate();
            child->repaint();
        }
    }
}

} // namespace s::gui::model
