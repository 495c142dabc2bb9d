#include "s/gui/win/Window.h"

#include <mutex>
#include <utility>

#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/WindowMessages.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/monitor/win/Screen.h"

namespace s::gui::win {

namespace {

// A new window: an ordinary framed window of this size until it is styled
// (a drawer or setNativeFrame(false) takes the frame away) and sized.
constexpr int32_t kInitialWidth = 240;
constexpr int32_t kInitialHeight = 120;
constexpr DWORD kInitialStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kInitialExStyle = WS_EX_CLIENTEDGE;

// Trims the process working set after every show and hide; one at a time.
void trimWorkingSet() {
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

RECT windowRect(HWND window) {
    RECT rect = {0, 0, 0, 0};
    if (window != nullptr) {
        GetWindowRect(window, &rect);
    }
    return rect;
}

} // namespace

Window::Window() {
    title = s::str::strbuffer::StrBuffer::newInstance();
    reset();
    // Creation finishes on the window's thread before the constructor
    // returns; a failure was already reported by a message box and leaves
    // the window without a native handle.
    auto init = [this] { return createNativeWindows(); };
    uiThread.startWith(init);
}

Window::~Window() {
    reset();
    // Native windows are destroyed on their own thread, then the thread ends.
    destroy();
    owner.destroy();
    uiThread.stop();
    title->release();
}

void Window::reset() {
    if (getNativeHandle() != nullptr) {
        setVisible(false);
        close();
        trayIconAlways = false;
        setTrayIcon(false);
        unregisterAllHotKeys();
        setClipboardViewer(false);
    }
    // Hidden and closed: nothing reaches the content any more. The
    // localizer and the skinner stop telling the window first.
    setLocalizer(nullptr);
    setSkinner(nullptr);
    onWindowThread([this] { releaseContent(); });
    manager = nullptr;
    resetFrame();
    settings = nullptr;
    clipboardViewer = false;
    for (auto& list : listeners) {
        list.reset();
    }
    closeVetoed = false;
    active = false;
    iconized = false;
    deactivationTime = 0;
    clock = nullptr;
    hotKeys.clearPressed();
    resizable = true;
    easyDrag = false;
    keepOnTop = false;
    passDoubleClicks = false;
    hideCursor = false;
    minimizeToTray = false;
    trayClickToggles = true;
    trayIconAlways = false;
    showTrayIcon = false;
    for (intptr_t& value : callValues) {
        value = 0;
    }
    callResult = 0;
    lastKey = 0;
    wheelLines = 0;
    timerId = 0;
    timerHandled = false;
    title->clear();
    titleTextId = -1;
    versionTextId = -1;
    maximized = false;
    suspended = false;
    shutdownPending = false;
    normalX = 0;
    normalY = 0;
    normalWidth = 500;
    normalHeight = 500;
    setBackgroundSystem();
}

void Window::releaseContent() {
    // The components' native parts were made on this thread and die here.
    removeAll();
    if (trayMenu != nullptr) {
        trayMenu->release();
        trayMenu = nullptr;
    }
    if (smallIcon) {
        SendMessageW(getNativeHandle(), WM_SETICON, ICON_SMALL, 0);
        SendMessageW(owner.getNativeHandle(), WM_SETICON, ICON_SMALL, 0);
        smallIcon.assign(nullptr);
    }
    if (bigIcon) {
        SendMessageW(getNativeHandle(), WM_SETICON, ICON_BIG, 0);
        SendMessageW(owner.getNativeHandle(), WM_SETICON, ICON_BIG, 0);
        bigIcon.assign(nullptr);
    }
    if (menuBar != nullptr) {
        if (getNativeHandle() != nullptr) {
            SetMenu(getNativeHandle(), nullptr);
        }
        menuBarNative.assign(nullptr);
        menuBar->release();
        menuBar = nullptr;
    }
    if (contextMenu != nullptr && contextMenuOwned) {
        contextMenu->release();
    }
    contextMenu = nullptr;
    contextMenuOwned = false;
    if (statusBar != nullptr) {
        statusBar->setParent(nullptr);
        statusBar->release();
        statusBar = nullptr;
    }
    closers.clear();
    releaseDrawer();
    if (getNativeHandle() != nullptr) {
        SetWindowRgn(getNativeHandle(), nullptr, FALSE); // the drawer's shape goes with it
    }
}

bool Window::createNativeWindows() {
    uiThreadId = GetCurrentThreadId();
    if (!owner.createHidden()) {
        return false;
    }
    if (!create(kInitialExStyle, L"Window", kInitialStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                kInitialWidth, kInitialHeight, owner.getNativeHandle())) {
        return false;
    }
    nativeFrame = true; // the overlapped style is the system's frame
    if (menuBar != nullptr) {
        setMenuBar(menuBar);
    }
    if (clipboardViewer.load()) {
        joinClipboardChain();
    }
    ShowWindow(getNativeHandle(), SW_HIDE);
    return true;
}

// --- geometry ---------------------------------------------------------------

int32_t Window::getX() const {
    return windowRect(getNativeHandle()).left;
}
int32_t Window::getY() const {
    return windowRect(getNativeHandle()).top;
}
int32_t Window::getWidth() const {
    const RECT rect = windowRect(getNativeHandle());
    return rect.right - rect.left;
}
int32_t Window::getHeight() const {
    const RECT rect = windowRect(getNativeHandle());
    return rect.bottom - rect.top;
}
int32_t Window::getClientWidth() const {
    RECT rect = {0, 0, 0, 0};
    GetClientRect(getNativeHandle(), &rect);
    return rect.right;
}
int32_t Window::getClientHeight() const {
    RECT rect = {0, 0, 0, 0};
    GetClientRect(getNativeHandle(), &rect);
    return rect.bottom;
}

void Window::setLocation(int32_t x, int32_t y) {
    SetWindowPos(getNativeHandle(), nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setSize(int32_t width, int32_t height) {
    SetWindowPos(getNativeHandle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setBounds(int32_t x, int32_t y, int32_t width, int32_t height) {
    SetWindowPos(getNativeHandle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- visibility ---------------------------------------------------------------

void Window::setVisible(bool show, bool activate) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    if (show && !visible.load()) {
        onWindowThread([this] {
            recenterOnCursor();
            placeOnShow();
        });
        if (activate) {
            setActive();
        }
        ShowWindow(window, SW_SHOW);
        if (activate) {
            // The window may only take the foreground once it is shown.
            setActive();
        }
        RedrawWindow(window, nullptr, nullptr,
                     RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        visible = true;
        // Shown: the cursor-following timer may run now.
        onWindowThread([this] { recenterOnCursor(); });
    } else if (!show && visible.load()) {
        saveBounds(false);
        ShowWindow(window, SW_HIDE);
        visible = false;
        if (hideCursor) {
            restoreCursor();
        }
    } else {
        return;
    }
    trimWorkingSet();
}

void Window::restoreCursor() {
    // The hidden cursor stays hidden until some window sets a shape again,
    // which normally happens only on the next mouse move. Set the arrow now
    // and nudge the system into asking the window below for its own cursor.
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    POINT position;
    if (GetCursorPos(&position)) {
        SetCursorPos(position.x, position.y);
    }
}

void Window::setActive() {
    const HWND window = getNativeHandle();
    SetForegroundWindow(window);
    if (GetCurrentThreadId() == uiThreadId) {
        SetActiveWindow(window);
        SetFocus(window);
    }
}

void Window::minimize() {
    onWindowThread([this] {
        undoEvasion();
        // A hidden window stays hidden: minimizing it must not bring it back
        // as an icon.
        if (IsWindowVisible(getNativeHandle())) {
            ShowWindow(getNativeHandle(), SW_MINIMIZE);
        }
    });
}

void Window::setClientEdge(bool on) {
    const HWND window = getNativeHandle();
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    exStyle =
        on ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// --- title and icon -------------------------------------------------------------

void Window::setTitle(const char16_t* text) {
    // The tray tip reads the title on the window's thread.
    onWindowThread([this, text] {
        title->clear();
        title->appendWcs(text != nullptr ? text : u"");
        SetWindowTextW(getNativeHandle(), s::platform::win::wide(title->c_str()));
        trayIcon.modifyTip(getNativeHandle(), title->c_str());
    });
}

void Window::setSmallIcon(s::platform::win::OwnedIcon icon) {
    onWindowThread([this, &icon] {
        const LPARAM shown = reinterpret_cast<LPARAM>(icon.get());
        SendMessageW(getNativeHandle(), WM_SETICON, ICON_SMALL, shown);
        SendMessageW(owner.getNativeHandle(), WM_SETICON, ICON_SMALL, shown);
        // No window shows the previous icon any more, and the shell keeps a
        // copy of its own until it is sent the new one.
        smallIcon = std::move(icon);
        updateTrayIcon();
    });
}

void Window::setTrayMenu(PopupMenu* menu) {
    onWindowThread([this, menu] {
        if (trayMenu != nullptr && trayMenu != menu) {
            trayMenu->release();
        }
        trayMenu = menu;
    });
}

// --- listeners --------------------------------------------------------------------

void Window::addListener(WindowEvent code, s::gui::events::IEventListener* listener) {
    const int32_t index = static_cast<int32_t>(code);
    if (index > 0 && index <= kEventCodeCount) {
        listeners[index].add(listener);
    }
}

void Window::raise(int32_t code) {
    listeners[code].raise(this, code);
}

} // namespace s::gui::win
