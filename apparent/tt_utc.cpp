// delta_t_model, tt_minus_utc, leap_second_follows, to_tt, from_tt  TT - UTC at a UTC instant: the
//     leap seconds from 1972, a Delta T model before; instants of UTC or TT to TT and back.
//
//  Method:   From 1972 January 1, TT - UTC = (TAI - UTC) + 32.184 s, TAI - UTC from eraDat (whole
//            leap seconds; after the end of its table eraDat holds its last value, and so does this).
//            Before 1972, Delta T = TT - UT from the polynomial expressions of F. Espenak and
//            J. Meeus, "Five Millennium Canon of Solar Eclipses: -1999 to +3000", NASA/TP-2006-214141
//            (2006), section 2.6, which represent the historical values of L. V. Morrison and
//            F. R. Stephenson, J. Hist. Astron. 35, 327 (2004), and, from 1955, the observed TT - UT1.
//            Each branch below is one of their expressions, in their t. UTC is taken as UT (before
//            1972 UTC was kept within 0.1 s of UT2).
//  Notes:  1 The model's decimal year y counts 365.2425 days a year from 2000 January 1, 0 h UTC, so
//            that the value moves smoothly with the instant (the authors' y = year + (month - 0.5)/12
//            steps once a month); the two differ by under half a month, 0.05 s of Delta T.
//          2 The expressions used begin with that for 1600-1700: earlier, Delta T is known only to
//            minutes, and no instant before 1600.0 is answered. The search computes from the day
//            before (kFirstComputedUtc), where that expression is carried on, to begin a zone's year. The model and the leap seconds meet
//            within 0.07 s at 1972 January 1.
//          3 A leap second is the 86401st second of its UTC day. It is given as the instant one second
//            before it (23:59:59.x) and a flag, and maps to TT one second after that instant's TT,
//            so that TT runs on through it without a gap. Back from TT, TAI = TT - 32.184 s less
//            TAI - UTC found at TAI and then at the UTC so found; where the two disagree and the
//            second one overshoots the step, the TAI lies in the inserted second.
//          4 Before 1972, UTC from TT by three fixed-point steps of the model (it changes by
//            milliseconds a day).
//          5 eraDat warns (status 1) for years well past its table; the held value is what is wanted
//            and the warning is not acted on. A negative status (a date it refuses) gives NaN.
//  Called:   eraJd2cal, eraDat, coverage
#include <cmath>
#include <limits>

#include "apparent/apparent.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#endif

namespace solarlon::apparent {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUtc1972 = 2441317.5;  // 1972 January 1, 0 h UTC
constexpr double kDay = 86400.0;        // seconds

// The UTC day fraction of D1 + D2, [0, 1).
double fraction(double d1, double d2) {
    double f = std::fmod(std::fmod(d1 - 0.5, 1.0) + d2, 1.0);
    if (f < 0.0) f += 1.0;
    return f;
}

}  // namespace

double delta_t_model(double y) {
    if (!(y >= 1599.99 && y <= 1986.0)) return kNaN;
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
    if (!std::isfinite(utc1 + utc2) || (utc1 - kFirstComputedUtc) + utc2 < 0.0 || (utc1 - kEndComputedUtc) + utc2 > 0.0)
        return kNaN;
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

bool leap_second_follows(double utc1, double utc2) {
    if (fraction(utc1, utc2) < 1.0 - 1.0 / kDay) return false;
    if ((utc1 - kUtc1972) + utc2 < 0.0) return false;
    const double before = tt_minus_utc(utc1, utc2), after = tt_minus_utc(utc1, utc2 + 1.0 / kDay);
    return after - before > 0.5;  // whole seconds in the table
}

Jd to_tt(Jd t, Scale scale, bool leap) {
    if (coverage(t, scale) != Coverage::ok) return {t.d1, kNaN};
    if (scale == Scale::tt) return t;
    if (leap && !leap_second_follows(t.d1, t.d2)) return {t.d1, kNaN};
    return {t.d1, t.d2 + (tt_minus_utc(t.d1, t.d2) + (leap ? 1.0 : 0.0)) / kDay};  // note 3
}

Civil from_tt(Jd tt, Scale scale) {
    if (scale == Scale::tt || !std::isfinite(tt.d1 + tt.d2)) return {tt, false};
    // TT - UTC near the instant, taken at the nearest instant answered where it lies outside.
    auto dt = [&tt](double d2) {
        const double lo = kFirstComputedUtc - tt.d1, hi = kEndComputedUtc - tt.d1;
        return tt_minus_utc(tt.d1, d2 < lo ? lo : (d2 > hi ? hi : d2)) / kDay;
    };
    const double a = tt.d2 - 32.184 / kDay;  // TAI
    if ((tt.d1 - kUtc1972) + a - 10.0 / kDay < 0.0) {
        double u = tt.d2 - dt(tt.d2);  // note 4
        for (int i = 0; i < 3; ++i) u = tt.d2 - dt(u);
        return {{tt.d1, u}, false};
    }
    const double dat1 = dt(a) - 32.184 / kDay;  // TAI - UTC, days
    const double u1 = a - dat1;
    const double dat2 = dt(u1) - 32.184 / kDay;
    if (dat2 == dat1) return {{tt.d1, u1}, false};
    const double u2 = a - dat2;
    if (dt(u2) - 32.184 / kDay == dat2) return {{tt.d1, u2}, false};
    return {{tt.d1, u1}, true};  // note 3
}

}  // namespace solarlon::apparent
