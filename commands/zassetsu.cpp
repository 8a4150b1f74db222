// zassetsu  The command zassetsu: the seasonal days (雑節) of a year, each with its day and the day's
//           place in the sexagenary cycle, and for those that are the Sun's reaching a longitude
//           (入梅, 半夏生, 土用の入り) that longitude and instant.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

std::optional<std::vector<std::string>> zassetsu(const CalendarAsk& ask, const console::Texts& T) {
    const auto all = sun::seasonal_days(ask.year, ask.equinox, ask.zone_minutes / 60.0, ask.theory);
    if (all.empty()) return std::nullopt;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> lines;
    std::vector<IcsEvent> events;
    for (const sun::SeasonalDay& z : all) {
        char day[32];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", static_cast<int>(z.date.year), z.date.month, z.date.day);
        const int k = sun::sexagenary(z.date);
        const std::size_t kind = static_cast<std::size_t>(z.kind);
        std::string lon, at, shown;
        if (std::isfinite(z.longitude)) {
            const sun::Instant s = sun::printed_second(z.instant);
            lon = degrees_text(z.longitude);
            at = shown_instant(s, true);
            shown = shown_instant(s, false);
        }
        rows.push_back({std::string(z.name), day, std::string(sun::sexagenary_name(k)), lon, at});
        std::string line = std::string(day) + "  " + std::string(T.KANSHI[static_cast<std::size_t>(k)]) + "  " +
                           std::string(T.ZASSETSU[kind]);
        std::string description = std::string(console::UTF8.ICS_ZASSETSU) + " " + std::string(sun::sexagenary_name(k));
        if (!lon.empty()) {
            line += "  " + lon + std::string(T.DEGREE) + "  " + shown;
            description += "  " + ics_passage(lon, shown, ask.theory);
        }
        lines.push_back(line);
        events.push_back({std::to_string(ask.year) + "-" + std::string(z.key) + "@solarlon", z.date,
                          std::string(z.name), description});
    }
    if (ask.format == Format::Ics) {
        return ics(std::string(console::UTF8.ICS_ZASSETSU) + " " + std::to_string(ask.year), events, ask.stamp);
    }
    return table(ask.format, ask.theory, sun::Scale::utc, ask.zone_minutes, T,
                 {{"name", true}, {"date", true}, {"kanshi", true}, {"longitude", false}, {"instant", true}}, rows,
                 lines);
}

}  // namespace solarlon::commands
