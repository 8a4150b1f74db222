// ics, ics_stamp  An iCalendar file (RFC 5545) of all-day events, for a calendar application.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

// A TEXT value: backslash, semicolon, comma and newline escaped.
std::string escaped(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out;
}

// Content lines of at most 75 octets: a longer one goes on in lines that begin with a blank, and is
// never cut inside a UTF-8 character.
void fold(std::vector<std::string>& out, const std::string& line) {
    std::size_t at = 0, room = 75;
    do {
        std::size_t n = std::min(room, line.size() - at);
        while (at + n < line.size() && n > 0 && (static_cast<unsigned char>(line[at + n]) & 0xC0) == 0x80) --n;
        out.push_back((at == 0 ? "" : " ") + line.substr(at, n));
        at += n;
        room = 74;
    } while (at < line.size());
}

std::string date_text(const sun::Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", static_cast<int>(d.year), d.month, d.day);
    return buf;
}

// The next day, for the end of an all-day event (DTEND is exclusive).
sun::Date next_day(const sun::Date& d) {
    const sun::Instant t = sun::to_second(sun::utc(d.year, d.month, d.day + 1.0));
    return {static_cast<std::int32_t>(t.year), static_cast<int>(t.month), static_cast<int>(t.day)};
}

}  // namespace

std::vector<std::string> ics(std::string_view name, const std::vector<IcsEvent>& events, std::int64_t stamp) {
    const sun::Instant t = sun::to_second(sun::utc(1970, 1, 1, 0, 0, static_cast<double>(stamp)));
    char dtstamp[64];
    std::snprintf(dtstamp, sizeof dtstamp, "DTSTAMP:%04.0f%02.0f%02.0fT%02.0f%02.0f%02.0fZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);

    std::vector<std::string> out{"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//solarlon//solarlon 1.0//JA",
                                 "CALSCALE:GREGORIAN"};
    fold(out, "X-WR-CALNAME:" + escaped(name));
    for (const IcsEvent& e : events) {
        out.push_back("BEGIN:VEVENT");
        fold(out, "UID:" + escaped(e.uid));
        out.push_back(dtstamp);
        out.push_back("DTSTART;VALUE=DATE:" + date_text(e.date));
        out.push_back("DTEND;VALUE=DATE:" + date_text(next_day(e.date)));
        fold(out, "SUMMARY:" + escaped(e.summary));
        if (!e.description.empty()) fold(out, "DESCRIPTION:" + escaped(e.description));
        out.push_back("TRANSP:TRANSPARENT");
        out.push_back("END:VEVENT");
    }
    out.push_back("END:VCALENDAR");
    return out;
}

std::string ics_passage(const std::string& lon, const std::string& instant, const sun::Theory& theory) {
    return std::string(console::UTF8.ICS_LONGITUDE) + " " + lon + std::string(console::UTF8.DEGREE) + "  " + instant +
           "  (theory " + std::string(theory.name()) + ")";
}

std::int64_t ics_stamp(Clock clock) {
    // The reproducible-builds convention: a whole number of seconds from 1970, decimal digits only;
    // 253402300799 is 9999-12-31 23:59:59, the last instant a DTSTAMP holds.
    constexpr std::int64_t kLast = 253402300799;
    const char* s = std::getenv("SOURCE_DATE_EPOCH");
    if (s == nullptr || *s == '\0') return clock();
    std::int64_t v = 0;
    bool digits = true;
    for (const char* p = s; *p != '\0' && digits; ++p) {
        digits = *p >= '0' && *p <= '9' && v <= kLast;
        if (digits) v = v * 10 + (*p - '0');
    }
    if (!digits || v > kLast)
        throw Bad{"SOURCE_DATE_EPOCH " + io::shown(s) + " is not a whole number of seconds from 0 to " +
                  std::to_string(kLast) + " (9999-12-31 23:59:59 UTC)"};
    return v;
}

}  // namespace solarlon::commands
