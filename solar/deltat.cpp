// DELTAT  Estimate of Delta T = TD - UT from the calendar date.
//
//  Method:   The decimal year is t = YEAR + (MON - 1)/12 + DAY/360. Before 1990 (chosen by YEAR, not
//            by t) DELT = t + 45.1 - 1975, about one second a year from 45.1 s in 1975; from 1990 on
//            DELT = 58.0 + 0.8 (t - 1990).
//  Notes:    The two lines do not meet: the value steps down by about 2.1 s at 1990 January 1. The
//            time of day does not enter.
//  References: none known for the two lines; docs/accuracy.md compares them with Delta T as
//            observed (IERS, as tabulated in the Astronomical Almanac).
//  Called:   none
#include <solarlon/solar.hpp>

namespace solarlon {

void DELTAT(const double& YEAR, const double& MON, const double& DAY, double& DELT) {
    const double t = YEAR + (MON - 1.0) / 12.0 + DAY / 360.0;  // decimal year
    double dt = 0.0;
    if (YEAR < 1990.0) {
        dt = t + 45.1 - 1975.0;
    } else {
        dt = (t - 1990.0) * 0.8 + 58.0;
    }
    DELT = dt;
}

}  // namespace solarlon
