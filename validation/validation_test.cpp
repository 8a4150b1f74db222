// The accuracy tool: the ERFA reference against an independent VSOP87 position, the instant search, the Delta T
// table against observed values, the same-instant comparisons, and the regression check.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <erfa.h>
#include <erfam.h>
#include <solarlon/solar.hpp>

#include "validation/validation.hpp"

namespace v = solarlon::validation;

namespace {

TEST(Reference, AgreesWithVsop87) {
    // The geometric Sun from the full VSOP87 theory (P. Bretagnon and G. Francou, Astron. Astrophys.
    // 202, 309, 1988: Earth's heliocentric position plus 180 degrees), referred to the ecliptic and
    // equinox J2000, computed independently of ERFA. The reference must agree to 0.1 arc second from
    // 1850 to 2250.
    struct Case {
        double jd, lon;
    };
    const Case cases[] = {
        {2396758.5, 282.3905910}, {2415020.0, 281.0410202}, {2448908.5, 200.0081089},
        {2460000.5, 335.7910651}, {2524593.5, 277.5331066}, {2542856.0, 277.2008076},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(v::lngdif(v::reference_longitude_fixed(c.jd, 0.0, ERFA_DJ00, 0.0), c.lon) * 3600.0, 0.0, 0.1)
            << c.jd;
    }
    // The same position split differently between the two parts of the date.
    EXPECT_NEAR(v::reference_longitude(2400000.5, 48908.0), v::reference_longitude(2448908.5, 0.0), 1.0e-9);
}

TEST(Reference, FixedEquinoxDiffersByPrecession) {
    // Referred to B1950.0 instead of the date, the longitude is smaller by the general precession
    // (about 50.3 arc seconds a year) over the years between.
    double e1 = 0.0, e2 = 0.0;
    eraEpb2jd(1950.0, &e1, &e2);
    for (double mjd : {33281.9, 51544.5, -14.5, 124000.0}) {
        const double years = ((ERFA_DJM0 - e1) + (mjd - e2)) / 365.2422;
        const double diff =
            v::lngdif(v::reference_longitude(ERFA_DJM0, mjd), v::reference_longitude_fixed(ERFA_DJM0, mjd, e1, e2));
        EXPECT_NEAR(diff * 3600.0, 50.28 * years, 0.05 * std::fabs(years) + 0.5) << mjd;
    }
}

TEST(Reference, InstantOfLongitude) {
    // From guesses days away on either side, across 0 degrees too.
    struct Case {
        double guess;
        double lon;
    };
    const Case cases[] = {
        {51623.0, 0.0},   {51626.0, 0.0},   {51620.0, 359.9999}, {51715.0, 90.0},
        {51900.0, 270.0}, {-7000.0, 180.0}, {124000.0, 55.0},    {51626.0, 360.0},
    };
    for (const Case& c : cases) {
        double t = 0.0;
        v::reference_instant(ERFA_DJM0, c.guess, c.lon, t);
        EXPECT_LT(std::fabs(v::lngdif(v::reference_longitude(ERFA_DJM0, t), c.lon)), 1.0e-8) << c.guess << " " << c.lon;
        EXPECT_LT(std::fabs(t - c.guess), 10.0) << "the nearest passage, not one a year away";
    }
}

TEST(Reference, LongitudeDifference) {
    struct Case {
        double a, b, d;
    };
    const Case cases[] = {
        {359.0, 1.0, -2.0},  {1.0, 359.0, 2.0},     {180.0, 0.0, 180.0}, {0.0, 180.0, 180.0},
        {-720.5, 0.0, -0.5}, {720.25, 360.0, 0.25}, {10.0, 10.0, 0.0},
    };
    for (const Case& c : cases) EXPECT_NEAR(v::lngdif(c.a, c.b), c.d, 1.0e-12) << c.a << " " << c.b;
}

TEST(DeltaTTable, ObservedValuesBetweenEntries) {
    // Observed TT - UT1 at years that are not table entries (TT - UTC less UT1 - UTC), and the
    // table's structure near 1870, where Delta T fell fastest.
    struct Case {
        double year, dt, tol;
    };
    const Case cases[] = {
        {1972.0, 42.2, 0.5}, {1999.0, 63.5, 0.5}, {2017.0, 68.6, 0.5}, {1900.0, -2.8, 0.1},
        {1870.0, 0.9, 0.1},  {1880.0, -5.0, 0.1}, {1800.0, 13.7, 0.1}, {2020.0, 69.36, 0.01},
    };
    for (const Case& c : cases) {
        double dt = 0.0;
        ASSERT_TRUE(v::tabdt(c.year, dt)) << c.year;
        EXPECT_NEAR(dt, c.dt, c.tol) << c.year;
    }
}

TEST(DeltaTTable, ContinuousInsideAndSilentOutside) {
    // No step at any entry: a jump would show as a spike in the comparison.
    for (double y = 1600.0; y <= 2020.0; y += 5.0) {
        double lo = 0.0, hi = 0.0;
        ASSERT_TRUE(v::tabdt(y - (y > 1600.0 ? 1.0e-7 : 0.0), lo));
        ASSERT_TRUE(v::tabdt(y + (y < 2020.0 ? 1.0e-7 : 0.0), hi));
        EXPECT_NEAR(lo, hi, 1.0e-5) << y;
    }
    for (double y : {1599.999, 2020.001, -1.0e9, 1.0e9, std::numeric_limits<double>::quiet_NaN()}) {
        double dt = 123.0;
        EXPECT_FALSE(v::tabdt(y, dt)) << y;
        EXPECT_EQ(dt, 123.0) << "left as it was";
    }
}

TEST(Compare, SameInstantAndTrueUt) {
    // Theory alone and with Delta T differ only by the program's Delta T error times the Sun's rate
    // (about 0.041 arc second per second of time): the signs of both shifts are right.
    struct Case {
        int y, m, d;
    };
    for (const Case& c : {Case{1800, 1, 1}, Case{1868, 7, 4}, Case{1925, 2, 28}, Case{1989, 12, 31}, Case{1990, 1, 1},
                          Case{2019, 12, 21}}) {
        v::Sample s;
        v::sample(c.y, c.m, c.d, s);
        ASSERT_TRUE(s.has_dt);
        const double rate =
            (v::lngdif(v::reference_longitude(s.jd, 0.01), v::reference_longitude(s.jd, -0.01)) / 0.02) * 3600.0 /
            86400.0;  // arc seconds per second
        EXPECT_NEAR(s.err_dt - s.err, (s.dt_prog - s.dt_tab) * rate, 0.005) << c.y;
        EXPECT_LT(std::fabs(s.err), 3.0) << c.y << ": the theory alone stays within arc seconds";
    }
    // Outside the table only the theory alone is compared.
    v::Sample s;
    v::sample(2150, 6, 1, s);
    EXPECT_FALSE(s.has_dt);
}

TEST(Compare, SolarTerms) {
    // The found UT lies in the searched year, in the month of the term's usual date. Both errors are
    // checked through SUNLNG itself: shifted back by its time error, the program's instant gives a
    // longitude that misses the term by that error times the Sun's rate, the sign included.
    struct Case {
        int year;
        double lon;
        int month;
    };
    const Case cases[] = {
        {1978, 0.0, 3},   {2000, 270.0, 12}, {2000, 285.0, 1}, {1801, 90.0, 6},
        {2199, 180.0, 9}, {1900, 330.0, 2},  {2023, 285.0, 1}, {1850, 135.0, 8},
    };
    for (const Case& c : cases) {
        v::Term t;
        v::term(c.year, c.lon, t);
        EXPECT_EQ(t.iyadd, 0) << c.year;
        EXPECT_EQ(t.mon, c.month) << c.year << " " << c.lon;
        // The theory drifts to some 10 arc seconds, four minutes of time, by 2200.
        EXPECT_LT(std::fabs(t.err), c.year < 2100 ? 120.0 : 300.0) << c.year << " " << c.lon;
        const double rate =
            (v::lngdif(v::reference_longitude(t.jd_ut, 0.01), v::reference_longitude(t.jd_ut, -0.01)) / 0.02) * 3600.0 /
            86400.0;                        // arc seconds per second
        auto lon_at = [&t](double shift) {  // program's longitude SHIFT seconds after its answer
            double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
            solarlon::SUNLNG(0.0, t.year + t.iyadd, t.mon, t.day, t.hour, t.minute, t.second + shift, delt, lon, rv, x,
                             y, z);
            return lon;
        };
        EXPECT_NEAR(v::lngdif(lon_at(0.0), c.lon) * 3600.0, 0.0, 0.001) << "the program's own instant";
        // Theory alone: at the true TT the program is short of the term by err times the rate.
        EXPECT_NEAR(v::lngdif(lon_at(-t.err), c.lon) * 3600.0, -t.err * rate, 0.005) << c.year;
        if (t.has_dt) {
            // With Delta T: the same at the true UT.
            EXPECT_NEAR(v::lngdif(lon_at(-t.err_dt), c.lon) * 3600.0, -t.err_dt * rate, 0.005) << c.year;
        }
    }
}

TEST(Compare, RowsPartitionTheYears) {
    v::Report r;
    v::compare(1890, 1995, 73, 50, r);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].label, "1890-1939");
    EXPECT_EQ(r.rows[1].label, "1940-1995");
    EXPECT_EQ(r.rows[2].label, "1890-1995");
    EXPECT_EQ(r.terms.size(), 106u * 24u);
    EXPECT_EQ(r.rows[0].time.n + r.rows[1].time.n, r.rows[2].time.n);
    EXPECT_EQ(r.rows[0].lon.n + r.rows[1].lon.n, r.rows[2].lon.n);
    EXPECT_EQ(r.rows[2].lon.n, r.samples.size());
    EXPECT_EQ(r.rows[2].time_dt.n, r.rows[2].time.n) << "all within the Delta T table";
    EXPECT_GE(r.rows[2].lon.max, r.rows[0].lon.max);
    EXPECT_GE(r.rows[2].lon.max, r.rows[2].lon.rms);
}

// A report with chosen figures.
v::Report made() {
    v::Report r;
    v::Row a, all;
    a.label = "1800-1849";
    all.label = "1800-2200";
    for (v::Row* row : {&a, &all}) {
        row->lon.add(1.234);
        row->lon.add(-0.5);
        row->time.add(-31.26);
        row->lon_dt.add(5.678);
        row->time_dt.add(140.04);
    }
    r.rows = {a, all};
    r.eq1950.add(0.871);
    r.eq2000.add(-0.462);
    v::finish(r);
    return r;
}

std::string replaced(std::string s, const std::string& from, const std::string& to) {
    const auto p = s.find(from);
    if (p == std::string::npos) ADD_FAILURE() << "no " << from;
    else s.replace(p, from.size(), to);
    return s;
}

TEST(Check, DocumentedMaximaAreBounds) {
    const v::Report r = made();
    const std::string doc = "# Accuracy\n\ntext\n" + v::summary_markdown(r) + "\nmore text\n";
    ASSERT_NE(doc.find("| 1800-1849 | 1.23 |"), std::string::npos) << doc;
    ASSERT_NE(doc.find("| **1800-2200** |"), std::string::npos) << doc;

    struct Case {
        const char* what;
        std::string doc;
        bool ok;
    };
    const Case cases[] = {
        {"as written", doc, true},
        {"a bound raised", replaced(doc, "5.68", "6.00"), true},
        {"an rms lowered (not a bound)", replaced(doc, "| 0.94 |", "| 0.10 |"), true},
        {"a coarser figure", replaced(doc, "| 1.23 |", "| 1.2 |"), true},
        {"a finer figure below", replaced(doc, "| 1.23 |", "| 1.230 |"), false},
        {"a maximum lowered", replaced(doc, "1.23", "1.22"), false},
        {"a time maximum lowered", replaced(doc, "140.0", "139.9"), false},
        {"an equinox maximum lowered", replaced(doc, "| 0.87 |", "| 0.80 |"), false},
        {"a figure unreadable", replaced(doc, "31.3", "3l.3"), false},
        {"a figure turned n/a", replaced(doc, "5.68", "n/a"), false},
        {"a row lost", replaced(doc, "| 1800-1849 |", "| 1800-1850 |"), false},
        {"an equinox row lost", replaced(doc, "| 2000 | B2000.0 |", "| 2001 | B2000.0 |"), false},
        {"the markers lost", replaced(doc, "accuracy-figures:begin", "figures"), false},
        {"no figures at all", "# Accuracy\n", false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> msgs;
        EXPECT_EQ(v::check(r, c.doc, msgs), c.ok) << c.what;
        EXPECT_EQ(msgs.empty(), c.ok) << c.what;
    }
}

TEST(Check, FiguresThatAppearOrVanish) {
    v::Report r = made();
    v::Report none = r;
    none.rows[0].lon_dt = v::Stat{};
    none.rows[0].time_dt = v::Stat{};
    std::vector<std::string> msgs;
    // Documented n/a, but a figure now exists; and the other way round.
    EXPECT_FALSE(v::check(r, v::summary_markdown(none), msgs));
    EXPECT_FALSE(v::check(none, v::summary_markdown(r), msgs));
    EXPECT_TRUE(v::check(none, v::summary_markdown(none), msgs));
}

TEST(Check, ReplaceBlockKeepsTheRest) {
    const v::Report r = made();
    const std::string doc = "before\n<!-- accuracy-figures:begin -->\nold\n<!-- accuracy-figures:end -->\nafter\n";
    const std::string out = v::replace_block(doc, v::summary_markdown(r));
    EXPECT_EQ(out.rfind("before\n", 0), 0u);
    EXPECT_EQ(out.substr(out.size() - 7), "\nafter\n");
    EXPECT_EQ(out.find("old"), std::string::npos);
    std::vector<std::string> msgs;
    EXPECT_TRUE(v::check(r, out, msgs));
    EXPECT_EQ(v::replace_block(out, v::summary_markdown(r)), out) << "idempotent";
    EXPECT_THROW(v::replace_block("no markers\n", "x"), std::runtime_error);
}

// The apparent block: its maxima are bounds, and an unanswered term or a published time no longer
// reproduced fails whatever the document says; both blocks live in one document side by side.
TEST(Check, ApparentBlock) {
    v::ApparentReport a;
    v::compare_apparent(2027, 2027, a);
    ASSERT_EQ(a.rows.size(), 2u);
    EXPECT_EQ(a.rows.back().time.n, 24u);
    EXPECT_LT(a.rows.back().time.max, 0.01);
    const std::string doc = "# A\n" + v::summary_markdown(made()) + "\n" + v::apparent_markdown(a) + "\n";
    std::vector<std::string> msgs;
    EXPECT_TRUE(v::check_apparent(a, doc, msgs));
    EXPECT_TRUE(v::check(made(), doc, msgs));
    EXPECT_EQ(v::replace_block(doc, v::apparent_markdown(a)), doc) << "the apparent block in place";

    v::ApparentReport grown = a, missing = a, lost = a;
    grown.rows.back().time.max = 1.0;
    missing.missing = 1;
    lost.published[0].reproduced = false;
    EXPECT_FALSE(v::check_apparent(grown, doc, msgs));
    EXPECT_FALSE(v::check_apparent(missing, doc, msgs));
    EXPECT_FALSE(v::check_apparent(lost, doc, msgs));
    EXPECT_FALSE(v::check_apparent(a, v::summary_markdown(made()), msgs)) << "no apparent block";
}

}  // namespace
