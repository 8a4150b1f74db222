// track  The Sun's apparent longitude at a TT instant with its rate and acceleration, as the search
//        evaluates it.
//
//  Method:   Steps 1 to 3 of place_tt as they stand: TDB, eraEpv00, the light time and the annual
//            aberration, giving the apparent direction u in the BCRS axes. For the longitude, of the
//            frame bias, precession and nutation only what moves it is taken: in the Fukushima-
//            Williams angles of eraPfw06 (gamma, phi, psi, eps) the true ecliptic of date is
//            R1(phi) R3(gamma) u turned about its pole by psi + Delta psi, the nutation in
//            obliquity turning only the equator. So the longitude is that of R1(phi) R3(gamma) u plus
//            psi and Delta psi (nutation_in_longitude), which is what eraPn06a and the true obliquity
//            give, to rounding (1e-15 radian).
//            Rate: that of the direction to first order in v/c, the unit vector to the Sun plus the
//            Earth's barycentric velocity in units of c, moving with the Earth's velocity and its
//            acceleration under the Sun's pull, about the same frame; plus the rates of psi and of
//            Delta psi. Acceleration: that of the geometric longitude under the
//            Sun's pull alone (the Moon adds a tenth or so); it only guesses the next solar term.
//  Notes:  1 The frame's own turn in longitude (the rates of gamma and phi) is under 1e-7 of the
//            Sun's motion and is left out of the rate, as are the change of the light time, the
//            Moon's and planets' pull on the aberration and its second order in v/c: the rate errs
//            by under 1e-6 of itself (the Moon's pull on the aberration most).
//          2 TDB - TT is taken on by the rate of its two largest terms (1.7 ms and 0.1 ms T, a
//            year's period; T in Julian millennia): the others change it by under 2 us a day, which
//            over a quarter of a day moves the Earth by a centimetre.
//          3 The nutation in longitude is taken on by its rate and acceleration: over 0.01 day its
//            third derivative (under 0.1" a day cubed) adds under 2e-8".
//  Called:   eraDtdb, eraEpv00, eraAb, eraPfw06, eraFw2m, eraRxp, eraPm, eraAnp,
//            nutation_in_longitude
#include <cmath>
#include <limits>

#include "detail.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#include <erfam.h>
#endif

namespace solarlon::apparent::detail {

#if SOLARLON_HAVE_ERFA

namespace {

constexpr double kGauss2 = 0.01720209895 * 0.01720209895;  // k^2, AU^3 a day^2: the Sun's pull
constexpr double kDays = 365250.0;                         // a Julian millennium, days

// Rate of TDB - TT, seconds a day (note 2).
double tdb_rate(double tt1, double tt2) {
    const double t = ((tt1 - ERFA_DJ00) + tt2) / kDays;
    const double w = 6283.075849991;
    return (1656.674564e-6 * w * std::cos(w * t + 6.240054195) + 102.156724e-6 * std::sin(w * t + 4.249032005) +
            102.156724e-6 * t * w * std::cos(w * t + 4.249032005)) /
           kDays;
}

// Days from instant A to B.
double days(double a1, double a2, double b1, double b2) { return (b1 - a1) + (b2 - a2); }

// Rate of the longitude of a point P moving at V, radians per unit of V's time.
double turn(const double p[3], const double v[3]) { return (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]); }

}  // namespace

Track track(double tt1, double tt2, Slow& slow) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(tt1) || !std::isfinite(tt2)) return {nan, nan, nan};

    // 1 The Earth at TDB, with TDB - TT as place_tt has it.
    const double dt = days(slow.tdb1, slow.tdb2, tt1, tt2);
    if (!(std::fabs(dt) <= 0.25)) {
        double ut = std::fmod(std::fmod(tt1 - 0.5, 1.0) + tt2, 1.0);
        if (ut < 0.0) ut += 1.0;
        slow.tdb1 = tt1;
        slow.tdb2 = tt2;
        slow.tdb_tt = eraDtdb(tt1, tt2, ut, 0.0, 0.0, 0.0);
        slow.tdb_rate = tdb_rate(tt1, tt2);
    }
    const double tdb_tt = slow.tdb_tt + slow.tdb_rate * days(slow.tdb1, slow.tdb2, tt1, tt2);
    const double tdb2 = tt2 + tdb_tt / ERFA_DAYSEC;
    double pvh[2][3], pvb[2][3];
    (void)eraEpv00(tt1, tdb2, pvh, pvb);
    ++slow.ephemerides;

    // 2 The geocentric Sun at the time its light left it.
    double p[3];
    for (int i = 0; i < 3; ++i) p[i] = -pvh[0][i];
    const double tau = eraPm(p) / ERFA_DC;
    for (int i = 0; i < 3; ++i) p[i] = p[i] - tau * (pvb[1][i] - pvh[1][i]);
    const double r = eraPm(p);

    // 3 Annual aberration.
    double pnat[3], v[3];
    for (int i = 0; i < 3; ++i) {
        pnat[i] = p[i] / r;
        v[i] = pvb[1][i] / ERFA_DC;
    }
    const double bm1 = std::sqrt(1.0 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    double u[3];
    eraAb(pnat, v, r, bm1, u);

    // The direction's rate: p/r + v/c moves at (p' - (p/r . p') p/r) / r + a/c, p' = -vh and a the
    // Earth's acceleration.
    const double rh = eraPm(pvh[0]);
    const double radial = -(pnat[0] * pvh[1][0] + pnat[1] * pvh[1][1] + pnat[2] * pvh[1][2]);
    double d[3], dd[3], acc[3];
    for (int i = 0; i < 3; ++i) {
        acc[i] = -kGauss2 * pvh[0][i] / (rh * rh * rh);
        d[i] = pnat[i] + v[i];
        dd[i] = (-pvh[1][i] - radial * pnat[i]) / r + acc[i] / ERFA_DC;
    }

    // 4 About the ecliptic of date: R1(phi) R3(gamma), then psi and Delta psi.
    double gamb = 0.0, phib = 0.0, psib = 0.0, epsa = 0.0;
    eraPfw06(tt1, tt2, &gamb, &phib, &psib, &epsa);
    double rot[3][3];
    eraFw2m(gamb, phib, 0.0, 0.0, rot);
    double e[3], f[3], df[3], g[3], dg[3], ddg[3];
    eraRxp(rot, u, e);
    eraRxp(rot, d, f);
    eraRxp(rot, dd, df);
    eraRxp(rot, p, g);
    for (int i = 0; i < 3; ++i) dg[i] = -pvh[1][i];
    eraRxp(rot, dg, dg);
    for (int i = 0; i < 3; ++i) ddg[i] = -acc[i];
    eraRxp(rot, ddg, ddg);

    if (!(std::fabs(days(slow.nut1, slow.nut2, tt1, tt2)) <= 0.01)) {
        slow.nut1 = tt1;
        slow.nut2 = tt2;
        slow.nutation = nutation_in_longitude(tt1, tt2);
        ++slow.nutations;
    }
    const double h = days(slow.nut1, slow.nut2, tt1, tt2);
    const Nutation& n = slow.nutation;
    const double dpsi = n.dpsi + h * (n.rate + 0.5 * h * n.acceleration);
    const double dpsi_rate = n.rate + h * n.acceleration;

    // psi's rate, from its polynomial (eraPfw06), arc seconds a Julian century.
    const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;
    const double psi_rate = (5038.481484 + t * (2.0 * 1.5584175 - t * 3.0 * 0.00018522)) * ERFA_DAS2R / ERFA_DJC;

    const double lon = eraAnp(std::atan2(e[1], e[0]) + psib + dpsi) * ERFA_DR2D;
    const double rate = turn(f, df) + psi_rate + dpsi_rate;

    // The geometric longitude's acceleration: d/dt of (x y' - y x') / (x^2 + y^2).
    const double rho2 = g[0] * g[0] + g[1] * g[1];
    const double w = (g[0] * dg[1] - g[1] * dg[0]) / rho2;
    const double accel = (g[0] * ddg[1] - g[1] * ddg[0]) / rho2 - 2.0 * w * (g[0] * dg[0] + g[1] * dg[1]) / rho2;
    return {lon < 360.0 ? lon : 0.0, rate * ERFA_DR2D, accel * ERFA_DR2D};
}

#else

Track track(double, double, Slow&) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
}

#endif

}  // namespace solarlon::apparent::detail
