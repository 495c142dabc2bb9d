// Tells the end-to-end scenarios whether windows take input: for every
// window handle given (decimal, as PatternWindow --windows prints them) one
// line "handle<TAB>1" when IsWindowEnabled says the window is enabled,
// "handle<TAB>0" when it is disabled, "handle<TAB>-" when there is no such
// window. A window is disabled while a modal window of its program holds it.
//
// Usage: WindowEnabled HANDLE...
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const unsigned long long value = std::wcstoull(argv[i], nullptr, 10);
        HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
        const char* state = !IsWindow(window) ? "-" : IsWindowEnabled(window) ? "1" : "0";
        std::printf("%llu\t%s\n", value, state);
    }
    return 0;
}
