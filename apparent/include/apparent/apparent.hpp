// apparent.hpp  The Sun's apparent geocentric ecliptic longitude (true ecliptic and equinox of date)
//               from ERFA, the C edition of the IAU's standard routines, at a UTC instant; TT - UTC;
//               the instant of a longitude and the 24 solar terms of a calendar year.
//
// Private to the typed interface (sun/), which wraps it, and the tests. Instants are two-part Julian Dates
// (JD = d1 + d2) in UTC, angles in degrees, times in seconds or days as said. Nothing throws and
// nothing is reported: a value that cannot be answered is NaN, and coverage() says why.
#ifndef SOLARLON_SOLAR_APPARENT_HPP
#define SOLARLON_SOLAR_APPARENT_HPP

#include <array>

namespace solarlon::apparent {

// Jd  A two-part Julian Date, JD = d1 + d2 (d1 a day boundary, d2 the days from it).
struct Jd {
    double d1;
    double d2;
};

// kFirstUtc  The first instant answered, 1600 January 1, 0 h UTC (Gregorian), as a Julian Date: the
//            start of the Delta T model used before 1972 (apparent/tt_utc.cpp).
constexpr double kFirstUtc = 2305447.5;

// kEndUtc  The last instant answered, 3001 January 1, 0 h UTC (3000 December 31, 24 h), as a Julian
//          Date: the end of the span of the Delta T canon of Espenak and Meeus (-1999 to +3000), within
//          which the IAU 2006 precession and ERFA's Earth ephemeris still hold. Farther on, their
//          polynomials run away (in 14000 the Sun would reach 285 degrees on December 29) and nothing
//          models TT - UTC.
constexpr double kEndUtc = 2817152.5;

// kFirstComputedUtc, kEndComputedUtc  The instants a search computes, a little beyond those answered:
//            from 1599 December 31, 0 h UTC, so that the year 1600 of a zone up to 14 h ahead of UTC
//            begins inside them, to 3001 January 11, 0 h UTC, so that the year 3000 of a zone 12 h
//            behind UTC ends inside them and the crossing of 280 degrees after that year (its last
//            pentad) is found. TT - UTC is known there; an instant given is still refused outside
//            kFirstUtc to kEndUtc.
constexpr double kFirstComputedUtc = kFirstUtc - 1.0;
constexpr double kEndComputedUtc = kEndUtc + 10.0;

// Coverage  What can be answered at an instant.
enum class Coverage {
    ok,            // answered
    no_theory,     // this build has no ERFA: the apparent theory is not available
    before_model,  // before kFirstUtc: no Delta T model to turn UTC into TT
    after_range,   // after kEndUtc: the precession and the ephemeris are not fits so far out
    not_finite,    // the instant is NaN or infinite
};

// available  Whether this build has the apparent theory (ERFA was found when it was configured).
bool available();

// coverage  Whether the theory answers at a UTC instant, and if not, why.
//  Given:    utc1, utc2   UTC, two-part Julian Date
Coverage coverage(double utc1, double utc2);

// Scale  The time scale of instants given and returned: UTC (as the civil time) or TT.
enum class Scale { utc, tt };

// coverage  The same for an instant of SCALE: from kFirstUtc to kEndUtc read in that scale.
Coverage coverage(Jd t, Scale scale);

// delta_t_model  Delta T = TT - UT of the model used before 1972, seconds.
//  Given:    y   decimal year (Gregorian), 1599.99 (kFirstComputedUtc) to 1986.0
//  Result:   seconds; NaN outside that span
double delta_t_model(double y);

// tt_minus_utc  TT - UTC at a UTC instant, seconds.
//  Given:    utc1, utc2   UTC, two-part Julian Date
//  Result:   from 1972 on, TAI - UTC (eraDat, its last value held after its table) + 32.184 s; from
//            kFirstComputedUtc to 1972, delta_t_model (UTC taken as UT); NaN before kFirstComputedUtc,
//            after kEndComputedUtc, or without the theory
double tt_minus_utc(double utc1, double utc2);

// leap_second_follows  Whether a UTC instant lies in the last second of its day (from 23:59:59) and
//                      the table inserts a leap second after it.
bool leap_second_follows(double utc1, double utc2);

// to_tt  TT of an instant of SCALE (two-part Julian Date, d1 kept).
//  Given:    t       instant; for UTC the day's seconds as 86400 to a day
//            leap    for UTC, T is second 59 of a day that ends with a leap second, and the instant
//                    meant is one second later, in the leap second (23:59:60)
//  Result:   TT; NaN in d2 where coverage(T, SCALE) is not ok or LEAP names no leap second
Jd to_tt(Jd t, Scale scale, bool leap);

// Civil  An instant of a scale back from TT: in UTC, an instant inside a leap second is given as
//        the same fraction of second 59 before it, with LEAP set.
struct Civil {
    Jd t;
    bool leap;
};

// from_tt  An instant of SCALE from TT (d1 kept): the inverse of to_tt.
Civil from_tt(Jd tt, Scale scale);

// longitude  Apparent geocentric ecliptic longitude of the Sun, true ecliptic and equinox of date.
//  Given:    utc1, utc2   UTC, two-part Julian Date
//  Result:   degrees, [0, 360); NaN where coverage() is not ok
double longitude(double utc1, double utc2);

// Place  The apparent Sun at an instant.
struct Place {
    double longitude;  // degrees, [0, 360), as longitude()
    double radius;     // distance at the time the light left the Sun, AU
    double x, y, z;    // apparent geocentric position, true equator and equinox of date, AU
};

// place  The apparent Sun at a UTC instant (two-part Julian Date); every member NaN where coverage()
//        is not ok.
Place place(double utc1, double utc2);

// place_tt  The apparent Sun at a TT instant (two-part Julian Date); every member NaN where the
//           instant is not finite or there is no theory (no range is checked).
Place place_tt(double tt1, double tt2);

// instant_of  The first instant, from 0 h of January 1 of YEAR in the zone on, at which longitude()
//             reaches LON.
//  Given:    year   calendar year (Gregorian), whole
//            zone   hours by which the zone is ahead of UTC (9 = JST, 0 = UTC)
//            lon    wanted longitude, degrees; taken modulo 360
//  Result:   UTC, two-part Julian Date, to well under 0.1 s; it lies after the year's end (in the
//            first hours of the next January 1 of the zone) when the Sun reaches LON only then. NaN
//            in both parts for a year or zone that is not finite or a search that meets an instant
//            coverage() refuses.
Jd instant_of(double year, double zone, double lon);

// crossing  As instant_of, the year's start and the answer in SCALE (UTC, or TT with ZONE 0 for
//           TT itself), the answer as TT; the search keeps to kFirstComputedUtc to kEndComputedUtc of SCALE.
Jd crossing(double year, double zone, double lon, Scale scale);

// term_longitude  Longitude of solar term K in calendar order: 285 (小寒) for K = 0, 15 degrees more
//                 for each next term, 270 (冬至) for K = 23.
double term_longitude(int k);

// solar_terms  The 24 solar terms of the calendar year YEAR of the zone, in calendar order.
//  Given:    year, zone   as instant_of
//  Result:   term K at term_longitude(K), UTC two-part Julian Dates; a term that cannot be answered
//            is NaN in both parts
std::array<Jd, 24> solar_terms(double year, double zone);

// solar_terms_tt  As solar_terms, the year of the zone in SCALE, the instants as TT.
std::array<Jd, 24> solar_terms_tt(double year, double zone, Scale scale);

}  // namespace solarlon::apparent

#endif
