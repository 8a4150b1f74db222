// one_shot  The commands terms, at and when: the solar terms of a year, the longitude at an instant,
//           the instant of a longitude; as text for people, csv or json for programs.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"
#include "console/texts.hpp"

namespace solarlon::commands {

namespace {

// The line end of the commands' output: the platform's own.
#ifdef _WIN32
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

void arity(std::string_view command, const Options& o, std::size_t n, const char* usage) {
    if (o.words.size() < n) throw Bad{std::string(command) + ": missing argument (usage: " + usage + ")"};
    if (o.words.size() > n) {
        throw Bad{std::string(command) + ": unexpected argument " + io::shown(o.words[n]) + " (usage: " + usage + ")"};
    }
}

// refuse  A value the theory does not answer: why (R, not none), and what to do. WHAT names the value
//         (the year, the instant as typed).
[[noreturn]] void refuse(std::string_view command, const Options& o, sun::Refusal r, const std::string& what);

// refuse_equinox  The same where the theory answers nothing referred to the equinox asked (or this
//                 build lacks it), whatever the value.
void refuse_equinox(std::string_view command, const Options& o) {
    const sun::Refusal r = o.theory->refusal(o.equinox);
    if (r != sun::Refusal::none) refuse(command, o, r, "");
}

std::int32_t year_of(std::string_view command, const Options& o, std::string_view text) {
    const auto y = read_year(text);
    if (!y) {
        throw Bad{std::string(command) + ": bad year " + io::shown(text) + " (expected a whole year from " +
                  std::to_string(kFirstYear) + " to " + std::to_string(kLastYear) + ")"};
    }
    if (*y < kFirstYear || *y > kLastYear) {
        refuse_equinox(command, o);  // a theory this build lacks, or an equinox it does not take, first
        throw Bad{std::string(command) + ": year " + std::string(text) +
                  " is out of range: " + o.theory->span_text(o.scale)};
    }
    return *y;
}

// Whether AT lies from 1600-01-01 00:00 to 3000-12-31 24:00 of its scale (UTC, or UT for the
// classic theory); a fraction of a second counts against it at either end.
bool in_span(const sun::Instant& at) {
    sun::Instant utc = at;
    utc.minute -= at.zone * 60.0;
    utc.zone = 0.0;
    const double second = std::min(at.second, 60.0);  // a leap second lies before the next minute
    utc.second = std::floor(second);
    const sun::Instant lo = sun::to_second(utc);
    utc.second = std::ceil(second);
    const sun::Instant hi = sun::to_second(utc);
    auto key = [](const sun::Instant& t) { return std::array<double, 5>{t.year, t.month, t.day, t.hour, t.minute}; };
    const std::array<double, 5> first{kFirstYear, 1, 1, 0, 0}, end{kLastYear + 1.0, 1, 1, 0, 0};
    return key(lo) >= first && (key(hi) < end || (key(hi) == end && hi.second == 0.0));
}

double degrees_of(std::string_view command, std::string_view text) {
    const auto v = read_degrees(text);
    if (!v)
        throw Bad{std::string(command) + ": bad longitude " + io::shown(text) + " (expected degrees from 0 to 360)"};
    return *v;
}

void refuse(std::string_view command, const Options& o, sun::Refusal r, const std::string& what) {
    switch (r) {
        case sun::Refusal::equinox_not_of_date:
            throw Bad{std::string(command) + ": equinox " + io::shown(o.equinox_text) +
                      " is not taken by the apparent theory (true equinox of date only): other equinoxes "
                      "belong to the classic theory (--theory classic)"};
        case sun::Refusal::no_theory:
            throw Bad{std::string(command) + ": " + sun::refusal_text(r) +
                      "; --theory classic gives the program's own geometric longitude"};
        case sun::Refusal::not_a_leap_second:
            throw Bad{std::string(command) + ": " + what + " is not a leap second: " + sun::refusal_text(r)};
        case sun::Refusal::none:
        case sun::Refusal::before_range:
        case sun::Refusal::after_range:
        case sun::Refusal::not_finite:
        case sun::Refusal::scale_not_ut: break;
    }
    throw Bad{std::string(command) + ": " + what + " is out of range: " + o.theory->span_text(o.scale)};
}

std::vector<std::string> terms(const Options& o, const console::Texts& T, Clock clock) {
    const char* usage =
        "solarlon terms YEAR [--theory T] [--scale S] [--equinox E] [--zone Z] [--format text|csv|json|ics]";
    arity("terms", o, 1, usage);
    const std::int32_t year = year_of("terms", o, o.words[0]);
    refuse_equinox("terms", o);
    const sun::Theory& theory = *o.theory;
    const std::string what = "year " + std::string(o.words[0]);
    const auto all = sun::solar_terms(year, o.equinox, o.zone_minutes / 60.0, theory, o.scale);
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> lines;
    std::vector<IcsEvent> events;
    for (const auto& t : all) {
        if (!sun::is_finite(t.instant)) refuse("terms", o, sun::Refusal::after_range, what);  // past the theory's span
        const sun::Instant s = sun::printed_second(t.instant);
        const std::size_t k = static_cast<std::size_t>((static_cast<int>(t.longitude) + 75) % 360 / 15);  // 285 -> 0
        const std::string lon = degrees_text(t.longitude);
        rows.push_back({std::string(t.name), lon, shown_instant(s, true)});
        lines.push_back(std::string(T.TERMS[k]) + "  " + std::string(3 - std::min<std::size_t>(3, lon.size()), ' ') +
                        lon + std::string(T.DEGREE) + "  " + shown_instant(s, false));
        events.push_back({std::to_string(year) + "-term-" + lon + "@solarlon",
                          {static_cast<std::int32_t>(s.year), static_cast<int>(s.month), static_cast<int>(s.day)},
                          std::string(t.name),
                          ics_passage(lon, shown_instant(s, false), theory)});
    }
    if (o.format == Format::Ics)
        return ics(std::string(console::UTF8.ICS_TERMS) + " " + std::to_string(year), events, ics_stamp(clock));
    return table(o.format, theory, o.scale, o.zone_minutes, T,
                 {{"name", true}, {"longitude", false}, {"instant", true}}, rows, lines);
}

// The instant SECONDS (whole, from 1970-01-01 00:00 UTC) in the zone of ZONE_MINUTES.
TypedInstant now(std::int64_t since_1970, int zone_minutes) {
    const double seconds = static_cast<double>(since_1970);  // exact below 2^53 seconds
    TypedInstant r;
    r.zone_minutes = zone_minutes;
    r.at = sun::to_second(sun::Instant{1970, 1, 1, 0, static_cast<double>(zone_minutes), seconds, zone_minutes / 60.0});
    char second[8];
    std::snprintf(second, sizeof second, "%02.0f", r.at.second);
    r.second_text = second;
    return r;
}

std::vector<std::string> at(const Options& o, const console::Texts& T, Clock clock) {
    arity("at", o, 1,
          "solarlon at DATETIME|now [--theory T] [--scale S] [--equinox E] [--zone Z] [--format text|csv|json]");
    const bool is_now = o.words[0] == "now";
    if (o.zone_given && !is_now) {
        throw Bad{
            "at: option --zone is not taken here (the offset is part of the date and time, "
            "2027-12-22T11:40+09:00; --zone goes with at now)"};
    }
    if (is_now && o.scale == sun::Scale::tt) {
        throw Bad{"at: now is an instant of the system clock (UTC), not taken with --scale tt"};
    }
    auto typed = is_now ? std::optional<TypedInstant>(now(clock(), o.zone_minutes)) : read_instant(o.words[0]);
    if (!typed) {
        throw Bad{"at: bad date and time " + io::shown(o.words[0]) +
                  " (expected now, or ISO 8601 such as 2027-12-22, 2027-12-22T11:40, 2027-12-22T11:40:05.5+09:00 or "
                  "2027-12-22T02:40Z, fields in their ranges)"};
    }
    const std::string what = io::shown(o.words[0]);
    if (o.scale == sun::Scale::tt) {
        if (typed->offset_typed && typed->zone_minutes != 0) {
            throw Bad{"at: " + what + " has an offset, which TT instants do not take (--scale tt)"};
        }
        if (typed->at.second >= 60.0) throw Bad{"at: " + what + " is not a leap second: TT has none"};
        typed->zone_minutes = 0;
        typed->at.zone = 0.0;
        typed->at.scale = sun::Scale::tt;
    }
    refuse_equinox("at", o);
    if (!in_span(typed->at)) refuse("at", o, sun::Refusal::after_range, what);
    if (typed->at.second >= 60.0 && !sun::is_leap_second(typed->at)) {
        refuse("at", o, sun::Refusal::not_a_leap_second, what);
    }
    const sun::Theory& theory = *o.theory;
    const double lon = theory.longitude(typed->at, o.equinox);
    if (std::isnan(lon)) {
        const sun::Refusal r = theory.refusal(typed->at, o.equinox);
        refuse("at", o, r != sun::Refusal::none ? r : sun::Refusal::after_range, what);
    }
    const std::string second = typed->second_text.empty() ? "00" : typed->second_text;
    const std::string l = longitude_text(lon);
    return table(o.format, theory, o.scale, typed->zone_minutes, T, {{"instant", true}, {"longitude", false}},
                 {{instant_text(typed->at, second, typed->zone_minutes, true), l}},
                 {instant_text(typed->at, second, typed->zone_minutes, false) + "  " + l + std::string(T.DEGREE)});
}

// NOTES gets a line for standard error when the passage falls after the year (text only).
std::vector<std::string> when(const Options& o, const console::Texts& T, std::vector<std::string>& notes) {
    arity("when", o, 2,
          "solarlon when YEAR LONGITUDE [--theory T] [--scale S] [--equinox E] [--zone Z] [--format text|csv|json]");
    const std::int32_t year = year_of("when", o, o.words[0]);
    const double lon = degrees_of("when", o.words[1]);
    refuse_equinox("when", o);
    const sun::Theory& theory = *o.theory;
    const sun::Instant at = theory.instant_of(year, lon, o.equinox, o.zone_minutes / 60.0, o.scale);
    if (!sun::is_finite(at))
        refuse("when", o, sun::Refusal::after_range, "the instant in year " + std::string(o.words[0]));
    const sun::Instant s = sun::printed_second(at);
    const std::string l = degrees_text(lon);
    const bool in_year = at.year == year;
    if (!in_year && o.format == Format::Text) notes.push_back(std::string(o.words[0]) + std::string(T.NOT_IN_YEAR));
    return table(o.format, theory, o.scale, o.zone_minutes, T,
                 {{"longitude", false}, {"instant", true}, {"decimal_day", true}, {"in_year", false}},
                 {{l, shown_instant(s, true), day_text(sun::decimal_date(at)), in_year ? "true" : "false"}},
                 {l + std::string(T.DEGREE) + "  " + shown_instant(s, false)});
}

// kou, zassetsu: a year's calendar.
std::vector<std::string> calendar(std::string_view command, const Options& o, const console::Texts& T, Clock clock) {
    const std::string usage =
        "solarlon " + std::string(command) + " YEAR [--theory T] [--zone Z] [--format text|csv|json|ics]";
    arity(command, o, 1, usage.c_str());
    if (o.scale == sun::Scale::tt) {
        throw Bad{std::string(command) + ": --scale tt is not taken here (the calendar's days are days of a zone)"};
    }
    const std::int32_t year = year_of(command, o, o.words[0]);
    refuse_equinox(command, o);
    const CalendarAsk ask{year,     o.equinox, o.zone_minutes,
                          o.format, *o.theory, o.format == Format::Ics ? ics_stamp(clock) : 0};
    const auto lines = command == "kou" ? kou(ask, T) : zassetsu(ask, T);
    if (!lines)
        refuse(command, o, sun::calendar_refusal(year, o.equinox, o.zone_minutes / 60.0, *o.theory),
               "year " + std::string(o.words[0]));
    return *lines;
}

}  // namespace

int one_shot(const Options& o, std::ostream& out, std::ostream& err, console::Encoding text_enc, Clock clock) {
    const std::string_view command = o.command;
    std::vector<std::string> lines, notes;
    const bool help = o.command_help;
    const bool crlf = o.format == Format::Ics && !help;  // RFC 5545 asks for CR LF whatever the platform
    try {
        // csv and json are always UTF-8; text follows the encoding chosen
        const console::Texts& T = help || o.format == Format::Text ? console::texts_of(text_enc) : console::UTF8;
        if (help) {
            for (const auto& line : T.HELP) lines.emplace_back(line);
        } else if (command == "terms") {
            lines = terms(o, T, clock);
        } else if (command == "kou" || command == "zassetsu") {
            lines = calendar(command, o, T, clock);
        } else if (command == "holidays") {
            lines = holidays(o, T, clock);
        } else if (command == "at") {
            lines = at(o, T, clock);
        } else {
            lines = when(o, T, notes);
        }
    } catch (const Bad& b) {
        console::say(err, "*ERR* argument error: " + b.what, text_enc);
        return 2;
    }
    io::RecordWriter w(out, "standard output", kLineEnd);
    try {
        for (const auto& line : lines) crlf ? w.prompt(line + "\r\n") : w.record(line);
        w.flush();
    } catch (const io::Failure& f) {
        console::say(err, std::string("*ERR* file error: ") + f.what(), text_enc);
        return 1;
    }
    for (const auto& line : notes) console::say(err, line, text_enc, kLineEnd);  // a failure there: the answer is out
    return 0;
}

}  // namespace solarlon::commands
