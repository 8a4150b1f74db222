// printed_second, to_string  An instant as the one-shot commands print it: to the whole second, a leap
//     second kept, as ISO 8601 with the zone's offset.
#include <cmath>
#include <cstdio>
#include <string>

#include <solarlon/sun.hpp>

namespace solarlon::sun {

namespace {

// A field of a whole number, zero-padded to WIDTH.
std::string padded(double v, int width) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0*.0f", width, v);
    return buf;
}

// A year as four digits, or signed (-0500, +10000) outside 0 to 9999.
std::string year_text(double y) {
    char buf[64];
    std::snprintf(buf, sizeof buf, y >= 0.0 && y <= 9999.0 ? "%04.0f" : "%+05.0f", y);
    return buf;
}

}  // namespace

Instant printed_second(const Instant& at) {
    // In UTC the half second before a leap second of the table rounds into it, not into the next day.
    Instant leap = at;
    leap.second = 60.0;
    if (at.scale == Scale::utc && at.second >= 59.5 && at.second < 60.0 && is_leap_second(leap)) return leap;
    return to_second(at);
}

std::string zone_offset(double zone) {
    if (!std::isfinite(zone) || std::fabs(zone) >= 100.0) return "";
    const int minutes = static_cast<int>(std::lround(zone * 60.0));  // under 6000
    const int m = minutes < 0 ? -minutes : minutes;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c%02d:%02d", minutes < 0 ? '-' : '+', m / 60, m % 60);
    return buf;
}

std::string to_string(const Instant& at, std::string_view second) {
    if (!is_finite(at) || !std::isfinite(at.zone)) return "";
    return year_text(at.year) + "-" + padded(at.month, 2) + "-" + padded(at.day, 2) + "T" + padded(at.hour, 2) + ":" +
           padded(at.minute, 2) + ":" + std::string(second) + (at.scale == Scale::tt ? "" : zone_offset(at.zone));
}

std::string to_string(const Instant& at) {
    if (!is_finite(at)) return "";
    const Instant s = printed_second(at);
    return to_string(s, padded(s.second, 2));
}

}  // namespace solarlon::sun
