// available, coverage, longitude, place, seen  The Sun's apparent geocentric ecliptic longitude,
//     true ecliptic and equinox of date, by the IAU 2006/2000A reduction of ERFA, and what it answers.
//
//  Method:   At TT = UTC + tt_minus_utc, and TDB = TT + eraDtdb at the geocentre (under 1.7 ms):
//            1 eraEpv00 at TDB: the Earth's heliocentric and barycentric position and velocity, BCRS (ICRS
//              axes), AU and AU a day.
//            2 Light time: the Sun is seen where it was tau = r/c earlier, r its distance; the
//              geocentric Sun is the Earth's heliocentric position negated, less tau times the Sun's
//              barycentric velocity (the Earth's barycentric less its heliocentric velocity).
//            3 Annual aberration, eraAb, with the Earth's barycentric velocity in units of c.
//            4 Frame bias, IAU 2006 precession and IAU 2000A nutation (eraPn06a, which also gives the
//              nutation and the mean obliquity): GCRS to the true equator and equinox of date.
//            5 About the true equinox by the true obliquity (mean obliquity of eraPn06a plus the
//              nutation in obliquity): the true ecliptic and equinox of date; the longitude from the
//              two ecliptic coordinates. place() gives as well the distance of step 2 and the
//              direction of step 4 times that distance.
//  Notes:  1 The Sun's own barycentric motion moves it some 7 km during the light time, 0.01 arc
//            second; it is taken as uniform over those 8 minutes, which errs by microarcseconds.
//          2 eraEpv00 warns (status 1) outside 1900-2100; its error grows slowly there and the
//            position is still used.
//          3 Without ERFA (SOLARLON_HAVE_ERFA 0) every answer is NaN and available() is false.
//  Called:   to_tt, eraDtdb, eraEpv00, eraAb, eraPn06a, eraRxp, eraPm, eraAnp
#include "apparent/apparent.hpp"

#include <cmath>
#include <limits>

#include "detail.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#include <erfam.h>
#endif

namespace solarlon::apparent {

Coverage coverage(double utc1, double utc2) {
    if (!std::isfinite(utc1) || !std::isfinite(utc2) || !std::isfinite(utc1 + utc2)) return Coverage::not_finite;
    if (!available()) return Coverage::no_theory;
    if ((utc1 - kFirstUtc) + utc2 < 0.0) return Coverage::before_model;
    if ((utc1 - kEndUtc) + utc2 > 0.0) return Coverage::after_range;
    return Coverage::ok;
}

// The span is the same dates in either scale.
Coverage coverage(Jd t, Scale) { return coverage(t.d1, t.d2); }

#if SOLARLON_HAVE_ERFA

bool available() { return true; }

Place place(double utc1, double utc2) {
    const Jd tt = to_tt({utc1, utc2}, Scale::utc, false);
    return place_tt(tt.d1, tt.d2);
}

detail::Seen detail::seen(const double (&pvh)[2][3], const double (&pvb)[2][3]) {
    Seen s{};
    double p[3];
    for (int i = 0; i < 3; ++i) p[i] = -pvh[0][i];
    const double tau = eraPm(p) / ERFA_DC;  // light time, days
    for (int i = 0; i < 3; ++i) p[i] = p[i] - tau * (pvb[1][i] - pvh[1][i]);
    s.r = eraPm(p);  // AU
    for (int i = 0; i < 3; ++i) {
        s.pnat[i] = p[i] / s.r;
        s.v[i] = pvb[1][i] / ERFA_DC;
    }
    const double bm1 = std::sqrt(1.0 - (s.v[0] * s.v[0] + s.v[1] * s.v[1] + s.v[2] * s.v[2]));
    eraAb(s.pnat, s.v, s.r, bm1, s.u);
    return s;
}

Place place_tt(double tt1, double tt2) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(tt1) || !std::isfinite(tt2)) return {nan, nan, nan, nan, nan};

    // 1 The Earth, heliocentric and barycentric, at TDB (note 2); UT1 taken as TT for the diurnal
    //   terms of TDB - TT, which are microseconds.
    double ut = std::fmod(std::fmod(tt1 - 0.5, 1.0) + tt2, 1.0);  // fraction of the day
    if (ut < 0.0) ut += 1.0;
    const double tdb2 = tt2 + eraDtdb(tt1, tt2, ut, 0.0, 0.0, 0.0) / ERFA_DAYSEC;
    double pvh[2][3], pvb[2][3];
    (void)eraEpv00(tt1, tdb2, pvh, pvb);

    // 2, 3 The geocentric Sun at the time its light left it (note 1), and annual aberration.
    detail::Seen s = detail::seen(pvh, pvb);
    const double r = s.r;
    double(&ppr)[3] = s.u;  // ERFA takes it unconst

    // 4 To the true equator and equinox of date.
    double dpsi = 0.0, deps = 0.0, epsa = 0.0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraPn06a(tt1, tt2, &dpsi, &deps, &epsa, rb, rp, rbp, rn, rbpn);
    double q[3];
    eraRxp(rbpn, ppr, q);

    // 5 To the true ecliptic: y' = y cos(eps) + z sin(eps).
    const double eps = epsa + deps;
    const double y = q[1] * std::cos(eps) + q[2] * std::sin(eps);
    const double lon = eraAnp(std::atan2(y, q[0])) * ERFA_DR2D;
    // A tiny negative angle may round up to a full turn.
    return {lon < 360.0 ? lon : 0.0, r, q[0] * r, q[1] * r, q[2] * r};
}

double longitude(double utc1, double utc2) { return place(utc1, utc2).longitude; }

#else

bool available() { return false; }

double longitude(double, double) { return std::numeric_limits<double>::quiet_NaN(); }

Place place(double, double) { return place_tt(0.0, 0.0); }

Place place_tt(double, double) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan, nan, nan};
}

detail::Seen detail::seen(const double (&)[2][3], const double (&)[2][3]) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return Seen{nan, {nan, nan, nan}, {nan, nan, nan}, {nan, nan, nan}};
}

#endif

}  // namespace solarlon::apparent
