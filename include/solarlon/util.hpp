// util.hpp  The typed-line number parser, and the angle, vector, equation and random-number utilities.
//
// Angles between the vector and perturbation routines are radians unless a routine says degrees or
// sexagesimal parts. Given arguments are read only; returned values are formed in locals and stored
// last, so one variable may be passed as both.
//
// Run-long state: the random-number generator of URAND (and with it GAUSRN and RDPERT) is the only
// state kept between calls; it starts from fixed values, so every run draws the same sequence. It is
// not safe to draw from two threads at once. The settings read by RDPERT and VECSPH are not state:
// the caller owns an RDSET and passes it.
#ifndef SOLARLON_UTIL_HPP
#define SOLARLON_UTIL_HPP

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include <solarlon/constants.hpp>

namespace solarlon {

namespace io {
class RecordWriter;
}

// ---------------------------------------------------------------- typed lines

// GETNUM  Numbers of a typed line, fields cut at blanks and commas.
//  Given:    LINE    the typed line, taken as 80 characters (blank-padded, longer text ignored)
//            N       positions 1..N scanned (1..80; a smaller N scans nothing, a larger one 80)
//  Returned: COUNT   number of fields started
//            V1..V6  values of fields 1 to 6; 0 where absent or not a valid number
//  Notes:    A field starts at a non-blank after a blank or a comma (or in column 1) and ends at a
//            non-blank followed by a blank or a comma; it is read as a Fw.0 numeric field. So a
//            comma after a blank, or a second comma, is a field of its own (value 0); a field that
//            reaches column N is counted but not converted. Only blanks and commas separate: a tab
//            is part of a field. Fields after the sixth are counted and their values dropped.
void GETNUM(const std::string& LINE, const std::int32_t& N, std::int32_t& COUNT, double& V1, double& V2, double& V3,
            double& V4, double& V5, double& V6);

// What GETNUM made of one of the first six fields of a line.
struct NUMFLD {
    std::int32_t START = 0;  // first column of the field (1-based); 0 where there is no such field
    std::int32_t WIDTH = 0;  // columns its first conversion read; for an EDGE field, up to column N
    bool TOOK = false;       // a conversion into the field's slot succeeded
    bool EDGE = false;       // the field reaches column N, so it was never converted
};

// GETNUM  The same, telling for each of the first six fields whether it took a value.
//  Given:    LINE, N    as above
//  Returned: COUNT, V1..V6  exactly as above
//            F          fields 1 to 6. A field that took no value: an invalid text, a lone comma, or
//                       one that reaches column N. The second, failing conversion of a field with
//                       its ending comma ("1978, 6") does not undo the first. F(COUNT+1) may
//                       describe one field more: a text alone in column N, which starts no counted
//                       field (EDGE, not TOOK).
void GETNUM(const std::string& LINE, const std::int32_t& N, std::int32_t& COUNT, double& V1, double& V2, double& V3,
            double& V4, double& V5, double& V6, NUMFLD (&F)[6]);

// PUTLIN  Writes a line without its trailing blanks as one record.
//  Given:    LINE    the line, taken as 80 characters (blank-padded, longer text ignored)
//            N       positions 1..N considered (clamped to 0..80)
//            UNIT    the record destination
//  Notes:    An empty record when positions 1..N are all blank; otherwise positions 1 to the last
//            non-blank. The record ends with CR LF.
void PUTLIN(const std::string& LINE, const std::int32_t& N, io::RecordWriter& UNIT);

// ---------------------------------------------------------------- whole numbers

// whole_saturated  X truncated toward zero, held within LO..HI, so that no value converts with undefined
//                 behaviour. NaN gives 0.
std::int64_t whole_saturated(double x, std::int64_t lo, std::int64_t hi);

// to_int32  X truncated toward zero as a 32-bit integer, held at the type's limits (NaN gives 0).
std::int32_t to_int32(double x);

// nint  Rounding to a whole number as everywhere in the program (the equinox choice, every whole
//       number printed): X + 0.5 truncated toward zero, so -0.4 gives 0 and -1.5 gives -1. Each value
//       by itself, with no carry into another. NaN and infinities come back as they are. Inline: the
//       equinox choice is rounded at every evaluation of the longitude.
inline double nint(double x) { return std::trunc(x + 0.5); }

// ---------------------------------------------------------------- sexagesimal angles

// HMSDEG  Hours, minutes and seconds of time to degrees.
//  Given:    H, M    hours, minutes (any sign, not checked)
//            S       seconds
//  Result:   15 (H + M/60 + S/3600) degrees, summed as (M/60 + H) + S/3600
double HMSDEG(const std::int32_t& H, const std::int32_t& M, const double& S);

// DMSDEG  Degrees, arcminutes and arcseconds to signed degrees.
//  Given:    D, M    degrees, arcminutes
//            S       arcseconds
//  Result:   |D| + |M|/60 + |S|/3600, negative when any one part is negative (so an angle between
//            0 and -1 degree is written with D = 0 and a negative M or S)
double DMSDEG(const std::int32_t& D, const std::int32_t& M, const double& S);

// DEGDMS  Signed degrees to degrees, arcminutes and arcseconds.
//  Given:    DEG     degrees
//  Returned: D, M    whole degrees and arcminutes, truncated toward zero
//            S       arcseconds
//  Notes:    The sign stands on the first non-zero part only: -12.5 gives -12, 30, 0 and -0.5 gives
//            0, -30, 0. Whole parts beyond the 32-bit range are held at its ends (NaN gives 0).
void DEGDMS(const double& DEG, std::int32_t& D, std::int32_t& M, double& S);

// DEGHMS  Degrees to hours, minutes and seconds of time.
//  Given:    DEG     degrees; one day (24 h) is added when it is negative
//  Returned: H, M    whole hours and minutes, truncated toward zero
//            S       seconds
//  Notes:    No reduction to one day: 360 degrees or more gives H of 24 or more, below -360 a
//            negative H. Whole parts beyond the 32-bit range are held at its ends (NaN gives 0).
void DEGHMS(const double& DEG, std::int32_t& H, std::int32_t& M, double& S);

// ---------------------------------------------------------------- settings

// RDSET  Settings of the star-position perturbation (RDPERT) and of VECSPH, owned by the caller.
//  PI       the number pi (VECSPH and RDPERT)
//  RAD      radians per degree
//  IPERT    0: RDPERT converts only; any other value: it also displaces the direction
//  IZAN     index 1..3 of the standard error in ZANSDK
//  ZANSDK   three standard errors of a position, arcseconds (defaults 0.5, 1 and 2)
struct RDSET {
    double PI = kPi;
    double RAD = kDegree;
    std::int32_t IPERT = 0;
    std::int32_t IZAN = 1;
    double ZANSDK[3] = {0.5, 1.0, 2.0};
};

// ---------------------------------------------------------------- vectors

// SPHVEC  Unit vector of spherical angles.
//  Given:    ALPHA, DELTA   longitude-like and latitude-like angle, radians
//  Returned: X, Y, Z        cos ALPHA cos DELTA, sin ALPHA cos DELTA, sin DELTA
void SPHVEC(const double& ALPHA, const double& DELTA, double& X, double& Y, double& Z);

// VECSPH  Spherical angles of a unit vector.
//  Given:    X, Y, Z        unit vector (length not checked)
//            SET            PI is read from it
//  Returned: ALPHA          radians, [0, 2 PI) (atan2(Y, X); 0 for X = Y = 0)
//            DELTA          radians, [-pi/2, pi/2]
//  Notes:    Z beyond -1 or 1 (a rounding step off a unit vector) is taken as -1 or 1.
void VECSPH(const double& X, const double& Y, const double& Z, double& ALPHA, double& DELTA,
            const RDSET& SET = RDSET());

// SPHXYZ  Vector of spherical angles with separate scales for the equatorial and polar parts.
//  Returned: X, Y, Z        Q cos DELTA cos ALPHA, Q cos DELTA sin ALPHA, P sin DELTA
//  Given:    ALPHA, DELTA   radians
//            P, Q           scale of the third component, scale of the first two
void SPHXYZ(double& X, double& Y, double& Z, const double& ALPHA, const double& DELTA, const double& P,
            const double& Q);

// UCROSS  Unit vector along the cross product of two vectors.
//  Given:    X1, X2, X3     first vector
//            Y1, Y2, Y3     second vector
//  Returned: Z1, Z2, Z3     (X x Y) / |X x Y|
//  Notes:    Any finite, non-parallel pair gives the unit normal to rounding, however large or
//            small the components. Parallel vectors (or a zero vector) have no such direction: the
//            result is (0, 0, 0). A NaN or infinite component gives (NaN, NaN, NaN).
void UCROSS(const double& X1, const double& X2, const double& X3, const double& Y1, const double& Y2, const double& Y3,
            double& Z1, double& Z2, double& Z3);

// ROTAXS  Rotation of a vector about an arbitrary axis, right-handed.
//  Given:    A1, A2, A3     vector
//            UX, UY, UZ     axis, unit vector (not checked)
//            THETA          angle, radians (positive turns X toward Y about +Z)
//  Returned: B1, B2, B3     rotated vector; may be the same variables as A1, A2, A3
void ROTAXS(const double& A1, const double& A2, const double& A3, const double& UX, const double& UY, const double& UZ,
            const double& THETA, double& B1, double& B2, double& B3);

// ---------------------------------------------------------------- linear equations

// GAUSSJ  Solution of n linear equations by Gauss-Jordan elimination with complete pivoting.
//  Given and returned:
//            AA      NROW x NCOL matrix stored row by row (element (i, j), 1-based, at
//                    AA[(i-1)*NCOL + (j-1)]); rows 1..N, columns 1..N+1 hold the augmented system
//                    (coefficients, then the right-hand side). On return row j of column N+1 holds
//                    the unknown of column j; nothing else is changed.
//  Given:    NROW, NCOL  declared rows and columns of AA
//            N       number of equations, 1 to 6
//  Notes:    The pivot is the first element of largest magnitude, rows outer, columns inner.
//            A singular system (a pivot of 0, or NaN), or N above 6, sets rows 1..N of column N+1 to
//            NaN. When AA cannot hold the system (N < 1, N > NROW, N + 1 > NCOL, or AA null), AA is
//            left as it is.
void GAUSSJ(double* AA, const std::int32_t& NROW, const std::int32_t& NCOL, const std::int32_t& N);

// GAUSSJ for a two-dimensional array: GAUSSJ(AA, N) with the array's own dimensions.
template <std::size_t R, std::size_t C>
void GAUSSJ(double (&AA)[R][C], const std::int32_t& N) {
    GAUSSJ(&AA[0][0], static_cast<std::int32_t>(R), static_cast<std::int32_t>(C), N);
}

// ---------------------------------------------------------------- random numbers

// URAND  Uniform deviate from the run-long generator.
//  Returned: U       the generator's previous S1 / 100000000, in [0, 1]
//  Notes:    S1, S2 <- (S1 + S2) mod 100000001, S1. Starting values S1 = 65010871, S2 = 86268900:
//            the first value is 0.65010871.
void URAND(double& U);

// GAUSRN  Approximately normal deviate: the sum of 50 URAND values, centred and scaled.
//  Given:    SIGMA   standard deviation wanted
//  Returned: E       ((sum - 25) / 5) SIGMA / 0.4072
void GAUSRN(const double& SIGMA, double& E);

// ---------------------------------------------------------------- star positions

// RDPERT  Right ascension and declination in radians, optionally displaced by a random error.
//  Given:    H, M, S        right ascension, hours, minutes, seconds of time
//            D, DM, DS      declination, degrees, arcminutes, arcseconds (signs as DMSDEG)
//            SET            RAD, PI, IPERT, IZAN and ZANSDK are read from it
//  Returned: ALPHA          right ascension, radians: with IPERT 0 as converted, else [0, 2 PI)
//            DELTA          declination, radians
//  Notes:    With IPERT not 0 the direction is moved by an angle |e|, e a normal deviate of standard
//            deviation ZANSDK(IZAN) arcseconds (GAUSRN), toward a uniformly random position angle
//            (URAND): 51 values drawn from the generator per call. With IPERT 0, or IZAN outside
//            1..3, the converted angles are returned and nothing is drawn.
//  Called:   HMSDEG, DMSDEG, SPHVEC, UCROSS, URAND, GAUSRN, ROTAXS, VECSPH
void RDPERT(const std::int32_t& H, const std::int32_t& M, const double& S, const std::int32_t& D,
            const std::int32_t& DM, const double& DS, double& ALPHA, double& DELTA, const RDSET& SET = RDSET());

// TURNRD  A right ascension and declination turned through a routine that acts on their unit vector.
//  Given:    TURN       called as TURN(x, y, z) with the unit vector, which it turns in place
//  Given and returned:
//            RA         right ascension, degrees; returned in [0, 360)
//            DEC        declination, degrees; returned in [-90, 90] (VECSPH clamps the sine)
//  Called:   SPHVEC, VECSPH
template <class F>
void TURNRD(F&& TURN, double& RA, double& DEC) {
    const double rad = kDegree;
    double x = 0.0, y = 0.0, z = 0.0;
    SPHVEC(RA * rad, DEC * rad, x, y, z);
    TURN(x, y, z);
    double ra = 0.0, dec = 0.0;
    VECSPH(x, y, z, ra, dec);
    RA = ra / rad;
    DEC = dec / rad;
}

}  // namespace solarlon

#endif
