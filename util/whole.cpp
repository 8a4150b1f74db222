// whole_saturated  Truncation toward zero into a range of whole numbers.
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

}  // namespace solarlon
