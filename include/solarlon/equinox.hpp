// equinox.hpp  Day numbers, time arguments, precession, nutation, aberration and further equinox
//              transforms of vectors, right ascension and declination, and orbital elements.
//
// Angles are degrees at every interface unless a routine says radians; trigonometry works in radians
// through pi = arccos(-1). Given arguments are read only; returned values are stored last, so one
// variable may be passed as both.
#ifndef SOLARLON_EQUINOX_EQUINOX_HPP
#define SOLARLON_EQUINOX_EQUINOX_HPP

#include <cstdint>

namespace solarlon {

// DAYNUM  Whole-day count of a Gregorian (proleptic) calendar date.
//  Given:    YEAR, MON, DAY   date; each taken as trunc(value + 0.0000001), so a day fraction is dropped;
//                             day 0 is the day before the 1st, days past the month end count on
//  Result:   day number (a whole number held in a double); JD at 0 h = day number + 1721059.5
//  Notes:    years 1 and later; earlier years follow the same formula without a continuous count.
//            A NaN part gives NaN.
double DAYNUM(const double& YEAR, const double& MON, const double& DAY);

// leap_year  Whether the Gregorian (proleptic) year YEAR, a whole number, has 366 days: divisible by
//            4, and not by 100 unless by 400 (negative years too: -400 is one, -100 is not).
bool leap_year(double year);

// month_days  Days of the month MONTH (1..12) of the Gregorian year YEAR; 0 for another month.
int month_days(double year, int month);

// TIMARG  Time arguments of nutation and aberration.
//  Given:    YEAR..SECOND  instant (any time scale; nothing here corrects for it)
//  Returned: D   days from 1900 January 0.5 (JD - 2415020.0)
//            T   Julian centuries of 36525 days from the same instant
void TIMARG(const double& YEAR, const double& MON, const double& DAY, const double& HOUR, const double& MINUTE,
            const double& SECOND, double& D, double& T);

// OBLIQ  Newcomb's mean obliquity of the ecliptic.
//  Given:    T   Julian centuries from 1900 January 0.5
//  Result:   mean obliquity, degrees
double OBLIQ(const double& T);

// PRECES  Newcomb precession of a rectangular equatorial vector between two mean equinoxes.
//  Given:    EP0       epoch of the mean equator and equinox the vector is referred to, years
//            EP1       epoch wanted, years
//  Given and returned: X, Y, Z   equatorial vector, X toward the mean equinox, Z toward the mean pole;
//                      any length, which the rotation keeps; each read before any is written
void PRECES(const double& EP0, const double& EP1, double& X, double& Y, double& Z);

// NUTARG  Fundamental arguments of the nutation (Brown's Moon, Newcomb's Sun), cubic in D.
//  Given:    D    days from 1900 January 0.5
//  Returned: EL   l, mean anomaly of the Moon, degrees
//            ELP  l', mean anomaly of the Sun, degrees
//            F    mean argument of latitude of the Moon, degrees
//            DM   D, mean elongation of the Moon from the Sun, degrees
//            OM   longitude of the Moon's mean ascending node, degrees
//  Notes:    each reduced by whole turns toward zero: a negative value stays negative, in (-360, 0]
void NUTARG(const double& D, double& EL, double& ELP, double& F, double& DM, double& OM);

// NUTATE  Mean to true equator and equinox of date (ISIGN = +1), or back to first order (-1).
//  Given:    ISIGN          +1 applies the nutation, -1 removes it, 0 leaves the vector unchanged
//            YEAR..SECOND   instant; no time scale or zone correction is made
//  Given and returned: X, Y, Z   equatorial vector of date, any length; not renormalised; each read
//                      before any is written
void NUTATE(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z);

// ABERR  Annual aberration of a unit direction, circular orbit of the Earth.
//  Given:    ISIGN          +1 adds the aberration (geometric to apparent), -1 removes it to first
//                           order, 0 leaves the vector unchanged
//            YEAR..SECOND   instant, for the obliquity
//            SUNLON         Sun's ecliptic longitude, degrees
//  Given and returned: X, Y, Z   unit equatorial vector of date (direction cosines); not renormalised;
//                      each read before any is written
void ABERR(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
           const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z, const double& SUNLON);

// PRECRD  Precession of right ascension and declination between two mean equinoxes.
//  Given:    EP0, EP1   epochs of the mean equinox given and wanted (years)
//  Given and returned:
//            RA         right ascension, degrees; returned in [0, 360)
//            DEC        declination, degrees; returned in [-90, 90]
void PRECRD(const double& EP0, const double& EP1, double& RA, double& DEC);

// PRECRS  PRECRD in single precision: the results are PRECRD's rounded to float.
//  Given:    EP0, EP1   epochs (years)
//  Given and returned:
//            RA, DEC    degrees, as PRECRD
void PRECRS(const float& EP0, const float& EP1, float& RA, float& DEC);

// NUTRD  Nutation of right ascension and declination applied (ISIGN = +1) or removed (-1).
//  Given:    ISIGN         +1 applies the nutation, -1 removes it to first order
//            YEAR..SECOND  instant (year, month, day, hour, minute, second)
//  Given and returned:
//            RA            right ascension, degrees; returned in [0, 360)
//            DEC           declination, degrees; returned in [-90, 90]
void NUTRD(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
           const double& MINUTE, const double& SECOND, double& RA, double& DEC);

// ELM2K  Orientation elements of an orbit from the equator and equinox 1950 (FK4) to 2000 (FK5).
//  Given and returned:
//            PERI   argument of perihelion omega, degrees
//            NODE   longitude of the ascending node Omega, degrees
//            INCL   inclination i, degrees
//                   all returned in [0, 360); below |INCL| = 0.001 only NODE moves, by the general
//                   precession 0.69824, and nothing is reduced
void ELM2K(double& PERI, double& NODE, double& INCL);

// ELM2KS  ELM2K in single precision: the results are ELM2K's rounded to float.
//  Given and returned:
//            PERI, NODE, INCL   degrees, as ELM2K
void ELM2KS(float& PERI, float& NODE, float& INCL);

// ELMPQ  Gaussian vectors of an orbit in the 1950 equatorial frame.
//  Given:    PERI   argument of perihelion omega, radians
//            NODE   longitude of the ascending node Omega on the ecliptic of 1950, radians
//            INCL   inclination i to the ecliptic of 1950, radians
//  Returned: EPXYZ  P, unit vector from the focus toward perihelion
//            EQXYZ  Q, unit vector in the orbital plane 90 degrees ahead of P in the motion
void ELMPQ(const double& PERI, const double& NODE, const double& INCL, double (&EPXYZ)[3], double (&EQXYZ)[3]);

// ROT2K  FK4 B1950.0 to FK5 J2000.0 rotation of a position at epoch B1950.0 (no E-terms).
//  Given:    R0   rectangular equatorial vector, FK4, equator and equinox B1950.0, epoch B1950.0
//  Returned: R    the same vector in FK5, equator and equinox J2000.0; R may be R0
void ROT2K(const double (&R0)[3], double (&R)[3]);

// PQELM  Orientation elements from Gaussian vectors in the 2000 equatorial frame.
//  Given:    PXYZ   P, unit vector toward perihelion, equator and equinox J2000.0
//            QXYZ   Q, unit vector in the orbital plane 90 degrees ahead of P
//  Returned: PERI   argument of perihelion omega, radians, [0, 2 pi)
//            NODE   longitude of the ascending node Omega on the ecliptic of 2000, radians, [0, 2 pi)
//            INCL   inclination i to the ecliptic of 2000, radians, [0, pi]
void PQELM(const double (&PXYZ)[3], const double (&QXYZ)[3], double& PERI, double& NODE, double& INCL);

}  // namespace solarlon

#endif
