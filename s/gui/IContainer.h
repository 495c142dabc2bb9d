#pragma once
#include <cstdint>

#include "s/gui/IComponent.h"
#include "s/gui/layout/LayoutKind.h"
#include "s/gui/layout/Point.h"

namespace s::gui {

class ILayoutManager;

// A component that holds and lays out other components, in insertion order.
// It owns what it holds: children added are given back with the container
// (or by remove with giveBack). Used on one thread at a time, like every
// component.
//
// IComponent is a virtual base so that an implementation may share one
// component implementation among a leaf and a container class.
class IContainer : public virtual IComponent {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_IContainer";

    // Takes ownership and lays out again. False for null, for the container
    // itself or one of its ancestors (no cycles), and for a component that
    // already has a parent.
    virtual bool add(IComponent* component) = 0;
    // Takes the component out and lays out again; with giveBack it is
    // released, otherwise the caller owns it again. False when it is not a
    // child.
    virtual bool remove(IComponent* component, bool giveBack) = 0;
    // Gives every child back.
    virtual void removeAll() = 0;
    virtual int32_t getComponentCount() const = 0;
    // Null outside 0 .. count - 1.
    virtual IComponent* getComponent(int32_t index) const = 0;

    // A borrowed manager replacing the built-in kinds, or null for them.
    virtual const ILayoutManager* getLayout() const = 0;
    virtual void setLayout(const ILayoutManager* manager) = 0;
    virtual layout::LayoutKind getLayoutKind() const = 0;

    // The screen point that children's offsets and positions count from (the
    // top-left corner of the container's native area).
    virtual layout::Point getChildOrigin() const = 0;
};

} // namespace s::gui
