// tables.hpp  Constant tables of the solar routines, the search kernels behind SUNTIM and the literal
//             evaluation of SUNLNG.
//
// Private to solar/ and its tests; callers use solar/solar.hpp.
#ifndef SOLARLON_SOLAR_TABLES_HPP
#define SOLARLON_SOLAR_TABLES_HPP

#include <cmath>
#include <cstdint>
#include <functional>

#include <solarlon/solar.hpp>

namespace solarlon {

// DAT  Newcomb's solar theory about JD 2440000.0, mean equinox of 1950.0.
//  DAT[j][0]  phase at the epoch, degrees
//  DAT[j][1]  rate: degrees per day for j = 0, degrees per Julian year for j = 1..20
//  DAT[j][2]  amplitude of sin in longitude, units of 0.00001 degree
//  DAT[j][3]  amplitude of cos in the radius vector, units of 0.0000001 AU
//  Row 0 is the Sun's mean anomaly (its amplitudes are 0 and it is not part of the periodic sums);
//  rows 1..20 are the planetary and long-period terms.
extern const double DAT[21][4];

// MONTH  Days in each month: MONTH[0][m - 1] common year, MONTH[1][m - 1] leap year.
extern const std::int32_t MONTH[2][12];

namespace detail {

// The time arguments of Newcomb's series at a UT instant.
struct SunTime {
    double delt;  // Delta T from DELTAT, seconds
    double d;     // days from JD 2440000.0, dynamical time
    double ty;    // Julian years from JD 2440000.0
    double tc;    // Julian centuries from JD 2440000.0
    double l;     // mean longitude less its epoch value, degrees: (-360, 360) with the sign of d
};

// SUNARG  The time arguments and the mean longitude of the series.
//  Given:    YEAR..SECOND  UT instant as SUNLNG (the whole DAY, fraction included, counts)
//  Result:   the arguments
//  Called:   DELTAT
inline SunTime SUNARG(const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
                      const double& MINUTE, const double& SECOND) {
    SunTime a{};
    DELTAT(YEAR, MON, DAY, a.delt);

    // January and February are months 13 and 14 of the previous year.
    double y = YEAR, m = MON;
    if (!(m > 2.5)) {
        y = y - 1.0;
        m = m + 12.0;
    }

    // Modified Julian Date in dynamical time.
    const double mjd = std::trunc(365.25 * y + 0.000001) + std::trunc(y / 400.0 + 0.000001) -
                       std::trunc(y / 100.0 + 0.000001) + std::trunc(30.59 * (m - 2.0) + 0.000001) +
                       DAY - 678912.0 + HOUR / 24.0 + MINUTE / 1440.0 + (SECOND + a.delt) / 86400.0;

    a.d = mjd - 39999.5;
    a.ty = a.d / 365.25;
    a.tc = a.ty / 100.0;

    // The quadratic term is subtracted; reduced toward zero.
    double l = 0.985609104 * a.d - 0.0003025 * a.tc * a.tc;
    a.l = l - 360.0 * std::trunc(l / 360.0);
    return a;
}

// Longitude of the Sun (degrees) at minute 0, second 0 of hour HOUR (UT) of the date YEAR, MON, DAY.
using SUNFN = std::function<double(const double& YEAR, const double& MON, const double& DAY,
                                   const double& HOUR)>;

// SUNEQU  The longitude of the series referred to the chosen equinox by the general precession in
//         longitude.
//  Given:    EQ            equinox choice, rounded by adding 0.5 and truncating: 1950, 0 (the
//                          instant) or another year, used with its fraction
//            YEAR..SECOND  the UT instant; for the equinox of the instant the years of precession
//                          count from 1950 January 0 in UT, whole days by DAYNUM
//            LON           longitude, mean equinox of 1950.0, degrees
//  Returned: IEQ           the rounded choice
//            T             years of precession from 1950.0 (not set for 1950)
//  Result:   the longitude, degrees: for 1950 brought into [0, 360]; otherwise with the precession
//            added and one turn added or taken away where it leaves [0, 360]
double SUNEQU(const double& EQ, const double& YEAR, const double& MON, const double& DAY,
              const double& HOUR, const double& MINUTE, const double& SECOND, double LON, double& IEQ,
              double& T);

// SUNRED  The rectangular coordinates of the series (mean equator and equinox of 1950.0) referred
//         to the chosen equinox: precession to the year EQ; for the equinox of the instant
//         precession to the epoch EP, then nutation and annual aberration of date.
//  Given:    IEQ           rounded equinox choice: 0 = of the instant, otherwise a year (not 1950)
//            EQ            the year of the equinox with its fraction (used when IEQ is not 0)
//            EP            the instant as a year (used when IEQ is 0)
//            YEAR..SECOND  the UT instant, for nutation and aberration
//            LON           the Sun's longitude, degrees, for the aberration
//  Given and returned: X, Y, Z   coordinates, AU; turned as a unit vector times their length, which
//                      is not renormalised after the rotations
//  Called:   PRECES, NUTATE, ABERR
void SUNRED(const double& IEQ, const double& EQ, const double& EP, const double& YEAR,
            const double& MON, const double& DAY, const double& HOUR, const double& MINUTE,
            const double& SECOND, const double& LON, double& X, double& Y, double& Z);

// SUNSRC  The grid search of SUNTIM with the longitude supplied by LAMBDA.
//  Given:    LAMBDA  longitude evaluator (SUNLNG with the chosen equinox for SUNTIM)
//            IZONE, IYEAR, LON, YEAR   as SUNTIM
//  Returned: MON..SECOND, IYADD        as SUNTIM (11 arguments)
//  Notes:    LAMBDA is called at most 69 times for an instant inside the year and at most 95 times
//            when the instant falls on January 1 of the next year.
void SUNSRC(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD);

// SUNFST  The answer of SUNSRC from far fewer evaluations: at each level the span that holds the
//         longitude is predicted from the mean motion (or the line between the day's two ends) and
//         confirmed by the span test on its two ends; a miss jumps to the neighbouring spans.
//  Given and Returned: as SUNSRC
//  Notes:  1 Exact, SUNSRC's answer to the last bit, when LAMBDA grows along each grid (month, day,
//            hour) by less than a full turn from the first point to the last, with every value in
//            [0, 360] where 360 is 0, and gives the same value for the same instant: the spans of a
//            level then part the circle and the one that holds the longitude is the first that the
//            scan meets. SUNLNG's longitude does so for years 1 to 9999 (of the grid and of the
//            equinox, any zone of up to a day), see SUNTIM.
//          2 Every value is checked: one outside [0, 360], a NaN longitude or a YEAR that is not
//            finite hands the question to SUNSRC. A level whose prediction misses several times is
//            scanned in order.
//          3 Some 7 evaluations: January 1, the ends of the month, day and hour found (shared where
//            they coincide), and 0 h of the next day for the last hour of a day.
void SUNFST(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD);

// SUNLIT  SUNLNG by its formulas taken literally: each angle converted to radians as it stands and
//         given to the library's sine and cosine. The reference for SUNLNG's faster evaluation.
void SUNLIT(const double& EQ, const double& YEAR, const double& MON, const double& DAY,
            const double& HOUR, const double& MINUTE, const double& SECOND, double& DELT, double& LON,
            double& RV, double& X, double& Y, double& Z);

}  // namespace detail

}  // namespace solarlon

#endif
