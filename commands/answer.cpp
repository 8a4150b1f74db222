// instant_text, shown_instant, day_text, degrees_text, longitude_text  The values of the one-shot
//     commands' answers as text.
#include <cstdio>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"
#include "console/texts.hpp"

namespace solarlon::commands {

namespace {

// Whole numbers of an instant, zero-padded to WIDTH; NaN and the like print as they are.
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

std::string instant_text(const sun::Instant& t, const std::string& second, int zone_minutes, bool iso) {
    const bool tt = t.scale == sun::Scale::tt;
    return year_text(t.year) + "-" + padded(t.month, 2) + "-" + padded(t.day, 2) + (iso ? "T" : " ") +
           padded(t.hour, 2) + ":" + padded(t.minute, 2) + ":" + second + (iso ? "" : " ") +
           (tt ? (iso ? "" : "TT") : sun::zone_offset(zone_minutes / 60.0));
}

std::string shown_instant(const sun::Instant& t, bool iso) {
    std::string s = sun::to_string(t);
    if (iso || s.empty()) return s;
    const std::size_t clock = s.find('T');  // 2027-01-05T23:06:41+09:00: the year is digits and a sign
    s[clock] = ' ';
    const std::size_t end = clock + 9;
    return s.substr(0, end) + " " + (t.scale == sun::Scale::tt ? std::string("TT") : s.substr(end));
}

std::string day_text(const sun::DecimalDate& d) {
    const std::string f = io::format_f(d.day, 7, 3);
    const std::string day = f.substr(f.find_first_not_of(' '));
    return year_text(d.year) + "-" + padded(d.month, 2) + "-" + (day.size() < 6 ? "0" : "") + day;
}

std::string degrees_text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v == 0.0 || v == 360.0 ? 0.0 : v);  // -0 and 360 as 0
    return buf;
}

std::string longitude_text(double lon) {
    const std::string f = io::format_f(lon, 10, 5);
    // A longitude a hair under 360 rounds to the same direction as 0.
    if (f == " 360.00000") return "0.00000";
    return f.substr(f.find_first_not_of(' '));
}

}  // namespace solarlon::commands
