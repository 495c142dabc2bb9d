#pragma once
#include <cstdint>

#include "s/gui/events/IEventListener.h"
#include "s/gui/layout/Point.h"
#include "s/gui/layout/SizeRange.h"

namespace s::gui {

class IContainer;

// One element of a window's content tree: a leaf control or a container of
// further components. This is the portable part of the contract, the geometry
// and the sizes that layouts negotiate; the native parts (creating a child
// window, painting) are added by the Windows classes that implement it.
//
// Positions are relative to the parent's content area; the parent hands down
// an offset (its left and top margins) that is added when the component is
// placed in the parent's native area. Sizes are negotiated through a range
// (minimum and maximum) that a layout reads before it places any child; the
// component takes what the layout gives clamped to that range, the minimum
// winning over the maximum.
//
// A component lives in one container at a time, which owns it: the container
// gives it back (release()) when it is reset or the component is removed with
// giveBack. Components are configured on any one thread before they are
// shown; from then on they are used on their window's thread only.
class IComponent : public s::gui::events::IEventListener {
public:
    // Interfaces name themselves for class-name checks; concrete classes
    // answer getClassName() with their own name.
    static constexpr const char16_t* kInterfaceName = u"s_gui_IComponent";

    // Position and size.
    virtual int32_t getX() const = 0;
    virtual void setX(int32_t x) = 0;
    virtual int32_t getY() const = 0;
    virtual void setY(int32_t y) = 0;
    // On the screen, through the parents' positions; without a parent the
    // position itself.
    virtual int32_t getScreenX() const = 0;
    virtual int32_t getScreenY() const = 0;
    // True only when visible and the screen point lies inside, edges included.
    virtual bool contains(int32_t screenX, int32_t screenY) const = 0;
    virtual int32_t getWidth() const = 0;
    virtual void setWidth(int32_t width) = 0;
    virtual int32_t getHeight() const = 0;
    virtual void setHeight(int32_t height) = 0;
    // The area children are laid out in (a leaf's whole size).
    virtual int32_t getClientWidth() const = 0;
    virtual int32_t getClientHeight() const = 0;
    virtual void setLocation(int32_t x, int32_t y) = 0;
    virtual void setSize(int32_t width, int32_t height) = 0;
    virtual void setBounds(int32_t x, int32_t y, int32_t width, int32_t height) = 0;

    // Sizes, for the parent's client size at the time of the call.
    virtual int32_t getMinimumWidth() const = 0;
    virtual int32_t getMinimumHeight() const = 0;
    virtual int32_t getPreferredWidth() const = 0;
    virtual int32_t getPreferredHeight() const = 0;
    virtual int32_t getMaximumWidth() const = 0;
    virtual int32_t getMaximumHeight() const = 0;
    // Minimum and maximum together: what a layout reads.
    virtual layout::SizeRange getSizeRange() const = 0;

    virtual bool isVisible() const = 0;
    virtual void setVisible(bool show) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enable) = 0;

    virtual bool isContainer() const = 0;
    virtual void repaint() = 0;
    // Lays out the children again (nothing for a leaf).
    virtual void doLayout() = 0;

    // The layout protocol.
    // Takes (width, height) clamped to the size range; a container then lays
    // itself out again.
    virtual void resizeWithin(int32_t width, int32_t height) = 0;
    // While an update is open the component records its new bounds instead of
    // placing itself; endUpdate applies them. Updates nest.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    virtual bool isUpdating() const = 0;

    // The tree. setParent and setOffset are called by the container that
    // adds or removes the component, not by clients.
    virtual IContainer* getParent() const = 0;
    virtual void setParent(IContainer* parent) = 0;
    virtual layout::Point getOffset() const = 0;
    virtual void setOffset(int32_t x, int32_t y) = 0;

    // Gives the component back to its class pool.
    virtual void release() = 0;
};

} // namespace s::gui
