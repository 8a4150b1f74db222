// NUTARG, NUTATE  Fundamental arguments and the leading terms of the 1900-based nutation series, and
//                 the rotation between the mean and the true equator and equinox of date.
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

namespace {

// c0 + c1 d + c2 d^2 + c3 d^3 degrees, less whole turns; the sign is kept, so the value lies in
// (-360, 360). Only sines and cosines of it are used.
double argument(double d, double c0, double c1, double c2, double c3) {
    double a = c0 + c1 * d + c2 * d * d + c3 * d * d * d;
    a = a - 360.0 * std::trunc(a / 360.0);
    return a;
}

}  // namespace

// NUTARG  Fundamental arguments of the nutation: Brown's mean elements of the Moon, Newcomb's of the Sun,
//          each a cubic in D.
//  References: Explanatory Supplement to the Astronomical Ephemeris and the American Ephemeris
//            and Nautical Almanac, HMSO, London (1961): the arguments in days from 1900 January 0.5
//  Called:   none
void NUTARG(const double& D, double& EL, double& ELP, double& F, double& DM, double& OM) {
    const double l = argument(D, 296.104608, 13.0649924465, 6.89e-12, 2.95e-19);
    const double lp = argument(D, 358.475833, 0.9856002669, -1.12e-13, -6.8e-20);
    const double f = argument(D, 11.250889, 13.229350449, -2.407e-12, -7e-21);
    const double dm = argument(D, 350.737486, 12.1907491914, -1.076e-12, 3.9e-20);
    const double om = argument(D, 259.183275, -0.0529539222, 1.557e-12, 4.6e-20);
    EL = l;
    ELP = lp;
    F = f;
    DM = dm;
    OM = om;
}

// NUTATE  Mean to true equator and equinox of date (ISIGN = +1), or back to first order (ISIGN = -1).
//  Method:   Seven terms of the nutation in longitude and four in obliquity (arc seconds, T in Julian
//            centuries from 1900 January 0.5), applied as the first-order form of
//            R1(-eps-deps) R3(-dpsi) R1(eps) with Newcomb's mean obliquity eps.
//  References: E. W. Woolard, Theory of the rotation of the Earth around its center of mass,
//            Astronomical Papers prepared for the use of the American Ephemeris and Nautical
//            Almanac, vol. XV, part I (1953): the series whose leading terms these are, as also
//            tabulated in the Explanatory Supplement (1961; see NUTARG)
//  Called:   TIMARG, OBLIQ, NUTARG
void NUTATE(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z) {
    const double rad = kDegree;

    double d = 0.0, t = 0.0;
    TIMARG(YEAR, MON, DAY, HOUR, MINUTE, SECOND, d, t);
    double l = 0.0, lp = 0.0, f = 0.0, dm = 0.0, om = 0.0;
    NUTARG(d, l, lp, f, dm, om);

    // Combined arguments, radians. 2F - 2D + 2 Omega is twice the Sun's mean longitude,
    // 2F + 2 Omega twice the Moon's.
    const double a_om = om * rad;
    const double a_2sun = (2.0 * f - 2.0 * dm + 2.0 * om) * rad;
    const double a_2om = (2.0 * om) * rad;
    const double a_lp = lp * rad;
    const double a_lp2sun = (lp + 2.0 * f - 2.0 * dm + 2.0 * om) * rad;
    const double a_2moon = (2.0 * f + 2.0 * om) * rad;
    const double a_l = l * rad;

    // Nutation in longitude and in obliquity, arc seconds.
    double dpsi = (-17.2327 - 0.01737 * t) * std::sin(a_om);
    dpsi = dpsi + (-1.2729 - 0.00013 * t) * std::sin(a_2sun);
    dpsi = dpsi + (0.2088 + 0.00002 * t) * std::sin(a_2om);
    dpsi = dpsi + (0.1261 - 0.00031 * t) * std::sin(a_lp);
    dpsi = dpsi + (-0.0497 - 0.00012 * t) * std::sin(a_lp2sun);
    dpsi = dpsi + (-0.2037 - 0.00002 * t) * std::sin(a_2moon);
    dpsi = dpsi + (0.0675 - 0.00001 * t) * std::sin(a_l);
    double deps = (9.21 + 0.00091 * t) * std::cos(a_om);
    deps = deps + (0.5522 - 0.00029 * t) * std::cos(a_2sun);
    deps = deps + (-0.0904 + 0.00004 * t) * std::cos(a_2om);
    deps = deps + (0.0884 - 0.00005 * t) * std::cos(a_2moon);

    // To radians, with the sign of the correction.
    const double sign = static_cast<double>(ISIGN);
    dpsi = sign * dpsi / 3600.0 * kPi / 180.0;
    deps = sign * deps / 3600.0 * kPi / 180.0;

    const double eps = OBLIQ(t) * rad;
    const double ce = std::cos(eps), se = std::sin(eps);

    const double x = X, y = Y, z = Z;
    const double x1 = x - dpsi * ce * y - dpsi * se * z;
    const double y1 = dpsi * ce * x + y - deps * z;
    const double z1 = dpsi * se * x + deps * y + z;
    X = x1;
    Y = y1;
    Z = z1;
}

}  // namespace solarlon
