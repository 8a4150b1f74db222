// tables.hpp  The constant tables of solar/: Newcomb's series and the days of the months.
//
// Private to solar/ and its tests; callers use <solarlon/solar.hpp>. The private routines are declared
// in solar/detail.hpp.
#ifndef SOLARLON_SOLAR_TABLES_HPP
#define SOLARLON_SOLAR_TABLES_HPP

#include <cstdint>

namespace solarlon {

// DAT  Newcomb's solar theory about JD 2440000.0, mean equinox of 1950.0 (solar/dat.cpp).
//  DAT[j][0]  phase at the epoch, degrees
//  DAT[j][1]  rate: degrees per day for j = 0, degrees per Julian year for j = 1..20
//  DAT[j][2]  amplitude of sin in longitude, units of 0.00001 degree
//  DAT[j][3]  amplitude of cos in the radius vector, units of 0.0000001 AU
//  Row 0 is the Sun's mean anomaly (its amplitudes are 0 and it is not part of the periodic sums);
//  rows 1..20 are the planetary and long-period terms.
extern const double DAT[21][4];

// MONTH  Days in each month: MONTH[0][m - 1] common year, MONTH[1][m - 1] leap year (solar/month.cpp).
extern const std::int32_t MONTH[2][12];

}  // namespace solarlon

#endif
