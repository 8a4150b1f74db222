// at  The command at: the Sun's longitude at an instant, typed (ISO 8601) or now by the clock.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

// The instant SECONDS (whole, from 1970-01-01 00:00 UTC) in the zone of ZONE_MINUTES.
TypedInstant now(std::int64_t since_1970, int zone_minutes) {
    const double seconds = static_cast<double>(since_1970);  // exact below 2^53 seconds
    TypedInstant r;
    r.zone_minutes = zone_minutes;
    r.at = sun::to_second(sun::Instant{1970, 1, 1, 0, static_cast<double>(zone_minutes), seconds, zone_minutes / 60.0});
    char second[8];
    std::snprintf(second, sizeof second, "%02.0f", r.at.second);
    r.second_text = second;
    return r;
}

}  // namespace

std::vector<std::string> at(const Ask& a) {
    const Options& o = a.o;
    arity("at", o, 1,
          "solarlon at DATETIME|now [--theory T] [--scale S] [--equinox E] [--zone Z] [--format text|csv|json]");
    const bool is_now = o.words[0] == "now";
    if (o.zone_given && !is_now) {
        throw Bad{
            "at: option --zone is not taken here (the offset is part of the date and time, "
            "2027-12-22T11:40+09:00; --zone goes with at now)"};
    }
    if (is_now && o.scale == sun::Scale::tt) {
        throw Bad{"at: now is an instant of the system clock (UTC), not taken with --scale tt"};
    }
    auto typed = is_now ? std::optional<TypedInstant>(now(a.clock(), o.zone_minutes)) : read_instant(o.words[0]);
    if (!typed) {
        throw Bad{"at: bad date and time " + io::shown(o.words[0]) +
                  " (expected now, or ISO 8601 such as 2027-12-22, 2027-12-22T11:40, 2027-12-22T11:40:05.5+09:00 or "
                  "2027-12-22T02:40Z, fields in their ranges)"};
    }
    const std::string what = io::shown(o.words[0]);
    if (o.scale == sun::Scale::tt) {
        if (typed->offset_typed && typed->zone_minutes != 0) {
            throw Bad{"at: " + what + " has an offset, which TT instants do not take (--scale tt)"};
        }
        if (typed->at.second >= 60.0) throw Bad{"at: " + what + " is not a leap second: TT has none"};
        typed->zone_minutes = 0;
        typed->at.zone = 0.0;
        typed->at.scale = sun::Scale::tt;
    }
    refuse_equinox("at", o);
    if (!in_span(typed->at)) refuse("at", o, sun::Refusal::after_range, what);
    if (typed->at.second >= 60.0 && !sun::is_leap_second(typed->at)) {
        refuse("at", o, sun::Refusal::not_a_leap_second, what);
    }
    const sun::Theory& theory = *o.theory;
    const double lon = theory.longitude(typed->at, o.equinox);
    if (std::isnan(lon)) {
        const sun::Refusal r = theory.refusal(typed->at, o.equinox);
        refuse("at", o, r != sun::Refusal::none ? r : sun::Refusal::after_range, what);
    }
    const std::string second = typed->second_text.empty() ? "00" : typed->second_text;
    const std::string l = longitude_text(lon);
    const sun::Instant typed_at = typed->at;
    const int zone = typed->zone_minutes;
    Listing out{theory, o.scale, zone, {{"instant", true}, {"longitude", false}}, 1};
    out.cells = [&](std::size_t) { return std::vector<std::string>{instant_text(typed_at, second, zone, true), l}; };
    out.line = [&](std::size_t) {
        return instant_text(typed_at, second, zone, false) + "  " + l + std::string(a.T.DEGREE);
    };
    return output(a, out);
}

}  // namespace solarlon::commands
