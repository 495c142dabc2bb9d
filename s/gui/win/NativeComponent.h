#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/layout/Rect.h"
#include "s/platform/win/NativeWindow.h"

namespace s::gui {
class IComponent;
}

namespace s::lang {
class Localizer;
}
namespace s::gui::drawer {
class ISkin;
}

namespace s::gui::win {

// The native part of a component: one child window inside the window (or the
// box) that holds the component, joined to the component's portable part
// (s::gui::model::Component and its subclasses), which keeps the geometry,
// visibility and enabling and calls the hooks that move the native window.
//
// Life of the native part:
//  - attach(parent) creates it, on the thread of `parent` (the window's own
//    thread). Containers do that for their children by sending kAttach to
//    their own native window (attachInside), so the work runs there. It is
//    created without WS_VISIBLE; it is placed at its present bounds, shown
//    when the component is visible, and disabled when it is not enabled;
//  - every placement afterwards (the model calls `placed` outside a batch
//    update, or once at the batch's end) moves it without touching the
//    stacking order and shows it when the component is visible;
//  - detach() destroys it on its own thread: from another thread it sends
//    kDetach to the component's window, whose handler destroys it. Destroying
//    a container's window takes its children's windows along; their parts
//    notice (the handle becomes null) and may be attached again later.
//  - a creation failure shows the system message box "Window Creation
//    Failed!" (caption "Error!", warning icon, no owner) and attach answers
//    false; the component stays without a native part.
//
// Using it for a new control (a leaf of the portable model with a system
// control as its native part):
//
//     class Button : public s::gui::model::Leaf, public NativeComponent {
//         S_POOLED_CLASS_LIMIT(Button, u"s_gui_win_Button", 0)
//     public:
//         void reset() override { detach(); Leaf::reset(); ... }
//         bool isButton() const override { return true; }
//     protected:
//         s::gui::IComponent& component() override { return *this; }
//         const s::gui::IComponent& component() const override { return *this; }
//         bool createNative(HWND parent) override {   // a system control
//             return createControl(L"BUTTON", 0, L"", WS_CHILD | WS_TABSTOP | BS_NOTIFY,
//                                  0, 0, 0, 0, parent, 1000);
//         }
//         // Forward the model's hooks:
//         void placed(const s::gui::layout::Rect& r) override { placeNative(r); }
//         void visibilityChanged() override { showNative(); }
//         void enablingChanged() override { enableNative(); }
//         // Own messages (reflected notifications WM_APP+4 ...):
//         bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
//                                     LPARAM lParam) override;
//     private:
//         Button() { reset(); }
//         ~Button() override { detach(); }
//     };
//
// Leaves without a system control keep the default createNative (a child
// window of the toolkit's class with nativeStyle() and nativeExStyle()).
//
// Threads: attach, the message handlers and every event run on the window's
// thread. detach() may be called from any thread. getHandle() may be read
// anywhere; it is null before attach and after the window is gone.
class NativeComponent : public s::platform::win::NativeWindow {
public:
    // Sent to a toolkit window: wParam is an IComponent to attach inside it;
    // answers 1 when attached.
    static constexpr UINT kAttach = WM_APP + 2;
    // Sent to a component's own window: destroys it.
    static constexpr UINT kDetach = WM_USER + 15;

    // The native part of a component; null for components without one
    // (portable doubles).
    static NativeComponent* of(s::gui::IComponent* component);
    // Attaches `component` inside the toolkit window `parent` on that
    // window's thread; false when either is missing or the attach failed.
    static bool attachInside(HWND parent, s::gui::IComponent* component);

    // On the thread of `parent`: creates the native part (see above). True
    // when it exists afterwards.
    bool attach(HWND parent);
    // Any thread: destroys the native part.
    void detach();
    bool isAttached() const { return getNativeHandle() != nullptr; }
    HWND getHandle() const { return getNativeHandle(); }

    // Whether the component takes wheel turns that its container offers
    // (true: it may consume them by answering 0).
    virtual bool acceptsWheel() const { return false; }
    // A visible, enabled push button keeps its hit test inside a
    // mouse-transparent box, so that it can still be clicked.
    virtual bool isButton() const { return false; }
    // The window's localizer (borrowed; null: none), handed down the tree
    // when the component is attached and again after every language change,
    // on the window's thread: texts given by id are taken from it here.
    virtual void localize(s::lang::Localizer* localizer) {}
    // The window's current skin (borrowed; null: none, the native look),
    // handed down the tree when the component is attached and again after
    // every skin change, on the window's thread. A component that paints
    // with one of the skin's drawers takes it here and repaints; without a
    // skin it goes back to its native look. Containers pass it on.
    virtual void applySkin(s::gui::drawer::ISkin* skin) {}

protected:
    NativeComponent() = default;
    ~NativeComponent() override = default;

    // The portable part this native part belongs to (the object itself).
    virtual s::gui::IComponent& component() = 0;
    virtual const s::gui::IComponent& component() const = 0;
    // A placed component whose sizes changed (a new text, a skin) has its
    // container lay it out again; otherwise it keeps the place of its old
    // size. Nothing before it is attached: the first layout comes then.
    void sizesChanged();

    // Creates the native window, hidden, inside `parent`. The default makes a
    // window of the toolkit's class with the styles below; controls override
    // it and call createControl.
    virtual bool createNative(HWND parent);
    virtual DWORD nativeStyle() const { return WS_CHILD | WS_CLIPSIBLINGS; }
    virtual DWORD nativeExStyle() const { return 0; }
    // After the native window exists and before it is first placed: a
    // container attaches its children and lays itself out here.
    virtual void afterCreate() {}

    // The model's hooks end here.
    // Moves the native window to `inParent` (the bounds moved by the offset)
    // without changing the stacking order; shows it when visible.
    virtual void placeNative(const s::gui::layout::Rect& inParent);
    // Shows (at the present bounds) or hides the native window.
    virtual void showNative();
    void enableNative();
    // The present bounds moved by the offset: where the window belongs.
    s::gui::layout::Rect placementInParent() const;

    // Holding the mouse capture while the mouse is over the component is how
    // it notices the mouse leaving: takes the capture when `inside`, gives
    // it back otherwise.
    void holdCaptureWhile(bool inside);

    // For components that paint their whole area themselves: answers
    // WM_ERASEBKGND (erasing first would only flicker, the paint covers it)
    // and WM_PAINT (paintInto on the paint context); false for any other
    // message. Their handleComponentMessage passes the messages here.
    bool handleOwnPaint(LRESULT* result, UINT message);
    // Draws the whole component into `target` at (0, 0); nothing by default.
    virtual void paintInto(HDC target) {}

    // The component's own messages; false leaves the message to the default
    // processing of the window class.
    virtual bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
        return false;
    }

private:
    bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) final;
};

} // namespace s::gui::win
