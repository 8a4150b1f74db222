// kou  The command kou: the 72 pentads (七十二候) of a year, each with its number, the longitude
//      where it begins, its name and reading, and the instant the Sun reaches that longitude.
#include <algorithm>
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::vector<std::string> kou(const Ask& a) {
    const Options& o = a.o;
    const std::int32_t year = calendar_year("kou", o);
    const auto all = sun::pentads(year, o.equinox, o.zone_minutes / 60.0, *o.theory);
    if (!sun::is_finite(all[0].instant))
        refuse("kou", o, sun::calendar_refusal(year, o.equinox, o.zone_minutes / 60.0, *o.theory),
               "year " + std::string(o.words[0]));
    const bool utf8 = &a.T == &console::UTF8;  // Shift-JIS lacks three of the kanji: its table marks them
    auto at = [&all](std::size_t k) { return sun::printed_second(all[k].instant); };
    auto number = [&all](std::size_t k) { return std::to_string(all[k].number); };
    auto lon = [&all](std::size_t k) { return degrees_text(all[k].longitude); };
    Listing l{*o.theory,
              sun::Scale::utc,
              o.zone_minutes,
              {{"number", false}, {"longitude", false}, {"name", true}, {"reading", true}, {"instant", true}},
              all.size()};
    l.cells = [&](std::size_t k) {
        return std::vector<std::string>{number(k), lon(k), std::string(all[k].name), std::string(all[k].reading),
                                        shown_instant(at(k), true)};
    };
    l.line = [&](std::size_t k) {
        const std::string n = number(k), d = lon(k);
        const std::size_t i = static_cast<std::size_t>(all[k].number - 1);
        return std::string(2 - std::min<std::size_t>(2, n.size()), ' ') + n + "  " +
               std::string(3 - std::min<std::size_t>(3, d.size()), ' ') + d + std::string(a.T.DEGREE) + "  " +
               shown_instant(at(k), false) + "  " + std::string(utf8 ? all[k].name : a.T.KOU[i]) + "  " +
               std::string(a.T.KOU_READINGS[i]);
    };
    l.ics_name = std::string(console::UTF8.ICS_KOU) + " " + std::to_string(year);
    l.event = [&](std::size_t k) {
        const sun::Instant s = at(k);
        return IcsEvent{
            std::to_string(year) + "-kou-" + number(k) + "@solarlon",
            {static_cast<std::int32_t>(s.year), static_cast<int>(s.month), static_cast<int>(s.day)},
            std::string(all[k].name) + "\xEF\xBC\x88" + std::string(all[k].reading) + "\xEF\xBC\x89",  // （ ）
            std::string(console::UTF8.ICS_KOU) + " " + number(k) + "  " +
                ics_passage(lon(k), shown_instant(s, false), *o.theory)};
    };
    return output(a, l);
}

}  // namespace solarlon::commands
