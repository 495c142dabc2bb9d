// The installer's and uninstaller's helper: ends the copies of Vexa Magnifier
// that run from one program file, the way the user would (a close message to
// the lens window; the program then removes its tray icon and ends), so that
// the file can be replaced or removed. Copies that run from other files, a
// portable copy on a USB stick for example, and other programs built on the
// same window toolkit are left alone: a window counts only when its class is
// the toolkit's, it has an owner (the lens is owned by the toolkit's hidden
// owner window, which must not be closed by itself) and its process runs
// exactly the given file.
//
// Usage: CloseRunning.exe PROGRAM-PATH [TIMEOUT-MS]
// Exit code: 0 when no copy of PROGRAM-PATH runs any more, 1 when one still
// runs after the timeout (default 10 s), 2 on bad arguments.

#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "s/system/win/SystemLibrary.h"

namespace {

using s::system::win::SystemLibrary;

constexpr const wchar_t* kWindowClass = L"CorvelWindowClass";
constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kPathCapacity = 32768;
// Query access that works on processes of higher integrity (Vista and later);
// older systems fall back to the full query right.
constexpr DWORD kLimitedQuery = 0x1000;

using QueryImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
using ModuleFileNameFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

wchar_t foldAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

bool sameText(const wchar_t* a, const wchar_t* b) {
    for (; *a != 0 && *b != 0; ++a, ++b) {
        if (foldAscii(*a) != foldAscii(*b)) {
            return false;
        }
    }
    return *a == *b;
}

// The long form of a path (short 8.3 names expanded), or the path itself.
std::wstring longPath(const wchar_t* path) {
    std::vector<wchar_t> buffer(kPathCapacity);
    const DWORD length = GetLongPathNameW(path, buffer.data(), kPathCapacity);
    return length > 0 && length < kPathCapacity ? std::wstring(buffer.data(), length)
                                                : std::wstring(path);
}

// The program file of a process, found the newest way the system offers:
// QueryFullProcessImageNameW from Vista on (it also reads 64-bit processes
// from a 32-bit one), else GetModuleFileNameExW of kernel32 (7) or psapi.
bool processPath(HANDLE process, std::vector<wchar_t>& path) {
    static const auto queryImageName =
        SystemLibrary::kernelFunction<QueryImageNameFunction>("QueryFullProcessImageNameW");
    static const auto moduleFileName = [] {
        const auto inKernel =
            SystemLibrary::kernelFunction<ModuleFileNameFunction>("K32GetModuleFileNameExW");
        return inKernel != nullptr ? inKernel
                                   : SystemLibrary::function<ModuleFileNameFunction>(
                                         SystemLibrary::load(u"psapi.dll"), "GetModuleFileNameExW");
    }();
    DWORD size = kPathCapacity;
    if (queryImageName != nullptr && queryImageName(process, 0, path.data(), &size)) {
        return true;
    }
    return moduleFileName != nullptr &&
           moduleFileName(process, nullptr, path.data(), kPathCapacity) > 0;
}

HANDLE openProcess(DWORD processId) {
    const DWORD access = SYNCHRONIZE | PROCESS_VM_READ;
    HANDLE process = OpenProcess(access | kLimitedQuery, FALSE, processId);
    return process != nullptr ? process
                              : OpenProcess(access | PROCESS_QUERY_INFORMATION, FALSE, processId);
}

// Posts a close to every lens window of a copy that runs `program`; answers
// the handles of those copies' processes (the caller closes them).
std::vector<HANDLE> closeCopies(const std::wstring& program) {
    std::vector<HANDLE> copies;
    std::vector<wchar_t> path(kPathCapacity);
    for (HWND window = FindWindowExW(nullptr, nullptr, kWindowClass, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, kWindowClass, nullptr)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (GetWindow(window, GW_OWNER) == nullptr || processId == GetCurrentProcessId()) {
            continue;
        }
        HANDLE process = openProcess(processId);
        if (process == nullptr) {
            continue;
        }
        if (processPath(process, path) &&
            sameText(longPath(path.data()).c_str(), program.c_str())) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            copies.push_back(process);
        } else {
            CloseHandle(process);
        }
    }
    return copies;
}

// Waits until every process has ended or the time is up; answers whether
// they all ended.
bool waitEnded(const std::vector<HANDLE>& copies, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (HANDLE process : copies) {
        const DWORD spent = GetTickCount() - start;
        const DWORD left = spent < timeoutMs ? timeoutMs - spent : 0;
        if (WaitForSingleObject(process, left) != WAIT_OBJECT_0) {
            return false;
        }
    }
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const int argumentCount = __argc;
    wchar_t** arguments = __wargv;
    // Run from a temporary folder: nothing there may be loaded as a library.
    SystemLibrary::restrictSearchPath();
    if (argumentCount < 2 || arguments[1][0] == 0) {
        return 2;
    }
    const DWORD timeoutMs = argumentCount > 2
                                ? static_cast<DWORD>(std::wcstoul(arguments[2], nullptr, 10))
                                : kDefaultTimeoutMs;
    const std::wstring program = longPath(arguments[1]);
    const std::vector<HANDLE> copies = closeCopies(program);
    const bool ended = waitEnded(copies, timeoutMs);
    for (HANDLE process : copies) {
        CloseHandle(process);
    }
    return ended ? 0 : 1;
}
