#pragma once
#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/IComponent.h"
#include "s/gui/layout/Point.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/layout/Size.h"
#include "s/thread/IPoolable.h"

namespace s::gui::model {

// The portable part every component shares: position, size, offset, the
// batch update, visibility, enabling and the link to the parent. The concrete
// classes add their size rules (getSizeRange) and, on Windows, their native
// part through the hooks below; this class touches no native window.
//
// Placement: setting bounds records them at once (getX ... answer the new
// values), and the placement in the parent's native area (bounds moved by the
// offset) is applied through placed(): at once outside a batch update, at
// endUpdate inside one, only once however often the bounds changed.
//
// Ownership and threads: as IComponent says. The concrete class is pooled;
// this base is not a class of its own and has no pool.
class Component : public virtual s::gui::IComponent,
                  public s::base::IObject,
                  public s::thread::IPoolable {
public:
    // The defaults of every component; concrete classes call it from their
    // own reset().
    void reset() override;

    // IEventListener: a plain component listens to nothing.
    void onEvent(s::base::IObject* source, int32_t code) override {}

    int32_t getX() const override { return bounds.x; }
    void setX(int32_t x) override { setBounds(x, bounds.y, bounds.width, bounds.height); }
    int32_t getY() const override { return bounds.y; }
    void setY(int32_t y) override { setBounds(bounds.x, y, bounds.width, bounds.height); }
    int32_t getScreenX() const override { return screenOrigin().x; }
    int32_t getScreenY() const override { return screenOrigin().y; }
    bool contains(int32_t screenX, int32_t screenY) const override;
    int32_t getWidth() const override { return bounds.width; }
    void setWidth(int32_t width) override { setBounds(bounds.x, bounds.y, width, bounds.height); }
    int32_t getHeight() const override { return bounds.height; }
    void setHeight(int32_t height) override { setBounds(bounds.x, bounds.y, bounds.width, height); }
    int32_t getClientWidth() const override { return bounds.width; }
    int32_t getClientHeight() const override { return bounds.height; }
    void setLocation(int32_t x, int32_t y) override {
        setBounds(x, y, bounds.width, bounds.height);
    }
    void setSize(int32_t width, int32_t height) override {
        setBounds(bounds.x, bounds.y, width, height);
    }
    void setBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;
    layout::Rect getBounds() const { return bounds; }

    int32_t getMinimumWidth() const override { return getSizeRange().minimum.width; }
    int32_t getMinimumHeight() const override { return getSizeRange().minimum.height; }
    int32_t getPreferredWidth() const override { return getPreferredSize().width; }
    int32_t getPreferredHeight() const override { return getPreferredSize().height; }
    int32_t getMaximumWidth() const override { return getSizeRange().maximum.width; }
    int32_t getMaximumHeight() const override { return getSizeRange().maximum.height; }

    bool isVisible() const override { return visible; }
    void setVisible(bool show) override;
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool enable) override;

    bool isContainer() const override { return false; }
    void repaint() override {}
    void doLayout() override {}

    void resizeWithin(int32_t width, int32_t height) override;
    void beginUpdate() override { ++updateDepth; }
    void endUpdate() override;
    bool isUpdating() const override { return updateDepth > 0; }

    s::gui::IContainer* getParent() const override { return parent; }
    void setParent(s::gui::IContainer* container) override { parent = container; }
    layout::Point getOffset() const override { return offset; }
    void setOffset(int32_t x, int32_t y) override;

protected:
    Component() = default;
    ~Component() override = default;

    // The size the component takes when nothing else asks.
    virtual layout::Size getPreferredSize() const { return getSizeRange().minimum; }
    // The parent's client size, which percents refer to; 0 x 0 without one.
    layout::Size parentClientSize() const;

    // Hooks for the concrete classes (the Windows ones move, show and enable
    // their native window here):
    // - placed: the placement was applied; `inParent` is the rectangle in the
    //   parent's native area (bounds moved by the offset);
    virtual void placed(const layout::Rect& inParent) {}
    // - resized: the size changed (a container lays itself out again);
    virtual void resized() {}
    virtual void visibilityChanged() {}
    virtual void enablingChanged() {}

private:
    layout::Point screenOrigin() const;
    void applyPlacement();

    s::gui::IContainer* parent = nullptr;
    layout::Rect bounds;
    layout::Point offset;
    bool visible = true;
    bool enabled = true;
    int32_t updateDepth = 0;
    bool placementPending = false;
};

} // namespace s::gui::model
