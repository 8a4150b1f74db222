// SUNEQU  The longitude of the series, mean equinox of 1950.0, referred to the chosen equinox.
//
//  Given and Returned: see solar/tables.hpp.
//  Called:   DAYNUM
#include <cmath>

#include <solarlon/equinox.hpp>
#include "solar/tables.hpp"

namespace solarlon::detail {

namespace {

// Years of precession from 1950.0 for the equinox of the instant: counted in UT from 1950 January 0,
// whole days by the calendar.
double years_of_date(const double& year, const double& mon, const double& day, const double& hour,
                     const double& minute, const double& second) {
    static const double Y1950 = 1950.0, M1 = 1.0, D0 = 0.0;
    return (DAYNUM(year, mon, day) - DAYNUM(Y1950, M1, D0) + hour / 24.0 + minute / 1440.0 +
            second / 86400.0) /
           365.242194;
}

}  // namespace

double SUNEQU(const double& eq, const double& year, const double& mon, const double& day,
              const double& hour, const double& minute, const double& second, double lon, double& ieq,
              double& t) {
    ieq = std::trunc(eq + 0.5);
    if (ieq == 1950.0) {
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
    t = (ieq == 0.0) ? years_of_date(year, mon, day, hour, minute, second) : eq - 1950.0;

    // General precession in longitude, arc seconds to degrees.
    const double p = (50.26754 * t + 0.000111 * t * t + 0.000000202 * t * t * t) / 3600.0;
    lon = lon + p;
    if (lon < 0.0) lon = lon + 360.0;
    if (lon > 360.0) lon = lon - 360.0;
    return lon;
}

}  // namespace solarlon::detail
