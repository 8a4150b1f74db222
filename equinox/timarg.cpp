// TIMARG, OBLIQ  Time arguments from 1900 January 0.5 and Newcomb's mean obliquity.
#include <solarlon/equinox.hpp>

namespace solarlon {

void TIMARG(const double& YEAR, const double& MON, const double& DAY, const double& HOUR, const double& MINUTE,
            const double& SECOND, double& D, double& T) {
    double d = DAYNUM(YEAR, MON, DAY) - DAYNUM(1900.0, 1.0, 0.0) - 0.5;  // days from 1900 Jan 0.5
    d = d + HOUR / 24.0 + MINUTE / 24.0 / 60.0 + SECOND / 24.0 / 60.0 / 60.0;
    const double t = d / 36525.0;  // Julian centuries
    D = d;
    T = t;
}

// OBLIQ  Newcomb's mean obliquity of the ecliptic.
//  Method:   23 27' 08.26" - 46.845" T - 0.0059" T^2 + 0.00181" T^3, T in Julian centuries from 1900
//            January 0.5, written in degrees.
//  References: Explanatory Supplement to the Astronomical Ephemeris and the American Ephemeris
//            and Nautical Almanac, HMSO, London (1961)
//  Called:   none
double OBLIQ(const double& T) { return 23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T; }

}  // namespace solarlon
