// The typed interface against the routines it stands on, bit for bit, and the printed carry.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>

#include "solar/apparent.hpp"

namespace {

namespace sun = solarlon::sun;
constexpr auto C = sun::Theory::classic;

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
    const auto A = sun::Theory::apparent;
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
    EXPECT_EQ(sun::refusal(1600, 279.7, date, 9, A), sun::Refusal::before_range);  // the zone's first hours
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
    const auto A = sun::Theory::apparent;
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

}  // namespace
