// one_shot  The commands terms, at and when: the solar terms of a year, the longitude at an instant,
//           the instant of a longitude; as text for people, csv or json for programs.
#include "driver/oneshot.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "driver/texts.hpp"

namespace solarlon::driver {

namespace {

// A bad command line: what is wrong, and what is expected.
struct Bad {
    std::string what;
};

std::string quoted(std::string_view text) { return io::shown(text); }

struct Options {
    std::vector<std::string_view> words;  // the positional arguments after the command's name
    sun::Equinox equinox = sun::Equinox::of_date();
    int zone_minutes = 9 * 60;
    std::string_view equinox_text = "date";  // as typed
    Format format = Format::Text;
    sun::Theory theory = sun::Theory::apparent;
    bool help = false;
};

constexpr const char* kEquinoxes = "date, 1950, 2000 or a year from -2000 to 14000 outside -1.5 to 0.5";
constexpr const char* kZones = "+09:00, UTC, Z, +HH:MM or -HH:MM";

Options options(std::string_view command, int argc, const char* const argv[], bool zone_taken) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a.size() < 2 || a.substr(0, 2) != "--") {
            if (a == "-h") o.help = true;
            else o.words.push_back(a);
            continue;
        }
        std::string_view name = a, value;
        bool has_value = false;
        if (const auto eq = a.find('='); eq != std::string_view::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            has_value = true;
        }
        const bool valued = name == "--equinox" || name == "--zone" || name == "--format" || name == "--theory";
        if (!valued) {
            if (has_value || (name != "--utf8" && name != "--sjis" && name != "--help")) {
                throw Bad{std::string(command) + ": unknown option " + quoted(a) + " (expected --equinox, " +
                          (zone_taken ? "--zone, " : "") + "--format, --theory, --utf8 or --sjis)"};
            }
            if (name == "--help") o.help = true;
            continue;
        }
        if (!has_value) {
            if (i + 1 >= argc || argv[i + 1] == nullptr) {
                throw Bad{std::string(command) + ": option " + std::string(name) + " needs a value"};
            }
            value = argv[++i];
        }
        if (name == "--equinox") {
            const auto e = read_equinox(value);
            if (!e)
                throw Bad{std::string(command) + ": bad equinox " + quoted(value) + " (expected " + kEquinoxes + ")"};
            o.equinox = *e;
            o.equinox_text = value;
        } else if (name == "--zone") {
            if (!zone_taken) {
                throw Bad{std::string(command) +
                          ": option --zone is not taken here (the offset is part of the date and time, "
                          "2027-12-22T11:40+09:00)"};
            }
            const auto z = read_zone(value);
            if (!z) throw Bad{std::string(command) + ": bad zone " + quoted(value) + " (expected " + kZones + ")"};
            o.zone_minutes = *z;
        } else if (name == "--format") {
            if (value == "text") o.format = Format::Text;
            else if (value == "csv") o.format = Format::Csv;
            else if (value == "json") o.format = Format::Json;
            else if (value == "ics" && command != "at" && command != "when") o.format = Format::Ics;
            else
                throw Bad{std::string(command) + ": bad format " + quoted(value) + " (expected text, csv, json" +
                          (command != "at" && command != "when" ? " or ics)" : " or, for a year's calendar, ics)")};
        } else {
            if (value == "apparent") o.theory = sun::Theory::apparent;
            else if (value == "classic") o.theory = sun::Theory::classic;
            else throw Bad{std::string(command) + ": bad theory " + quoted(value) + " (expected apparent or classic)"};
        }
    }
    return o;
}

void arity(std::string_view command, const Options& o, std::size_t n, const char* usage) {
    if (o.words.size() < n) throw Bad{std::string(command) + ": missing argument (usage: " + usage + ")"};
    if (o.words.size() > n) {
        throw Bad{std::string(command) + ": unexpected argument " + quoted(o.words[n]) + " (usage: " + usage + ")"};
    }
}

std::int32_t year_of(std::string_view command, std::string_view text) {
    const auto y = read_year(text);
    if (!y)
        throw Bad{std::string(command) + ": bad year " + quoted(text) + " (expected a whole year from -2000 to 14000)"};
    return *y;
}

double degrees_of(std::string_view command, std::string_view text) {
    const auto v = read_degrees(text);
    if (!v) throw Bad{std::string(command) + ": bad longitude " + quoted(text) + " (expected degrees from 0 to 360)"};
    return *v;
}

// A value the theory does not answer: why, and what to do. WHAT names the value (the year, the
// instant as typed).
void refuse(std::string_view command, const Options& o, sun::Refusal r, const std::string& what) {
    switch (r) {
        case sun::Refusal::none: return;
        case sun::Refusal::equinox_not_of_date:
            throw Bad{std::string(command) + ": equinox " + quoted(o.equinox_text) +
                      " is not taken by the apparent theory (true equinox of date only): other equinoxes "
                      "belong to the classic theory (--theory classic)"};
        case sun::Refusal::no_theory:
            throw Bad{std::string(command) + ": " + sun::refusal_text(r) +
                      "; --theory classic gives the program's own geometric longitude"};
        case sun::Refusal::before_range:
        case sun::Refusal::after_range:
        case sun::Refusal::not_finite:
            throw Bad{std::string(command) + ": " + what + " is out of range: " + sun::refusal_text(r) +
                      " (--theory classic answers from -2000 to 14000)"};
    }
}

// A term or instant the theory could not find although its year was taken: out of its range.
sun::Refusal or_out(sun::Refusal r, std::int32_t year) {
    if (r != sun::Refusal::none) return r;
    return year <= 1600 ? sun::Refusal::before_range : sun::Refusal::after_range;
}

bool found(const sun::Instant& t) { return std::isfinite(t.year + t.month + t.day + t.hour + t.minute + t.second); }

std::vector<std::string> terms(const Options& o, const texts::Texts& T) {
    const char* usage = "solarlon terms YEAR [--theory T] [--equinox E] [--zone Z] [--format text|csv|json]";
    arity("terms", o, 1, usage);
    const std::int32_t year = year_of("terms", o.words[0]);
    const double zone = o.zone_minutes / 60.0;
    const std::string what = "year " + std::string(o.words[0]);
    refuse("terms", o, sun::refusal(year, 285.0, o.equinox, zone, o.theory), what);
    const auto all = sun::solar_terms(year, o.equinox, zone, o.theory);
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> lines;
    std::vector<IcsEvent> events;
    for (const auto& t : all) {
        if (o.theory == sun::Theory::apparent && !found(t.instant)) {
            refuse("terms", o, or_out(sun::refusal(year, t.longitude, o.equinox, zone, o.theory), year), what);
        }
        const sun::Instant s = sun::to_second(t.instant);
        const std::size_t k = static_cast<std::size_t>((static_cast<int>(t.longitude) + 75) % 360 / 15);  // 285 -> 0
        const std::string lon = degrees_text(t.longitude);
        rows.push_back({std::string(t.name), lon, shown_instant(s, o.zone_minutes, true)});
        lines.push_back(std::string(T.TERMS[k]) + "  " + std::string(3 - std::min<std::size_t>(3, lon.size()), ' ') +
                        lon + std::string(T.DEGREE) + "  " + shown_instant(s, o.zone_minutes, false));
        events.push_back({std::string(o.words[0]) + "-term-" + lon + "@solarlon",
                          {static_cast<std::int32_t>(s.year), static_cast<int>(s.month), static_cast<int>(s.day)},
                          std::string(t.name),
                          std::string(texts::UTF8.ICS_LONGITUDE) + " " + lon + std::string(texts::UTF8.DEGREE) + "  " +
                              shown_instant(s, o.zone_minutes, false) + "  (theory " +
                              (o.theory == sun::Theory::apparent ? "apparent" : "classic") + ")"});
    }
    if (o.format == Format::Ics)
        return ics(std::string(texts::UTF8.ICS_TERMS) + " " + std::to_string(year), events, ics_stamp());
    return table(o.format, o.theory, T, {{"name", true}, {"longitude", false}, {"instant", true}}, rows, lines);
}

std::vector<std::string> at(const Options& o, const texts::Texts& T) {
    arity("at", o, 1, "solarlon at DATETIME [--theory T] [--equinox E] [--format text|csv|json]");
    const auto typed = read_instant(o.words[0]);
    if (!typed) {
        throw Bad{"at: bad date and time " + quoted(o.words[0]) +
                  " (expected ISO 8601 such as 2027-12-22, 2027-12-22T11:40, 2027-12-22T11:40:05.5+09:00 or "
                  "2027-12-22T02:40Z, fields in their ranges)"};
    }
    refuse("at", o, sun::refusal(typed->at, o.equinox, o.theory), quoted(o.words[0]));
    const double lon = sun::longitude(typed->at, o.equinox, o.theory);
    const std::string second = typed->second_text.empty() ? "00" : typed->second_text;
    const std::string l = longitude_text(lon);
    return table(o.format, o.theory, T, {{"instant", true}, {"longitude", false}},
                 {{instant_text(typed->at, second, typed->zone_minutes, true), l}},
                 {instant_text(typed->at, second, typed->zone_minutes, false) + "  " + l + std::string(T.DEGREE)});
}

std::vector<std::string> when(const Options& o, const texts::Texts& T) {
    arity("when", o, 2, "solarlon when YEAR LONGITUDE [--theory T] [--equinox E] [--zone Z] [--format text|csv|json]");
    const std::int32_t year = year_of("when", o.words[0]);
    const double lon = degrees_of("when", o.words[1]);
    const double zone = o.zone_minutes / 60.0;
    const std::string what = "the instant in year " + std::string(o.words[0]);
    refuse("when", o, sun::refusal(year, lon, o.equinox, zone, o.theory), what);
    const sun::Instant at = sun::instant_of(year, lon, o.equinox, zone, o.theory);
    if (o.theory == sun::Theory::apparent && !found(at)) refuse("when", o, or_out(sun::Refusal::none, year), what);
    const sun::Instant s = sun::to_second(at);
    const std::string l = degrees_text(lon);
    return table(o.format, o.theory, T, {{"longitude", false}, {"instant", true}, {"day", true}},
                 {{l, shown_instant(s, o.zone_minutes, true), day_text(sun::decimal_date(at))}},
                 {l + std::string(T.DEGREE) + "  " + shown_instant(s, o.zone_minutes, false)});
}

// kou, zassetsu: a year's calendar.
std::vector<std::string> calendar(std::string_view command, const Options& o, const texts::Texts& T) {
    const std::string usage =
        "solarlon " + std::string(command) + " YEAR [--theory T] [--zone Z] [--format text|csv|json|ics]";
    arity(command, o, 1, usage.c_str());
    const std::int32_t year = year_of(command, o.words[0]);
    const double zone = o.zone_minutes / 60.0;
    const std::string what = "year " + std::string(o.words[0]);
    refuse(command, o, sun::refusal(year, 285.0, o.equinox, zone, o.theory), what);
    const CalendarAsk ask{year, o.equinox, o.zone_minutes, o.format, o.theory, ics_stamp()};
    const auto lines = command == "kou" ? kou(ask, T) : zassetsu(ask, T);
    if (!lines) refuse(command, o, or_out(sun::Refusal::none, year), what);
    return *lines;
}

void say(std::ostream& err, const std::string& line) {
    io::RecordWriter e(err, "standard error");
    try {
        e.record(line);
        e.flush();
    } catch (const io::Failure&) {
        // standard error is gone; the status still tells
    }
}

}  // namespace

int one_shot(int argc, const char* const argv[], std::ostream& out, std::ostream& err, Encoding text_enc) {
    const std::string_view command = argv[0];
    std::vector<std::string> lines;
    bool help = false, crlf = false;
    try {
        const bool zone_taken = command != "at";
        const Options o = options(command, argc, argv, zone_taken);
        help = o.help;
        crlf = o.format == Format::Ics && !help;  // RFC 5545 asks for CR LF whatever the platform
        // csv and json are always UTF-8; text follows the encoding chosen
        const texts::Texts& T =
            help || o.format == Format::Text ? (text_enc == Encoding::UTF8 ? texts::UTF8 : texts::SJIS) : texts::UTF8;
        if (help) {
            for (const auto& line : T.HELP) lines.emplace_back(line);
        } else if (command == "terms") {
            lines = terms(o, T);
        } else if (command == "kou" || command == "zassetsu") {
            lines = calendar(command, o, T);
        } else if (command == "at") {
            lines = at(o, T);
        } else {
            lines = when(o, T);
        }
    } catch (const Bad& b) {
        say(err, "*ERR* argument error: " + b.what);
        return 2;
    }
    io::RecordWriter o(out, "standard output");
    try {
        for (const auto& line : lines) crlf ? o.prompt(line + "\r\n") : o.record(line);
        o.flush();
    } catch (const io::Failure& f) {
        say(err, std::string("*ERR* file error: ") + f.what());
        return 1;
    }
    return 0;
}

}  // namespace solarlon::driver
