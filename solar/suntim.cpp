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
//            matches. Minutes and seconds come from a linear interpolation inside the hour, with
//            both ends evaluated afresh. At most 69 SUNLNG evaluations.
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
//  Called:   SUNLNG
#include <cmath>
#include <cstdint>

#include "solar/solar.hpp"
#include "solar/tables.hpp"

namespace solarlon {

namespace {

// Whether the longitude X lies in the span from L0 (inclusive) to L1 (exclusive); a span whose end is
// below its start crosses 0 degrees and is taken from L0 - 360.
bool inspan(double l0, const double& l1, const double& x) {
    if (l0 > l1) l0 = l0 - 360.0;
    return (l0 <= x && x < l1) || (l0 <= x - 360.0 && x - 360.0 < l1);
}

// The hour search and the interpolation on one day of the zone.
struct HourFit {
    double hour;  // UT hour that opens the interpolated hour: -z (0 h of the zone) .. 23 - z
    double fr;    // fraction of that hour at which the longitude is reached; 1 or more past its end
    bool found;   // a tested span held the longitude (else the day's last hour was taken)
};

HourFit hourfit(const detail::SUNFN& lam, const double& year, const double& mon, const double& day,
                const double& z, const double& x) {
    double l0 = lam(year, mon, day, -z);
    double hour = 23.0 - z;
    bool found = false;
    for (int k = 1; k <= 23; ++k) {
        const double h = static_cast<double>(k) - z;
        const double l1 = lam(year, mon, day, h);
        if (inspan(l0, l1, x)) {
            hour = h - 1.0;
            found = true;
            break;
        }
        l0 = l1;
    }

    // Linear interpolation inside the hour; the end of the day's last hour is 0 h of the next day.
    l0 = lam(year, mon, day, hour);
    const double l2 = lam(year, mon, day, hour + 1.0);
    double dl = l2 - l0;
    if (dl < 0.0) dl = dl + 360.0;
    double dx = x - l0;
    if (dx < 0.0) dx = dx + 360.0;
    if (dx >= 360.0) dx = dx - 360.0;  // 360 wanted where the hour opens at exactly 0
    return HourFit{hour, dx / dl, found};
}

}  // namespace

namespace detail {

void SUNSRC(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = static_cast<double>(IZONE);
    const std::int32_t iyear = IYEAR;
    const double year = YEAR;

    // Wanted longitude in [0, 360]: whole turns off a value outside it.
    double x = LON;
    if (!(x >= 0.0 && x <= 360.0)) {
        x = std::fmod(x, 360.0);
        if (x < 0.0) x = x + 360.0;
    }

    // Month: spans between 0 h (zone) of the 1st of consecutive months; December is the fall-back.
    int mon = 12;
    double l0 = LAMBDA(year, 1.0, 1.0, -z);
    for (int i = 2; i <= 12; ++i) {
        const double l1 = LAMBDA(year, static_cast<double>(i), 1.0, -z);
        if (inspan(l0, l1, x)) {
            mon = i - 1;
            break;
        }
        l0 = l1;
    }

    // Day: spans between 0 h of consecutive days; the month's last day is the fall-back.
    const int leap = (iyear % 4 == 0) ? 1 : 0;
    const int ndays = MONTH[leap][mon - 1];
    int day = ndays;
    l0 = LAMBDA(year, static_cast<double>(mon), 1.0, -z);
    for (int j = 2; j <= ndays; ++j) {
        const double l1 = LAMBDA(year, static_cast<double>(mon), static_cast<double>(j), -z);
        if (inspan(l0, l1, x)) {
            day = j - 1;
            break;
        }
        l0 = l1;
    }

    // Hour and interpolation.
    HourFit fit = hourfit(LAMBDA, year, static_cast<double>(mon), static_cast<double>(day), z, x);
    double omon = static_cast<double>(mon), oday = static_cast<double>(day);
    double ohour = fit.hour + z;  // hour of the zone
    double fr = fit.fr;
    std::int32_t iyadd = 0;

    if (fr >= 1.0) {
        if (fit.found) {
            // Inside the day, past the hour's end by rounding only: the start of the next hour.
            ohour = ohour + 1.0;
            fr = fr - 1.0;
        } else if (!(mon == 12 && day == ndays)) {
            // Past the day's end in the gap before the next day's 0 h: 0 h of the next day.
            ohour = 0.0;
            fr = fr - 1.0;
            if (day < ndays) {
                oday = static_cast<double>(day + 1);
            } else {
                omon = static_cast<double>(mon + 1);
                oday = 1.0;
            }
        } else {
            // Not reached within the year: the first hours of January 1 of the next year.
            iyadd = 1;
            omon = 1.0;
            oday = 1.0;
            const double next = year + 1.0;
            fit = hourfit(LAMBDA, next, 1.0, 1.0, z, x);
            if (fit.found) {
                ohour = fit.hour + z;
                fr = fit.fr;
                if (fr >= 1.0) {  // rounding at the hour's end
                    ohour = ohour + 1.0;
                    fr = fr - 1.0;
                }
            } else {
                // Below the first value of the day by rounding: the turn of the year itself (a YEAR
                // with a fraction may also leave a wider gap).
                ohour = 0.0;
                fr = 0.0;
            }
        }
    }

    const double minute = std::trunc(60.0 * fr);
    const double second = (fr - minute / 60.0) * 3600.0;

    MON = omon;
    DAY = oday;
    HOUR = ohour;
    MINUTE = minute;
    SECOND = second;
    IYADD = iyadd;
}

}  // namespace detail

void SUNTIM(const double& EQ, const std::int32_t& IZONE, const std::int32_t& IYEAR, const double& LON,
            const double& YEAR, double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND,
            std::int32_t& IYADD) {
    const double eq = EQ;
    const detail::SUNFN lam = [&eq](const double& year, const double& mon, const double& day,
                                    const double& hour) {
        static const double ZERO = 0.0;
        double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
        SUNLNG(eq, year, mon, day, hour, ZERO, ZERO, delt, lon, rv, x, y, z);
        return lon;
    };
    detail::SUNSRC(lam, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
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
