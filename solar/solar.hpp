// solar.hpp  The Sun's geometric ecliptic longitude from Newcomb's theory, Delta T, and the instant
//            at which the longitude reaches a given value.
//
// Newcomb's theory about the epoch JD 2440000.0, referred to the mean equinox and ecliptic of 1950.0;
// precession to the chosen equinox is a polynomial added to the longitude. Angles in degrees,
// distances in AU, times in UT unless said otherwise.
#ifndef SOLARLON_SOLAR_SOLAR_HPP
#define SOLARLON_SOLAR_SOLAR_HPP

#include <cstdint>

namespace solarlon {

// DELTAT  Estimate of Delta T = TD - UT.
//  Given:    YEAR, MON, DAY   calendar date
//  Returned: DELT             Delta T, seconds
void DELTAT(const double& YEAR, const double& MON, const double& DAY, double& DELT);

// SUNLNG  Sun's geometric ecliptic longitude, radius vector and equatorial rectangular coordinates.
//  Given:    EQ      equinox choice, rounded by adding 0.5 and truncating: 1950 = mean equinox of
//                    1950.0, 0 = equinox of the instant, any other value = mean equinox of that year
//                    (used with its fraction)
//            YEAR..SECOND  instant, UT; the hour may be negative or above 23, values may carry fractions
//  Returned: DELT    Delta T used (s)
//            LON     longitude, degrees [0, 360], referred to the chosen (mean) equinox
//            RV      radius vector, AU
//            X, Y, Z equatorial rectangular coordinates, AU: mean equator and equinox of 1950.0 for
//                    EQ 1950, of the year EQ otherwise, true equator and equinox of date with annual
//                    aberration for EQ 0
void SUNLNG(const double& EQ, const double& YEAR, const double& MON, const double& DAY,
            const double& HOUR, const double& MINUTE, const double& SECOND, double& DELT, double& LON,
            double& RV, double& X, double& Y, double& Z);

// SUNLON  The longitude of SUNLNG alone (bit for bit the same), without the radius vector and the
//         rectangular coordinates.
//  Given:    EQ, YEAR..SECOND   as SUNLNG
//  Returned: LON     as SUNLNG
void SUNLON(const double& EQ, const double& YEAR, const double& MON, const double& DAY,
            const double& HOUR, const double& MINUTE, const double& SECOND, double& LON);

// SUNTIM  Instant within a calendar year of a zone at which the Sun's longitude reaches LON.
//  Given:    EQ      equinox choice, as SUNLNG
//            IZONE   hours by which the zone is ahead of UT (9 = JST, 0 = UT)
//            IYEAR   the year as a whole number (chooses the leap column only)
//            LON     wanted longitude, degrees
//            YEAR    year passed to SUNLNG (may carry a fraction)
//  Returned: MON, DAY, HOUR, MINUTE   month, day, hour of the zone, whole minutes
//            SECOND  seconds with their fraction
//            IYADD   years to add to the year: 1 when the Sun reaches LON only after the year's end
//                    (the instant is then in the first hours of January 1 of the next year), else 0
void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND,
            std::int32_t& IYADD);

// SUNTIM  The same without IYADD: an instant after the year's end comes back as month 13, day 1,
//         which SUNLNG's date arithmetic takes as January 1 of the next year.
void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND);

// ABERDT  ABERR with the Sun's longitude of the equinox of date found by SUNLNG.
//  Given:    ISIGN, YEAR..SECOND   as ABERR (the instant is taken as UT for SUNLNG)
//  Given and returned: X, Y, Z   unit equatorial vector of date
void ABERDT(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY,
            const double& HOUR, const double& MINUTE, const double& SECOND, double& X, double& Y,
            double& Z);

// ABERRD  Annual aberration of right ascension and declination applied (+1) or removed (-1).
//  Given:    ISIGN, YEAR..SECOND   as ABERDT
//  Given and returned: RA, DEC   degrees; RA returned in [0, 360)
void ABERRD(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY,
            const double& HOUR, const double& MINUTE, const double& SECOND, double& RA, double& DEC);

}  // namespace solarlon

#endif
