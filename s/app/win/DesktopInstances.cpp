#include "s/app/win/DesktopInstances.h"

#include <windows.h>

#include <tlhelp32.h>

#include <string>
#include <vector>

#include "s/platform/win/WideText.h"
#include "s/str/Ascii.h"
#include "s/system/win/SystemLibrary.h"

namespace s::app::win {

namespace {

constexpr DWORD kPathCapacity = 32768;
// Query access that also works on processes of higher integrity (Vista+).
constexpr DWORD kLimitedQuery = 0x1000;

using QueryImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);

// The path of a process's first module (its program file) from a module
// snapshot; the image name the system keeps (Vista and later) when no
// snapshot can be taken. The latter is asked for in its ordinary drive form,
// since the device form ("\Device\HarddiskVolume1\...") never equals a
// program path.
std::u16string processPath(DWORD processId) {
    const HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (modules != INVALID_HANDLE_VALUE) {
        MODULEENTRY32W entry = {};
        entry.dwSize = sizeof(entry);
        const BOOL found = Module32FirstW(modules, &entry);
        CloseHandle(modules);
        if (found) {
            return s::platform::win::utf16(entry.szExePath);
        }
    }
    static const auto queryImageName =
        s::system::win::SystemLibrary::kernelFunction<QueryImageNameFunction>(
            "QueryFullProcessImageNameW");
    const HANDLE process =
        queryImageName != nullptr ? OpenProcess(kLimitedQuery, FALSE, processId) : nullptr;
    if (process == nullptr) {
        return std::u16string();
    }
    std::vector<wchar_t> path(kPathCapacity);
    DWORD size = kPathCapacity;
    const bool read = queryImageName(process, 0, path.data(), &size) != FALSE;
    CloseHandle(process);
    return read ? std::u16string(s::platform::win::utf16(path.data())) : std::u16string();
}

// What the window walk collects: the other processes that own a window.
struct DesktopWalk {
    DWORD ownId = 0;
    std::vector<DWORD> owners;
};

BOOL CALLBACK collectOwner(HWND window, LPARAM walkAddress) {
    auto* walk = reinterpret_cast<DesktopWalk*>(walkAddress);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != 0 && processId != walk->ownId) {
        for (DWORD known : walk->owners) {
            if (known == processId) {
                return TRUE;
            }
        }
        walk->owners.push_back(processId);
    }
    return TRUE;
}

} // namespace

bool DesktopInstances::otherCopyOnDesktop(const char16_t* programPath) {
    if (programPath == nullptr || *programPath == 0) {
        return false;
    }
    DesktopWalk walk;
    walk.ownId = GetCurrentProcessId();
    EnumDesktopWindows(GetThreadDesktop(GetCurrentThreadId()), &collectOwner,
                       reinterpret_cast<LPARAM>(&walk));
    for (DWORD owner : walk.owners) {
        const std::u16string path = processPath(owner);
        if (!path.empty() && s::str::Ascii::equalsIgnoreCase(path.c_str(), programPath)) {
            return true;
        }
    }
    return false;
}

} // namespace s::app::win
