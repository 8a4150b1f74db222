// to_second, decimal_date  An instant as the program prints it: a valid Gregorian date.
#include <cmath>
#include <cstdint>

#include <solarlon/sun.hpp>
#include <solarlon/util.hpp>

#include "civil.hpp"

namespace solarlon::sun {

namespace {

// Whole numbers that the day arithmetic can carry without overflow.
constexpr double kYears = 1.0e7;
constexpr double kDays = 1.0e9;

bool whole(double v) { return v == std::floor(v); }

bool carriable(double y, double m, double d) {
    return std::fabs(y) < kYears && m >= 1.0 && m <= 12.0 && std::fabs(d) < kDays && whole(y) && whole(m) && whole(d);
}

// shown_whole_day  The whole part of the day V as it shows to the thousandth (F7.3: rounded half to
//                  even on the exact binary value), for V from 1 up to 1000; -1 elsewhere.
//  Method:   V shows as its whole part W plus one when its fraction exceeds 0.9995 (a binary fraction
//            is never exactly that), that is when R = W + 1 - V (exact: V and W + 1 lie within a
//            factor 2) is below 1/2000. With R = M 2^(E-53), M a 53-bit integer, that is
//            125 M < 2^(49-E), in 64-bit integers.
double shown_whole_day(double v) {
    if (!(v >= 1.0 && v < 1000.0)) return -1.0;
    const double w = std::floor(v);
    const double r = (w + 1.0) - v;  // (0, 1]
    int e = 0;
    const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(std::frexp(r, &e), 53));
    const int shift = 49 - e;
    const bool up = shift >= 64 || (shift > 0 && 125u * m < (std::uint64_t{1} << shift));
    return up ? w + 1.0 : w;
}

}  // namespace

Instant to_second(const Instant& at) {
    Instant r = at;
    // A leap second stays in its minute (23:59:60) or rounds to the next minute's start.
    if (at.second >= 60.0 && at.second < 61.0 && whole(at.hour) && whole(at.minute) && at.hour >= 0.0 &&
        at.hour <= 23.0 && at.minute >= 0.0 && at.minute <= 59.0 && carriable(at.year, at.month, at.day)) {
        if (at.second < 60.5) {
            r.second = 60.0;
            return r;
        }
        r.minute += 1.0;
        r.second = 0.0;
        return to_second(r);
    }
    // Seconds from 0 h, rounded half up (for a time after 0 h, the program's rounding).
    const double secs = std::floor(at.hour * 3600.0 + at.minute * 60.0 + at.second + 0.5);
    const double year = at.year, mon = at.month, day = at.day;
    if (!std::isfinite(secs) || std::fabs(secs) >= kDays * 86400.0 || !carriable(year, mon, day)) {
        r.hour = nint(at.hour);
        r.minute = nint(at.minute);
        r.second = nint(at.second);
        return r;
    }
    const double carry = std::floor(secs / 86400.0);
    const double rest = secs - carry * 86400.0;  // [0, 86399]
    const std::int64_t z = detail::days_from_civil(static_cast<std::int64_t>(year), static_cast<std::int64_t>(mon), 1) +
                           static_cast<std::int64_t>(day) - 1 + static_cast<std::int64_t>(carry);
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(z, y, m, d);
    r.year = static_cast<double>(y);
    r.month = static_cast<double>(m);
    r.day = static_cast<double>(d);
    r.hour = std::floor(rest / 3600.0);
    r.minute = std::floor((rest - r.hour * 3600.0) / 60.0);
    r.second = rest - r.hour * 3600.0 - r.minute * 60.0;
    return r;
}

DecimalDate decimal_date(const Instant& at) {
    DecimalDate r{at.year, at.month,
                  at.day + at.hour / 24.0 + at.minute / 24.0 / 60.0 + at.second / 24.0 / 60.0 / 60.0};
    if (!carriable(r.year, r.month, std::floor(r.day))) return r;
    const double shown = shown_whole_day(r.day);
    if (shown < 0.0 || shown > 999.0) return r;  // a day that F7.3 does not show (asterisks), or before 1
    const std::int64_t y0 = static_cast<std::int64_t>(r.year), m0 = static_cast<std::int64_t>(r.month);
    const std::int64_t first = detail::days_from_civil(y0, m0, 1);
    const std::int64_t length = detail::days_from_civil(m0 == 12 ? y0 + 1 : y0, m0 == 12 ? 1 : m0 + 1, 1) - first;
    if (shown < static_cast<double>(length + 1)) return r;  // a day of this month as it reads
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(first + static_cast<std::int64_t>(shown) - 1, y, m, d);
    const std::int64_t shift = detail::days_from_civil(y, m, 1) - first;  // days moved into the months after
    r.year = static_cast<double>(y);
    r.month = static_cast<double>(m);
    r.day -= static_cast<double>(shift);
    return r;
}

}  // namespace solarlon::sun
