// arity, refuse, refuse_equinox, year_of, degrees_of, in_span, calendar_year  What the commands refuse,
//     and how they say it: one policy for every command.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

void arity(std::string_view command, const Options& o, std::size_t n, const std::string& usage) {
    if (o.words.size() < n) throw Bad{std::string(command) + ": missing argument (usage: " + usage + ")"};
    if (o.words.size() > n) {
        throw Bad{std::string(command) + ": unexpected argument " + io::shown(o.words[n]) + " (usage: " + usage + ")"};
    }
}

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

std::int32_t calendar_year(std::string_view command, const Options& o) {
    arity(command, o, 1,
          "solarlon " + std::string(command) + " YEAR [--theory T] [--zone Z] [--format text|csv|json|ics]");
    if (o.scale == sun::Scale::tt) {
        throw Bad{std::string(command) + ": --scale tt is not taken here (the calendar's days are days of a zone)"};
    }
    const std::int32_t year = year_of(command, o, o.words[0]);
    refuse_equinox(command, o);
    return year;
}

}  // namespace solarlon::commands
