// apparent_reference, apparent_reference_instant, compare_apparent  The program's apparent theory
// against a second reduction through ERFA, and against published equinox and solstice times.
//
//  Notes:  1 The second route shares only ERFA's ephemeris, aberration and nutation series with the
//            program: TDB instead of TT, the light time iterated with the Sun's position at the time
//            of emission, the ecliptic of date from eraEcm06 with the nutation in longitude added
//            instead of the true equator turned by the true obliquity, and ERFA's own UTC.
//          2 Its instant of a longitude: Newton steps in TT with the rate at the first guess, to well
//            below a microsecond, then TT to UTC. The difference program - reference is in seconds,
//            positive when the program's instant comes late.
//          3 A published time is reproduced when the theory's instant rounds to its printed minute,
//            from 30 s before that minute to 30 s after it, with 1 s more on either side: the
//            publisher rounded its own ephemeris's instant, in UT1, which may differ from this one by
//            a few tenths of a second, so an instant within 1 s of the half minute may round either way.
//  Called:   solar_terms, instant_of, eraEpv00, eraAb, eraEcm06, eraNut06a, eraDtdb, eraUtctai,
//            eraTaitt, eraTttai, eraTaiutc, eraCal2jd
#include "apparent/apparent.hpp"

#include <cmath>
#include <limits>
#include <string>

#include <erfa.h>
#include <erfam.h>

#include "validation/validation.hpp"

namespace solarlon::validation {

double apparent_reference(double d1, double d2) {
    const double fd = std::fmod((d1 - 0.5) + d2, 1.0);  // the day's fraction, for eraDtdb
    const double t2 = d2 + eraDtdb(d1, d2, fd < 0.0 ? fd + 1.0 : fd, 0.0, 0.0, 0.0) / ERFA_DAYSEC;

    double pvh[2][3], pvb[2][3];
    (void)eraEpv00(d1, t2, pvh, pvb);
    double p[3] = {0.0, 0.0, 0.0}, tau = 0.0, r = 0.0;
    for (int k = 0; k < 4; ++k) {
        double h[2][3], b[2][3];
        (void)eraEpv00(d1, t2 - tau, h, b);
        for (int i = 0; i < 3; ++i) p[i] = (b[0][i] - h[0][i]) - pvb[0][i];  // Sun then - Earth now
        r = eraPm(p);
        tau = r / ERFA_DC;
    }
    double pnat[3], v[3];
    for (int i = 0; i < 3; ++i) {
        pnat[i] = p[i] / r;
        v[i] = pvb[1][i] / ERFA_DC;
    }
    double ppr[3];
    eraAb(pnat, v, r, std::sqrt(1.0 - eraPdp(v, v)), ppr);

    double rm[3][3], e[3], dpsi = 0.0, deps = 0.0;
    eraEcm06(d1, t2, rm);
    eraRxp(rm, ppr, e);
    eraNut06a(d1, t2, &dpsi, &deps);
    return eraAnp(std::atan2(e[1], e[0]) + dpsi) * ERFA_DR2D;
}

double apparent_reference_instant(double u1, double u2, double lon) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if ((u1 - 2441317.5) + u2 < 0.0) return nan;
    double a1 = 0.0, a2 = 0.0, t1 = 0.0, t2 = 0.0;
    if (eraUtctai(u1, u2, &a1, &a2) < 0 || eraTaitt(a1, a2, &t1, &t2) != 0) return nan;

    const double h = 0.05;  // days, for the rate
    const double rate = lngdif(apparent_reference(t1, t2 + h), apparent_reference(t1, t2 - h)) / (2.0 * h);
    for (int k = 0; k < 8; ++k) {
        const double miss = lngdif(apparent_reference(t1, t2), lon);
        t2 = t2 - miss / rate;
        if (std::fabs(miss) < 1.0e-11) break;
    }
    double v1 = 0.0, v2 = 0.0;
    if (eraTttai(t1, t2, &a1, &a2) != 0 || eraTaiutc(a1, a2, &v1, &v2) < 0) return nan;
    return (v1 - u1) + v2;
}

void compare_apparent(std::int32_t first, std::int32_t last, ApparentReport& r) {
    ApparentReport out;
    const std::int32_t spans[][2] = {{1972, 1999}, {2000, 2049}, {2050, 2100}};
    for (const auto& s : spans) {
        if (s[1] < first || s[0] > last) continue;
        Row row;
        row.first = s[0] < first ? first : s[0];
        row.last = s[1] > last ? last : s[1];
        row.label = std::to_string(row.first) + "-" + std::to_string(row.last);
        out.rows.push_back(row);
    }
    Row whole;
    whole.first = first;
    whole.last = last;
    whole.label = std::to_string(first) + "-" + std::to_string(last);

    for (std::int32_t y = first; y <= last; ++y) {
        const auto terms = apparent::solar_terms(y, 0.0);
        for (int k = 0; k < 24; ++k) {
            const apparent::Jd t = terms[static_cast<std::size_t>(k)];
            const double ref = apparent_reference_instant(t.d1, t.d2, apparent::term_longitude(k));
            const double err = (t.d2 - ref) * ERFA_DAYSEC;
            if (!std::isfinite(err)) {
                ++out.missing;
                continue;
            }
            for (Row& row : out.rows)
                if (y >= row.first && y <= row.last) row.time.add(err);
            whole.time.add(err);
        }
    }
    out.rows.push_back(whole);
    for (Row& row : out.rows) row.time.finish();

    for (std::size_t i = 0; i < PUBLISHED_COUNT; ++i) {
        const Published& p = PUBLISHED[i];
        PublishedCheck c;
        c.p = p;
        double djm0 = 0.0, djm = 0.0;
        (void)eraCal2jd(p.year, p.month, p.day, &djm0, &djm);
        const apparent::Jd t = apparent::instant_of(p.year, 0.0, p.lon);
        const double printed = (djm0 + djm) + (p.hour * 60.0 + p.minute) / 1440.0;  // JD, UTC
        c.second = ((t.d1 - printed) + t.d2) * ERFA_DAYSEC;
        c.reproduced = c.second >= -31.0 && c.second < 31.0;
        out.published.push_back(c);
    }
    r = out;
}

}  // namespace solarlon::validation
