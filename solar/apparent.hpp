// apparent.hpp  The Sun's apparent geocentric ecliptic longitude (true ecliptic and equinox of date)
//               from ERFA, the C edition of the IAU's standard routines, at a UTC instant; TT - UTC;
//               the instant of a longitude and the 24 solar terms of a calendar year.
//
// Private to solar/ and its tests; the typed interface wraps it. Instants are two-part Julian Dates
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
//            start of the Delta T model used before 1972 (solar/tt_utc.cpp).
constexpr double kFirstUtc = 2305447.5;

// kEndUtc  The end of the instants answered, 3001 January 1, 0 h UTC, as a Julian Date: the end of the
//          span of the Delta T canon of Espenak and Meeus (-1999 to +3000), within which the IAU 2006
//          precession and ERFA's Earth ephemeris still hold. Farther on, their polynomials run away
//          (in 14000 the Sun would reach 285 degrees on December 29) and nothing models TT - UTC.
constexpr double kEndUtc = 2817152.5;

// Coverage  What can be answered at an instant.
enum class Coverage {
    ok,            // answered
    no_theory,     // this build has no ERFA: the apparent theory is not available
    before_model,  // before kFirstUtc: no Delta T model to turn UTC into TT
    after_range,   // from kEndUtc on: the precession and the ephemeris are not fits so far out
    not_finite,    // the instant is NaN or infinite
};

// coverage_text  What a refusal says, in English, for a caller's message: "" for ok, else e.g. "this
//                build has no apparent theory (built without ERFA)".
const char* coverage_text(Coverage c);

// available  Whether this build has the apparent theory (ERFA was found when it was configured).
bool available();

// coverage  Whether the theory answers at a UTC instant, and if not, why.
//  Given:    utc1, utc2   UTC, two-part Julian Date
Coverage coverage(double utc1, double utc2);

// delta_t_model  Delta T = TT - UT of the model used before 1972, seconds.
//  Given:    y   decimal year (Gregorian), 1600.0 to 1986.0
//  Result:   seconds; NaN outside that span
double delta_t_model(double y);

// tt_minus_utc  TT - UTC at a UTC instant, seconds.
//  Given:    utc1, utc2   UTC, two-part Julian Date
//  Result:   from 1972 on, TAI - UTC (eraDat, its last value held after its table) + 32.184 s; from
//            kFirstUtc to 1972, delta_t_model (UTC taken as UT); NaN where coverage() is not ok
double tt_minus_utc(double utc1, double utc2);

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

// term_longitude  Longitude of solar term K in calendar order: 285 (小寒) for K = 0, 15 degrees more
//                 for each next term, 270 (冬至) for K = 23.
double term_longitude(int k);

// solar_terms  The 24 solar terms of the calendar year YEAR of the zone, in calendar order.
//  Given:    year, zone   as instant_of
//  Result:   term K at term_longitude(K), UTC two-part Julian Dates; a term that cannot be answered
//            is NaN in both parts
std::array<Jd, 24> solar_terms(double year, double zone);

}  // namespace solarlon::apparent

#endif
