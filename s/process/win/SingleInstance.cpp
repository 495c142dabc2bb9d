#include "s/process/win/SingleInstance.h"

#include "s/platform/win/WideText.h"
#include "s/str/Ascii.h"
#include "s/system/win/SystemLibrary.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdint>
#include <cwchar>
#include <string>

namespace s::process::win {

namespace {

constexpr DWORD kPathCapacity = 32768;
// Query access that also works on processes of higher integrity (Vista+);
// older systems fall back to the full query right.
constexpr DWORD kLimitedQuery = 0x1000;

// FNV-1a over the case-folded path: a fixed-length, backslash-free name part.
uint64_t pathHash(const wchar_t* path) {
    uint64_t hash = 1469598103934665603ULL;
    for (; *path != 0; ++path) {
        hash ^= static_cast<uint16_t>(s::str::Ascii::toLower(static_cast<char16_t>(*path)));
        hash *= 1099511628211ULL;
    }
    return hash;
}

using QueryImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
using ModuleFileNameFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

// GetModuleFileNameExW lives in kernel32 from Windows 7 on and in psapi.dll
// before; both are looked up at run time so that the program starts on XP,
// and psapi.dll only ever comes from the system folder.
ModuleFileNameFunction lookUpModuleFileName() {
    using s::system::win::SystemLibrary;
    if (const auto inKernel =
            SystemLibrary::kernelFunction<ModuleFileNameFunction>("K32GetModuleFileNameExW")) {
        return inKernel;
    }
    // Kept loaded for the rest of the process: the function is cached.
    return SystemLibrary::function<ModuleFileNameFunction>(SystemLibrary::load(u"psapi.dll"),
                                                           "GetModuleFileNameExW");
}

// The full program path of another process, looked up the newest way the
// system offers.
bool processPath(HANDLE process, wchar_t* path, DWORD capacity) {
    static const auto queryImageName =
        s::system::win::SystemLibrary::kernelFunction<QueryImageNameFunction>(
            "QueryFullProcessImageNameW");
    if (queryImageName != nullptr) {
        DWORD size = capacity;
        if (queryImageName(process, 0, path, &size)) {
            return true;
        }
    }
    static const auto moduleFileName = lookUpModuleFileName();
    return moduleFileName != nullptr && moduleFileName(process, nullptr, path, capacity) > 0;
}

HANDLE openForQuery(DWORD processId) {
    HANDLE process = OpenProcess(kLimitedQuery, FALSE, processId);
    if (process == nullptr) {
        process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    }
    return process;
}

uint64_t creationTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return UINT64_MAX;
    }
    return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool isEarlierCopy(const PROCESSENTRY32W& entry, const wchar_t* ownPath, uint64_t ownStart,
                   wchar_t* buffer) {
    const HANDLE process = openForQuery(entry.th32ProcessID);
    if (process == nullptr) {
        return false;
    }
    const bool same = processPath(process, buffer, kPathCapacity) &&
                      s::str::Ascii::equalsIgnoreCase(s::platform::win::utf16(buffer),
                                                      s::platform::win::utf16(ownPath)) &&
                      creationTime(process) < ownStart;
    CloseHandle(process);
    return same;
}

bool findEarlierProcess(const wchar_t* ownPath, wchar_t* buffer) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD ownId = GetCurrentProcessId();
    const uint64_t ownStart = creationTime(GetCurrentProcess());
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        found = entry.th32ProcessID != ownId && isEarlierCopy(entry, ownPath, ownStart, buffer);
    }
    CloseHandle(snapshot);
    return found;
}

// "Local\<instance name>.<16 hex digits of the path hash>": one session's
// copies of one program file share it.
std::wstring mutexName(const char16_t* instanceName, const wchar_t* path) {
    wchar_t hash[24];
    swprintf(hash, 24, L".%016llx", static_cast<unsigned long long>(pathHash(path)));
    std::wstring name(L"Local\\");
    name += s::platform::win::wide(instanceName != nullptr ? instanceName : u"");
    name += hash;
    return name;
}

} // namespace

bool SingleInstance::findOtherInstance(const char16_t* instanceName) {
    static wchar_t ownPath[kPathCapacity];
    static wchar_t buffer[kPathCapacity];
    if (GetModuleFileNameW(nullptr, ownPath, kPathCapacity) == 0) {
        return false;
    }
    const std::wstring name = mutexName(instanceName, ownPath);
    // Windows refuses object names past MAX_PATH, and Wine was seen to cut
    // very long ones short instead: refuse them the same way everywhere.
    // Deliberately never closed: the mutex marks this copy until it ends.
    const HANDLE mutex =
        name.size() < MAX_PATH ? CreateMutexW(nullptr, FALSE, name.c_str()) : nullptr;
    if (mutex != nullptr) {
        return GetLastError() == ERROR_ALREADY_EXISTS;
    }
    // Without the mutex only the process list can tell.
    return findEarlierProcess(ownPath, buffer);
}

} // namespace s::process::win
