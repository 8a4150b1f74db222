// SUNTIM  Instant within a calendar year of a time zone at which the Sun's longitude, for the
//         chosen equinox, reaches a given value.
//
//  Given:    EQ      equinox choice, passed unchanged to SUNLNG
//            IZONE   hours by which the zone is ahead of UT (9 = JST, 0 = UT)
//            IYEAR   the year as a whole number; chooses only the leap column of MONTH (divisible
//                    by 4 = leap)
//            LON     wanted longitude, degrees; a value outside 0..360 is taken modulo 360, and 360
//                    gives the same instant as 0 (LON itself is not changed)
//            YEAR    year passed unchanged to SUNLNG (may carry a fraction)
//  Returned: MON     month, 1..12 (13 from the 10-argument form, see note 4)
//            DAY     day of the month
//            HOUR    hour of the zone, 0..23
//            MINUTE  whole minutes, 0..59
//            SECOND  seconds with their fraction, from 0 up to 60
//            IYADD   0, or 1 when the Sun reaches LON only after the year's end (11-argument form)
//  Notes:  1 A bracketing search on a grid of whole hours of the zone, not an iteration: the month
//            by the longitudes at 0 h of the 1st of each month, the day by those at 0 h of each day
//            of that month, the hour by those at each hour of that day, each span taken from its
//            start (inclusive) to its end (exclusive), a span whose end is below its start crossing
//            0 degrees. The last span of each level is not tested and is taken when no other
//            matches. Minutes and seconds come from a linear interpolation inside the hour between
//            the longitudes at its two ends. The literal scan takes up to 69 evaluations of the
//            longitude; here the span of each level is predicted from the mean motion and confirmed
//            by its two ends, which gives the scan's answer from some 7 evaluations (SUNFST; the
//            scan itself, SUNSRC, for years of the grid or of the equinox outside 1 to 9999 or
//            zones beyond a day, where the prediction is not proven exact).
//          2 In a leap year the Sun covers more than a full turn between 0 h of January 1 and 0 h of
//            the next January 1; a longitude reached twice is answered with the January instant.
//          3 Delta T takes its decimal year from the day of the month, so hour 24 of a day and hour
//            0 of the next day give longitudes about 1e-7 degree apart. A longitude in that gap is
//            answered with 0 h 0 min of the next day (across a month end too) and the fraction of a
//            second by which the interpolation in the last hour passed it.
//          4 In a common year the Sun does not reach the longitudes from its value at the next
//            January 1 up to its value at this January 1 (about 0.24 degree) within the year. For
//            such a longitude the instant is the one at which the Sun reaches it in the first hours
//            of the next January 1 of the zone, found by the hour search and interpolation on that
//            day (at most 26 more evaluations): IYADD = 1, MON = 1, DAY = 1 in the 11-argument
//            form; MON = 13, DAY = 1 in the 10-argument form (the date arithmetic of SUNLNG takes
//            month 13 as January of the next year).
//          5 The leap column follows IYEAR alone: in a year such as 1900 the search also evaluates
//            February 29, which the date arithmetic of SUNLNG takes as March 1. A YEAR with a
//            fraction shifts the dates of the grid against that column and the calendar; the answer
//            then follows the grid as it is, and its minutes may pass 59.
//          6 No input is rejected. Loops are bounded and all arithmetic is in doubles, so any
//            input is safe (a NaN longitude gives NaN minutes and seconds). Outputs are stored
//            last.
//  Called:   SUNLON, SUNFST, SUNSRC
#include <cmath>
#include <cstdint>

#include <solarlon/solar.hpp>
#include "solar/tables.hpp"

namespace solarlon {

namespace {

// Where the longitude of SUNLNG grows along every grid of the search by less than a turn and stays in
// [0, 360] (no precession beyond some 200 degrees), so that the predicting search is exact.
bool predictable(const double& eq, const std::int32_t& izone, const double& year) {
    return year >= 1.0 && year < 10000.0 && eq >= -1000.0 && eq <= 12000.0 && izone >= -24 &&
           izone <= 24;
}

}  // namespace

void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND,
            std::int32_t& IYADD) {
    const double eq = EQ;
    const detail::SUNFN lam = [&eq](const double& year, const double& mon, const double& day,
                                    const double& hour) {
        static const double ZERO = 0.0;
        double lon = 0.0;
        SUNLON(eq, year, mon, day, hour, ZERO, ZERO, lon);
        return lon;
    };
    if (predictable(eq, IZONE, YEAR)) {
        detail::SUNFST(lam, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    } else {
        detail::SUNSRC(lam, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    }
}

void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE,
            double& SECOND) {
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    std::int32_t iyadd = 0;
    SUNTIM(EQ, IZONE, IYEAR, LON, YEAR, mon, day, hour, minute, second, iyadd);
    if (iyadd != 0) {
        mon = 13.0;
        day = 1.0;
    }
    MON = mon;
    DAY = day;
    HOUR = hour;
    MINUTE = minute;
    SECOND = second;
}

}  // namespace solarlon
