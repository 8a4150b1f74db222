// solar.hpp  The Sun's geometric ecliptic longitude from Newcomb's theory, Delta T, and the instant
//            at which the longitude reaches a given value.
//
// Newcomb's theory about the epoch JD 2440000.0, referred to the mean equinox and ecliptic of 1950.0;
// precession to the chosen equinox is a polynomial added to the longitude. Angles in degrees,
// distances in AU, times in UT unless said otherwise. Given arguments are read-only references, in
// this library as in equinox and util: a literal (0.0 for a minute, 1 for a sign) is passed as it is.
#ifndef SOLARLON_SOLAR_HPP
#define SOLARLON_SOLAR_HPP

#include <cmath>
#include <cstdint>

namespace solarlon {

// The equinox that an equinox choice EQ of SUNLNG and SUNTIM selects, EQ rounded by adding 0.5 and
// truncating toward zero: 1950 the mean equinox of 1950.0, 0 the equinox of the instant (so every EQ
// above -1.5 and below 0.5), any other value (NaN too) the mean equinox of the year EQ, fraction kept.
enum class EquinoxKind { mean_1950, of_date, mean_of_year };
inline EquinoxKind equinox_kind(double EQ) {
    const double rounded = std::trunc(EQ + 0.5);
    if (rounded == 1950.0) return EquinoxKind::mean_1950;
    return rounded == 0.0 ? EquinoxKind::of_date : EquinoxKind::mean_of_year;
}

// DELTAT  Estimate of Delta T = TD - UT from the calendar date.
//  Given:    YEAR, MON, DAY   calendar date; values out of range are used as they are
//  Returned: DELT             Delta T, seconds
void DELTAT(const double& YEAR, const double& MON, const double& DAY, double& DELT);

// SUNLNG  Sun's geometric ecliptic longitude, radius vector and equatorial rectangular coordinates at
//         a UT instant, for the chosen equinox.
//  Given:    EQ      equinox choice, rounded by adding 0.5 and truncating toward zero: 1950 = mean
//                    equinox of 1950.0, 0 = equinox of the instant, any other value = mean equinox
//                    of the year EQ (used with its fraction)
//            YEAR    calendar year (Gregorian, e.g. 1978)
//            MON     month, 1..12; 13 is January of the next year
//            DAY     day of the month; a fraction is honoured by the series
//            HOUR    hour of UT from the start of DAY; may be negative, above 23 or fractional
//            MINUTE  minutes
//            SECOND  seconds of UT
//  Returned: DELT    Delta T used, seconds (from DELTAT)
//            LON     geometric longitude, degrees, referred to the chosen mean equinox (also for EQ
//                    0: no nutation, no aberration); in [0, 360], where exactly 360 is kept, for
//                    the equinoxes of the years -2000 to 14000 (for EQ 0, instants of those years)
//            RV      radius vector, AU
//            X, Y, Z equatorial rectangular coordinates, AU: mean equator and equinox of 1950.0 for
//                    EQ 1950, of the year EQ for another year, true equator and equinox of the
//                    instant with annual aberration for EQ 0
//  Notes:    No input is rejected and every output is written (NaN for NaN). The outputs are stored
//            last: an input may also be passed as an output.
void SUNLNG(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& DELT, double& LON, double& RV, double& X, double& Y,
            double& Z);

// SUNLON  The longitude of SUNLNG alone, bit for bit the same, for callers that use nothing else.
//  Given:    EQ, YEAR..SECOND   as SUNLNG
//  Returned: LON     as SUNLNG
//  Notes:    An input may also be passed as the output.
void SUNLON(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& LON);

// SUNTIM  Instant within a calendar year of a zone at which the Sun's longitude, for the chosen
//         equinox, reaches LON.
//  Given:    EQ      equinox choice, as SUNLNG
//            IZONE   hours by which the zone is ahead of UT (9 = JST, 0 = UT)
//            IYEAR   the year as a whole number; chooses only the leap column of the days of the
//                    months (divisible by 4 = leap)
//            LON     wanted longitude, degrees; a value outside 0..360 is taken modulo 360, and 360
//                    gives the same instant as 0
//            YEAR    year passed unchanged to SUNLNG (may carry a fraction)
//  Returned: MON     month, 1..12
//            DAY     day of the month
//            HOUR    hour of the zone, 0..23
//            MINUTE  whole minutes, 0..59 (more for a YEAR with a fraction)
//            SECOND  seconds with their fraction, from 0 up to 60
//            IYADD   years to add to the year: 1 when the Sun reaches LON only after the year's end
//                    (the instant is then in the first hours of January 1 of the next year), else 0
//  Notes:    No input is rejected (a NaN longitude gives NaN minutes and seconds). The outputs are
//            stored last.
void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND,
            std::int32_t& IYADD);

// SUNTIM  The same without IYADD: an instant after the year's end comes back as month 13, day 1,
//         which SUNLNG's date arithmetic takes as January 1 of the next year.
void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND);

// ABERDT  Annual aberration of a unit direction, with the Sun's longitude of the equinox of date
//         found by SUNLNG.
//  Given:    ISIGN         +1 adds the aberration, -1 removes it to first order, 0 leaves the vector
//            YEAR..SECOND  instant, UT
//  Given and returned:
//            X, Y, Z       unit rectangular equatorial vector of date; not renormalised
void ABERDT(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z);

// ABERRD  Annual aberration of right ascension and declination, applied (+1) or removed (-1).
//  Given:    ISIGN, YEAR..SECOND   as ABERDT
//  Given and returned:
//            RA            right ascension, degrees; returned in [0, 360)
//            DEC           declination, degrees; returned in [-90, 90]
void ABERRD(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& RA, double& DEC);

}  // namespace solarlon

#endif
