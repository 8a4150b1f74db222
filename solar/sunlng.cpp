// SUNLNG, SUNLON  The Sun's longitude, radius vector and rectangular coordinates from Newcomb's
//                 theory, and the longitude alone.
//
//  Method:   Newcomb's series about JD 2440000.0, mean equinox and ecliptic of 1950.0: the mean
//            longitude (time_arguments), the equation of the centre in M, 2M and 3M, the twenty
//            periodic terms of DAT and three lunar terms; the rectangular coordinates from the
//            longitude, the radius vector and the Sun's small latitude above the 1950 ecliptic. The
//            longitude is then referred to the chosen equinox by the precession in longitude
//            (refer_longitude) and the coordinates by rotation (refer_coordinates).
//  Notes:  1 The time argument of the series is dynamical time: UT plus DELT. The precession epoch
//            of the instant and the coordinate reduction take the instant as UT and, through DAYNUM,
//            drop the fraction of DAY.
//          2 LON and RV are not derived again from the rotated vector.
//          3 All intermediate values are doubles, so any input, however large or not finite, is
//            safe (the results are then meaningless).
//          4 SUNLON evaluates the longitude by the same operations as SUNLNG and skips the radius
//            vector, the rectangular coordinates and their reduction.
//  Accuracy: Every angle is reduced in degrees before its sine and cosine are taken (SINCOSD), and
//            the multiples 2M and 3M of the mean anomaly come from the sine and cosine of M. The
//            results agree with the formulas evaluated literally (sunlng_literal, in the tests'
//            support library) to some 1e-11 degree in LON.
//  References: S. Newcomb, Tables of the Sun, Astronomical Papers prepared for the use of the
//            American Ephemeris and Nautical Almanac, vol. VI, part I, Washington (1895): the
//            equation of the centre, the elliptic terms of the radius vector and the lunar terms,
//            here referred to JD 2440000.0; the Moon's mean arguments are E. W. Brown's, as in the
//            Explanatory Supplement to the Astronomical Ephemeris, HMSO, London (1961)
//  Called:   time_arguments, choose_equinox, refer_longitude, refer_coordinates, SINCOSD
#include <cmath>
#include <cstdint>

#include <solarlon/solar.hpp>

#include "detail.hpp"
#include "tables.hpp"
#include "trig.hpp"

namespace solarlon {

namespace {

using detail::SINCOSD;
using detail::SIND;

// What the series gives at one instant.
struct Series {
    double delt;  // Delta T, s
    double ty;    // Julian years from JD 2440000.0, dynamical time
    double lon;   // longitude, mean equinox of 1950.0, before it is brought into [0, 360]
    double rv;    // radius vector, AU (FULL only)
    double saf;   // sine of the Moon's argument of latitude (FULL only)
};

// Newcomb's series at a UT instant. The longitude is computed by the same operations whether or not
// the radius vector (FULL) is wanted, so SUNLNG and SUNLON agree to the last bit.
template <bool FULL>
Series series(double year, double mon, double day, double hour, double minute, double second) {
    const detail::TimeArguments ta = detail::time_arguments(year, mon, day, hour, minute, second);
    const double delt = ta.delt, d = ta.d, ty = ta.ty, tc = ta.tc, l = ta.l;

    // Equation of the centre, degrees.
    const double e1 = detail::kCentre[0][0] + detail::kCentre[0][1] * tc;
    const double e2 = detail::kCentre[1][0] + detail::kCentre[1][1] * tc;

    // The angles, degrees: the planetary and long-period terms (0..19), the mean anomaly M (20), the
    // Moon's mean elongation D (21), D less the Moon's mean anomaly (22) and the Moon's argument of
    // latitude F (23). Their sines and cosines are taken together. The lunar rates are Brown's mean
    // motions as NUTARG has them (Explanatory Supplement 1961), rounded to 1e-7 degree a day.
    enum { NT = 20, MA = 20, AD = 21, AS = 22, AF = 23, NA = 24 };
    double arg[NA], sa[NA], ca[NA];
    for (int j = 0; j < NT; ++j) arg[j] = DAT[j + 1][0] + DAT[j + 1][1] * ty;
    arg[MA] = DAT[0][0] + DAT[0][1] * d;
    arg[AD] = 315.65 + 12.1907491 * d;
    arg[AS] = 176.03 - 0.8742433 * d;
    arg[AF] = 0.43 + 13.2293506 * d;
    SINCOSD(arg, sa, ca, NA);

    // Planetary and long-period terms: longitude in 0.00001 degree, radius in 0.0000001 AU.
    double sl = 0.0, sr = 0.0;
    for (int j = 0; j < NT; ++j) {
        sl = sl + DAT[j + 1][2] * sa[j];
        if constexpr (FULL) sr = sr + DAT[j + 1][3] * ca[j];
    }

    // Multiples of the mean anomaly: sin 2M = 2 sin M cos M, sin 3M = sin M (3 - 4 sin^2 M),
    // cos 2M = (cos M - sin M)(cos M + sin M), cos 3M = cos M (4 cos^2 M - 3).
    const double sm = sa[MA], cm = ca[MA];
    const double s2m = 2.0 * sm * cm;
    const double s3m = sm * (3.0 - 4.0 * sm * sm);

    // Newcomb (1895), in 0.00001 degree and 0.0000001 AU: 60.91042 is the mean longitude at the epoch
    // on the mean equinox of 1950.0, 29 sin 3M the third term of the equation of the centre (his
    // 1.054"), 179 sin D and -12 sin (D - l) the Moon's perturbation (6.44" and -0.43"). In the radius
    // vector R0 = 1 + e^2/2, RE1 = e - 3e^3/8 and RE2 = e^2/2, with his eccentricity
    // 0.01675104 - 0.0000418 T (T from 1900), 0.0167225 at the epoch.
    Series r{};
    r.delt = delt;
    r.ty = ty;
    r.lon = l + 60.91042 + e1 * sm + e2 * s2m + 0.00001 * (29.0 * s3m + 179.0 * sa[AD] - 12.0 * sa[AS] + sl);
    if constexpr (FULL) {
        const double r0 = 1.0001398 - 0.0000007 * tc;
        const double re1 = 0.0167207 - 0.00004179 * tc;
        const double re2 = 0.0001398 - 0.0000007 * tc;
        const double c2m = (cm - sm) * (cm + sm);
        const double c3m = cm * (4.0 * cm * cm - 3.0);
        r.rv = r0 - re1 * cm - re2 * c2m + 0.0000001 * (307.0 * ca[AD] - 18.0 * c3m - 31.0 * ca[AS] + sr);
        r.saf = sa[AF];
    }
    return r;
}

}  // namespace

void SUNLNG(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& DELT, double& LON, double& RV, double& X, double& Y,
            double& Z) {
    // Inputs copied first, so that outputs may share a variable with them.
    const double eq = EQ, year = YEAR, mon = MON, day = DAY, hour = HOUR, minute = MINUTE, second = SECOND;

    const Series s = series<true>(year, mon, day, hour, minute, second);
    const double rv = s.rv, ty = s.ty;

    // Equatorial coordinates, mean equator and equinox of 1950.0: 0.917437 and 0.3978812 are the
    // cosine and sine of Newcomb's mean obliquity of 1950.0, 23.4458 degrees. The terms in B and sin F
    // are the Sun's latitude above the 1950 ecliptic, in radians times -sin eps (Y) and cos eps (Z):
    // -(42.7 + 2.26 TY) 1e-6 sin(LON + 6), as the ecliptic of date turns about a node near longitude
    // 174 degrees by some 0.47" a year (Newcomb's motion of the ecliptic), and about 0.6" sin F from
    // the Moon.
    double slon = 0.0, clon = 0.0;
    SINCOSD(s.lon, slon, clon);
    const double b = SIND(s.lon + 6.0);
    double x = rv * clon;
    double yy = 0.917437 * rv * slon + 0.000001 * ((17.0 + 0.9 * ty) * b - s.saf);
    double z = 0.3978812 * rv * slon + 0.000001 * (3.0 * s.saf - (39.0 + 2.1 * ty) * b);

    const detail::Equinox equinox = detail::choose_equinox(eq, year, mon, day, hour, minute, second);
    const double lon = detail::refer_longitude(equinox, s.lon);
    if (equinox.kind != EquinoxKind::mean_1950) {
        detail::refer_coordinates(equinox, year, mon, day, hour, minute, second, lon, x, yy, z);
    }

    DELT = s.delt;
    LON = lon;
    RV = rv;
    X = x;
    Y = yy;
    Z = z;
}

void SUNLON(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& LON) {
    const double eq = EQ, year = YEAR, mon = MON, day = DAY, hour = HOUR, minute = MINUTE, second = SECOND;
    const Series s = series<false>(year, mon, day, hour, minute, second);
    const detail::Equinox equinox = detail::choose_equinox(eq, year, mon, day, hour, minute, second);
    LON = detail::refer_longitude(equinox, s.lon);
}

}  // namespace solarlon
