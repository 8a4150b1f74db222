// detail.hpp  The private routines of apparent/: the nutation in longitude from its series, the Moon
//             roughly, and the apparent longitude with its rates as the search evaluates it.
//
// Private to apparent/ and its tests; the constant tables are declared in apparent/tables.hpp.
#ifndef SOLARLON_APPARENT_DETAIL_HPP
#define SOLARLON_APPARENT_DETAIL_HPP

#include <array>
#include <limits>

#include "apparent/apparent.hpp"

namespace solarlon::apparent::detail {

// Nutation  The nutation in longitude and its first two derivatives.
struct Nutation {
    double dpsi;          // radians
    double rate;          // radians a day
    double acceleration;  // radians a day a day
};

// nutation_in_longitude  Delta psi of the IAU 2006/2000A nutation (the IAU 2000A series with the
//                        IAU 2006 adjustments, as eraNut06a gives it) and its derivatives.
//  Given:    tt1, tt2   TT, two-part Julian Date
//  Returned: Delta psi, its rate and acceleration; NaN in a build without ERFA
Nutation nutation_in_longitude(double tt1, double tt2);

// Seen  The Sun as the Earth sees it: the geocentric Sun at the time its light left it, and its
//       direction after annual aberration.
struct Seen {
    double r;        // distance at the time the light left the Sun, AU
    double pnat[3];  // unit direction before aberration
    double v[3];     // the Earth's barycentric velocity in units of c
    double u[3];     // the apparent direction (eraAb)
};

// seen  The light time (with the Sun's barycentric motion) and the annual aberration.
//  Given:    pvh, pvb   the Earth's heliocentric and barycentric position and velocity (AU, AU a day)
//  Returned: the Sun seen; NaN in a build without ERFA
Seen seen(const double (&pvh)[2][3], const double (&pvb)[2][3]);

// Moon  The Moon's geocentric place, mean ecliptic and equinox of date.
struct Moon {
    double longitude, latitude;  // radians
    double distance;             // AU
};

// kMoonShare  The Moon's share of the Earth-Moon mass, 1/(1 + 81.3006).
constexpr double kMoonShare = 1.0 / 82.3006;

// moon  The Moon's geocentric place at TT (two-part Julian Date), to 0.4 degree and 0.35 percent of
//       its distance; NaN in a build without ERFA.
Moon moon(double tt1, double tt2);

// wobble  What the Earth's monthly turn about the Earth-Moon barycentre and the short-period
//         nutation add to the Sun's apparent longitude, roughly (to some 0.1").
//  Given:    tt1, tt2   TT, two-part Julian Date
//            sun        the Sun's longitude then, radians
//  Returned: radians
double wobble(double tt1, double tt2, double sun);

// Slow  What one evaluation keeps for the next ones near it: TDB - TT, the nutation in longitude
//       and the Earth from eraEpv00, each with the instant (two-part Julian Date) it was found at;
//       and the count of evaluations.
struct Slow {
    double tdb1 = std::numeric_limits<double>::quiet_NaN(), tdb2 = 0.0;
    double tdb_tt = 0.0, tdb_rate = 0.0;  // seconds; seconds a day
    double nut1 = std::numeric_limits<double>::quiet_NaN(), nut2 = 0.0;
    Nutation nutation{0.0, 0.0, 0.0};
    double epv1 = std::numeric_limits<double>::quiet_NaN(), epv2 = 0.0;  // TDB of the Earth below
    double pvh[2][3] = {}, pvb[2][3] = {};  // eraEpv00: heliocentric, barycentric; AU, AU a day
    double acc[3] = {}, jerk[3] = {};       // the Earth's, under the Sun's and the Moon's pull
    int evaluations = 0;                    // track calls, and of them
    int ephemerides = 0, nutations = 0;     // eraEpv00 and nutation_in_longitude calls
};

// Track  The Sun's apparent longitude at an instant and its derivatives.
struct Track {
    double longitude;     // degrees, [0, 360), as longitude()
    double rate;          // degrees a day
    double acceleration;  // degrees a day^2, and
    double jerk;          // degrees a day^3, of the geometric longitude seen from the Earth-Moon
                          // barycentre in the Sun's pull alone
};

// track  The Sun's apparent longitude at TT by the reduction of place_tt, with its rates.
//  Given:    tt1, tt2   TT, two-part Julian Date
//  Given and returned:
//            slow       TDB - TT, used within a quarter of a day of its instant (taken on by its
//                       rate); the nutation, used within 0.01 day (by its rate and acceleration);
//                       the Earth, carried within 0.003 day; each found afresh at TT1 + TT2 and
//                       kept when farther
//  Returned: every member NaN where the instant is not finite or there is no theory
Track track(double tt1, double tt2, Slow& slow);

// solar_terms_tt  As apparent::solar_terms_tt, the evaluations counted in SLOW (given fresh).
std::array<Jd, 24> solar_terms_tt(double year, double zone, Scale scale, Slow& slow);

}  // namespace solarlon::apparent::detail

#endif
