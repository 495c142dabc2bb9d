#include "s/gui/win/Window.h"

#include <shellapi.h>
#include <windowsx.h>

#include <mutex>

#include "s/gui/win/Box.h"
#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/PopupMenu.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/monitor/win/Screen.h"

namespace s::gui::win {

namespace {

// Private messages of the window (sent so that the work runs on its thread).
constexpr UINT kCallMessage = WM_USER + 1;
constexpr UINT kTrayMessage = WM_USER + 2;
constexpr UINT kInformationMessage = WM_USER + 4;
constexpr UINT kDestroyMessage = WM_APP + 1;
constexpr UINT kAttachMessage = WM_APP + 2;

// Poll period of the constructor's and waitClosed's waits.
constexpr DWORD kPollMilliseconds = 10;
// Default size of a new window before anyone sizes it.
constexpr int32_t kInitialWidth = 240;
constexpr int32_t kInitialHeight = 120;

// Styles while the window draws its own frame: the whole window is client
// area, with no system caption or border (a skin paints any frame).
constexpr DWORD kFramelessStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;

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
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), kDestroyMessage, 0, 0);
    }
    if (owner.getNativeHandle() != nullptr) {
        SendMessageW(owner.getNativeHandle(), kDestroyMessage, 0, 0);
    }
    uiThread.stop();
    title->release();
}

void Window::reset() {
    if (getNativeHandle() != nullptr) {
        setVisible(false);
        close();
        trayIconAlways = false;
        setTrayIcon(false);
    }
    for (auto& list : listeners) {
        list.clear();
    }
    children.clear();
    trayMenu = nullptr;
    closeVetoed = false;
    active = false;
    resizable = false;
    easyDrag = false;
    keepOnTop = false;
    passDoubleClicks = false;
    hideCursor = false;
    minimizeToTray = false;
    trayClickToggles = true;
    trayIconAlways = false;
    for (intptr_t& value : callValues) {
        value = 0;
    }
    callResult = 0;
    lastKey = 0;
    wheelLines = 0;
    title->clear();
}

bool Window::createNativeWindows() {
    uiThreadId = GetCurrentThreadId();
    if (!owner.createHidden()) {
        return false;
    }
    if (!create(0, L"Window", kFramelessStyle, CW_USEDEFAULT, CW_USEDEFAULT, kInitialWidth,
                kInitialHeight, owner.getNativeHandle())) {
        return false;
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

void Window::moveOnScreen() {
    namespace screen = s::system::monitor::win;
    if (IsZoomed(getNativeHandle())) {
        return;
    }
    const int32_t left = screen::virtualScreenLeft();
    const int32_t top = screen::virtualScreenTop();
    const int32_t right = left + screen::virtualScreenWidth();
    const int32_t bottom = top + screen::virtualScreenHeight();
    int32_t x = getX();
    int32_t y = getY();
    const int32_t oldX = x;
    const int32_t oldY = y;
    if (x + getWidth() >= right) {
        x = right - getWidth();
    }
    if (y + getHeight() >= bottom) {
        y = bottom - getHeight();
    }
    x = x < left ? left : x;
    y = y < top ? top : y;
    if (x != oldX || y != oldY) {
        setLocation(x, y);
    }
}

// --- visibility ---------------------------------------------------------------

void Window::setVisible(bool show, bool activate) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    if (show && !visible.load()) {
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
    } else if (!show && visible.load()) {
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
    // A hidden window stays hidden: minimizing it must not bring it back as
    // an icon.
    if (IsWindowVisible(getNativeHandle())) {
        ShowWindow(getNativeHandle(), SW_MINIMIZE);
    }
}

void Window::setKeepOnTop(bool on) {
    keepOnTop = on;
    SetWindowPos(getNativeHandle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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

// --- closing -------------------------------------------------------------------

void Window::close() {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WM_CLOSE, 0, 0);
    }
}

void Window::waitClosed() const {
    while (!closed.load()) {
        Sleep(kPollMilliseconds);
    }
}

void Window::onClose() {
    if (closed.load()) {
        return;
    }
    closeVetoed = false;
    raise(static_cast<int32_t>(WindowEvent::Close));
    if (closeVetoed) {
        return;
    }
    setVisible(false);
    if (trayIconShown) {
        trayIconAlways = false;
        setTrayIcon(false);
    }
    // Whatever the lens did to the cursor, the user gets it back.
    restoreCursor();
    closed = true;
    closeVetoed = false;
}

// --- tray icon ----------------------------------------------------------------

void Window::notifyTray(DWORD command) {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data.hWnd = getNativeHandle();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon =
        reinterpret_cast<HICON>(SendMessageW(getNativeHandle(), WM_GETICON, ICON_SMALL, 0));
    // The tip field holds 128 units with the terminator; longer titles are cut.
    const size_t capacity = sizeof(data.szTip) / sizeof(data.szTip[0]);
    const size_t length = title->length() < capacity - 1 ? title->length() : capacity - 1;
    const char16_t* units = title->c_str();
    for (size_t i = 0; i < length; ++i) {
        data.szTip[i] = static_cast<wchar_t>(units[i]);
    }
    data.szTip[length] = 0;
    Shell_NotifyIconW(command, &data);
}

void Window::setTrayIcon(bool on) {
    if (getNativeHandle() == nullptr) {
        return;
    }
    if (on) {
        notifyTray(NIM_ADD);
        trayIconShown = true;
    } else if (!trayIconAlways && trayIconShown) {
        notifyTray(NIM_DELETE);
        trayIconShown = false;
    }
}

void Window::setTrayIconAlways(bool on) {
    if (trayIconAlways == on) {
        return;
    }
    trayIconAlways = on;
    setTrayIcon(on);
}

void Window::onTrayCallback(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_MOUSEMOVE:
        if (hideCursor) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        break;
    case WM_LBUTTONDOWN:
        if (trayClickToggles) {
            if (IsWindowVisible(getNativeHandle())) {
                setVisible(false);
            } else {
                setVisible(true, true);
            }
        }
        raise(static_cast<int32_t>(WindowEvent::TrayLeftClick));
        break;
    case WM_RBUTTONDOWN:
        if (trayMenu != nullptr) {
            raise(static_cast<int32_t>(WindowEvent::TrayRightClick));
            openTrayMenu();
        }
        break;
    default:
        break;
    }
}

void Window::openTrayMenu() {
    POINT position = {0, 0};
    GetCursorPos(&position);
    // The menu closes properly on an outside click only when its owner is the
    // foreground window.
    SetForegroundWindow(getNativeHandle());
    trayMenu->open(getNativeHandle(), position.x, position.y);
    SetForegroundWindow(getNativeHandle());
    PostMessageW(getNativeHandle(), WM_NULL, 0, 0);
}

// --- title and icon -------------------------------------------------------------

void Window::setTitle(const char16_t* text) {
    title->clear();
    title->appendWcs(text != nullptr ? text : u"");
    SetWindowTextW(getNativeHandle(), s::platform::win::wide(title->c_str()));
    if (trayIconShown) {
        notifyTray(NIM_MODIFY);
    }
}

void Window::setSmallIcon(HICON icon) {
    SendMessageW(getNativeHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(owner.getNativeHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (trayIconShown) {
        notifyTray(NIM_MODIFY);
    }
}

// --- children and layout ---------------------------------------------------------

void Window::add(Box* child) {
    if (child == nullptr || getNativeHandle() == nullptr) {
        return;
    }
    children.push_back(child);
    SendMessageW(getNativeHandle(), kAttachMessage, reinterpret_cast<WPARAM>(child), 0);
    doLayout();
}

void Window::doLayout() {
    // Children stacked from the top-left; a child with a percent size takes
    // that share of the client area.
    const int32_t clientWidth = getClientWidth();
    const int32_t clientHeight = getClientHeight();
    for (Box* child : children) {
        const int32_t width = child->getWidthPercent() >= 0
                                  ? clientWidth * child->getWidthPercent() / 100
                                  : child->getWidth();
        const int32_t height = child->getHeightPercent() >= 0
                                   ? clientHeight * child->getHeightPercent() / 100
                                   : child->getHeight();
        child->setBounds(0, 0, width, height);
    }
}

// --- calls, listeners, boxes ------------------------------------------------------

intptr_t Window::sendCall(intptr_t a, intptr_t b, intptr_t c, intptr_t d) {
    if (getNativeHandle() == nullptr) {
        return 0;
    }
    intptr_t values[4] = {a, b, c, d};
    return static_cast<intptr_t>(
        SendMessageW(getNativeHandle(), kCallMessage, reinterpret_cast<WPARAM>(values), 0));
}

void Window::addListener(WindowEvent code, s::gui::events::IEventListener* listener) {
    const int32_t index = static_cast<int32_t>(code);
    if (listener != nullptr && index > 0 && index <= kEventCodeCount) {
        listeners[index].push_back(listener);
    }
}

void Window::raise(int32_t code) {
    auto& list = listeners[code];
    // The size is read again after every call: a listener added during the
    // delivery is called in the same pass.
    for (size_t i = 0; i < list.size(); ++i) {
        list[i]->onEvent(this, code);
    }
}

void Window::onEvent(s::base::IObject* source, int32_t code) {}

void Window::showInformation(const char16_t* text) {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), kInformationMessage, reinterpret_cast<WPARAM>(text), 0);
    }
}

// --- message handling ---------------------------------------------------------------

void Window::onActivate(WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE) {
        if (hideCursor && visible.load()) {
            SetCursor(nullptr);
        }
        raise(static_cast<int32_t>(WindowEvent::Activated));
        active = true;
    } else {
        raise(static_cast<int32_t>(WindowEvent::Deactivated));
        active = false;
    }
}

bool Window::onSetCursor() {
    if (hideCursor && visible.load()) {
        SetCursor(nullptr);
        return true;
    }
    return false;
}

void Window::onWheel(WPARAM wParam, LPARAM lParam) {
    // Screen coordinates are signed: a monitor left of or above the primary
    // one has negative ones.
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (Box* child : children) {
        RECT bounds;
        const HWND childWindow = child->getHandle();
        if (child->acceptsWheel() && childWindow != nullptr && IsWindowVisible(childWindow) &&
            GetWindowRect(childWindow, &bounds) && PtInRect(&bounds, point)) {
            if (SendMessageW(childWindow, WM_MOUSEWHEEL, wParam, lParam) == 0) {
                return;
            }
        }
    }
    if (!listeners[static_cast<int32_t>(WindowEvent::Wheel)].empty()) {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int32_t turn = static_cast<int32_t>(static_cast<int16_t>(HIWORD(wParam)));
        wheelLines = turn > 0 ? static_cast<int32_t>(lines) : -static_cast<int32_t>(lines);
        raise(static_cast<int32_t>(WindowEvent::Wheel));
    }
}

bool Window::onCommand(WPARAM wParam) {
    const int32_t id = LOWORD(wParam);
    if (trayMenu != nullptr && trayMenu->contains(id)) {
        trayMenu->select(id);
        return true;
    }
    return false;
}

bool Window::handleMouseMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        raise(static_cast<int32_t>(WindowEvent::MouseMove));
        return false;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        raise(static_cast<int32_t>(WindowEvent::LeftDown));
        if (GetCurrentThreadId() == uiThreadId) {
            SetFocus(getNativeHandle());
        }
        return false;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        raise(static_cast<int32_t>(WindowEvent::LeftUp));
        return false;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        if (passDoubleClicks) {
            return false;
        }
        *result = 0;
        return true;
    case WM_RBUTTONDOWN:
        raise(static_cast<int32_t>(WindowEvent::RightDown));
        return false;
    case WM_RBUTTONUP:
        raise(static_cast<int32_t>(WindowEvent::RightUp));
        return false;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        *result = 0;
        return true;
    default:
        return false;
    }
}

bool Window::handlePrivateMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kCallMessage: {
        const auto* values = reinterpret_cast<const intptr_t*>(wParam);
        for (int i = 0; i < 4; ++i) {
            callValues[i] = values[i];
        }
        raise(static_cast<int32_t>(WindowEvent::Call));
        *result = static_cast<LRESULT>(callResult);
        return true;
    }
    case kTrayMessage:
        onTrayCallback(lParam);
        *result = 0;
        return true;
    case kInformationMessage:
        showInformationBox(reinterpret_cast<const char16_t*>(wParam));
        *result = 0;
        return true;
    case kAttachMessage:
        reinterpret_cast<Box*>(wParam)->attach(getNativeHandle());
        *result = 0;
        return true;
    default:
        return false;
    }
}

bool Window::handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleMouseMessage(result, message, wParam, lParam) ||
        handlePrivateMessage(result, message, wParam, lParam)) {
        return true;
    }
    switch (message) {
    case WM_ACTIVATE:
        onActivate(wParam);
        return false;
    case WM_CLOSE:
        onClose();
        *result = 0;
        return true;
    case WM_SETCURSOR:
        if (onSetCursor()) {
            *result = TRUE;
            return true;
        }
        if (DefWindowProcW(getNativeHandle(), message, wParam, lParam) == 0) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        *result = TRUE;
        return true;
    case WM_WINDOWPOSCHANGING:
        raise(static_cast<int32_t>(WindowEvent::PositionChanging));
        return false;
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((position->flags & SWP_NOSIZE) == 0 && !IsIconic(getNativeHandle())) {
            doLayout();
        }
        if ((position->flags & SWP_NOMOVE) == 0) {
            raise(static_cast<int32_t>(WindowEvent::Moved));
        }
        return false;
    }
    case WM_SIZE:
        raise(static_cast<int32_t>(WindowEvent::SizeChanged));
        return false;
    case WM_KEYDOWN:
        lastKey = static_cast<int32_t>(wParam);
        raise(static_cast<int32_t>(WindowEvent::KeyDown));
        if (lastKey == VK_RETURN) {
            *result = 0;
            return true;
        }
        return false;
    case WM_GETDLGCODE:
        *result = DefWindowProcW(getNativeHandle(), message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_COMMAND:
        if (onCommand(wParam)) {
            *result = 0;
            return true;
        }
        return false;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && minimizeToTray) {
            setVisible(false);
            setTrayIcon(true);
            *result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace s::gui::win
