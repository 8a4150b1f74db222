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

std::vector<std::string> holidays(const Ask& a) {
    const Options& o = a.o;
    arity("holidays", o, 1, "solarlon holidays YEAR [--format text|csv|json|ics]");
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
    const std::string range = "holidays: year " + text + " is out of range: " + o.theory->span_text(o.scale);
    if (*year > kLastYear) throw Bad{range};
    if (o.theory->refusal(sun::Equinox::of_date()) == sun::Refusal::no_theory) {
        throw Bad{"holidays: " + std::string(sun::refusal_text(sun::Refusal::no_theory)) +
                  ", by which the equinox holidays are found"};
    }
    const auto all = sun::holidays(*year);
    if (all.empty()) throw Bad{range};

    auto reached = [&all](std::size_t k) { return passage(all[k].longitude, all[k].instant); };  // equinox days
    Listing l{*o.theory,
              sun::Scale::utc,
              9 * 60,
              {{"name", true}, {"date", true}, {"kind", true}, {"longitude", false}, {"instant", true}},
              all.size()};
    l.cells = [&](std::size_t k) {
        const Passage p = reached(k);
        return std::vector<std::string>{std::string(all[k].name), date_text(all[k].date),
                                        std::string(sun::holiday_kind_name(all[k].kind)), p.lon, p.iso};
    };
    l.line = [&](std::size_t k) {
        const sun::Holiday& h = all[k];
        const Passage p = reached(k);
        std::string line = date_text(h.date) + "  " +
                           std::string(a.T.WEEKDAYS[static_cast<std::size_t>(sun::weekday(h.date))]) + "  " +
                           std::string(a.T.HOLIDAYS[static_cast<std::size_t>(h.index)]);
        if (!p.lon.empty()) line += "  " + p.lon + std::string(a.T.DEGREE) + "  " + p.shown;
        return line;
    };
    l.ics_name = std::string(console::UTF8.ICS_HOLIDAYS) + " " + std::to_string(*year);
    l.event = [&](std::size_t k) {
        const Passage p = reached(k);
        return IcsEvent{std::to_string(*year) + "-" + all[k].key + "@solarlon", all[k].date, std::string(all[k].name),
                        p.lon.empty() ? std::string() : ics_passage(p.lon, p.shown, *o.theory)};
    };
    return output(a, l);
}

}  // namespace solarlon::commands
