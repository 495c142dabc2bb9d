#pragma once
#include <windows.h>

#include <cstdint>

namespace s::platform::win {

// The system's millisecond clock: signed milliseconds since 1970-01-01 UTC.
inline int64_t systemMilliseconds() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const int64_t units = (static_cast<int64_t>(time.dwHighDateTime) << 32) |
                          static_cast<int64_t>(time.dwLowDateTime);
    // 100-nanosecond units from 1601-01-01 to 1970-01-01.
    constexpr int64_t kEpochUnits = 116444736LL * 1000000000LL;
    return (units - kEpochUnits) / 10000;
}

} // namespace s::platform::win
