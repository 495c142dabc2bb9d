// Test helper of the end-to-end scenarios (tests/e2e/harness.py), a plain
// Win32 program run under Wine next to the magnifier.
//
// Default mode: a borderless window filled with a position-coded pattern. The
// screen is cut into square cells counted from the virtual screen's top-left
// corner; the colour of a cell encodes its column and row, and neighbouring
// cells differ in every channel, so a screenshot of the lens tells at each
// point which screen point is shown there and, from the cell edges, at what
// scale. The window takes the keyboard focus, because Wine reports X key
// presses to GetAsyncKeyState only while one of its windows has the focus, and
// it leaves a strip at the bottom of the screen free for Wine's tray window.
//
// "--windows": prints every window (handle, process image, class, title,
// rectangle, styles, visibility, parent), one per line, so the scenarios can
// check what a program shows without relying on the window manager.
// "--screen": prints the virtual screen and the monitors as Wine reports them.
//
// Usage: PatternWindow [--rect x y width height] | --windows | --screen
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

static_assert(sizeof(wchar_t) == 2, "Win32 wide text is UTF-16");

// The pattern's code; tests/e2e/harness.py decodes the same numbers.
constexpr int cellSize = 40;        // pixels per cell side
constexpr int redBase = 8;          // red = redBase + redStep * column
constexpr int redStep = 3;          // columns 0 to 80 stay below 256
constexpr int greenBase = 8;        // green = greenBase + greenStep * row
constexpr int greenStep = 8;        // rows 0 to 30 stay below 256
constexpr int blueEven = 64;        // blue of cells whose column + row is even
constexpr int blueOdd = 192;        // blue of the others: every edge changes blue
constexpr int trayStripHeight = 64; // bottom strip left free for the tray window

const wchar_t windowClassName[] = L"VexaPatternWindow";
const wchar_t windowTitle[] = L"Vexa Pattern";

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

Rect virtualScreen() {
    return Rect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Owns a device context obtained with GetDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDc() {
        if (dc)
            ReleaseDC(window, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// Owns a memory device context.
class MemoryDc {
public:
    explicit MemoryDc(HDC reference) : dc(CreateCompatibleDC(reference)) {}
    ~MemoryDc() {
        if (dc)
            DeleteDC(dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc; }

private:
    HDC dc;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous)
            SelectObject(dc, previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// The pattern of the whole virtual screen, drawn once into a DIB section;
// painting copies the part under the window's client area.
class PatternBitmap {
public:
    ~PatternBitmap() {
        if (bitmap)
            DeleteObject(bitmap);
    }

    bool create(const Rect& area) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = area.width;
        info.bmiHeader.biHeight = -area.height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap || !bits)
            return false;
        origin = area;
        auto* pixels = static_cast<unsigned char*>(bits);
        for (int y = 0; y < area.height; ++y) {
            const int row = y / cellSize;
            unsigned char* line = pixels + static_cast<size_t>(y) * area.width * 4;
            for (int x = 0; x < area.width; ++x) {
                const int column = x / cellSize;
                line[x * 4 + 0] =
                    static_cast<unsigned char>((column + row) % 2 ? blueOdd : blueEven);
                line[x * 4 + 1] = static_cast<unsigned char>((greenBase + greenStep * row) & 0xFF);
                line[x * 4 + 2] = static_cast<unsigned char>((redBase + redStep * column) & 0xFF);
                line[x * 4 + 3] = 0xFF;
            }
        }
        return true;
    }

    // Copies the pattern under the screen rectangle of the client area.
    void paint(HWND window, HDC target) const {
        RECT client{};
        GetClientRect(window, &client);
        POINT topLeft{0, 0};
        ClientToScreen(window, &topLeft);
        MemoryDc memory(target);
        if (!memory.get())
            return;
        SelectedObject selected(memory.get(), bitmap);
        BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), topLeft.x - origin.left,
               topLeft.y - origin.top, SRCCOPY);
    }

private:
    HBITMAP bitmap = nullptr;
    Rect origin;
};

PatternBitmap pattern;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        pattern.paint(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_MOVE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    // The key messages the window receives go to its log: when a scenario's
    // key press has no effect, the log tells whether Wine saw it at all.
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        std::printf("%s %02x\n",
                    (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) ? "keydown" : "keyup",
                    static_cast<unsigned>(wParam));
        std::fflush(stdout);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_ACTIVATE:
        std::printf("activate %u\n", static_cast<unsigned>(LOWORD(wParam)));
        std::fflush(stdout);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int showPattern(const Rect& requested) {
    const Rect screen = virtualScreen();
    if (!pattern.create(screen)) {
        std::fprintf(stderr, "PatternWindow: cannot create the pattern bitmap\n");
        return 1;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassExW(&windowClass)) {
        std::fprintf(stderr, "PatternWindow: cannot register the window class\n");
        return 1;
    }
    // WS_SYSMENU on a popup makes Wine hand the window to the window manager,
    // which lets it take the keyboard focus; it draws no caption.
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW, windowClassName, windowTitle, WS_POPUP | WS_SYSMENU,
                        requested.left, requested.top, requested.width, requested.height, nullptr,
                        nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::fprintf(stderr, "PatternWindow: cannot create the window\n");
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    // A window manager may place a new window where it likes (evilwm centres
    // it on the pointer); asking again once it is mapped moves it back.
    SetWindowPos(window, nullptr, requested.left, requested.top, requested.width, requested.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(window);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

std::string utf8(const wchar_t* text, int length = -1) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, &result[0], size, nullptr, nullptr);
    if (length < 0 && !result.empty())
        result.pop_back(); // the terminating zero
    return result;
}

std::string processImage(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return std::string("?");
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    std::string result("?");
    if (QueryFullProcessImageNameW(process, 0, path, &size))
        result = utf8(path, static_cast<int>(size));
    CloseHandle(process);
    return result;
}

// Tabs and line breaks inside a title would break the line format.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

// One line per window; the last field is the parent's handle (0 for a
// top-level window), so child windows such as a drawing surface show too.
BOOL CALLBACK printWindow(HWND window, LPARAM parent) {
    wchar_t className[256] = L"";
    wchar_t title[512] = L"";
    GetClassNameW(window, className, 256);
    GetWindowTextW(window, title, 512);
    RECT rect{};
    GetWindowRect(window, &rect);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::printf("%llu\t%s\t%s\t%s\t%ld %ld %ld %ld\t%08lx\t%08lx\t%d\t%llu\n",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)),
                oneLine(processImage(processId)).c_str(), oneLine(utf8(className)).c_str(),
                oneLine(utf8(title)).c_str(), rect.left, rect.top, rect.right, rect.bottom,
                static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
                IsWindowVisible(window) ? 1 : 0, static_cast<unsigned long long>(parent));
    return TRUE;
}

// A named callback, not a lambda: on 32-bit Windows the callback must use
// the system's calling convention, which a lambda cannot be converted to.
BOOL CALLBACK printChild(HWND child, LPARAM) {
    return printWindow(child, static_cast<LPARAM>(reinterpret_cast<uintptr_t>(GetParent(child))));
}

BOOL CALLBACK printWindowAndChildren(HWND window, LPARAM) {
    printWindow(window, 0);
    // EnumChildWindows walks the whole subtree; each line names its own parent.
    EnumChildWindows(window, printChild, 0);
    return TRUE;
}

BOOL CALLBACK printMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info))
        std::printf("monitor %ld %ld %ld %ld %d\n", info.rcMonitor.left, info.rcMonitor.top,
                    info.rcMonitor.right - info.rcMonitor.left,
                    info.rcMonitor.bottom - info.rcMonitor.top,
                    (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in a bare line feed, as the Linux side reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc >= 2 && std::wcscmp(argv[1], L"--windows") == 0) {
        EnumWindows(printWindowAndChildren, 0);
        return 0;
    }
    if (argc >= 2 && std::wcscmp(argv[1], L"--screen") == 0) {
        const Rect screen = virtualScreen();
        std::printf("virtual %d %d %d %d\n", screen.left, screen.top, screen.width, screen.height);
        EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0);
        return 0;
    }
    Rect requested = virtualScreen();
    requested.height -= trayStripHeight;
    if (argc >= 6 && std::wcscmp(argv[1], L"--rect") == 0) {
        requested = Rect{static_cast<int>(std::wcstol(argv[2], nullptr, 10)),
                         static_cast<int>(std::wcstol(argv[3], nullptr, 10)),
                         static_cast<int>(std::wcstol(argv[4], nullptr, 10)),
                         static_cast<int>(std::wcstol(argv[5], nullptr, 10))};
    }
    if (requested.width <= 0 || requested.height <= 0) {
        std::fprintf(stderr, "PatternWindow: empty rectangle\n");
        return 2;
    }
    return showPattern(requested);
}
