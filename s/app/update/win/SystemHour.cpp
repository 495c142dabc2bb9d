#include "s/app/update/win/SystemHour.h"

#include "s/app/update/UpdateRules.h"

#include <windows.h>

namespace s::app::update::win {

std::int64_t SystemHour::now() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const std::uint64_t units =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return s::app::update::UpdateRules::hourFromFileTime(units);
}

} // namespace s::app::update::win
