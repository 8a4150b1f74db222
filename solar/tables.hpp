// tables.hpp  Constant tables of the solar routines and the search kernel behind SUNTIM.
//
// Private to solar/ and its tests; callers use solar/solar.hpp.
#ifndef SOLARLON_SOLAR_TABLES_HPP
#define SOLARLON_SOLAR_TABLES_HPP

#include <cstdint>
#include <functional>

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

// Longitude of the Sun (degrees) at minute 0, second 0 of hour HOUR (UT) of the date YEAR, MON, DAY.
using SUNFN = std::function<double(const double& YEAR, const double& MON, const double& DAY,
                                   const double& HOUR)>;

// SUNSRC  The grid search of SUNTIM with the longitude supplied by LAMBDA.
//  Given:    LAMBDA  longitude evaluator (SUNLNG with the chosen equinox for SUNTIM)
//            IZONE, IYEAR, LON, YEAR   as SUNTIM
//  Returned: MON..SECOND, IYADD        as SUNTIM (11 arguments)
//  Notes:    LAMBDA is called at most 69 times for an instant inside the year and at most 95 times
//            when the instant falls on January 1 of the next year.
void SUNSRC(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD);

}  // namespace detail

}  // namespace solarlon

#endif
