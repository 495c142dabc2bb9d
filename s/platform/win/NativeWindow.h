#pragma once
#include <windows.h>

#include <cstdint>

namespace s::platform::win {

// The wrapper between a native window and the object that owns it. Every
// window of the toolkit (top-level windows, their hidden owners, boxes) is of
// the one window class "CorvelWindowClass"; the class procedure finds the
// wrapper from the handle and lets it handle the message first. Whatever the
// wrapper leaves goes to the system's default processing.
//
// A wrapper is created and destroyed on the thread that runs its window's
// messages; the handle is valid from create() until destroy().
class NativeWindow {
public:
    static constexpr const wchar_t* kClassName = L"CorvelWindowClass";

    NativeWindow() = default;
    virtual ~NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Registers the window class once per process (a failure is retried by
    // the next creation) and creates the native window bound to this wrapper.
    bool create(DWORD exStyle, const wchar_t* title, DWORD style, int32_t x, int32_t y,
                int32_t width, int32_t height, HWND parent);
    // Creates a window of a system control class (a push button, a check box)
    // and subclasses it, so that its messages reach handleNativeMessage first
    // and the rest goes to the control's own procedure.
    bool createControl(const wchar_t* controlClass, DWORD exStyle, const wchar_t* title,
                       DWORD style, int32_t x, int32_t y, int32_t width, int32_t height,
                       HWND parent, int32_t controlId);
    // Destroys the native window and forgets the handle. From another thread
    // it sends the work to the window's own thread and waits: a window can
    // only be destroyed by the thread that created it.
    void destroy();

    HWND getNativeHandle() const { return nativeHandle; }

protected:
    // Answers whether the message was handled; `result` is then the answer.
    virtual bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
        return false;
    }
    // The default processing of the window class: child notifications are
    // reflected to their controls (NotificationReflector); WM_SETCURSOR sets
    // the arrow when the system sets nothing; a left click or a menu first
    // tells the window it was click-activated; a popup menu whose menu data
    // names a live window is announced to that window; WM_APP+1 becomes a
    // close, which destroys the window. Everything else: DefWindowProc.
    static LRESULT defaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of this window: the class's, or for a
    // subclassed control the control's own procedure.
    LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static bool registerClass();
    static LRESULT CALLBACK classProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    // Lets the wrapper handle the message; false when it left it.
    static bool dispatch(NativeWindow* wrapper, LRESULT* result, UINT message, WPARAM wParam,
                         LPARAM lParam);
    static void forget(HWND window, NativeWindow* wrapper);
    // Sends a popup's initialisation on to the window its menu data names.
    static bool forwardMenuPopup(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND nativeHandle = nullptr;
    // The control's own procedure, for a subclassed system control.
    WNDPROC controlDefault = nullptr;
};

} // namespace s::platform::win
