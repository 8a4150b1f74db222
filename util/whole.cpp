// whole_saturated, to_int32  Whole numbers truncated into a range.
#include <cmath>
#include <cstdint>

#include <solarlon/util.hpp>

namespace solarlon {

std::int64_t whole_saturated(double x, std::int64_t lo, std::int64_t hi) {
    if (std::isnan(x)) return 0;
    const double t = std::trunc(x);
    if (t <= static_cast<double>(lo)) return lo;
    if (t >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(t);
}

std::int32_t to_int32(double x) { return static_cast<std::int32_t>(whole_saturated(x, INT32_MIN, INT32_MAX)); }

}  // namespace solarlon
