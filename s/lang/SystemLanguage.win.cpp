#include "s/lang/SystemLanguage.h"

#include "s/platform/win/WideText.h"

#include <windows.h>

namespace s::lang::system {

namespace {

// RtlGetVersion tells the true version even to programs without a manifest
// entry for the running system, where GetVersionExW answers an older one.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

std::uint32_t queryMajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll != nullptr) {
        auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        if (rtlGetVersion != nullptr && rtlGetVersion(&info) == 0) {
            return info.dwMajorVersion;
        }
    }
    if (GetVersionExW(&info)) {
        return info.dwMajorVersion;
    }
    return 0;
}

} // namespace

std::uint16_t userUiLanguageId() {
    return GetUserDefaultUILanguage();
}

std::uint32_t majorVersion() {
    static const std::uint32_t major = queryMajorVersion();
    return major;
}

bool findModuleResource(const void* module, const char16_t* type, std::int32_t id,
                        const std::uint8_t*& bytes, std::size_t& count) {
    bytes = nullptr;
    count = 0;
    HMODULE handle = module != nullptr ? static_cast<HMODULE>(const_cast<void*>(module))
                                       : GetModuleHandleW(nullptr);
    if (handle == nullptr || type == nullptr) {
        return false;
    }
    HRSRC found = FindResourceW(handle, MAKEINTRESOURCEW(id), s::platform::win::wide(type));
    if (found == nullptr) {
        return false;
    }
    DWORD size = SizeofResource(handle, found);
    HGLOBAL loaded = LoadResource(handle, found);
    if (loaded == nullptr || size == 0) {
        return false;
    }
    // Resources stay mapped while the module is loaded; nothing to free.
    const void* data = LockResource(loaded);
    if (data == nullptr) {
        return false;
    }
    bytes = static_cast<const std::uint8_t*>(data);
    count = size;
    return true;
}

} // namespace s::lang::system
