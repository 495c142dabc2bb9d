#include "s/system/win/SystemLibrary.h"

#include "s/platform/win/WideText.h"

#include <cwchar>

namespace s::system::win {

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, named here since the XP headers lack it.
constexpr DWORD kSearchSystemFolder = 0x00000800;

using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

bool isBareName(const wchar_t* name) {
    if (name == nullptr || *name == 0) {
        return false;
    }
    return std::wcspbrk(name, L"\\/:") == nullptr;
}

bool defaultSearchIsRestricted() {
    // The search flags are accepted exactly where SetDefaultDllDirectories
    // exists.
    static const bool restricted = SystemLibrary::kernelFunction<SetDefaultDllDirectoriesFunction>(
                                       "SetDefaultDllDirectories") != nullptr;
    return restricted;
}

} // namespace

bool SystemLibrary::restrictSearchPath() {
    // An empty string takes the current folder out of the search order.
    if (const auto setDllDirectory = kernelFunction<SetDllDirectoryFunction>("SetDllDirectoryW")) {
        setDllDirectory(L"");
    }
    const auto setDefaultDirectories =
        kernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories");
    return setDefaultDirectories != nullptr && setDefaultDirectories(kSearchSystemFolder);
}

HMODULE SystemLibrary::load(const char16_t* fileName) {
    const wchar_t* name = s::platform::win::wide(fileName);
    if (!isBareName(name)) {
        return nullptr;
    }
    wchar_t path[MAX_PATH];
    const UINT folderLength = GetSystemDirectoryW(path, MAX_PATH);
    if (folderLength == 0 || folderLength + 1 + std::wcslen(name) >= MAX_PATH) {
        return nullptr;
    }
    path[folderLength] = L'\\';
    std::wcscpy(path + folderLength + 1, name);
    // With a full path the loader searches nothing for the library itself;
    // the altered search path makes its own dependencies come from its folder.
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE SystemLibrary::loadSideBySide(const char16_t* fileName) {
    const wchar_t* name = s::platform::win::wide(fileName);
    if (!isBareName(name)) {
        return nullptr;
    }
    return LoadLibraryExW(name, nullptr, defaultSearchIsRestricted() ? kSearchSystemFolder : 0);
}

} // namespace s::system::win
