#pragma once
#include <cstdint>

namespace s::system::win {

// The operating system's version, filled once per process on first use under
// a process-wide lock and never refreshed. RtlGetVersion is looked up by name
// (it reports the true version, which GetVersionExW hides from programs
// without a matching manifest); GetVersionExW is the fallback.
struct OsVersion {
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    // The platform id is 2: the NT family.
    bool isNT = false;
    bool atLeast60 = false;
    bool atLeast61 = false;

    // The process-wide record.
    static const OsVersion& get();
};

} // namespace s::system::win
