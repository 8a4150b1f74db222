// terms  The command terms: the 24 solar terms of a year, from 小寒 (285 degrees) to 冬至 (270).
#include <algorithm>
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::vector<std::string> terms(const Ask& a) {
    const Options& o = a.o;
    arity("terms", o, 1,
          "solarlon terms YEAR [--theory T] [--scale S] [--equinox E] [--zone Z] [--format text|csv|json|ics]");
    const std::int32_t year = year_of("terms", o, o.words[0]);
    refuse_equinox("terms", o);
    const sun::Theory& theory = *o.theory;
    const auto all = sun::solar_terms(year, o.equinox, o.zone_minutes / 60.0, theory, o.scale);
    for (const auto& t : all)
        if (!sun::is_finite(t.instant))
            refuse("terms", o, sun::Refusal::after_range, "year " + std::string(o.words[0]));
    auto at = [&all](std::size_t k) { return sun::printed_second(all[k].instant); };
    auto lon = [&all](std::size_t k) { return degrees_text(all[k].longitude); };
    Listing l{theory, o.scale, o.zone_minutes, {{"name", true}, {"longitude", false}, {"instant", true}}, all.size()};
    l.cells = [&](std::size_t k) {
        return std::vector<std::string>{std::string(all[k].name), lon(k), shown_instant(at(k), true)};
    };
    l.line = [&](std::size_t k) {
        const std::size_t n = static_cast<std::size_t>((static_cast<int>(all[k].longitude) + 75) % 360 / 15);  // 285: 0
        const std::string d = lon(k);
        return std::string(a.T.TERMS[n]) + "  " + std::string(3 - std::min<std::size_t>(3, d.size()), ' ') + d +
               std::string(a.T.DEGREE) + "  " + shown_instant(at(k), false);
    };
    l.ics_name = std::string(console::UTF8.ICS_TERMS) + " " + std::to_string(year);
    l.event = [&](std::size_t k) {
        const sun::Instant s = at(k);
        return IcsEvent{std::to_string(year) + "-term-" + lon(k) + "@solarlon",
                        {static_cast<std::int32_t>(s.year), static_cast<int>(s.month), static_cast<int>(s.day)},
                        std::string(all[k].name),
                        ics_passage(lon(k), shown_instant(s, false), theory)};
    };
    return output(a, l);
}

}  // namespace solarlon::commands
