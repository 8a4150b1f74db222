// moon, wobble  The Moon's geocentric place, roughly, and what it and the short-period nutation do
//     to the Sun's apparent longitude: enough to carry the Earth over minutes and to guess a solar
//     term a fortnight ahead.
//
//  Method:   The largest terms of the Moon's longitude, latitude and distance (J. Meeus,
//            Astronomical Algorithms, 2nd ed., 1998, chapter 47: those over 0.1 degree and 500 km) on
//            the Delaunay arguments of IERS 2003, mean ecliptic and equinox of date: within 0.4 degree
//            and 0.35 percent of eraMoon98 over 1600-3000. The Earth is the Earth-Moon barycentre less
//            1/82.3 of the geocentric Moon, so the Sun seen from it is displaced in longitude by that
//            part of the Moon's place across the line of sight, up to 6.4". The short-period nutation
//            is its five largest terms of periods under 200 days.
//  Called:   eraFal03, eraFalp03, eraFaf03, eraFad03, eraFaom03
#include <cmath>
#include <limits>

#include "detail.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#include <erfam.h>
#endif

namespace solarlon::apparent::detail {

#if SOLARLON_HAVE_ERFA

Moon moon(double tt1, double tt2) {
    const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;
    const double l = eraFal03(t), lp = eraFalp03(t), f = eraFaf03(t), d = eraFad03(t), om = eraFaom03(t);
    const double lon = f + om +
                       ERFA_DD2R * (6.289 * std::sin(l) + 1.274 * std::sin(2.0 * d - l) + 0.658 * std::sin(2.0 * d) +
                                    0.214 * std::sin(2.0 * l) - 0.186 * std::sin(lp) - 0.114 * std::sin(2.0 * f));
    const double lat = ERFA_DD2R * (5.128 * std::sin(f) + 0.281 * std::sin(l + f) + 0.278 * std::sin(l - f) +
                                    0.173 * std::sin(2.0 * d - f));
    const double km = 385001.0 - 20905.0 * std::cos(l) - 3699.0 * std::cos(2.0 * d - l) - 2956.0 * std::cos(2.0 * d) -
                      570.0 * std::cos(2.0 * l);
    return {lon, lat, km * 1000.0 / ERFA_DAU};
}

double wobble(double tt1, double tt2, double sun) {
    const Moon m = moon(tt1, tt2);
    const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;
    const double l = eraFal03(t), f = eraFaf03(t), d = eraFad03(t), om = eraFaom03(t);
    const double nutation = -0.2276 * std::sin(2.0 * (f + om)) - 0.0387 * std::sin(2.0 * f + om) +
                            0.0712 * std::sin(l) - 0.0301 * std::sin(l + 2.0 * (f + om)) -
                            1.3171 * std::sin(2.0 * (f - d + om));
    return kMoonShare * m.distance * std::cos(m.latitude) * std::sin(m.longitude - sun) + nutation * ERFA_DAS2R;
}

#else

Moon moon(double, double) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
}

double wobble(double, double, double) { return std::numeric_limits<double>::quiet_NaN(); }

#endif

}  // namespace solarlon::apparent::detail
