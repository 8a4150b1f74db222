// The apparent theory: solar terms against a second reduction, TT - UTC across the leap seconds and
// the Delta T model, the search's year rules, and the refusal before the model's range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include <solarlon/equinox.hpp>

#include "apparent/apparent.hpp"
#include "apparent/detail.hpp"
#include "support.hpp"

namespace ap = solarlon::apparent;

namespace {

// JD of a UTC date and time.
double jd(int y, int mo, int d, int h = 0, int mi = 0, double s = 0.0) {
    return solarlon::DAYNUM(y, mo, d) + 1721059.5 + (h * 3600.0 + mi * 60.0 + s) / 86400.0;
}

// Seconds from B to A.
double seconds(ap::Jd a, double b) { return ((a.d1 - b) + a.d2) * 86400.0; }

#define NEEDS_THEORY() \
    if (!ap::available()) GTEST_SKIP() << "built without ERFA: no apparent theory"

}  // namespace

// Solar terms (UTC) by the second route through ERFA of validation/apparent.cpp: TDB by eraDtdb, light
// time iterated with the Sun's position at emission, eraEcm06 plus the nutation in longitude, ERFA's
// UTC; solved by Newton steps to a microsecond.
TEST(ApparentTheory, SolarTermsAgainstSecondReduction) {
    NEEDS_THEORY();
    struct Row {
        int year, k, y, mo, d, h, mi;
        double s;
    };
    const Row rows[] = {
        {1972, 5, 1972, 3, 20, 12, 21, 23.417},   {1972, 17, 1972, 9, 22, 22, 32, 43.310},
        {1976, 0, 1976, 1, 6, 4, 57, 21.539},     {1978, 12, 1978, 7, 7, 11, 36, 56.297},
        {1981, 23, 1981, 12, 21, 22, 50, 31.794}, {1985, 8, 1985, 5, 5, 13, 42, 32.043},
        {1988, 3, 1988, 2, 19, 10, 35, 6.787},    {1990, 14, 1990, 8, 7, 18, 45, 31.269},
        {1994, 20, 1994, 11, 7, 15, 35, 35.590},  {1999, 11, 1999, 6, 21, 19, 49, 6.110},
        {2000, 2, 2000, 2, 4, 12, 40, 22.768},    {2000, 5, 2000, 3, 20, 7, 35, 14.332},
        {2001, 9, 2001, 5, 20, 23, 44, 11.807},   {2008, 21, 2008, 11, 21, 22, 44, 20.422},
        {2012, 6, 2012, 4, 4, 9, 5, 35.866},      {2016, 18, 2016, 10, 7, 20, 33, 23.183},
        {2019, 1, 2019, 1, 20, 8, 59, 32.599},    {2024, 13, 2024, 7, 22, 7, 44, 25.589},
        {2027, 0, 2027, 1, 5, 14, 9, 57.861},     {2027, 5, 2027, 3, 20, 20, 24, 41.278},
        {2027, 11, 2027, 6, 21, 14, 10, 49.895},  {2027, 17, 2027, 9, 23, 6, 1, 43.063},
        {2027, 23, 2027, 12, 22, 2, 42, 9.625},   {2033, 4, 2033, 3, 5, 6, 32, 20.804},
        {2038, 15, 2038, 8, 23, 0, 10, 10.704},   {2040, 10, 2040, 6, 5, 1, 8, 4.094},
        {2047, 22, 2047, 12, 7, 5, 11, 9.503},    {2050, 7, 2050, 4, 19, 21, 2, 21.112},
        {2063, 19, 2063, 10, 23, 8, 53, 53.241},  {2077, 16, 2077, 9, 6, 23, 4, 12.830},
        {2088, 12, 2088, 7, 6, 1, 27, 27.327},    {2096, 7, 2096, 4, 19, 0, 28, 31.338},
        {2100, 23, 2100, 12, 21, 19, 52, 51.707},
    };
    for (const Row& r : rows) {
        const double want = jd(r.y, r.mo, r.d, r.h, r.mi, r.s);
        const auto terms = ap::solar_terms(r.year, 0.0);
        EXPECT_NEAR(seconds(terms[static_cast<std::size_t>(r.k)], want), 0.0, 0.01) << r.year << " " << r.k;
        const ap::Jd one = ap::instant_of(r.year, 9.0, ap::term_longitude(r.k));
        EXPECT_NEAR(seconds(one, want), 0.0, 0.01) << r.year << " " << r.k << " JST";
    }
}

// TT - UTC: 10 s at 1972 plus each leap second, held after the table; the model before 1972.
TEST(ApparentTheory, TtMinusUtc) {
    NEEDS_THEORY();
    struct Row {
        double utc;
        double tt_utc, tol;
    };
    // clang-format off
    const Row rows[] = {
        {jd(1972, 1, 1), 42.184, 1e-9},           {jd(1972, 6, 30, 23, 59, 59), 42.184, 1e-9},
        {jd(1972, 7, 1), 43.184, 1e-9},           {jd(1999, 1, 1), 64.184, 1e-9},
        {jd(2016, 12, 31, 23, 59, 59), 68.184, 1e-9}, {jd(2017, 1, 1), 69.184, 1e-9},
        {jd(2100, 1, 1), 69.184, 1e-9},           {jd(3000, 6, 1), 69.184, 1e-9},
        {jd(1971, 12, 31, 23), 42.25, 0.01},  // the model meets the leap seconds within 0.07 s
        {jd(1900, 1, 1), -2.79, 0.01},            {jd(1600, 1, 1), 120.0, 1e-9},
    };
    // clang-format on
    for (const Row& r : rows) {
        EXPECT_NEAR(ap::tt_minus_utc(r.utc, 0.0), r.tt_utc, r.tol) << r.utc;
        const ap::Jd back = ap::from_tt(ap::to_tt({r.utc, 0.5 / 86400.0}, ap::Scale::utc, false), ap::Scale::utc).t;
        EXPECT_NEAR(seconds(back, r.utc), 0.5, 1e-5) << r.utc;  // and back from TT
    }
}

// The model against Delta T as observed (F. Espenak and J. Meeus 2006, table of historical values,
// after L. V. Morrison and F. R. Stephenson 2004, and the Astronomical Almanac), to 1 s; NaN outside.
TEST(ApparentTheory, DeltaTModel) {
    const double rows[][2] = {{1650, 50}, {1700, 9},  {1750, 13}, {1800, 14}, {1850, 7}, {1900, -3},
                              {1920, 21}, {1950, 29}, {1960, 33}, {1970, 40}, {1980, 51}};
    for (const auto& r : rows) EXPECT_NEAR(ap::delta_t_model(r[0]), r[1], 1.0) << r[0];
    // Each expression meets the next within half a second.
    for (double y : {1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0})
        EXPECT_NEAR(ap::delta_t_model(y - 1e-9), ap::delta_t_model(y), 0.5) << y;
    EXPECT_FALSE(std::isnan(ap::delta_t_model(1599.999)));  // carried on to the day before 1600
    EXPECT_TRUE(std::isnan(ap::delta_t_model(1599.98)));
    EXPECT_TRUE(std::isnan(ap::delta_t_model(1986.001)));
}

// The first crossing from 0 h of January 1 of the zone: at the start itself, just after the year's
// end in a common year, the January crossing of a longitude reached twice in a leap year; fed back.
TEST(ApparentTheory, InstantOfFromTheYearStart) {
    NEEDS_THEORY();
    struct Row {
        double year, zone, lon_after_start;  // degrees past the longitude at the start (or before)
        double days_min, days_max;           // answer, days after the start
    };
    const Row rows[] = {
        {2027, 9, 0.0, 0.0, 1e-6},      {2027, 0, 1e-4, 0.0, 0.01},     {2027, -5, 20.0, 19.0, 22.0},
        {2027, 9, -0.1, 365.0, 365.24}, {2026, 0, -0.1, 365.0, 365.24},  // common years: after the end
        {2028, 0, 0.5, 0.0, 1.0},       {2028, 9, 180.0, 180.0, 190.0},
    };
    for (const Row& r : rows) {
        const double start = jd(static_cast<int>(r.year), 1, 1) - r.zone / 24.0;
        const double lon = ap::longitude(start, 0.0) + r.lon_after_start;
        const ap::Jd t = ap::instant_of(r.year, r.zone, lon);
        const double days = seconds(t, start) / 86400.0;
        EXPECT_GE(days, r.days_min) << r.year << " " << r.zone << " " << r.lon_after_start;
        EXPECT_LE(days, r.days_max) << r.year << " " << r.zone << " " << r.lon_after_start;
        EXPECT_NEAR(testsupport::angdiff(ap::longitude(t.d1, t.d2), std::fmod(lon + 360.0, 360.0)), 0.0, 1e-8);
    }
    // A leap year covers more than a turn: the January crossing is answered, not December's.
    const double start = jd(2028, 1, 1);
    const double lon = ap::longitude(start, 0.4);
    EXPECT_NEAR(seconds(ap::instant_of(2028, 0, lon), start) / 86400.0, 0.4, 1e-6);
}

// The 24 terms: calendar order inside the year of the zone, 14 to 16 days apart, each the instant of
// its longitude (to 1e-8 degree, 1 ms), across the span the theory answers.
TEST(ApparentTheory, SolarTermsOfAYear) {
    NEEDS_THEORY();
    for (double year : {1600.0, 1700.0, 1899.0, 1972.0, 2027.0, 2100.0, 2500.0}) {
        for (double zone : {0.0, 9.0, -10.5}) {
            const auto t = ap::solar_terms(year, zone);
            const double start = jd(static_cast<int>(year), 1, 1) - zone / 24.0;
            const double end = jd(static_cast<int>(year) + 1, 1, 1) - zone / 24.0;
            for (int k = 0; k < 24; ++k) {
                const ap::Jd a = t[static_cast<std::size_t>(k)];
                ASSERT_FALSE(std::isnan(a.d2)) << year << " " << zone << " " << k;
                EXPECT_GT(seconds(a, start), 0.0);
                EXPECT_LT(seconds(a, end), 0.0);
                EXPECT_NEAR(testsupport::angdiff(ap::longitude(a.d1, a.d2), ap::term_longitude(k)), 0.0, 1e-8);
                if (k > 0) {
                    const double gap =
                        seconds(a, t[static_cast<std::size_t>(k - 1)].d1 + t[static_cast<std::size_t>(k - 1)].d2) /
                        86400.0;
                    EXPECT_GT(gap, 14.0);
                    EXPECT_LT(gap, 16.0);
                }
            }
        }
    }
    EXPECT_EQ(ap::term_longitude(0), 285.0);
    EXPECT_EQ(ap::term_longitude(5), 0.0);
    EXPECT_EQ(ap::term_longitude(23), 270.0);
}

// Refused: before 1600 January 1, 0 h UTC, no Delta T model turns UTC into TT; after 3000 December
// 31, 24 h, the precession and the ephemeris do not hold.
TEST(ApparentTheory, RefusesOutsideItsRange) {
    NEEDS_THEORY();
    EXPECT_EQ(ap::coverage(ap::kFirstUtc, -1e-6), ap::Coverage::before_model);
    EXPECT_EQ(ap::coverage(ap::kFirstUtc, 0.0), ap::Coverage::ok);
    EXPECT_TRUE(std::isnan(ap::tt_minus_utc(ap::kFirstComputedUtc, -1e-6)));
    EXPECT_TRUE(std::isnan(ap::longitude(ap::kFirstUtc, -1e-6)));
    EXPECT_TRUE(std::isnan(ap::instant_of(1599, 0, 90).d2));
    for (const ap::Jd& t : ap::solar_terms(1599, 0)) EXPECT_TRUE(std::isnan(t.d1) && std::isnan(t.d2));
    EXPECT_EQ(ap::coverage(ap::kEndUtc, 0.0), ap::Coverage::ok);
    EXPECT_EQ(ap::coverage(ap::kEndUtc, 1e-6), ap::Coverage::after_range);
    EXPECT_TRUE(std::isnan(ap::instant_of(3001, 0, 90).d2));
    EXPECT_FALSE(std::isnan(ap::solar_terms(3000, -10)[23].d2));
    EXPECT_EQ(ap::coverage(NAN, 0.0), ap::Coverage::not_finite);
    EXPECT_TRUE(std::isnan(ap::instant_of(2027.5, 0, 90).d2));
    EXPECT_TRUE(std::isnan(ap::instant_of(2027, INFINITY, 90).d2));
}

// The search's evaluation against the full reduction (place_tt), from the first hours of 1599 to the
// first days of 3001, in microarcseconds: the same longitude at one ephemeris evaluation; with the
// Earth carried over minutes from it; and with TDB - TT carried over 0.2 day. Far from 2000
// eraEpv00 itself moves by up to 0.4 uas when its instant changes by a rounding.
TEST(ApparentTheory, TrackAgainstFullReduction) {
    NEEDS_THEORY();
    const struct Row {
        double carried, tol;  // days from the last ephemeris evaluation; uas
    } rows[] = {{0.0, 0.001}, {0.001, 0.5}, {0.0029, 0.5}, {0.2, 0.2}};
    for (int i = 0; i <= 400; ++i) {
        const double t1 = std::floor(ap::kFirstUtc - 1.0 + i * 1281.1), t2 = 0.25 + 0.0013 * i;
        ap::detail::Slow slow;
        (void)ap::detail::track(t1, t2, slow);
        for (const Row& r : rows) {
            ap::detail::Slow again = slow;
            const double lon = ap::detail::track(t1, t2 + r.carried, again).longitude;
            EXPECT_NEAR(testsupport::angdiff(lon, ap::place_tt(t1, t2 + r.carried).longitude) * 3.6e9, 0.0, r.tol)
                << t1 << " " << r.carried;
            EXPECT_EQ(again.ephemerides, r.carried < 0.003 ? 1 : 2);
        }
    }
}

// The search against the full reduction's own root (Newton steps on place_tt to 1e-12 day), two
// years a century, both scales: the largest difference, and evaluations a term.
TEST(ApparentTheory, SearchAgainstFullReduction) {
    NEEDS_THEORY();
    double worst = 0.0;
    int evaluations = 0, ephemerides = 0, terms = 0;
    for (int year = 1600; year <= 3000; year += 50) {
        for (const ap::Scale scale : {ap::Scale::utc, ap::Scale::tt}) {
            ap::detail::Slow slow;
            const auto found = ap::detail::solar_terms_tt(year, scale == ap::Scale::utc ? 9.0 : 0.0, scale, slow);
            evaluations += slow.evaluations;
            ephemerides += slow.ephemerides;
            for (int k = 0; k < 24; ++k) {
                const ap::Jd t = found[static_cast<std::size_t>(k)];
                ASSERT_FALSE(std::isnan(t.d2)) << year << " " << k;
                double x = t.d2, step = 1.0;
                for (int n = 0; n < 6 && std::fabs(step) > 1e-12; ++n) {
                    const double f = testsupport::angdiff(ap::place_tt(t.d1, x).longitude, ap::term_longitude(k));
                    const double h = 1e-4, rate = testsupport::angdiff(ap::place_tt(t.d1, x + h).longitude,
                                                                       ap::place_tt(t.d1, x - h).longitude) /
                                                  (2.0 * h);
                    step = -f / rate;
                    x += step;
                }
                worst = std::max(worst, std::fabs(x - t.d2) * 86400e6);
                ++terms;
            }
        }
    }
    std::printf("largest difference %.1f us; %.2f evaluations a term, %.2f of the ephemeris\n", worst,
                double(evaluations) / terms, double(ephemerides) / terms);
    EXPECT_LT(worst, 20.0);
    EXPECT_LT(double(ephemerides) / terms, 1.2);
}
