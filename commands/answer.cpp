// instant_text, shown_instant, day_text, degrees_text, longitude_text  The values of the one-shot
//     commands' answers as text.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"
#include "console/texts.hpp"

namespace solarlon::commands {

namespace {

// An instant of to_string for people: blanks between the date, the time and the offset (or TT).
std::string for_people(std::string iso, bool tt) {
    if (iso.empty()) return iso;
    const std::size_t clock = iso.find('T');  // the year is digits and a sign
    iso[clock] = ' ';
    if (tt) return iso + " TT";
    const std::size_t offset = iso.find_first_of("+-", clock);
    return iso.substr(0, offset) + " " + iso.substr(offset);
}

}  // namespace

std::string instant_text(const sun::Instant& t, const std::string& second, int zone_minutes, bool iso) {
    sun::Instant in_zone = t;
    in_zone.zone = zone_minutes / 60.0;
    const std::string s = sun::to_string(in_zone, second);
    return iso ? s : for_people(s, t.scale == sun::Scale::tt);
}

std::string shown_instant(const sun::Instant& t, bool iso) {
    const std::string s = sun::to_string(t);
    return iso ? s : for_people(s, t.scale == sun::Scale::tt);
}

Passage passage(double longitude, const sun::Instant& at) {
    if (!std::isfinite(longitude) || !sun::is_finite(at)) return Passage{};
    const sun::Instant s = sun::printed_second(at);
    return Passage{degrees_text(longitude), shown_instant(s, true), shown_instant(s, false)};
}

std::string day_text(const sun::DecimalDate& d) {
    const std::string f = io::format_f(d.day, 7, 3);
    const std::string day = f.substr(f.find_first_not_of(' '));
    // The year and the month as to_string writes them: 1978-03-.
    const std::string date = sun::to_string(sun::Instant{d.year, d.month, 1, 0, 0, 0, 0, sun::Scale::tt}, "00");
    if (date.empty()) return "";
    return date.substr(0, date.find('T') - 2) + (day.size() < 6 ? "0" : "") + day;
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
