#include "s/system/win/OsVersion.h"

#include <windows.h>

#include <mutex>

namespace s::system::win {

namespace {

// The version block both queries fill: 276 bytes, its size field set.
constexpr DWORD kVersionBlockSize = sizeof(OSVERSIONINFOW);
static_assert(kVersionBlockSize == 276, "the version block is 276 bytes");
constexpr DWORD kNtPlatform = 2;

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

OSVERSIONINFOW queryRtlVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = kVersionBlockSize;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll != nullptr ? reinterpret_cast<RtlGetVersionFunction>(
                               reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                         : nullptr;
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        info = OSVERSIONINFOW{};
        info.dwOSVersionInfoSize = kVersionBlockSize;
    }
    return info;
}

OsVersion queryOsVersion() {
    OSVERSIONINFOW info = queryRtlVersion();
    if (info.dwMajorVersion == 0 && info.dwMinorVersion == 0 && info.dwBuildNumber == 0) {
        info = OSVERSIONINFOW{};
        info.dwOSVersionInfoSize = kVersionBlockSize;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExW(&info);
#pragma GCC diagnostic pop
    }
    OsVersion version;
    version.majorVersion = info.dwMajorVersion;
    version.minorVersion = info.dwMinorVersion;
    version.isNT = info.dwPlatformId == kNtPlatform;
    version.atLeast60 = version.majorVersion >= 6;
    version.atLeast61 =
        version.majorVersion > 6 || (version.majorVersion == 6 && version.minorVersion >= 1);
    return version;
}

} // namespace

const OsVersion& OsVersion::get() {
    static std::once_flag filled;
    static OsVersion version;
    std::call_once(filled, [] { version = queryOsVersion(); });
    return version;
}

} // namespace s::system::win
