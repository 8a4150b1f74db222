// SUNTIM  Instant within a calendar year of a time zone at which the Sun's longitude, for the chosen
//         equinox, reaches a given value.
//
//  Method:   The search described in solar/search.hpp, over SUNLON's longitude for the equinox
//            chosen. The prediction (predict_search) is used where it is known to be exact
//            (predictable, below) and its checks pass; the scan (scan_search) answers otherwise. This
//            is the one place that decides it.
//  Notes:  1 In a leap year the Sun covers more than a full turn between 0 h of January 1 and 0 h of
//            the next January 1; a longitude reached twice is answered with the January instant.
//          2 Delta T takes its decimal year from the day of the month, so hour 24 of a day and hour
//            0 of the next day give longitudes about 1e-7 degree apart. A longitude in that gap is
//            answered with 0 h 0 min of the next day (across a month end too) and the fraction of a
//            second by which the interpolation in the last hour passed it.
//          3 In a common year the Sun does not reach the longitudes from its value at the next
//            January 1 up to its value at this January 1 (about 0.24 degree) within the year. For
//            such a longitude the instant is the one at which the Sun reaches it in the first hours
//            of the next January 1 of the zone, found by the hour search and interpolation on that
//            day (at most 26 more evaluations).
//          4 The leap column follows IYEAR alone: in a year such as 1900 the search also evaluates
//            February 29, which the date arithmetic of SUNLNG takes as March 1. A YEAR with a
//            fraction shifts the dates of the grid against that column and the calendar; the answer
//            then follows the grid as it is, and its minutes may pass 59.
//          5 Loops are bounded and all arithmetic is in doubles, so any input is safe.
//  Called:   SUNLON, predict_search, scan_search
#include <cstdint>

#include <solarlon/solar.hpp>

#include "detail.hpp"

namespace solarlon {

namespace {

// predictable  Whether the predicted search is known to give the scan's answer with SUNLNG's
//              longitude. The bounds are those over which the tests compare the two question by
//              question (up to a million questions, the bounds themselves among them), and within
//              them the premises of the prediction hold with a margin:
//  YEAR   1 to 9999: from 1 on, the year of the calendar arithmetic (one less for January and
//         February) is not negative, so each of its truncations is a floor and the grid's days are
//         the calendar's; 9999 is as far as the comparison goes.
//  EQ     -1000 to 12000 (and 0, the instant, for the years above): the precession added to the
//         series' longitude (some -302 to 424 degrees) then stays within -43 to +201 degrees (-28
//         to +144 for the instant), and the one turn that refer_longitude adds or takes away brings
//         every value into [0, 360]; that would hold up to some -58 and +296 degrees.
//  IZONE  -24 to 24: zones of up to a day either way, as far as the comparison goes.
bool predictable(double eq, std::int32_t izone, double year) {
    return year >= 1.0 && year < 10000.0 && eq >= -1000.0 && eq <= 12000.0 && izone >= -24 && izone <= 24;
}

}  // namespace

void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND,
            std::int32_t& IYADD) {
    const double eq = EQ;
    const detail::LongitudeFn lam = [&eq](double year, double mon, double day, double hour) {
        double lon = 0.0;
        SUNLON(eq, year, mon, day, hour, 0.0, 0.0, lon);
        return lon;
    };
    const bool predicted = predictable(eq, IZONE, YEAR) &&
                           detail::predict_search(lam, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    if (!predicted) {
        detail::scan_search(lam, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    }
}

void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND) {
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
