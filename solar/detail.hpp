// detail.hpp  The private routines of solar/: the time arguments of the series, the equinox choice
//             decoded and applied, and the two searches behind SUNTIM.
//
// Private to solar/ and its tests; callers use <solarlon/solar.hpp>. The constant tables are declared
// in solar/tables.hpp, the sine and cosine in degrees in solar/trig.hpp.
//
// Scalars are passed by value; the defined routines that these call (DELTAT, DAYNUM, NUTATE, ABERR,
// SUNLON) take references to the copies.
#ifndef SOLARLON_SOLAR_DETAIL_HPP
#define SOLARLON_SOLAR_DETAIL_HPP

#include <cmath>
#include <cstdint>
#include <functional>

#include <solarlon/solar.hpp>

namespace solarlon::detail {

// ---------------------------------------------------------------- time arguments of the series

// kEpochMjd  The epoch of the theory, JD 2440000.0, as a Modified Julian Date.
constexpr double kEpochMjd = 39999.5;

// kMeanLongitudeRate  The Sun's mean motion in longitude, degrees a day, on the fixed equinox: Newcomb's
//                      129602768.13" a Julian century (S. Newcomb, Tables of the Sun, 1895) less the
//                      general precession. The phase and the rate of its mean anomaly are DAT[0][0]
//                      and DAT[0][1].
constexpr double kMeanLongitudeRate = 0.985609104;

// kCentre  The equation of the centre in M and 2M, degrees: kCentre[k][0] + kCentre[k][1] TC is the
//          coefficient of sin (k + 1) M, TC in Julian centuries from JD 2440000.0. Newcomb's
//          6910.057" - 17.240" T and 72.338" - 0.361" T (T from 1900), referred to the epoch
//          (S. Newcomb, Tables of the Sun, Astronomical Papers of the American Ephemeris VI, 1895).
constexpr double kCentre[2][2] = {{1.91618, -0.00479}, {0.02003, -0.0001}};

// mjd_at_0h  Modified Julian Date of 0 h of a date, by the calendar arithmetic of the theory.
//  Given:    YEAR, MON, DAY   Gregorian date; months 13 and 14 are January and February of the next
//                             year; DAY counts with its fraction
//  Result:   days, in the time scale of the time of day that the caller adds
//  Notes:    The one day count of the theory: time_arguments adds the time of day to it, and the
//            prediction of the search (predict_search) counts the days of its grid with it. It is not
//            DAYNUM (whose whole days are MJD + 678941 for the dates of years 1 and later) because
//            the series takes the day's fraction and this arithmetic as they are, on the path of
//            every evaluation, and its values are kept to the last bit; DAYNUM serves the equinox
//            routines (equinox/daynum.cpp lists the program's day counts).
inline double mjd_at_0h(double YEAR, double MON, double DAY) {
    // January and February are months 13 and 14 of the previous year.
    double y = YEAR, m = MON;
    if (!(m > 2.5)) {
        y = y - 1.0;
        m = m + 12.0;
    }
    return std::trunc(365.25 * y + 0.000001) + std::trunc(y / 400.0 + 0.000001) - std::trunc(y / 100.0 + 0.000001) +
           std::trunc(30.59 * (m - 2.0) + 0.000001) + DAY - 678912.0;
}

// TimeArguments  The time arguments of Newcomb's series at a UT instant.
struct TimeArguments {
    double delt;  // Delta T from DELTAT, seconds
    double d;     // days from JD 2440000.0, dynamical time
    double ty;    // Julian years from JD 2440000.0
    double tc;    // Julian centuries from JD 2440000.0
    double l;     // mean longitude less its epoch value, degrees: (-360, 360) with the sign of d
};

// time_arguments  The time arguments and the mean longitude of the series.
//  Given:    YEAR..SECOND  UT instant as SUNLNG (the whole DAY, fraction included, counts)
//  Result:   the arguments, in dynamical time: UT plus Delta T
//  Called:   DELTAT
inline TimeArguments time_arguments(double YEAR, double MON, double DAY, double HOUR, double MINUTE, double SECOND) {
    TimeArguments a{};
    DELTAT(YEAR, MON, DAY, a.delt);
    const double mjd = mjd_at_0h(YEAR, MON, DAY) + HOUR / 24.0 + MINUTE / 1440.0 + (SECOND + a.delt) / 86400.0;
    a.d = mjd - kEpochMjd;
    a.ty = a.d / 365.25;
    a.tc = a.ty / 100.0;

    // Newcomb's 1.089" TC^2 (1895), in degrees; the quadratic term is subtracted; reduced toward zero.
    const double l = kMeanLongitudeRate * a.d - 0.0003025 * a.tc * a.tc;
    a.l = l - 360.0 * std::trunc(l / 360.0);
    return a;
}

// ---------------------------------------------------------------- the equinox choice

// Equinox  The equinox choice as the routines use it.
struct Equinox {
    EquinoxKind kind;  // as equinox_kind decides it
    double epoch;      // the equinox as a year: 1950; EQ with its fraction; 1950 + t for the instant
    double t;          // years of precession from 1950.0: 0; EQ - 1950; for the instant, counted in UT
                       // from 1950 January 0, whole days by DAYNUM (the fraction of DAY is dropped)
};

// choose_equinox  The equinox choice decoded.
//  Given:    EQ            equinox choice, as SUNLNG: rounded by adding 0.5 and truncating, 1950 is
//                          the mean equinox of 1950.0, 0 that of the instant, another value the mean
//                          equinox of the year EQ (used with its fraction)
//            YEAR..SECOND  the UT instant (read for the equinox of the instant only)
//  Result:   the equinox
Equinox choose_equinox(double EQ, double YEAR, double MON, double DAY, double HOUR, double MINUTE, double SECOND);

// refer_longitude  The longitude of the series referred to the chosen equinox.
//  Given:    EQ    the equinox, from choose_equinox
//            LON   longitude of the series, mean equinox of 1950.0, degrees (some -302 to 424)
//  Result:   the longitude, degrees: for 1950 brought into [0, 360]; otherwise with the general
//            precession in longitude added and one turn added or taken away where it leaves [0, 360]
//  Notes:    The general precession in longitude from 1950.0 is 50.26754 T + 0.000111 T^2 +
//            0.000000202 T^3 arc seconds for T years; the first two terms are Newcomb's general
//            precession, 5025.64" + 2.22" T a century from 1900 (Explanatory Supplement to the
//            Astronomical Ephemeris, 1961), referred to 1950.0. Inline: SUNLON, the search's evaluator,
//            calls it.
inline double refer_longitude(const Equinox& EQ, double LON) {
    double lon = LON;
    if (EQ.kind == EquinoxKind::mean_1950) {
        // Into [0, 360]: only values above 360 or below 0 move.
        if (lon > 360.0) {
            lon = lon - 360.0 * std::trunc(lon / 360.0);
        } else if (lon < 0.0) {
            double a = -lon;
            a = a - 360.0 * std::trunc(a / 360.0);
            lon = 360.0 - a;
        }
        return lon;
    }

    // General precession in longitude, arc seconds to degrees.
    const double t = EQ.t;
    const double p = (50.26754 * t + 0.000111 * t * t + 0.000000202 * t * t * t) / 3600.0;
    lon = lon + p;
    if (lon < 0.0) lon = lon + 360.0;
    if (lon > 360.0) lon = lon - 360.0;
    return lon;
}

// refer_coordinates  The rectangular coordinates of the series referred to the chosen equinox.
//  Given:    EQ            the equinox, from choose_equinox: a year or the instant (for 1950 the
//                          coordinates of the series stand as they are, and this is not called)
//            YEAR..SECOND  the UT instant, for nutation and aberration
//            LON           the Sun's longitude from refer_longitude, degrees, for the aberration
//  Given and returned:
//            X, Y, Z       coordinates, AU: mean equator and equinox of 1950.0 in; out, of the year
//                          of the equinox, or the true equator and equinox of the instant with annual
//                          aberration
void refer_coordinates(const Equinox& EQ, double YEAR, double MON, double DAY, double HOUR, double MINUTE,
                       double SECOND, double LON, double& X, double& Y, double& Z);

// ---------------------------------------------------------------- the searches behind SUNTIM
//
// The two kernels take SUNTIM's argument list, the given scalars by value, so that either stands where
// the other does (SUNTIM and the tests choose between them).

// LongitudeFn  Longitude (degrees) at minute 0, second 0 of hour HOUR (UT) of the date YEAR, MON, DAY.
using LongitudeFn = std::function<double(double YEAR, double MON, double DAY, double HOUR)>;

// scan_search  SUNTIM's search, every span of each level tested in order.
//  Given:    LAMBDA  longitude evaluator (SUNLON with the chosen equinox, for SUNTIM)
//            IZONE, IYEAR, LON, YEAR   as SUNTIM
//  Returned: MON..SECOND, IYADD        as SUNTIM (11 arguments)
//  Notes:    LAMBDA is called at most 69 times for an instant inside the year and at most 95 times
//            when the instant falls on January 1 of the next year.
void scan_search(const LongitudeFn& LAMBDA, std::int32_t IZONE, std::int32_t IYEAR, double LON, double YEAR,
                 double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND, std::int32_t& IYADD);

// predict_search  scan_search's answer from some 7 evaluations, the span of each level predicted.
//  Given:    as scan_search
//  Returned: MON..SECOND, IYADD   scan_search's answer, bit for bit, when the result is true;
//                                 untouched when it is false
//  Result:   false when it gives up: a LON or YEAR that is not finite, a value of LAMBDA outside
//            [0, 360] or NaN, or a tested span not between 0 and 90 degrees long
//  Notes:    The answer is exact when LAMBDA grows along each grid (month, day, hour) by less than a
//            full turn, gives values in [0, 360] where 360 is 0, and the same value for the same
//            instant (solar/predict_search.cpp says why); solar/suntim.cpp says where SUNLNG's
//            longitude is known to.
bool predict_search(const LongitudeFn& LAMBDA, std::int32_t IZONE, std::int32_t IYEAR, double LON, double YEAR,
                    double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND, std::int32_t& IYADD);

}  // namespace solarlon::detail

#endif
