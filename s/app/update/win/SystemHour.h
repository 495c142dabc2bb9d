#pragma once
#include <cstdint>

namespace s::app::update::win {

// The current hour for the update check: the system time in whole hours
// since 1970-01-01 00:00 UTC. Any thread.
class SystemHour {
public:
    static std::int64_t now();
};

} // namespace s::app::update::win
