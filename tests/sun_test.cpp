// The typed interface against the routines it stands on, bit for bit, and the printed carry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include <solarlon/calendar.hpp>
#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>

#include "apparent/apparent.hpp"

namespace {

namespace sun = solarlon::sun;
const sun::Theory& C = sun::Theory::classic;

// position, longitude and instant_of are SUNLNG, SUNLON and SUNTIM (with IYADD in the year).
TEST(Sun, FacadeIsTheRoutines) {
    const struct {
        sun::Equinox eq;
        double EQ;
    } equinoxes[] = {{sun::Equinox::mean_1950(), 1950.0}, {sun::Equinox::mean_2000(), 2000.0},
                     {sun::Equinox::of_date(), 0.0},      {sun::Equinox::of_year(1995.25), 1995.25},
                     {sun::Equinox::from_eq(-0.4), -0.4}, {sun::Equinox::from_eq(1950.3), 1950.3}};
    const sun::Instant instants[] = {sun::jst(1978, 6, 10, 21, 20, 0), sun::utc(1952, 10, 24, 9.36),
                                     sun::Instant{2027, 12, 22, 2, 40, 30.5, 5.75}, sun::utc(-500, 3, 1, 30)};
    for (const auto& e : equinoxes) {
        EXPECT_EQ(e.eq.eq(), e.EQ);
        for (const auto& t : instants) {
            double DELT, LON, RV, X, Y, Z;
            solarlon::SUNLNG(e.EQ, t.year, t.month, t.day, t.hour - t.zone, t.minute, t.second, DELT, LON, RV, X, Y, Z);
            const sun::Position p = sun::position(t, e.eq, C);
            EXPECT_EQ(p.longitude, LON);
            EXPECT_EQ(sun::longitude(t, e.eq, C), LON);
            EXPECT_EQ(p.radius, RV);
            EXPECT_EQ(p.x, X);
            EXPECT_EQ(p.y, Y);
            EXPECT_EQ(p.z, Z);
            EXPECT_EQ(p.delta_t, DELT);
        }
        for (const std::int32_t zone : {9, 0}) {
            for (const double lon : {0.0, 79.26941, 280.2, 359.99}) {
                double MON, DAY, HOUR, MINUTE, SECOND;
                std::int32_t IYADD;
                solarlon::SUNTIM(e.EQ, zone, 2000, lon, 2000.0, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
                const sun::Instant i = sun::instant_of(2000, lon, e.eq, zone, C);
                EXPECT_EQ(i.year, 2000 + IYADD);
                EXPECT_EQ(i.month, MON);
                EXPECT_EQ(i.day, DAY);
                EXPECT_EQ(i.hour, HOUR);
                EXPECT_EQ(i.minute, MINUTE);
                EXPECT_EQ(i.second, SECOND);
                EXPECT_EQ(i.zone, zone);
            }
        }
    }
    EXPECT_TRUE(sun::Equinox::from_eq(0.3).is_of_date());
    EXPECT_FALSE(sun::Equinox::mean_2000().is_of_date());
    // A year that the routines would read as the equinox of date gives NaN, and NaN goes through.
    EXPECT_TRUE(std::isnan(sun::longitude(sun::utc(2000, 1, 1), sun::Equinox::of_year(0.2), C)));
    EXPECT_TRUE(std::isnan(sun::longitude(sun::utc(2000, 1, 1, NAN), sun::Equinox::of_date(), C)));
    EXPECT_TRUE(std::isnan(sun::instant_of(2000, NAN, sun::Equinox::of_date(), 9, C).second));
    EXPECT_TRUE(std::isnan(sun::solar_terms(2000, sun::Equinox::of_year(0.2), 9, C)[0].instant.second));
}

// The instant of a zone with minutes is the whole-hour zone's moved by them; the terms come in
// calendar order, and each is a passage of its longitude.
TEST(Sun, ZonesAndTerms) {
    const sun::Equinox eq = sun::Equinox::of_date();
    const sun::Instant a = sun::to_second(sun::instant_of(2027, 270, eq, 5.5, C));
    const sun::Instant b = sun::to_second(sun::instant_of(2027, 270, eq, 5.0, C));
    EXPECT_EQ(a.hour * 60 + a.minute, b.hour * 60 + b.minute + 30);
    EXPECT_EQ(a.zone, 5.5);
    const auto terms = sun::solar_terms(-500, eq, 9.0, C);
    for (std::size_t k = 0; k < terms.size(); ++k) {
        EXPECT_EQ(terms[k].longitude, std::fmod(285.0 + 15.0 * k, 360.0));
        EXPECT_EQ(terms[k].instant.year, -500);
        EXPECT_NEAR(std::remainder(sun::longitude(terms[k].instant, eq, C) - terms[k].longitude, 360.0), 0.0, 1e-5);
    }
}

// The carry of the printed instant and of the printed decimal day.
TEST(Sun, PrintedCarry) {
    const struct {
        sun::Instant in;
        double y, mo, d, h, mi, s;
    } cases[] = {
        {{2027, 12, 31, 23, 59, 59.6, 9}, 2028, 1, 1, 0, 0, 0},  // into the next year
        {{2024, 2, 28, 23, 59, 59.5, 9}, 2024, 2, 29, 0, 0, 0},  // leap day
        {{1900, 2, 28, 23, 59, 59.5, 9}, 1900, 3, 1, 0, 0, 0},   // 1900 is no leap year
        {{-500, 3, 1, -1, 0, 0, 0}, -500, 2, 28, 23, 0, 0},      // a negative year stays as it is
        {{2027, 6, 10, 21, 20, 0.3, 9}, 2027, 6, 10, 21, 20, 0},
        {{2016, 12, 31, 23, 59, 60.4, 0}, 2016, 12, 31, 23, 59, 60},  // a leap second stays in its minute
        {{2016, 12, 31, 23, 59, 60.5, 0}, 2017, 1, 1, 0, 0, 0},
        {{2027, 6, 10, 21, 20, NAN, 9}, 2027, 6, 10, 21, 20, NAN},  // no date: fields kept
    };
    for (const auto& c : cases) {
        const sun::Instant t = sun::to_second(c.in);
        EXPECT_EQ(t.year, c.y);
        EXPECT_EQ(t.month, c.mo);
        EXPECT_EQ(t.day, c.d);
        EXPECT_EQ(t.hour, c.h);
        EXPECT_EQ(t.minute, c.mi);
        if (std::isnan(c.s)) EXPECT_TRUE(std::isnan(t.second));
        else EXPECT_EQ(t.second, c.s);
    }
    const sun::DecimalDate d = sun::decimal_date({2027, 1, 31, 23, 59, 59, 0});
    EXPECT_EQ(d.month, 2);
    EXPECT_NEAR(d.day, 1.0, 1e-4);
}

// The apparent theory through the facade: the core's longitude to the bit at the instant's UTC Julian
// Date, its instants in the zone, and the reason for each NaN.
TEST(Sun, ApparentTheory) {
    namespace ap = solarlon::apparent;
    const sun::Theory& A = sun::Theory::apparent;
    const sun::Equinox date = sun::Equinox::of_date();
    const sun::Instant late = sun::utc(1599, 12, 31, 23, 59, 59);
    if (!ap::available()) {
        EXPECT_TRUE(std::isnan(sun::longitude(sun::jst(2027, 6, 21), date, A)));
        EXPECT_EQ(sun::refusal(sun::jst(2027, 6, 21), sun::Equinox::mean_2000(), A), sun::Refusal::no_theory);
        EXPECT_EQ(sun::refusal(2027, 90, date, 9, A), sun::Refusal::no_theory);
        GTEST_SKIP() << "built without ERFA: no apparent theory";
    }
    // 2027-12-22 11:40:30.5 +05:45 is 05:55:30.5 UTC; a day's fraction counts as hours.
    EXPECT_EQ(sun::longitude(sun::Instant{2027, 12, 22, 11, 40, 30.5, 5.75}, date, A),
              ap::longitude(2461761.5, (5 * 3600 + 55 * 60 + 30.5) / 86400.0));
    EXPECT_EQ(sun::longitude(sun::utc(2027, 12, 22.25), date, A), ap::longitude(2461761.5, 0.25));
    const sun::Position p = sun::position(sun::jst(2027, 1, 3), date, A);
    EXPECT_NEAR(p.radius, 0.9833, 1e-3);  // perihelion
    EXPECT_NEAR(std::hypot(p.x, p.y, p.z), p.radius, 1e-12);
    EXPECT_EQ(p.delta_t, 69.184);

    // The instant in the zone is the core's, to the microsecond; the terms are its too.
    const ap::Jd t = ap::instant_of(2027, 5.5, 270);
    const sun::Instant i = sun::instant_of(2027, 270, date, 5.5, A);
    EXPECT_EQ(i.zone, 5.5);
    EXPECT_NEAR(((t.d1 - 2461761.5) + t.d2) * 86400.0 + 5.5 * 3600.0,
                ((i.day - 22) * 24 + i.hour) * 3600.0 + i.minute * 60.0 + i.second, 1e-6);
    const auto terms = sun::solar_terms(2027, date, 9, A);
    const sun::Instant last = sun::to_second(terms[23].instant);
    EXPECT_EQ(last.hour * 3600 + last.minute * 60 + last.second, 11 * 3600 + 42 * 60 + 10);  // 冬至 JST
    EXPECT_EQ(terms[0].longitude, 285.0);

    // Why NaN: another equinox, before 1600-01-01 00:00 UTC; the classic theory refuses nothing.
    const struct {
        sun::Refusal at, year;  // at LATE or in 1599; the year form for 2027
        sun::Equinox eq;
    } reasons[] = {{sun::Refusal::before_range, sun::Refusal::none, date},
                   {sun::Refusal::equinox_not_of_date, sun::Refusal::equinox_not_of_date, sun::Equinox::mean_1950()}};
    for (const auto& r : reasons) {
        EXPECT_EQ(sun::refusal(late, r.eq, A), r.at);
        EXPECT_EQ(sun::refusal(1599, 90, r.eq, 0, A), r.at);
        EXPECT_EQ(sun::refusal(2027, 90, r.eq, 0, A), r.year);
        EXPECT_TRUE(std::isnan(sun::longitude(late, r.eq, A)));
        EXPECT_TRUE(std::isnan(sun::instant_of(1599, 90, r.eq, 0, A).second));
        EXPECT_EQ(sun::refusal(late, r.eq, C), sun::Refusal::none);
    }
    EXPECT_TRUE(std::isnan(sun::instant_of(2027, 90, sun::Equinox::mean_2000(), 9, A).hour));
    EXPECT_TRUE(std::isnan(sun::solar_terms(2027, sun::Equinox::mean_2000(), 9, A)[5].instant.day));
    EXPECT_EQ(sun::refusal(1600, 279.7, date, 9, A), sun::Refusal::none);  // the zone's first hours, 1599 UTC
    EXPECT_EQ(sun::refusal(1600, 279.7, date, 0, A), sun::Refusal::none);
    EXPECT_EQ(sun::refusal(sun::utc(3001, 1, 1), date, A), sun::Refusal::none);  // 3000-12-31 24:00
    EXPECT_EQ(sun::refusal(sun::utc(3001, 1, 1, 0, 0, 0.001), date, A), sun::Refusal::after_range);
    EXPECT_EQ(sun::refusal(3001, 90, date, 9, A), sun::Refusal::after_range);
    EXPECT_STREQ(sun::refusal_text(sun::Refusal::before_range),
                 "the apparent theory answers from 1600-01-01 00:00 UTC to 3000-12-31 24:00 UTC");
}

// Leap seconds and TT: the longitude runs on through 23:59:60 UTC (in any zone), a second of 60
// elsewhere is refused, a TT instant is its UTC one plus TT - UTC, and an instant found inside a leap
// second comes back in it.
TEST(Sun, LeapSecondsAndTt) {
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    const sun::Theory& A = sun::Theory::apparent;
    const sun::Equinox date = sun::Equinox::of_date();
    const double before = sun::longitude(sun::utc(2016, 12, 31, 23, 59, 59.5), date, A);
    const double leap = sun::longitude(sun::utc(2016, 12, 31, 23, 59, 60.5), date, A);
    const double after = sun::longitude(sun::utc(2017, 1, 1, 0, 0, 0.5), date, A);
    EXPECT_NEAR(leap - before, after - leap, 1e-9);
    EXPECT_GT(leap - before, 1e-5);
    EXPECT_EQ(sun::longitude(sun::jst(2017, 1, 1, 8, 59, 60.5), date, A), leap);
    sun::Instant tt = sun::utc(2017, 1, 1, 0, 1, 9.184 + 0.5);  // TT - UTC = 69.184 s from 2017
    tt.scale = sun::Scale::tt;
    EXPECT_NEAR(sun::longitude(tt, date, A), after, 1e-11);
    const sun::Instant elsewhere = sun::jst(2016, 12, 31, 23, 59, 60);  // 14:59:60 UTC
    EXPECT_EQ(sun::refusal(elsewhere, date, A), sun::Refusal::not_a_leap_second);
    EXPECT_TRUE(std::isnan(sun::longitude(elsewhere, date, A)));
    EXPECT_EQ(sun::refusal(tt, date, C), sun::Refusal::scale_not_ut);

    // The passage of the longitude at 23:59:60.5 UTC is found there in JST (whose 2017 starts before
    // it); in TT, 69.184 s on less the second inserted.
    const sun::Instant j = sun::instant_of(2017, leap, date, 9, A);
    EXPECT_EQ(j.hour * 60 + j.minute, 8 * 60 + 59);
    EXPECT_NEAR(j.second, 60.5, 1e-4);
    const sun::Instant t = sun::instant_of(2017, leap, date, 0, A, sun::Scale::tt);
    EXPECT_NEAR(t.minute * 60 + t.second, 68.684, 1e-4);
    // Elsewhere a TT passage is the UTC one plus TT - UTC, to 0.1 ms.
    for (const std::int32_t year : {1650, 1971, 2027, 2999}) {
        const sun::Instant a = sun::instant_of(year, 90, date, 0, A),
                           b = sun::instant_of(year, 90, date, 0, A, sun::Scale::tt);
        const double dt = sun::position(a, date, A).delta_t;
        EXPECT_NEAR(((b.day - a.day) * 24 + b.hour - a.hour) * 3600 + (b.minute - a.minute) * 60 + b.second - a.second,
                    dt, 1e-4)
            << year;
    }
}

namespace calendar {

namespace sun = solarlon::sun;

// Whole days of the day of T in its zone, as printed.
double day_of(const sun::Instant& t) {
    const sun::Instant s = sun::to_second(t);
    return solarlon::DAYNUM(s.year, s.month, s.day);
}

// The cycle of days against dates whose 干支 the almanacs print: 2000-01-01 戊午, 2024-01-01 甲子,
// 2024-07-24 己丑 (that summer's first 土用の丑の日).
TEST(Calendar, SexagenaryCycle) {
    const struct {
        sun::Date date;
        int k;
        const char* name;
    } cases[] = {{{2000, 1, 1}, 54, "戊午"},
                 {{2024, 1, 1}, 0, "甲子"},
                 {{2024, 7, 24}, 25, "己丑"},
                 {{1969, 12, 31}, 16, "庚辰"}};
    for (const auto& c : cases) {
        EXPECT_EQ(sun::sexagenary(c.date), c.k) << c.name;
        EXPECT_EQ(sun::sexagenary_name(c.k), c.name);
    }
}

// An instant as the commands print it: to the second, a leap second kept, the zone's offset, none in TT.
TEST(Sun, ToStringAsTheCommandsPrint) {
    const auto date = sun::Equinox::of_date();
    const double nan = std::nan("");
    const struct {
        sun::Instant at;
        const char* want;
    } cases[] = {
        {sun::instant_of(2027, 270.0, date, 9.0, sun::Theory::classic), "2027-12-22T11:40:06+09:00"},
        {sun::Instant{2027, 12, 22, 2, 43, 19.4, 0, sun::Scale::tt}, "2027-12-22T02:43:19"},
        {sun::Instant{2027, 12, 31, 23, 59, 59.5, -5.5}, "2028-01-01T00:00:00-05:30"},
        {sun::Instant{-500, 3, 1, 0, 0, 0, 9}, "-0500-03-01T00:00:00+09:00"},
        {sun::Instant{2027, 1, 1, nan, 0, 0, 9}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(sun::to_string(c.at), c.want);
    if (solarlon::apparent::available()) {  // the half second before a leap second rounds into it
        EXPECT_EQ(sun::to_string(sun::utc(2016, 12, 31, 23, 59, 59.7)), "2016-12-31T23:59:60+00:00");
    }
}

// 72 pentads in calendar order, numbered by longitude, each third one a solar term to the bit.
TEST(Calendar, PentadsAreTheTermsDividedInThree) {
    const bool erfa = solarlon::apparent::available();
    for (const sun::Theory* each : {&sun::Theory::classic, &sun::Theory::apparent}) {
        const sun::Theory& theory = *each;
        if (theory == sun::Theory::apparent && !erfa) continue;
        for (const std::int32_t year : {2026, 2028}) {
            const auto p = sun::pentads(year, sun::Equinox::of_date(), 9.0, theory);
            const auto terms = sun::solar_terms(year, sun::Equinox::of_date(), 9.0, theory);
            for (std::size_t i = 0; i < p.size(); ++i) {
                EXPECT_EQ(std::fmod(p[i].longitude + 45.0, 360.0), 5.0 * (p[i].number - 1)) << i;
                if (i > 0) {
                    EXPECT_LT(day_of(p[i - 1].instant), day_of(p[i].instant)) << year << " " << i;
                }
                if (i % 3 == 0) {
                    EXPECT_EQ(p[i].longitude, terms[i / 3].longitude);
                    EXPECT_EQ(p[i].instant.second, terms[i / 3].instant.second) << year << " " << i;
                }
            }
            // The last, 280 degrees: in 2026 on 2027-01-01 (JST); in 2028 on 2028-01-01 and again on
            // 2028-12-31, the first of which is 2027's.
            EXPECT_EQ(p[0].name, "芹乃栄");
            EXPECT_EQ(p[71].reading, "ゆきわたりてむぎのびる");
            EXPECT_EQ(p[71].instant.year * 100 + p[71].instant.day, year == 2026 ? 202701 : 202831);
        }
    }
}

// At the span's ends the calendar is whole or wholly refused: 1600 and 3000 answered in every zone
// (3000's last pentad in 3001's first hours), 1599 and 3001 all NaN, with the refusal that says so.
TEST(Calendar, WholeOrRefusedAtTheSpansEnds) {
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    const sun::Theory& A = sun::Theory::apparent;
    const auto eq = sun::Equinox::of_date();
    const struct {
        std::int32_t year;
        sun::Refusal r;
    } years[] = {{1599, sun::Refusal::before_range},
                 {1600, sun::Refusal::none},
                 {3000, sun::Refusal::none},
                 {3001, sun::Refusal::after_range}};
    for (const auto& y : years) {
        for (double zone : {14.0, 9.0, 0.0, -12.0}) {
            const auto p = sun::pentads(y.year, eq, zone, A);
            const bool whole =
                std::all_of(p.begin(), p.end(), [](const sun::Pentad& x) { return sun::is_finite(x.instant); });
            const bool none = std::none_of(p.begin(), p.end(), [](const sun::Pentad& x) {
                return std::isfinite(x.instant.year) || std::isfinite(x.instant.hour);
            });
            EXPECT_EQ(sun::calendar_refusal(y.year, eq, zone, A), y.r) << y.year << " " << zone;
            EXPECT_TRUE(y.r == sun::Refusal::none ? whole : none) << y.year << " " << zone;
            EXPECT_EQ(sun::seasonal_days(y.year, eq, zone, A).empty(), y.r != sun::Refusal::none) << y.year;
            if (whole) {
                EXPECT_LT(day_of(p[70].instant), day_of(p[71].instant)) << y.year << " " << zone;
            }
        }
    }
}

// Each seasonal day by its definition from the solar terms and the instants of its longitudes, in two
// years: 2022, 2024 and 2026, whose 春分 is on a 癸 day (社日 the earlier 戊 day in 2022, the equinox
// before noon; the later in 2024 and 2026, after it); 2022 and 2024 have two 丑 days in summer.
TEST(Calendar, SeasonalDaysByTheirDefinitions) {
    // The almanac's days are those of the apparent theory (2024's equinox is 6 minutes after noon).
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    const sun::Theory& theory = sun::Theory::apparent;
    const auto eq = sun::Equinox::of_date();
    const struct {
        std::int32_t year;
        double shanichi, ushi1, ushi2;  // 春社日 and the summer 丑 days (-1: none)
    } years[] = {{2022, solarlon::DAYNUM(2022, 3, 16), solarlon::DAYNUM(2022, 7, 23), solarlon::DAYNUM(2022, 8, 4)},
                 {2024, solarlon::DAYNUM(2024, 3, 25), solarlon::DAYNUM(2024, 7, 24), solarlon::DAYNUM(2024, 8, 5)},
                 {2026, solarlon::DAYNUM(2026, 3, 25), solarlon::DAYNUM(2026, 7, 26), -1.0}};
    for (const auto& y : years) {
        const std::int32_t year = y.year;
        const auto t = sun::solar_terms(year, eq, 9.0, theory);
        auto at = [&](double lon) { return day_of(sun::instant_of(year, lon, eq, 9.0, theory)); };
        const double risshun = day_of(t[2].instant), spring = day_of(t[5].instant), autumn = day_of(t[17].instant);
        const struct {
            const char* key;
            double day;
        } want[] = {
            {"setsubun", risshun - 1},
            {"higan-spring-start", spring - 3},
            {"higan-spring-end", spring + 3},
            {"hachijuhachiya", risshun + 87},
            {"nihyakutoka", risshun + 209},
            {"nihyakuhatsuka", risshun + 219},
            {"higan-autumn-start", autumn - 3},
            {"higan-autumn-end", autumn + 3},
            {"nyubai", at(80)},
            {"hangesho", at(100)},
            {"doyo-winter-start", at(297)},
            {"doyo-winter-end", risshun - 1},
            {"doyo-spring-start", at(27)},
            {"doyo-spring-end", day_of(t[8].instant) - 1},
            {"doyo-summer-start", at(117)},
            {"doyo-autumn-end", day_of(t[20].instant) - 1},
            {"shanichi-spring", y.shanichi},
            {"doyo-summer-ushi-1", y.ushi1},
            {"doyo-summer-ushi-2", y.ushi2},
        };
        const auto days = sun::seasonal_days(year, eq, 9.0, theory);
        for (const auto& w : want) {
            double got = -1.0;
            for (const auto& d : days) {
                if (d.key == w.key) got = solarlon::DAYNUM(d.date.year, d.date.month, d.date.day);
            }
            EXPECT_EQ(got, w.day) << year << " " << w.key;
        }
        for (std::size_t i = 1; i < days.size(); ++i) {
            EXPECT_LE(solarlon::DAYNUM(days[i - 1].date.year, days[i - 1].date.month, days[i - 1].date.day),
                      solarlon::DAYNUM(days[i].date.year, days[i].date.month, days[i].date.day));
        }
    }
}

// The holidays of a year against the Cabinet Office's lists: one year for each change of the law,
// the September 国民の休日 that the 秋分日 makes, and 2074, whose 秋分 is at 00:04:44 JST (classic:
// 09-22 23:50). COUNT holidays in all; "MMDD=key" each a holiday, "MMDD=-" none.
TEST(Calendar, HolidaysByTheLaw) {
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    const struct {
        std::int32_t year;
        std::size_t count;
        const char* days;
    } years[] = {
        {1947, 0, ""},
        {1948, 3, "0923=shubun 1103=bunka 1123=kinro-kansha 0101=-"},
        {1959, 10, "0410=kekkon-akihito 0321=shunbun 0924=shubun"},
        {1966, 11, "0915=keiro 1010=taiiku 0211=-"},
        {1967, 12, "0211=kenkoku-kinen 0924=shubun 0925=-"},
        {1973, 14, "0212=- 0430=furikae-tenno-tanjobi 0924=furikae-shubun"},
        {1988, 14, "0320=shunbun 0321=furikae-shunbun 0504=kokumin-kenpo-kinen"},
        {1989, 17, "0102=furikae-ganjitsu 0224=taiso 0429=midori 1223=tenno-tanjobi"},
        {1990, 19, "1112=sokuirei 1224=furikae-tenno-tanjobi"},
        {1993, 16, "0609=kekkon-naruhito"},
        {2000, 15, "0110=seijin 0720=umi 1009=taiiku 1010=-"},
        {2003, 15, "0721=umi 0915=keiro 0504=-"},
        {2007, 19, "0429=showa 0504=midori 1224=furikae-tenno-tanjobi"},
        {2009, 17, "0506=furikae-kenpo-kinen 0922=kokumin-keiro"},
        {2015, 17, "0922=kokumin-keiro"},
        {2016, 17, "0811=yama 0321=furikae-shunbun"},
        {2019, 22, "0430=kokumin-showa 0501=sokui 0502=kokumin-sokui 0506=furikae-kodomo 1022=sokuirei-no-hi 1223=-"},
        {2020, 18, "0223=tenno-tanjobi 0224=furikae-tenno-tanjobi 0723=umi 0724=sports 0810=yama 1012=-"},
        {2021, 17, "0722=umi 0723=sports 0808=yama 0809=furikae-yama 0811=- 1011=-"},
        {2026, 18, "0320=shunbun 0922=kokumin-keiro"},
        {2032, 17, "0921=kokumin-keiro"},
        {2074, 19, "0922=- 0923=shubun 0924=furikae-shubun"},
        {3001, 0, ""},
    };
    for (const auto& y : years) {
        const auto all = sun::holidays(y.year);
        EXPECT_EQ(all.size(), y.count) << y.year;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const sun::Holiday& h = all[i];
            EXPECT_EQ(h.name, sun::holiday_name(h.index)) << y.year << " " << h.key;
            EXPECT_FALSE(h.name.empty()) << y.year << " " << h.key;
            const bool special = std::string(" kekkon-akihito taiso sokuirei kekkon-naruhito sokui sokuirei-no-hi ")
                                     .find(" " + h.key + " ") != std::string::npos;
            EXPECT_EQ(h.kind, h.key.rfind("furikae-", 0) == 0   ? sun::HolidayKind::substitute
                              : h.key.rfind("kokumin-", 0) == 0 ? sun::HolidayKind::citizens
                              : special                         ? sun::HolidayKind::special
                                                                : sun::HolidayKind::national)
                << y.year << " " << h.key;
            if (std::isfinite(h.longitude)) {
                EXPECT_EQ(sun::to_second(h.instant).day, h.date.day) << y.year;
            }
            EXPECT_EQ(h.date.year, y.year);
            if (i > 0) {
                EXPECT_LT(all[i - 1].date.month * 100 + all[i - 1].date.day, h.date.month * 100 + h.date.day);
            }
        }
        std::istringstream days(y.days);
        for (std::string token; days >> token;) {
            const int month = std::stoi(token.substr(0, 2)), day = std::stoi(token.substr(2, 2));
            std::string got = "-";
            for (const sun::Holiday& h : all) {
                if (h.date.month == month && h.date.day == day) got = h.key;
            }
            EXPECT_EQ(got, token.substr(5)) << y.year << " " << token;
        }
    }
}

}  // namespace calendar

}  // namespace
