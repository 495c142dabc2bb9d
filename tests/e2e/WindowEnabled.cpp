// Tells the end-to-end scenarios whether windows take input: for every
// window handle given (decimal, as PatternWindow --windows prints them) one
// line "handle<TAB>1" when IsWindowEnabled says the window is enabled,
// "handle<TAB>0" when it is disabled, "handle<TAB>-" when there is no such
// window. A window is disabled while a modal window of its program holds it.
// With --system-close, posts the system's close command (WM_SYSCOMMAND
// SC_CLOSE, as the taskbar's "Close window" does) to the window instead.
//
// Usage: WindowEnabled HANDLE... | WindowEnabled --system-close HANDLE
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"--system-close") == 0) {
        HWND window =
            reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(argv[2], nullptr, 10)));
        return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    for (int i = 1; i < argc; ++i) {
        const unsigned long long value = std::wcstoull(argv[i], nullptr, 10);
        HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
        const char* state = !IsWindow(window) ? "-" : IsWindowEnabled(window) ? "1" : "0";
        std::printf("%llu\t%s\n", value, state);
    }
    return 0;
}
