#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/gui/events/EventSource.h"
#include "s/gui/model/Box.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/OffscreenBuffer.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer {
class IBoxDrawer;
}

namespace s::gui::win {

// A box: the portable container (s::gui::model::Box: children, layouts,
// sizes) with a native child window of the toolkit's class. It is the
// drawing surface of custom painters and the panel the dialogs are built of.
//
// Native part (see NativeComponent): created hidden inside the window or box
// it is attached to, with WS_EX_CONTROLPARENT so that keyboard navigation
// enters its children; then its children are attached inside it, it lays
// itself out and its parent lays out again (twice for a flow box), which
// places and shows it.
//
// Events (s::gui::BoxEvent; the source is the box), on the window's thread:
//  - 5 paint: raised on every paint with getPaintContext() valid; a listener
//    that draws the box itself calls markPainted() and the box draws nothing
//    more. Otherwise the box draws its background through an off-screen
//    buffer: its drawer, or the parent's background when transparent (the
//    default), or its background colour;
//  - 2 wheel: a wheel turn over it that no child consumed, with wheel
//    listeners (getWheelValue: the system's lines per step, negative toward
//    the user); without them the turn goes on to the container;
//  - 6 mouse down: the left button went down over it;
//  - 3 laid out, 4 moved or resized (see model::Box).
// A mouse-transparent box lets hit tests fall through to the window below it
// (its parent), except over a visible, enabled child button. A box that is
// not mouse transparent tracks whether the mouse is over it (the hover state,
// for its drawer), holding the mouse capture while it is, so that it notices
// when the mouse leaves.
//
// Ownership: whoever took the box owns it until it is added to a container;
// from then on the container owns it and gives it back, on the window's
// thread once attached. The drawer is borrowed unless given as owned.
// Settings and listeners may be given from any thread before the box is
// shown; the values read back inside an event (paint context, wheel value)
// are valid only while the event is delivered.
class Box : public s::gui::model::Box, public NativeComponent {
    S_POOLED_CLASS_LIMIT(Box, u"s_gui_win_Box", 1000)
public:
    void reset() override;

    void setMouseTransparent(bool on) { mouseTransparent = on; }
    bool isMouseTransparent() const { return mouseTransparent.load(); }
    void setAcceptDrops(bool on);

    // Paint listeners (code 5).
    void addPaintListener(s::gui::events::IEventListener* listener);
    // The paint context, valid only inside a paint event.
    HDC getPaintContext() const { return paintContext; }
    void markPainted() { painted = true; }

    // Wheel listeners (code 2).
    void addWheelListener(s::gui::events::IEventListener* listener);
    // Lines per wheel step from the system, negative for a turn toward the
    // user; valid inside a wheel event.
    int32_t getWheelValue() const { return wheelValue; }

    // Mouse-down listeners (code 6); adding one makes the box take the mouse
    // (mouse transparency off).
    void addMouseDownListener(s::gui::events::IEventListener* listener);

    // 1 while the mouse is over the box, 0 after it left, -1 before.
    int32_t getHoverState() const { return hover; }

    // Background: a colour switches transparency off; transparent shows the
    // parent's background.
    void setTransparent(bool repaintNow);
    void setBackgroundWhite(bool repaintNow) { setBackground(255, 255, 255, repaintNow); }
    void setBackground(uint8_t red, uint8_t green, uint8_t blue, bool repaintNow);
    bool isTransparent() const { return transparent.load(); }
    COLORREF getBackground() const { return background.load(); }
    // The drawer paints the background instead; null removes it. An owned
    // drawer is given back when replaced or with the box.
    void setDrawer(s::gui::drawer::IBoxDrawer* boxDrawer, bool owned);

    // Draws the background (not the paint listeners' drawing) into `target`
    // at (0, 0) through the off-screen buffer, leaving the children's
    // rectangles untouched. The paint handler's routine; tests call it on a
    // memory context.
    void paintBackground(HDC target);
    // Draws what the box shows behind its children into `dc` at (0, 0), at
    // the box's size: the pixels a transparent child copies.
    void drawBackground(HDC dc);
    // Draws what lies behind `child` (a component of the box, or of the
    // window) into `dc` at (0, 0), at the child's size: the parent box's
    // background, or the window's own background. Transparent components
    // paint this first.
    static void drawParentBackground(HDC dc, const s::gui::IComponent& child);

    // IComponent
    void repaint() override;

    // NativeComponent
    void localize(s::lang::Localizer* localizer) override;
    void applySkin(s::gui::drawer::ISkin* skin) override;
    bool acceptsWheel() const override;

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    void afterCreate() override;
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

    // The model's hooks move the native part.
    void placed(const s::gui::layout::Rect& inParent) override;
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }

private:
    Box() { reset(); }
    ~Box() override;

    // Message handlers.
    LRESULT onHitTest(WPARAM wParam, LPARAM lParam);
    void onMouseMove(WPARAM wParam, LPARAM lParam);
    bool onLeftDown();
    // Answers 0 when the turn was consumed here or by a child.
    LRESULT onWheel(WPARAM wParam, LPARAM lParam);
    void onPaint();

    // Hit testing: a visible, enabled child button under the screen point.
    bool isOverChildButton(POINT screenPoint) const;
    // Offers the turn to the children; true when one consumed it.
    bool offerWheelToChildren(WPARAM wParam, LPARAM lParam, POINT screenPoint);
    void setHover(int32_t state);
    void excludeChildren(HDC target) const;
    void releaseDrawer();

    OffscreenBuffer buffer;
    s::gui::drawer::IBoxDrawer* drawer = nullptr;
    bool drawerOwned = false;
    std::atomic<COLORREF> background{0};
    std::atomic<bool> transparent{true};
    std::atomic<bool> mouseTransparent{false};
    std::atomic<bool> acceptDrops{false};

    s::gui::events::EventSource paintListeners;
    s::gui::events::EventSource wheelListeners;
    s::gui::events::EventSource mouseDownListeners;
    HDC paintContext = nullptr;
    bool painted = false;
    int32_t hover = -1;
    int32_t wheelValue = 0;
    bool wheelPassRunning = false;
};

} // namespace s::gui::win
