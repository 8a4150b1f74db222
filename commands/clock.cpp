// system_seconds  The system clock as whole seconds of UTC from 1970, floored.
#include <cstdint>
#include <ctime>

#include "commands/options.hpp"

namespace solarlon::commands {

std::int64_t system_seconds() {
#ifdef _WIN32
    return static_cast<std::int64_t>(std::time(nullptr));  // whole seconds, from 1970 on
#else
    // The seconds of timespec are floored (the nanoseconds are never negative), before 1970 too.
    struct timespec ts {};
    if (::clock_gettime(CLOCK_REALTIME, &ts) != 0) return static_cast<std::int64_t>(std::time(nullptr));
    return static_cast<std::int64_t>(ts.tv_sec);
#endif
}

}  // namespace solarlon::commands
