// holidays  The command holidays: Japan's national holidays of a year, each with its day (JST), its
//           name and its kind; 春分の日 and 秋分の日 with the longitude and the instant of the equinox.
#include <cstdio>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

std::string date_text(const sun::Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", static_cast<int>(d.year), d.month, d.day);
    return buf;
}

}  // namespace

std::vector<std::string> holidays(const Options& o, const console::Texts& T, Clock clock) {
    const std::string usage = " (usage: solarlon holidays YEAR [--format text|csv|json|ics])";
    if (o.words.empty()) throw Bad{"holidays: missing argument" + usage};
    if (o.words.size() > 1) throw Bad{"holidays: unexpected argument " + io::shown(o.words[1]) + usage};
    const sun::Theory& apparent = sun::Theory::apparent;
    if (!o.theory->is_apparent()) {
        throw Bad{"holidays: --theory " + std::string(o.theory->name()) +
                  " is not taken (by law the equinox holidays are the JST days on which the Sun's apparent "
                  "longitude reaches 0 and 180 degrees: the apparent theory's)"};
    }
    if (o.zone_given || o.scale_given) {
        throw Bad{std::string("holidays: ") + (o.zone_given ? "--zone" : "--scale") +
                  " is not taken (the holidays are days of JST)"};
    }
    if (o.equinox_given)
        throw Bad{"holidays: --equinox is not taken (the equinoxes are those of the true equinox of date)"};
    const std::string text(o.words[0]);
    const auto year = read_year(text);
    if (!year) {
        throw Bad{"holidays: bad year " + io::shown(text) + " (expected a whole year from " +
                  std::to_string(sun::kFirstHoliday.year) + " to " + std::to_string(kLastYear) + ")"};
    }
    if (*year < sun::kFirstHoliday.year) {
        throw Bad{"holidays: year " + text + " has no national holidays: the first are those from " +
                  date_text(sun::kFirstHoliday) + ", when the law on them came into force"};
    }
    const std::string range = "holidays: year " + text + " is out of range: " +
                              sun::refusal_text(sun::Refusal::after_range);  // the apparent theory's span
    if (*year > kLastYear) throw Bad{range};
    if (apparent.refusal(sun::Equinox::of_date()) == sun::Refusal::no_theory) {
        throw Bad{"holidays: " + std::string(sun::refusal_text(sun::Refusal::no_theory)) +
                  ", by which the equinox holidays are found"};
    }
    const auto all = sun::holidays(*year);
    if (all.empty()) throw Bad{range};

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> lines;
    std::vector<IcsEvent> events;
    for (const sun::Holiday& h : all) {
        const std::string day = date_text(h.date);
        std::string lon, at, shown, description;
        if (sun::is_finite(h.instant)) {
            const sun::Instant s = sun::printed_second(h.instant);
            lon = degrees_text(h.longitude);
            at = shown_instant(s, true);
            shown = shown_instant(s, false);
            description = ics_passage(lon, shown, apparent);
        }
        rows.push_back({std::string(h.name), day, std::string(sun::holiday_kind_name(h.kind)), lon, at});
        std::string line = day + "  " + std::string(T.WEEKDAYS[static_cast<std::size_t>(sun::weekday(h.date))]) + "  " +
                           std::string(T.HOLIDAYS[static_cast<std::size_t>(h.index)]);
        if (!lon.empty()) line += "  " + lon + std::string(T.DEGREE) + "  " + shown;
        lines.push_back(line);
        events.push_back({std::to_string(*year) + "-" + h.key + "@solarlon", h.date, std::string(h.name), description});
    }
    if (o.format == Format::Ics) {
        return ics(std::string(console::UTF8.ICS_HOLIDAYS) + " " + std::to_string(*year), events, ics_stamp(clock));
    }
    return table(o.format, apparent, sun::Scale::utc, 9 * 60, T,
                 {{"name", true}, {"date", true}, {"kind", true}, {"longitude", false}, {"instant", true}}, rows,
                 lines);
}

}  // namespace solarlon::commands
