// search.hpp  What the two searches behind SUNTIM share: the span test, the interpolation inside the
//             hour, and the walk from the month to the minute with the day's and the year's end.
//
// Private to solar/scan_search.cpp and solar/predict_search.cpp.
//
// The search (SUNTIM's, stated here once): one calendar year of the zone is searched for the instant
// at which the longitude supplied by the evaluator reaches the wanted value, by bracketing on a grid
// of whole hours of the zone, not by iteration. The month is found by the longitudes at 0 h of the 1st
// of each month, the day by those at 0 h of each day of that month, the hour by those at each hour of
// that day; minutes and seconds then come from a linear interpolation inside the hour between the
// longitudes at its two ends. At each level a span runs from one grid value (inclusive) to the next
// (exclusive), a span whose end is below its start crossing 0 degrees; the last span of a level is not
// tested and is taken when no other holds the longitude. Two kernels give the same answer: the scan
// (scan_search) tests the spans in order, up to 69 evaluations; the predictor (predict_search)
// predicts the span and confirms it with its two ends, some 7. Both hand their levels to search_year,
// which settles an answer past the day's or the year's end.
#ifndef SOLARLON_SOLAR_SEARCH_HPP
#define SOLARLON_SOLAR_SEARCH_HPP

#include <cmath>
#include <cstdint>

#include "tables.hpp"

namespace solarlon::detail {

// in_span  Whether the longitude X lies in the span from L0 (inclusive) to L1 (exclusive); a span
//          whose end is below its start crosses 0 degrees and is taken from L0 - 360.
inline bool in_span(double L0, double L1, double X) {
    if (L0 > L1) L0 = L0 - 360.0;
    return (L0 <= X && X < L1) || (L0 <= X - 360.0 && X - 360.0 < L1);
}

// hour_fraction  Fraction of the hour from the longitude L0 at its start to L2 at its end at which X
//                is reached; 1 or more past its end.
inline double hour_fraction(double L0, double L2, double X) {
    double dl = L2 - L0;
    if (dl < 0.0) dl = dl + 360.0;
    double dx = X - L0;
    if (dx < 0.0) dx = dx + 360.0;
    if (dx >= 360.0) dx = dx - 360.0;  // 360 wanted where the hour opens at exactly 0
    return dx / dl;
}

// wanted_longitude  LON in [0, 360]: whole turns off a value outside it (NaN and infinities give NaN).
inline double wanted_longitude(double LON) {
    double x = LON;
    if (!(x >= 0.0 && x <= 360.0)) {
        x = std::fmod(x, 360.0);
        if (x < 0.0) x = x + 360.0;
    }
    return x;
}

// HourFit  The outcome of the hour search and the interpolation on one day of the zone.
struct HourFit {
    double hour;  // UT hour that opens the interpolated hour: -z (0 h of the zone) .. 23 - z
    double fr;    // fraction of that hour at which the longitude is reached; 1 or more past its end
    bool found;   // a tested span held the longitude (else the day's last hour was taken)
};

// search_year  The search over the levels that LEVELS finds, and what follows it.
//  Given:    LEVELS  LEVELS.month() gives the month (1..12), LEVELS.day(MON, NDAYS) the day
//                    (1..NDAYS), LEVELS.hours(YEAR, MON, DAY) the hour and its fraction
//            Z       the zone, hours ahead of UT
//            IYEAR, YEAR   as SUNTIM
//  Returned: MON..SECOND, IYADD   as SUNTIM (11 arguments)
//  Notes:    A fraction of 1 or more is carried into the next hour, the next day's 0 h (the gap that
//            Delta T leaves at midnight) or the first hours of January 1 of the next year, which
//            LEVELS.hours searches once more.
template <class Levels>
void search_year(Levels& LEVELS, double Z, std::int32_t IYEAR, double YEAR, double& MON, double& DAY, double& HOUR,
                 double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = Z, year = YEAR;
    const int mon = LEVELS.month();
    const int leap = (IYEAR % 4 == 0) ? 1 : 0;
    const int ndays = MONTH[leap][mon - 1];
    const int day = LEVELS.day(mon, ndays);

    HourFit fit = LEVELS.hours(year, mon, day);
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
            fit = LEVELS.hours(next, 1, 1);
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

}  // namespace solarlon::detail

#endif
