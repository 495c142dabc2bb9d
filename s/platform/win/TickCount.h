#pragma once
// Milliseconds since the system started, as a 64-bit count that never wraps,
// on every Windows the library supports. GetTickCount64 exists from Vista on
// and is looked up at run time; on Windows XP the 32-bit GetTickCount, which
// wraps after 49.7 days, is widened here by counting its wraps.
//
// Header-only so that the portable core's Windows twins (a separate library
// from the Windows areas) can use it too. Any thread may call nowMs(): the
// wrap state is one atomic word.

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s::platform::win {

class TickCount {
public:
    static std::uint64_t nowMs() {
        static const auto tickCount64 = lookUpTickCount64();
        if (tickCount64 != nullptr) {
            return tickCount64();
        }
        return widen(GetTickCount());
    }

    // Widens one 32-bit reading against the last reading any thread made.
    // State: high 32 bits the number of wraps seen, low 32 bits the last
    // reading; 0 before the first reading. A reading up to half the range
    // ahead of the last one (modulo 2^32) moves the clock on, across a wrap
    // when it is numerically smaller; a reading behind the last one comes
    // from a thread that was overtaken and is answered in its own era
    // without moving the clock. Callers read far more often than every 24
    // days (pollers every few milliseconds), so no wrap goes unseen.
    static std::uint64_t widen(std::uint32_t reading) {
        static std::atomic<std::uint64_t> state{0};
        return widen(state, reading);
    }

    static std::uint64_t widen(std::atomic<std::uint64_t>& state, std::uint32_t reading) {
        std::uint64_t seen = state.load();
        for (;;) {
            const std::uint32_t last = static_cast<std::uint32_t>(seen);
            const std::uint64_t wraps = seen >> 32;
            const std::uint32_t ahead = reading - last;
            if (seen != 0 && ahead > kHalfRange) {
                const std::uint64_t era = reading > last ? wraps - 1 : wraps;
                return (era << 32) | reading;
            }
            const std::uint64_t next =
                seen == 0 ? reading : (((reading < last ? wraps + 1 : wraps) << 32) | reading);
            if (state.compare_exchange_weak(seen, next)) {
                return next;
            }
        }
    }

private:
    using TickCount64Function = ULONGLONG(WINAPI*)();
    static constexpr std::uint32_t kHalfRange = 0x80000000u;

    static TickCount64Function lookUpTickCount64() {
        const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        return kernel != nullptr ? reinterpret_cast<TickCount64Function>(reinterpret_cast<void*>(
                                       GetProcAddress(kernel, "GetTickCount64")))
                                 : nullptr;
    }
};

} // namespace s::platform::win
