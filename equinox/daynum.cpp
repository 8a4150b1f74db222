// DAYNUM  Whole-day count of a Gregorian calendar date.
//
//  Method:   Every month counted as 31 days, less the days that the months before this one lack, plus
//            the leap days of the Gregorian rule: (y - 1)/4 - trunc(0.75 (trunc((y - 1)/100) + 1)) is
//            the count of leap years among the years 1 to y - 1 (every fourth, less the centuries not
//            divisible by 400), taken for January and February; y in place of y - 1 from March on.
//            Whole numbers in 64 bits, the two products in doubles exact or guarded; no overflow for
//            any input.
//  Notes:    One of three day counts in the program, each for its own use:
//            - DAYNUM, the defined count: whole days, the day's fraction dropped. TIMARG (the time
//              arguments of nutation and aberration) and choose_equinox (the years of precession to
//              the equinox of the instant) count their days with it, as those arguments are defined.
//            - mjd_at_0h (solar/detail.hpp), the series' own count: the Modified Julian Date with the
//              fraction of DAY kept, in floating point, on the path of every evaluation.
//            - days_from_civil and its inverse (sun/civil.cpp), exact from 1970-01-01 for any
//              year: the display carries a printed instant into a valid date, and the apparent theory
//              turns its UTC instants back into dates of a zone; both need the way back from a count
//              to a date that neither of these has.
//            The tests check DAYNUM against a count of their own (tests/equinox_daynum_test.cpp).
#include <cmath>
#include <cstdint>
#include <limits>

#include <solarlon/equinox.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

namespace {

// Whole part of a date value as a 64-bit count, saturated so that no input is undefined behaviour.
std::int64_t whole(double v) { return whole_saturated(v + 0.0000001, -1000000000000000, 1000000000000000); }

}  // namespace

double DAYNUM(const double& YEAR, const double& MON, const double& DAY) {
    // A NaN part is no date: it must reach the caller, not saturate into a day number.
    if (std::isnan(YEAR) || std::isnan(MON) || std::isnan(DAY)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Each part saturated to [-1e15, 1e15], so that no product or sum below passes 4e17 (int64 holds
    // 9.2e18); the ranges that follow are those of the domain: years 1 and later, months 1..12.
    const std::int64_t y = whole(YEAR);           // [1, 1e15]
    const std::int64_t m = whole(MON);            // [1, 12]; any value is carried
    const std::int64_t d = whole(DAY);            // [0, 31], 0 = last day of the previous month
    std::int64_t n = 365 * y + 31 * (m - 1) + d;  // [365, 3.65e17]: days as if every month had 31
    if (m <= 2) {
        // January and February count the leap days of the years before this one: [0, 0.2425 (y - 1)].
        // 0.75 times a whole number below 2^51 is exact, and the 0.000001 is only a guard.
        n += (y - 1) / 4 - static_cast<std::int64_t>(0.75 * static_cast<double>((y - 1) / 100 + 1) + 0.000001);
    } else {
        // 3, 3, 4, 4, 5, 5, 5, 6, 6, 7 days short for March to December ([3, 7]); this year's leap
        // day counts: [0, 0.2425 y].
        n += -static_cast<std::int64_t>(0.4 * static_cast<double>(m) + 2.3 + 0.000001) + y / 4 -
             static_cast<std::int64_t>(0.75 * static_cast<double>(y / 100 + 1) + 0.000001);
    }
    return static_cast<double>(n);  // [365, 3.7e17], exact in a double up to 2^53 (years below 2.4e13)
}

}  // namespace solarlon
