// track  The Sun's apparent longitude at a TT instant with its rate, and what guesses the next solar
//        term, as the search evaluates it.
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
//            acceleration, about the same frame; plus the rates of psi and of Delta psi.
//            Acceleration and jerk: those of the Sun's geometric longitude seen from the Earth-Moon
//            barycentre (the Earth plus 1/82.3 of the geocentric Moon, moon()) under the Sun's pull
//            alone, which the Moon's monthly pull on the Earth does not disturb.
//  Notes:  1 The frame's own turn in longitude (the rates of gamma and phi) is under 1e-7 of the
//            Sun's motion and is left out of the rate, as are the change of the light time, the
//            planets' pull on the aberration and its second order in v/c: the rate errs by under
//            3e-7 of itself.
//          2 TDB - TT is taken on by the rate of its two largest terms (1.7 ms and 0.1 ms T, a
//            year's period; T in Julian millennia): the others change it by under 2 us a day, which
//            over a quarter of a day moves the Earth by a centimetre.
//          3 The nutation in longitude is taken on by its rate and acceleration: over 0.01 day its
//            third derivative (under 0.1" a day cubed) adds under 2e-8".
//          4 Within kCarry (0.003 day, 4 minutes) of the last eraEpv00 call the Earth is carried from
//            it by its velocity, its acceleration under the Sun's and the Moon's pull and the jerk of
//            the Sun's: the planets' pull, up to 6e-7 m/s^2, left out, the velocity errs by under
//            1.7e-4 m/s (0.11 microarcsecond of aberration) and the position by 2 cm. Over 1900-2100
//            the longitude so found is within 0.06 microarcsecond (1.5 us of time) of place_tt's.
//            Farther from 2000 eraEpv00 itself moves by up to 0.3 m from one instant to the next
//            (its time argument, Julian years, keeps 1e-13 of a year): so does the full reduction.
//  Called:   eraDtdb, eraEpv00, eraAb, eraPfw06, eraFw2m, eraRxp, eraTrxp, eraCpv, eraPm, eraPdp,
//            eraAnp, nutation_in_longitude, moon
#include <cmath>
#include <complex>
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
constexpr double kMoonPull = kGauss2 / 27068700.0;         // the Moon's GM, AU^3 a day^2
constexpr double kMoonTurn = 0.2299715;                    // the Moon's mean motion, radians a day
constexpr double kCarry = 0.003;                           // days the Earth is carried (note 4)

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
    if (!std::isfinite(tt1) || !std::isfinite(tt2)) return {nan, nan, nan, nan};
    ++slow.evaluations;

    // 1 The Earth at TDB, with TDB - TT as place_tt has it.
    if (!(std::fabs(days(slow.tdb1, slow.tdb2, tt1, tt2)) <= 0.25)) {
        double ut = std::fmod(std::fmod(tt1 - 0.5, 1.0) + tt2, 1.0);
        if (ut < 0.0) ut += 1.0;
        slow.tdb1 = tt1;
        slow.tdb2 = tt2;
        slow.tdb_tt = eraDtdb(tt1, tt2, ut, 0.0, 0.0, 0.0);
        slow.tdb_rate = tdb_rate(tt1, tt2);
    }
    const double tdb_tt = slow.tdb_tt + slow.tdb_rate * days(slow.tdb1, slow.tdb2, tt1, tt2);
    const double tdb2 = tt2 + tdb_tt / ERFA_DAYSEC;

    // The ecliptic of date: R1(phi) R3(gamma) from the BCRS axes, the mean equinox psi from its node.
    double gamb = 0.0, phib = 0.0, psib = 0.0, epsa = 0.0;
    eraPfw06(tt1, tt2, &gamb, &phib, &psib, &epsa);
    double rot[3][3];
    eraFw2m(gamb, phib, 0.0, 0.0, rot);

    // The Moon, about the same axes (note 4).
    const Moon mo = moon(tt1, tt2);
    const double mc = mo.distance * std::cos(mo.latitude);
    double m[3] = {mc * std::cos(mo.longitude - psib), mc * std::sin(mo.longitude - psib),
                   mo.distance * std::sin(mo.latitude)};

    double pvh[2][3], pvb[2][3];
    const double h = days(slow.epv1, slow.epv2, tt1, tdb2);
    if (std::fabs(h) <= kCarry) {
        for (int i = 0; i < 3; ++i) {
            const double a = slow.acc[i], j = slow.jerk[i];
            pvh[0][i] = slow.pvh[0][i] + h * (slow.pvh[1][i] + h * (0.5 * a + h * j / 6.0));
            pvh[1][i] = slow.pvh[1][i] + h * (a + 0.5 * h * j);
            pvb[0][i] = slow.pvb[0][i] + h * (slow.pvb[1][i] + h * (0.5 * a + h * j / 6.0));
            pvb[1][i] = slow.pvb[1][i] + h * (a + 0.5 * h * j);
        }
    } else {
        (void)eraEpv00(tt1, tdb2, pvh, pvb);
        ++slow.ephemerides;
        double mg[3];
        eraTrxp(rot, m, mg);
        const double rh = eraPm(pvh[0]), rm = eraPm(mg), pv = eraPdp(pvh[0], pvh[1]);
        for (int i = 0; i < 3; ++i) {
            slow.acc[i] = -kGauss2 * pvh[0][i] / (rh * rh * rh) + kMoonPull * mg[i] / (rm * rm * rm);
            slow.jerk[i] = -kGauss2 * (pvh[1][i] - 3.0 * pv * pvh[0][i] / (rh * rh)) / (rh * rh * rh);
        }
        eraCpv(pvh, slow.pvh);
        eraCpv(pvb, slow.pvb);
        slow.epv1 = tt1;
        slow.epv2 = tdb2;
    }

    // 2, 3 The geocentric Sun at the time its light left it, and annual aberration.
    Seen seen_sun = seen(pvh, pvb);
    const double r = seen_sun.r;
    double(&pnat)[3] = seen_sun.pnat;
    double(&v)[3] = seen_sun.v;
    double(&u)[3] = seen_sun.u;

    // The direction's rate: p/r + v/c moves at (p' - (p/r . p') p/r) / r + a/c, p' = -vh and a the
    // Earth's acceleration.
    const double radial = -(pnat[0] * pvh[1][0] + pnat[1] * pvh[1][1] + pnat[2] * pvh[1][2]);
    double d[3], dd[3];
    for (int i = 0; i < 3; ++i) {
        d[i] = pnat[i] + v[i];
        dd[i] = (-pvh[1][i] - radial * pnat[i]) / r + slow.acc[i] / ERFA_DC;
    }

    // 4 About the ecliptic of date, then psi and Delta psi.
    double e[3], f[3], df[3];
    eraRxp(rot, u, e);
    eraRxp(rot, d, f);
    eraRxp(rot, dd, df);
    if (!(std::fabs(days(slow.nut1, slow.nut2, tt1, tt2)) <= 0.01)) {
        slow.nut1 = tt1;
        slow.nut2 = tt2;
        slow.nutation = nutation_in_longitude(tt1, tt2);
        ++slow.nutations;
    }
    const double hn = days(slow.nut1, slow.nut2, tt1, tt2);
    const Nutation& n = slow.nutation;
    const double dpsi = n.dpsi + hn * (n.rate + 0.5 * hn * n.acceleration);
    const double dpsi_rate = n.rate + hn * n.acceleration;

    // psi's rate, from its polynomial (eraPfw06), arc seconds a Julian century.
    const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;
    const double psi_rate = (5038.481484 + t * (2.0 * 1.5584175 - t * 3.0 * 0.00018522)) * ERFA_DAS2R / ERFA_DJC;

    const double lon = eraAnp(std::atan2(e[1], e[0]) + psib + dpsi) * ERFA_DR2D;
    const double rate = turn(f, df) + psi_rate + dpsi_rate;

    // The barycentre's geometric longitude in the Sun's pull: with z = x + iy of the Sun seen from
    // it, the longitude is arg z and its derivatives Im(z'/z), Im(z''/z - (z'/z)^2) and
    // Im(z'''/z - 3 (z'/z)(z''/z) + 2 (z'/z)^3).
    double g[3], dg[3];
    for (int i = 0; i < 3; ++i) {
        g[i] = -pvh[0][i];
        dg[i] = -pvh[1][i];
    }
    eraRxp(rot, g, g);
    eraRxp(rot, dg, dg);
    for (int i = 0; i < 3; ++i) g[i] -= kMoonShare * m[i];
    dg[0] += kMoonShare * kMoonTurn * m[1];
    dg[1] -= kMoonShare * kMoonTurn * m[0];
    const double rg = eraPm(g), gv = eraPdp(g, dg), q = kGauss2 / (rg * rg * rg);
    using C = std::complex<double>;
    const C z(g[0], g[1]), z1(dg[0], dg[1]);
    const C z2 = -q * z, z3 = -q * (z1 - (3.0 * gv / (rg * rg)) * z);
    const C a1 = z1 / z, a2 = z2 / z, a3 = z3 / z;
    const double accel = (a2 - a1 * a1).imag(), jerk = (a3 - 3.0 * a1 * a2 + 2.0 * a1 * a1 * a1).imag();
    return {lon < 360.0 ? lon : 0.0, rate * ERFA_DR2D, accel * ERFA_DR2D, jerk * ERFA_DR2D};
}

#else

Track track(double, double, Slow&) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan, nan};
}

#endif

}  // namespace solarlon::apparent::detail
