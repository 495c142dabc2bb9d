#include "s/gui/model/Box.h"

#include <algorithm>

#include "s/gui/ILayoutManager.h"
#include "s/gui/layout/Flow.h"
#include "s/gui/layout/Horizontal.h"
#include "s/gui/layout/LayoutPass.h"
#include "s/gui/layout/Pile.h"
#include "s/gui/layout/Vertical.h"
#include "s/gui/model/ChildLayout.h"
#include "s/thread/PoolRef.h"

namespace s::gui::model {

void Box::reset() {
    Component::reset();
    removeAll();
    layoutListeners.reset();
    boundsListeners.reset();
    manager = nullptr;
    kind = layout::LayoutKind::Vertical;
    horizontalAlignment = layout::Alignment::Start;
    verticalAlignment = layout::Alignment::Start;
    horizontalGap = 0;
    verticalGap = 0;
    sizing = {};
    layoutMinimum = {};
    layoutMaximum = {};
    passDepth = 0;
    lastPlaced = {};
    everPlaced = false;
}

int32_t Box::getClientWidth() const {
    return sizing.client({getWidth(), getHeight()}).width;
}

int32_t Box::getClientHeight() const {
    return sizing.client({getWidth(), getHeight()}).height;
}

layout::SizeRange Box::getSizeRange() const {
    return sizing.range(parentClientSize(), layoutMinimum, layoutMaximum);
}

const s::gui::ILayoutManager& Box::activeManager() const {
    if (manager != nullptr) {
        return *manager;
    }
    switch (kind) {
    case layout::LayoutKind::Horizontal:
        return layout::Horizontal::shared();
    case layout::LayoutKind::Flow:
        return layout::Flow::shared();
    case layout::LayoutKind::Pile:
        return layout::Pile::shared();
    default:
        return layout::Vertical::shared();
    }
}

void Box::doLayout() {
    if (passDepth >= kMaximumNestedPasses) {
        return;
    }
    ++passDepth;
    layoutMinimum = {};
    layoutMaximum = {};
    if (!children.empty()) {
        auto pass = s::thread::PoolRef<layout::LayoutPass>::take();
        if (pass) {
            gather(pass->request);
            activeManager().arrange(pass->request, pass->result);
            layoutMinimum = pass->result.minimum;
            layoutMaximum = pass->result.maximum;
            apply(pass->result);
        }
    }
    layoutListeners.raise(this, static_cast<int32_t>(s::gui::BoxEvent::LaidOut));
    --passDepth;
}

void Box::gather(layout::LayoutRequest& request) const {
    request.content = {getClientWidth(), getClientHeight()};
    request.horizontalAlignment = horizontalAlignment;
    request.verticalAlignment = verticalAlignment;
    request.horizontalGap = horizontalGap;
    request.verticalGap = verticalGap;
    ChildLayout::gather(children, request);
}

void Box::apply(const layout::LayoutResult& result) {
    ChildLayout::apply(children, result, isUpdating());
}

void Box::resizeWithin(int32_t width, int32_t height) {
    layout::Size before{getWidth(), getHeight()};
    Component::resizeWithin(width, height);
    // A new size already laid the box out; the same size still lays it out,
    // since its children may have changed.
    if (before == layout::Size{getWidth(), getHeight()}) {
        doLayout();
    }
}

void Box::placed(const layout::Rect& inParent) {
    if (everPlaced && inParent == lastPlaced) {
        return;
    }
    everPlaced = true;
    lastPlaced = inParent;
    boundsListeners.raise(this, static_cast<int32_t>(s::gui::BoxEvent::Bounds));
}

bool Box::isSelfOrAncestor(const s::gui::IComponent* component) const {
    const s::gui::IComponent* walker = this;
    while (walker != nullptr) {
        if (walker == component) {
            return true;
        }
        walker = walker->getParent();
    }
    return false;
}

bool Box::add(s::gui::IComponent* component) {
    if (component == nullptr || component->getParent() != nullptr || isSelfOrAncestor(component)) {
        return false;
    }
    children.push_back(component);
    component->setParent(this);
    layout::Margins margins = sizing.getMargins();
    component->setOffset(margins.left, margins.top);
    doLayout();
    return true;
}

bool Box::remove(s::gui::IComponent* component, bool giveBack) {
    auto found = std::find(children.begin(), children.end(), component);
    if (component == nullptr || found == children.end()) {
        return false;
    }
    children.erase(found);
    component->setParent(nullptr);
    component->setOffset(0, 0);
    if (giveBack) {
        component->release();
    }
    doLayout();
    return true;
}

void Box::removeAll() {
    // Taken out first, so that a child's own reset cannot reach this list.
    std::vector<s::gui::IComponent*> leaving;
    leaving.swap(children);
    for (s::gui::IComponent* child : leaving) {
        child->setParent(nullptr);
        child->release();
    }
}

s::gui::IComponent* Box::getComponent(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= children.size()) {
        return nullptr;
    }
    return children[static_cast<size_t>(index)];
}

void Box::changeMargins(layout::Margins margins) {
    sizing.setMargins(margins);
    layout::Margins kept = sizing.getMargins();
    for (s::gui::IComponent* child : children) {
        child->setOffset(kept.left, kept.top);
    }
    doLayout();
}

void Box::setMarginLeft(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.left = pixels;
    changeMargins(margins);
}

void Box::setMarginRight(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.right = pixels;
    changeMargins(margins);
}

void Box::setMarginTop(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.top = pixels;
    changeMargins(margins);
}

void Box::setMarginBottom(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.bottom = pixels;
    changeMargins(margins);
}

void Box::setMarginsLeftRight(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.left = pixels;
    margins.right = pixels;
    changeMargins(margins);
}

void Box::setMarginsTopBottom(int32_t pixels) {
    layout::Margins margins = sizing.getMargins();
    margins.top = pixels;
    margins.bottom = pixels;
    changeMargins(margins);
}

void Box::setMargins(int32_t pixels) {
    changeMargins({pixels, pixels, pixels, pixels});
}

void Box::relayoutParent(bool relayout) {
    if (!relayout) {
        return;
    }
    s::gui::IContainer* container = getParent();
    if (container != nullptr) {
        container->doLayout();
    } else {
        doLayout();
    }
}

void Box::setWidthPercent(int32_t percent, bool relayout) {
    sizing.setWidthPercent(percent);
    relayoutParent(relayout);
}

void Box::setHeightPercent(int32_t percent, bool relayout) {
    sizing.setHeightPercent(percent);
    relayoutParent(relayout);
}

void Box::setFixedWidth(int32_t pixels, bool relayout) {
    sizing.setFixedWidth(pixels);
    relayoutParent(relayout);
}

void Box::setFixedHeight(int32_t pixels, bool relayout) {
    sizing.setFixedHeight(pixels);
    relayoutParent(relayout);
}

void Box::setExplicitMinimumWidth(int32_t pixels) {
    sizing.setExplicitMinimumWidth(pixels);
}

void Box::setCollapse(bool width, bool height) {
    sizing.setCollapse(width, height);
}

} // namespace s::gui::model
