// delta_t_model, tt_minus_utc  TT - UTC at a UTC instant: the leap seconds from 1972, a Delta T model
//                              before.
//
//  Method:   From 1972 January 1, TT - UTC = (TAI - UTC) + 32.184 s, TAI - UTC from eraDat (whole
//            leap seconds; after the end of its table eraDat holds its last value, and so does this).
//            Before 1972, Delta T = TT - UT from the polynomial expressions of F. Espenak and
//            J. Meeus, "Five Millennium Canon of Solar Eclipses: -1999 to +3000", NASA/TP-2006-214141
//            (2006), section 2.6, which represent the historical values of L. V. Morrison and
//            F. R. Stephenson (2004) and, from 1955, the observed TT - UT1. UTC is taken as UT (before
//            1972 UTC was kept within 0.1 s of UT2).
//  Notes:  1 The model's decimal year y counts 365.2425 days a year from 2000 January 1, 0 h UTC, so
//            that the value moves smoothly with the instant (the authors' y = year + (month - 0.5)/12
//            steps once a month); the two differ by under half a month, 0.05 s of Delta T.
//          2 The expressions used begin with that for 1600-1700: earlier, Delta T is known only to
//            minutes, and no instant before 1600.0 is answered. The model and the leap seconds meet
//            within 0.07 s at 1972 January 1.
//          3 eraDat warns (status 1) for years well past its table; the held value is what is wanted
//            and the warning is not acted on. A negative status (a date it refuses) gives NaN.
//  Called:   eraJd2cal, eraDat
#include <cmath>
#include <limits>

#include "solar/apparent.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#endif

namespace solarlon::apparent {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUtc1972 = 2441317.5;  // 1972 January 1, 0 h UTC

}  // namespace

double delta_t_model(double y) {
    if (!(y >= 1600.0 && y <= 1986.0)) return kNaN;
    double t = 0.0;
    if (y < 1700.0) {
        t = y - 1600.0;
        return 120.0 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129.0;
    }
    if (y < 1800.0) {
        t = y - 1700.0;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000.0;
    }
    if (y < 1860.0) {
        t = y - 1800.0;
        const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t, t6 = t5 * t, t7 = t6 * t;
        return 13.72 - 0.332447 * t + 0.0068612 * t2 + 0.0041116 * t3 - 0.00037436 * t4 + 0.0000121272 * t5 -
               0.0000001699 * t6 + 0.000000000875 * t7;
    }
    if (y < 1900.0) {
        t = y - 1860.0;
        const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
        return 7.62 + 0.5737 * t - 0.251754 * t2 + 0.01680668 * t3 - 0.0004473624 * t4 + t5 / 233174.0;
    }
    if (y < 1920.0) {
        t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (y < 1941.0) {
        t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    t = y - 1975.0;
    return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
}

#if SOLARLON_HAVE_ERFA

double tt_minus_utc(double utc1, double utc2) {
    if (coverage(utc1, utc2) != Coverage::ok) return kNaN;
    if ((utc1 - kUtc1972) + utc2 < 0.0) {
        const double y = 2000.0 + ((utc1 - 2451544.5) + utc2) / 365.2425;  // note 1
        return delta_t_model(y);
    }
    int iy = 0, im = 0, id = 0;
    double fd = 0.0, dat = 0.0;
    if (eraJd2cal(utc1, utc2, &iy, &im, &id, &fd) != 0) return kNaN;
    if (eraDat(iy, im, id, fd, &dat) < 0) return kNaN;
    return dat + 32.184;
}

#else

double tt_minus_utc(double, double) { return kNaN; }

#endif

}  // namespace solarlon::apparent
