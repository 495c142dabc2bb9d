#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/events/EventSource.h"
#include "s/platform/win/NativeWindow.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

// Event codes a box raises (the source is the box).
enum class BoxEvent : int32_t {
    Wheel = 2, // wheel turned over the box; getWheelValue
    Paint = 5, // paint; getPaintContext, then markPainted to skip the background
};

// Layout kinds of a box's own children.
enum class BoxLayout : int32_t { Horizontal = 0, Vertical = 1, Flow = 2, Pile = 3 };

// A plain rectangular component with a native child window inside its
// container: the drawing surface of custom painters. Its paint listeners may
// draw it themselves; its wheel listeners get the wheel turned over it. A
// mouse-transparent box lets hit tests fall through to its container, so the
// container sees the mouse moves and clicks.
//
// Ownership: whoever took the box owns it until it is added to a window
// (Window::add); from then on the window owns it and gives it back on its own
// thread, where the box's native part was created and is destroyed. Settings
// and listeners may be given from any thread; events are raised on the
// window's thread.
class Box : public s::base::IObject,
            public s::thread::IPoolable,
            public s::platform::win::NativeWindow {
    S_POOLED_CLASS(Box, u"s_gui_win_Box")
public:
    void reset() override;

    // Layout attributes read by the container's layout.
    void setVertical() { layout = BoxLayout::Vertical; }
    void alignLeft() { horizontalAlignment = 0; }
    void alignTop() { verticalAlignment = 0; }
    void setWidthPercent(int32_t percent, bool relayout);
    void setHeightPercent(int32_t percent, bool relayout);
    int32_t getWidthPercent() const { return widthPercent; }
    int32_t getHeightPercent() const { return heightPercent; }

    void setMouseTransparent(bool on) { mouseTransparent = on; }

    void addPaintListener(s::gui::events::IEventListener* listener);
    void addWheelListener(s::gui::events::IEventListener* listener);
    // The paint context, valid only inside a paint event.
    HDC getPaintContext() const { return paintContext; }
    void markPainted() { painted = true; }
    // Lines per wheel step from the system, negative for a turn toward the user.
    int32_t getWheelValue() const { return wheelValue; }

    // Creates the native part inside `parent`; on the container's thread.
    bool attach(HWND parent);
    void setBounds(int32_t x, int32_t y, int32_t width, int32_t height);
    int32_t getWidth() const { return width.load(); }
    int32_t getHeight() const { return height.load(); }
    bool acceptsWheel() const { return !wheelListeners.isEmpty(); }
    HWND getHandle() const { return getNativeHandle(); }
    void repaint();

private:
    Box();
    ~Box() override;

    bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint();
    void onWheel(WPARAM wParam, LPARAM lParam);
    void raise(s::gui::events::EventSource& listeners, BoxEvent code);

    BoxLayout layout = BoxLayout::Vertical;
    int32_t horizontalAlignment = 0;
    int32_t verticalAlignment = 0;
    std::atomic<int32_t> widthPercent{-1};
    std::atomic<int32_t> heightPercent{-1};
    std::atomic<bool> mouseTransparent{false};
    bool wheelPassRunning = false;

    s::gui::events::EventSource paintListeners;
    s::gui::events::EventSource wheelListeners;
    HDC paintContext = nullptr;
    bool painted = false;
    int32_t wheelValue = 0;
    std::atomic<int32_t> width{0};
    std::atomic<int32_t> height{0};
};

} // namespace s::gui::win
