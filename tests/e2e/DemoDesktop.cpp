// The demo's stand-in desktop: one borderless window over the primary screen
// (except a strip at the bottom, where Wine's tray window is put) that paints
// what a person recognises at a glance: a desktop background with a few
// labelled icons and a text editor window with a short letter in an ordinary
// font. The demo (tests/e2e/demo.py) photographs it before and during the
// lens, so that the enlargement of the letter's text is obvious.
//
// One thread: the window, its painting and its message loop.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr const wchar_t* kClassName = L"VexaDemoDesktop";
constexpr const wchar_t* kTitle = L"Vexa Demo Desktop";
// Left free at the bottom for the tray (the e2e harness's TRAY_STRIP).
constexpr int kTrayStrip = 64;

// Desktop icons: a shell icon (index into shell32.dll, as Wine numbers them),
// the stock icon to use when it cannot be had, and the label.
struct DesktopIcon {
    int shellIndex;
    LPCWSTR stockIcon;
    const wchar_t* label;
};

const DesktopIcon kIcons[] = {
    {15, IDI_APPLICATION, L"Computer"}, {3, IDI_INFORMATION, L"Documents"},
    {4, IDI_INFORMATION, L"Photos"},    {31, IDI_WARNING, L"Recycle Bin"},
    {23, IDI_QUESTION, L"Help"},
};

const wchar_t* const kLetter[] = {
    L"Dear Anna,",
    L"",
    L"thank you for the photos of the garden. The roses look",
    L"wonderful this year, and the little pond is finished at last.",
    L"",
    L"We would love to visit you on Saturday, 14 June, at about",
    L"three o'clock. Shall we bring a cake? Tom says the apple",
    L"pie from the bakery on Market Street is the best in town.",
    L"",
    L"Please call me at 0171 234 5678 if the day does not suit you.",
    L"",
    L"With warm wishes,",
    L"Maria",
};

// The editor window's frame on the desktop.
constexpr RECT kEditor = {440, 130, 1440, 780};
constexpr int kCaptionHeight = 34;
constexpr int kMenuHeight = 28;

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

HFONT makeFont(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void drawText(HDC dc, HFONT font, COLORREF colour, int x, int y, const wchar_t* text) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, x, y, text, lstrlenW(text));
    SelectObject(dc, previous);
}

// Sky-to-sea bands: a calm background that makes icons and window stand out.
void paintBackground(HDC dc, const RECT& client) {
    const int bands = 64;
    const int height = client.bottom;
    for (int band = 0; band < bands; ++band) {
        RECT rect = {0, height * band / bands, client.right, height * (band + 1) / bands};
        fill(dc, rect, RGB(20 + band, 90 + band, 140 + band / 2));
    }
}

void paintIcons(HDC dc, HFONT font) {
    int y = 40;
    for (const DesktopIcon& entry : kIcons) {
        HICON icon = nullptr;
        if (ExtractIconExW(L"shell32.dll", entry.shellIndex, &icon, nullptr, 1) != 1 ||
            icon == nullptr) {
            icon = LoadIconW(nullptr, entry.stockIcon);
        }
        DrawIconEx(dc, 56, y, icon, 48, 48, 0, nullptr, DI_NORMAL);
        RECT label = {10, y + 54, 150, y + 80};
        HGDIOBJ previous = SelectObject(dc, font);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, entry.label, -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
        y += 120;
    }
}

void paintEditor(HDC dc, HFONT captionFont, HFONT menuFont, HFONT textFont) {
    RECT shadow = {kEditor.left + 8, kEditor.top + 8, kEditor.right + 8, kEditor.bottom + 8};
    fill(dc, shadow, RGB(10, 40, 70));
    fill(dc, kEditor, RGB(160, 160, 160));
    RECT caption = {kEditor.left + 1, kEditor.top + 1, kEditor.right - 1,
                    kEditor.top + kCaptionHeight};
    fill(dc, caption, RGB(0, 84, 166));
    drawText(dc, captionFont, RGB(255, 255, 255), caption.left + 12, caption.top + 7,
             L"Letter to Anna.txt - Notepad");
    // The caption buttons: minimise, maximise, close.
    for (int button = 0; button < 3; ++button) {
        RECT box = {caption.right - 44 * (3 - button), caption.top + 4,
                    caption.right - 44 * (3 - button) + 40, caption.bottom - 4};
        fill(dc, box, button == 2 ? RGB(196, 43, 28) : RGB(40, 120, 200));
    }
    RECT menu = {caption.left, caption.bottom, caption.right, caption.bottom + kMenuHeight};
    fill(dc, menu, RGB(240, 240, 240));
    drawText(dc, menuFont, RGB(0, 0, 0), menu.left + 12, menu.top + 5,
             L"File     Edit     Format     View     Help");
    RECT page = {menu.left, menu.bottom, menu.right, kEditor.bottom - 1};
    fill(dc, page, RGB(255, 255, 255));
    int y = page.top + 18;
    for (const wchar_t* line : kLetter) {
        drawText(dc, textFont, RGB(20, 20, 20), page.left + 24, y, line);
        y += 32;
    }
}

void paintDesktop(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    HFONT labelFont = makeFont(16, FW_NORMAL);
    HFONT captionFont = makeFont(17, FW_BOLD);
    HFONT menuFont = makeFont(16, FW_NORMAL);
    HFONT textFont = makeFont(22, FW_NORMAL);
    paintBackground(dc, client);
    paintIcons(dc, labelFont);
    paintEditor(dc, captionFont, menuFont, textFont);
    DeleteObject(labelFont);
    DeleteObject(captionFont);
    DeleteObject(menuFont);
    DeleteObject(textFont);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintDesktop(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) {
        return 1;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // WS_SYSMENU on a popup lets the window take the keyboard focus, which
    // Wine needs to pass key presses to the magnifier's key polling.
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, kClassName, kTitle, WS_POPUP | WS_SYSMENU, 0, 0,
                                  width, height - kTrayStrip, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
