// kou  The command kou: the 72 pentads (七十二候) of a year, each with its number, the longitude
//      where it begins, its name and reading, and the instant the Sun reaches that longitude.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::optional<std::vector<std::string>> kou(const CalendarAsk& ask, const console::Texts& T) {
    const auto all = sun::pentads(ask.year, ask.equinox, ask.zone_minutes / 60.0, ask.theory);
    const bool utf8 = &T == &console::UTF8;  // Shift-JIS lacks three of the kanji: its table marks them
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> lines;
    std::vector<IcsEvent> events;
    for (const sun::Pentad& p : all) {
        const sun::Instant& t = p.instant;
        if (!sun::is_finite(t)) return std::nullopt;
        const sun::Instant s = sun::printed_second(t);
        const std::string n = std::to_string(p.number), lon = degrees_text(p.longitude);
        const std::size_t k = static_cast<std::size_t>(p.number - 1);
        rows.push_back({n, lon, std::string(p.name), std::string(p.reading), shown_instant(s, true)});
        lines.push_back(std::string(2 - std::min<std::size_t>(2, n.size()), ' ') + n + "  " +
                        std::string(3 - std::min<std::size_t>(3, lon.size()), ' ') + lon + std::string(T.DEGREE) +
                        "  " + shown_instant(s, false) + "  " + std::string(utf8 ? p.name : T.KOU[k]) + "  " +
                        std::string(T.KOU_READINGS[k]));
        events.push_back({std::to_string(ask.year) + "-kou-" + n + "@solarlon",
                          {static_cast<std::int32_t>(s.year), static_cast<int>(s.month), static_cast<int>(s.day)},
                          std::string(p.name) + "\xEF\xBC\x88" + std::string(p.reading) + "\xEF\xBC\x89",  // （ ）
                          std::string(console::UTF8.ICS_KOU) + " " + n + "  " +
                              ics_passage(lon, shown_instant(s, false), ask.theory)});
    }
    if (ask.format == Format::Ics) {
        return ics(std::string(console::UTF8.ICS_KOU) + " " + std::to_string(ask.year), events, ask.stamp);
    }
    return table(ask.format, ask.theory, sun::Scale::utc, ask.zone_minutes, T,
                 {{"number", false}, {"longitude", false}, {"name", true}, {"reading", true}, {"instant", true}}, rows,
                 lines);
}

}  // namespace solarlon::commands
