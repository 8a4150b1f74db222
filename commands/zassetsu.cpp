// zassetsu  The command zassetsu: the seasonal days (雑節) of a year, each with its day and the day's
//           place in the sexagenary cycle, and for those that are the Sun's reaching a longitude
//           (入梅, 半夏生, 土用の入り) that longitude and instant.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::vector<std::string> zassetsu(const Ask& a) {
    const Options& o = a.o;
    const std::int32_t year = calendar_year("zassetsu", o);
    const auto all = sun::seasonal_days(year, o.equinox, o.zone_minutes / 60.0, *o.theory);
    if (all.empty())
        refuse("zassetsu", o, sun::calendar_refusal(year, o.equinox, o.zone_minutes / 60.0, *o.theory),
               "year " + std::string(o.words[0]));
    auto day = [&all](std::size_t k) {
        char buf[32];
        const sun::Date& d = all[k].date;
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", static_cast<int>(d.year), d.month, d.day);
        return std::string(buf);
    };
    auto cycle = [&all](std::size_t k) { return sun::sexagenary(all[k].date); };
    auto reached = [&all](std::size_t k) { return passage(all[k].longitude, all[k].instant); };
    Listing l{*o.theory,
              sun::Scale::utc,
              o.zone_minutes,
              {{"name", true}, {"date", true}, {"kanshi", true}, {"longitude", false}, {"instant", true}},
              all.size()};
    l.cells = [&](std::size_t k) {
        const Passage p = reached(k);
        return std::vector<std::string>{std::string(all[k].name), day(k), std::string(sun::sexagenary_name(cycle(k))),
                                        p.lon, p.iso};
    };
    l.line = [&](std::size_t k) {
        const Passage p = reached(k);
        std::string line = day(k) + "  " + std::string(a.T.KANSHI[static_cast<std::size_t>(cycle(k))]) + "  " +
                           std::string(a.T.ZASSETSU[static_cast<std::size_t>(all[k].kind)]);
        if (!p.lon.empty()) line += "  " + p.lon + std::string(a.T.DEGREE) + "  " + p.shown;
        return line;
    };
    l.ics_name = std::string(console::UTF8.ICS_ZASSETSU) + " " + std::to_string(year);
    l.event = [&](std::size_t k) {
        const Passage p = reached(k);
        std::string description =
            std::string(console::UTF8.ICS_ZASSETSU) + " " + std::string(sun::sexagenary_name(cycle(k)));
        if (!p.lon.empty()) description += "  " + ics_passage(p.lon, p.shown, *o.theory);
        return IcsEvent{std::to_string(year) + "-" + std::string(all[k].key) + "@solarlon", all[k].date,
                        std::string(all[k].name), description};
    };
    return output(a, l);
}

}  // namespace solarlon::commands
