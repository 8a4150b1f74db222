// DAYNUM  Whole-day count of a Gregorian calendar date.
#include <solarlon/equinox.hpp>
#include <solarlon/util.hpp>

#include <cmath>
#include <cstdint>
#include <limits>

namespace solarlon {

namespace {

// Whole part of a date value as a 64-bit count, saturated so that no input is undefined behaviour.
std::int64_t whole(double v) { return whole_saturated(v + 0.0000001, -1000000000000000, 1000000000000000); }

}  // namespace

double DAYNUM(const double& YEAR, const double& MON, const double& DAY) {
    // A NaN part is no date: it must reach the caller, not saturate into a day number.
    if (std::isnan(YEAR) || std::isnan(MON) || std::isnan(DAY)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const std::int64_t y = whole(YEAR);  // year, 1 and later in the domain
    const std::int64_t m = whole(MON);   // month, 1..12 usually; any value is carried
    const std::int64_t d = whole(DAY);   // day of month, 0 = last day of the previous month
    std::int64_t n = 365 * y + 31 * (m - 1) + d;  // days as if every month had 31
    if (m <= 2) {
        // January and February count the leap days of the years before this one.
        n += (y - 1) / 4 - static_cast<std::int64_t>(0.75 * static_cast<double>((y - 1) / 100 + 1) + 0.000001);
    } else {
        // 3, 3, 4, 4, 5, 5, 5, 6, 6, 7 days short for March to December; this year's leap day counts.
        n += -static_cast<std::int64_t>(0.4 * static_cast<double>(m) + 2.3 + 0.000001) + y / 4 -
             static_cast<std::int64_t>(0.75 * static_cast<double>(y / 100 + 1) + 0.000001);
    }
    return static_cast<double>(n);
}

}  // namespace solarlon
