// sample, term, compare  The program's longitude and solar-term instants against ERFA.
//
//  Notes:  1 Theory alone: SUNLNG takes UT and adds its own Delta T estimate. Given the TT date,
//            12 h and minus that estimate in seconds, it evaluates its series exactly at that TT,
//            where ERFA is evaluated too. Noon keeps the UT on the same calendar date as the TT, so
//            the estimate is taken from the same date either way.
//          2 With the Delta T estimate: SUNLNG is given the true UT (TT less tabulated Delta T), as
//            a user would type it, and compared with ERFA at TT. Only within the table.
//          3 Solar terms: SUNTIM (zone UT, equinox of date) finds the UT of each multiple of 15
//            degrees in a year. The program takes that UT as TT = UT + its Delta T estimate; ERFA's
//            instant of the same longitude is found by Newton steps. The error is found minus true,
//            so a positive error means the program's instant comes late.
//          4 The fixed equinoxes: the year EQ is a Besselian epoch (the theory's 1950.0 is B1950.0),
//            so ERFA's mean ecliptic and equinox are taken at B1950.0 and B2000.0.
//  Called:   SUNLNG, SUNTIM, DELTAT, reference_longitude, reference_longitude_fixed, reference_instant,
//            tabdt, eraCal2jd, eraEpb2jd
#include <cmath>
#include <string>

#include <erfa.h>
#include <erfam.h>
#include <solarlon/solar.hpp>

#include "validation/validation.hpp"

namespace solarlon::validation {

namespace {

// Longitude from SUNLNG, degrees.
double sunlng(double eq, double y, double m, double d, double h, double s) {
    double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, yy = 0.0, z = 0.0;
    SUNLNG(eq, y, m, d, h, 0.0, s, delt, lon, rv, x, yy, z);
    return lon;
}

// Modified Julian Date at 0 h of a Gregorian date.
double mjd0(std::int32_t iy, std::int32_t im, std::int32_t id) {
    double djm0 = 0.0, djm = 0.0;
    (void)eraCal2jd(iy, im, id, &djm0, &djm);
    return djm;
}

}  // namespace

void sample(std::int32_t iy, std::int32_t im, std::int32_t id, Sample& out) {
    static const double EQDATE = 0.0, NOON = 12.0;
    const double y = iy, m = im, d = id;
    const double tt = mjd0(iy, im, id) + 0.5;  // MJD, TT

    Sample s;
    s.year = decimal_year(ERFA_DJM0, tt);
    s.jd = ERFA_DJM0 + tt;
    DELTAT(y, m, d, s.dt_prog);
    s.lon_prog = sunlng(EQDATE, y, m, d, NOON, -s.dt_prog);
    s.lon_ref = reference_longitude(ERFA_DJM0, tt);
    s.err = lngdif(s.lon_prog, s.lon_ref) * 3600.0;
    s.has_dt = tabdt(s.year, s.dt_tab);
    if (s.has_dt) s.err_dt = lngdif(sunlng(EQDATE, y, m, d, NOON, -s.dt_tab), s.lon_ref) * 3600.0;

    // The fixed equinoxes, theory alone.
    static const double EQ1950 = 1950.0, EQ2000 = 2000.0;
    double b1 = 0.0, b2 = 0.0;
    eraEpb2jd(1950.0, &b1, &b2);
    s.err1950 =
        lngdif(sunlng(EQ1950, y, m, d, NOON, -s.dt_prog), reference_longitude_fixed(ERFA_DJM0, tt, b1, b2)) * 3600.0;
    eraEpb2jd(2000.0, &b1, &b2);
    s.err2000 =
        lngdif(sunlng(EQ2000, y, m, d, NOON, -s.dt_prog), reference_longitude_fixed(ERFA_DJM0, tt, b1, b2)) * 3600.0;
    out = s;
}

void term(std::int32_t iyear, double lon, Term& out) {
    static const double EQDATE = 0.0;
    static const std::int32_t UT = 0;
    Term t;
    t.year = iyear;
    t.lon = lon;
    const double year = iyear;
    SUNTIM(EQDATE, UT, iyear, lon, year, t.mon, t.day, t.hour, t.minute, t.second, t.iyadd);

    // The answer as UT, and as the TT that the program's series used.
    const double ut = mjd0(iyear + t.iyadd, static_cast<std::int32_t>(t.mon), static_cast<std::int32_t>(t.day)) +
                      (t.hour + t.minute / 60.0 + t.second / 3600.0) / 24.0;
    const double y = iyear + t.iyadd;
    double dtp = 0.0;
    DELTAT(y, t.mon, t.day, dtp);
    const double ttp = ut + dtp / 86400.0;

    double tt = 0.0;  // ERFA's instant of the longitude, MJD TT
    reference_instant(ERFA_DJM0, ttp, lon, tt);
    t.jd_ut = ERFA_DJM0 + ut;
    t.err = (ttp - tt) * 86400.0;
    double dtt = 0.0;
    t.has_dt = tabdt(decimal_year(ERFA_DJM0, tt), dtt);
    if (t.has_dt) t.err_dt = (ut - (tt - dtt / 86400.0)) * 86400.0;
    out = t;
}

void Stat::add(double v) {
    ++n;
    if (std::fabs(v) > max) max = std::fabs(v);
    sum2_ += v * v;
}

void Stat::finish() { rms = n > 0 ? std::sqrt(sum2_ / static_cast<double>(n)) : 0.0; }

void finish(Report& r) {
    for (Row& row : r.rows) {
        row.lon.finish();
        row.time.finish();
        row.lon_dt.finish();
        row.time_dt.finish();
    }
    r.eq1950.finish();
    r.eq2000.finish();
}

void compare(std::int32_t first, std::int32_t last, std::int32_t step, std::int32_t width, Report& out) {
    Report r;

    // Rows of WIDTH years (the last one takes the years left over), then the whole span.
    for (std::int32_t y0 = first; y0 <= last; y0 += width) {
        Row row;
        row.first = y0;
        row.last = (y0 + 2 * width - 1 > last) ? last : y0 + width - 1;
        row.label = std::to_string(row.first) + "-" + std::to_string(row.last);
        r.rows.push_back(row);
        if (row.last == last) break;
    }
    Row all;
    all.first = first;
    all.last = last;
    all.label = std::to_string(first) + "-" + std::to_string(last);
    auto rows_of = [&r, &all](std::int32_t year) {
        std::vector<Row*> v{&all};
        for (Row& row : r.rows)
            if (year >= row.first && year <= row.last) v.push_back(&row);
        return v;
    };

    // Longitude every step days, 12 h TT.
    const double end = mjd0(last, 12, 31);
    for (double mjd = mjd0(first, 1, 1); mjd <= end; mjd += step) {
        int iy = 0, im = 0, id = 0;
        double fd = 0.0;
        (void)eraJd2cal(ERFA_DJM0, mjd, &iy, &im, &id, &fd);
        Sample s;
        sample(iy, im, id, s);
        for (Row* row : rows_of(iy)) {
            row->lon.add(s.err);
            if (s.has_dt) row->lon_dt.add(s.err_dt);
        }
        r.eq1950.add(s.err1950);
        r.eq2000.add(s.err2000);
        r.samples.push_back(s);
    }

    // The 24 solar terms of every year.
    for (std::int32_t y = first; y <= last; ++y) {
        for (int k = 0; k < 24; ++k) {
            Term t;
            term(y, 15.0 * k, t);
            for (Row* row : rows_of(y)) {
                row->time.add(t.err);
                if (t.has_dt) row->time_dt.add(t.err_dt);
            }
            r.terms.push_back(t);
        }
    }

    r.rows.push_back(all);
    finish(r);
    out = std::move(r);
}

}  // namespace solarlon::validation
