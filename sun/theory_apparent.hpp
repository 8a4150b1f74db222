// sun_apparent.hpp  The typed interface's route to the apparent theory: instants of a zone (UTC, with
//                   its leap seconds, or TT) to and from the Julian Dates of solar/apparent.hpp.
//                   Private to solar/.
#ifndef SOLARLON_SOLAR_SUN_APPARENT_HPP
#define SOLARLON_SOLAR_SUN_APPARENT_HPP

#include <array>
#include <cstdint>

#include <solarlon/sun.hpp>

namespace solarlon::sun::by_apparent {

// position  The apparent Sun at AT (the equinox of date); NaN in every member where it is refused.
Position position(const Instant& at);

// instant_of  The first instant in ZONE from 0 h of January 1 of YEAR there, in SCALE, at which the
//             apparent longitude reaches LON (degrees); hour and minute whole, NaN where refused.
Instant instant_of(std::int32_t year, double lon, double zone, Scale scale);

// solar_terms  The 24 terms' instants of the year of the zone, in calendar order from 小寒.
std::array<Instant, 24> solar_terms(std::int32_t year, double zone, Scale scale);

// is_leap_second  Whether AT (UTC, second from 60 up to 61) lies inside an inserted leap second.
bool is_leap_second(const Instant& at);

// refusal  Why position(AT), or instant_of(YEAR, LON, ZONE), is NaN; the equinox is not looked at.
Refusal refusal(const Instant& at);
Refusal refusal(std::int32_t year, double lon, double zone, Scale scale);

}  // namespace solarlon::sun::by_apparent

#endif
