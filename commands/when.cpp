// when  The command when: the first instant, from 0 h of January 1 of a year in the zone on, at which
//       the Sun reaches a longitude.
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::vector<std::string> when(const Ask& a) {
    const Options& o = a.o;
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
    // After the year: a line on standard error says so, beside the text.
    if (!in_year && o.format == Format::Text) a.notes.push_back(std::string(o.words[0]) + std::string(a.T.NOT_IN_YEAR));
    Listing out{theory,
                o.scale,
                o.zone_minutes,
                {{"longitude", false}, {"instant", true}, {"decimal_day", true}, {"in_year", false}},
                1};
    out.cells = [&](std::size_t) {
        return std::vector<std::string>{l, shown_instant(s, true), day_text(sun::decimal_date(at)),
                                        in_year ? "true" : "false"};
    };
    out.line = [&](std::size_t) { return l + std::string(a.T.DEGREE) + "  " + shown_instant(s, false); };
    return output(a, out);
}

}  // namespace solarlon::commands
