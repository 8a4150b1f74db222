// The instant of a given solar longitude: published instants, grid points, the gap at midnights, the
// year's end, leap columns, evaluation counts, and answers fed back into the theory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>

#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/util.hpp>

#include "solar/detail.hpp"
#include "support_solar.hpp"

using solarlon::SUNTIM;
using testsupport::sun_longitude;
using testsupport::UniformSun;

namespace {

struct Answer {
    double mon = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::int32_t iyadd = -1;
    int calls = 0;  // SUNLNG evaluations
};

// SUNTIM through its search kernel, counting the evaluations.
Answer suntim(double eq, std::int32_t zone, double year, double lon) {
    Answer a;
    const std::int32_t iyear = solarlon::to_int32(solarlon::nint(year));
    const solarlon::detail::LongitudeFn counted = [&](const double& y, const double& m, const double& d,
                                                      const double& h) {
        ++a.calls;
        return sun_longitude(eq, y, m, d, h);
    };
    solarlon::detail::scan_search(counted, zone, iyear, lon, year, a.mon, a.day, a.hour, a.minute, a.second, a.iyadd);
    return a;
}

// Wanted minus found longitude, degrees, in (-180, 180].
double miss(double eq, std::int32_t zone, double year, double lon, const Answer& a) {
    const double back = sun_longitude(eq, year + a.iyadd, a.mon, a.day, a.hour - zone, a.minute, a.second);
    return std::remainder(back - lon, 360.0);
}

bool leapColumn(double year) { return static_cast<std::int64_t>(year) % 4 == 0; }

// Month, day, hour, minute and second each in its range, the day by the leap column.
::testing::AssertionResult inRange(double year, const Answer& a) {
    static const int days[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    const bool ok =
        a.mon >= 1 && a.mon <= 12 && a.mon == std::trunc(a.mon) && a.day >= 1 && a.day == std::trunc(a.day) &&
        a.day <= days[leapColumn(year + a.iyadd) ? 1 : 0][static_cast<int>(a.mon) - 1] && a.hour >= 0 && a.hour <= 23 &&
        a.hour == std::trunc(a.hour) && a.minute >= 0 && a.minute <= 59 && a.minute == std::trunc(a.minute) &&
        a.second >= 0 && a.second < 60 && (a.iyadd == 0 || (a.iyadd == 1 && a.mon == 1 && a.day == 1));
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "year " << year << " + " << a.iyadd << ": " << a.mon << " " << a.day << " "
                                         << a.hour << " " << a.minute << " " << a.second;
}

}  // namespace

// Reference instants of the series (JST for zone 9), the first the inverse of SUNLNG's 1978 value.
TEST(Suntim, PublishedInstants) {
    struct Case {
        double eq;
        std::int32_t zone;
        double year, lon;
        double mon, day, hour, minute, second, tol;
    } const cases[] = {
        {0.0, 9, 1978, 79.26941, 6, 10, 21, 20, 0.30, 0.01},  // inverse of 1978-06-10 12:20 UT
        {0.0, 9, 1978, 0.0, 3, 21, 8, 26, 9.55, 0.005},       {0.0, 9, 1978, 360.0, 3, 21, 8, 26, 9.55, 0.005},
        {2000.0, 0, 2000, 270.0, 12, 21, 13, 42, 43.0, 0.05}, {2000.0, 0, 2000, 280.0, 1, 1, 3, 6, 0.88, 0.005},
    };
    for (const auto& c : cases) {
        const Answer a = suntim(c.eq, c.zone, c.year, c.lon);
        EXPECT_EQ(a.iyadd, 0);
        EXPECT_EQ(a.mon, c.mon) << c.lon;
        EXPECT_EQ(a.day, c.day) << c.lon;
        EXPECT_EQ(a.hour, c.hour) << c.lon;
        EXPECT_EQ(a.minute, c.minute) << c.lon;
        EXPECT_NEAR(a.second, c.second, c.tol) << c.lon;

        // The public routine, both forms, gives the same.
        double mon = 0, day = 0, hour = 0, minute = 0, second = 0;
        std::int32_t iyadd = -1;
        const std::int32_t iyear = static_cast<std::int32_t>(c.year);
        SUNTIM(c.eq, c.zone, iyear, c.lon, c.year, mon, day, hour, minute, second, iyadd);
        EXPECT_EQ(iyadd, 0);
        EXPECT_EQ(second, a.second);
        SUNTIM(c.eq, c.zone, iyear, c.lon, c.year, mon, day, hour, minute, second);
        EXPECT_EQ(mon, a.mon);
        EXPECT_EQ(day, a.day);
        EXPECT_EQ(hour, a.hour);
        EXPECT_EQ(minute, a.minute);
        EXPECT_EQ(second, a.second);
    }
}

// Outside 0..360 whole turns come off; the caller's value is left as it was.
TEST(Suntim, LongitudeTakenModuloATurn) {
    struct Case {
        double lon, same;
    } const cases[] = {{400, 40}, {-10, 350}, {720, 0}, {-360, 0}, {1080.5, 0.5}, {-0.25, 359.75}};
    for (const auto& c : cases) {
        const Answer a = suntim(0.0, 9, 1978, c.lon);
        const Answer b = suntim(0.0, 9, 1978, c.same);
        EXPECT_EQ(a.mon, b.mon) << c.lon;
        EXPECT_EQ(a.day, b.day) << c.lon;
        EXPECT_EQ(a.hour, b.hour) << c.lon;
        EXPECT_EQ(a.minute, b.minute) << c.lon;
        EXPECT_NEAR(a.second, b.second, 1e-6) << c.lon;
        double lon = c.lon, year = 1978.0, mon, day, hour, minute, second;
        SUNTIM(0.0, 9, 1978, lon, year, mon, day, hour, minute, second);
        EXPECT_EQ(lon, c.lon);
        EXPECT_EQ(year, 1978.0);
    }
}

// The longitude at 0 h of a month's 1st opens that month's span: the 1st at 0:00:00.
TEST(Suntim, LongitudeOfAMonthsFirstIsThatDayAtMidnight) {
    for (double eq : {0.0, 1950.0}) {
        for (std::int32_t zone : {0, 9}) {
            for (double year : {1978.0, 2000.0}) {
                for (int mon = 1; mon <= 12; ++mon) {
                    const Answer a = suntim(eq, zone, year, sun_longitude(eq, year, mon, 1, -zone));
                    EXPECT_EQ(a.iyadd, 0);
                    EXPECT_EQ(a.mon, mon) << eq << " " << zone << " " << year;
                    EXPECT_EQ(a.day, 1);
                    EXPECT_EQ(a.hour, 0);
                    EXPECT_EQ(a.minute, 0);
                    EXPECT_EQ(a.second, 0);
                }
            }
        }
    }
}

// Delta T reads its decimal year from the day, so the longitude at hour 24 of a day lies a little
// below the one at 0 h of the next. Such a longitude is answered at 0 h 0 min of the next day with
// the fraction of a second beyond it, across a month end too, never with a minute of 60.
TEST(Suntim, LongitudeAtMidnightGoesToTheNextDay) {
    struct Case {
        double eq;
        std::int32_t zone;
        double year, mon, day;  // the day whose hour 24 (zone) gives the longitude
        double mon2, day2;      // the answer's day
    } const cases[] = {
        {0.0, 9, 1978, 6, 10, 6, 11},  // 1978-06-10 15 h UT, mode 3 with the equinox of date
        {0.0, 0, 1978, 6, 10, 6, 11},  {1950.0, 9, 1978, 4, 30, 5, 1},  {2000.0, 0, 2001, 2, 28, 3, 1},
        {0.0, 9, 2000, 2, 29, 3, 1},   {0.0, 0, 2000, 2, 28, 2, 29},    {1950.0, 0, 1999, 8, 31, 9, 1},
        {0.0, 9, 1990, 11, 30, 12, 1}, {1950.0, 9, 1978, 1, 15, 1, 16},
    };
    for (const auto& c : cases) {
        const double lon = sun_longitude(c.eq, c.year, c.mon, c.day, 24 - c.zone);
        const Answer a = suntim(c.eq, c.zone, c.year, lon);
        EXPECT_EQ(a.iyadd, 0);
        EXPECT_EQ(a.mon, c.mon2) << c.year << "-" << c.mon << "-" << c.day;
        EXPECT_EQ(a.day, c.day2) << c.year << "-" << c.mon << "-" << c.day;
        EXPECT_EQ(a.hour, 0);
        EXPECT_EQ(a.minute, 0);
        EXPECT_GE(a.second, 0.0);
        EXPECT_LT(a.second, 0.01);
        EXPECT_LE(a.calls, 69);
    }
}

// In a common year the Sun does not come back within the year to the longitudes between its value at
// the next January 1 and its value at this January 1; they are answered on the next January 1.
TEST(Suntim, LongitudesAfterTheYearsEndGoToTheNextJanuaryFirst) {
    for (double year : {1978.0, 1989.0, 1999.0, 2001.0, 1900.0, 2100.0}) {
        for (double eq : {0.0, 1950.0, 2000.0}) {
            for (std::int32_t zone : {0, 9}) {
                // From the longitude at the end of the year, hour 24 of December 31 (at the step of
                // Delta T in 1990 a little above the value of 1990 January 1), up to this January 1.
                const double first = sun_longitude(eq, year, 1, 1, -zone);
                const double end = sun_longitude(eq, year, 12, 31, 24 - zone);
                const double band = first - end;
                ASSERT_GT(band, 0.2);
                ASSERT_LT(band, 0.3);
                const double wanted[] = {end, end + 0.3 * band, end + 0.7 * band, first - 1e-9,
                                         sun_longitude(eq, year + 1, 1, 1, 3 - zone)};
                for (double lon : wanted) {
                    const Answer a = suntim(eq, zone, year, lon);
                    EXPECT_EQ(a.iyadd, 1) << year << " " << eq << " " << zone << " " << lon;
                    EXPECT_TRUE(inRange(year, a));
                    EXPECT_LE(a.hour, 6);
                    EXPECT_NEAR(miss(eq, zone, year, lon, a), 0.0, 1e-6) << year << " " << lon;
                    EXPECT_LE(a.calls, 69 + 26);

                    // The ten-argument form: month 13, day 1 of the same year.
                    double mon, day, hour, minute, second;
                    SUNTIM(eq, zone, static_cast<std::int32_t>(year), lon, year, mon, day, hour, minute, second);
                    EXPECT_EQ(mon, 13);
                    EXPECT_EQ(day, 1);
                    EXPECT_EQ(hour, a.hour);
                    EXPECT_EQ(minute, a.minute);
                    EXPECT_EQ(second, a.second);
                }
                // Just below the band the answer is still in the last hour of December 31.
                const Answer last = suntim(eq, zone, year, end - 1e-6);
                EXPECT_EQ(last.iyadd, 0);
                EXPECT_EQ(last.mon, 12);
                EXPECT_EQ(last.day, 31);
                EXPECT_EQ(last.hour, 23);
                EXPECT_EQ(last.minute, 59);
            }
        }
    }
}

// In a leap year the Sun covers more than a full turn in the year: a longitude of the last hours of
// December 31 is also reached early on January 1, and that is the answer.
TEST(Suntim, LongitudeReachedTwiceInALeapYearIsAnsweredInJanuary) {
    for (double eq : {0.0, 1950.0}) {
        for (std::int32_t zone : {0, 9}) {
            const double lon = sun_longitude(eq, 2000, 12, 31, 20 - zone, 15);
            const Answer a = suntim(eq, zone, 2000, lon);
            EXPECT_EQ(a.iyadd, 0);
            EXPECT_EQ(a.mon, 1);
            EXPECT_EQ(a.day, 1);
            EXPECT_NEAR(miss(eq, zone, 2000, lon, a), 0.0, 1e-6);
        }
    }
}

// Every year divisible by 4 takes the leap column. In 1900 and 2100 the day search also evaluates
// February 29, which is March 1; the longitudes of February 28 are still answered on the 28th.
TEST(Suntim, CenturyYearsTakeTheLeapColumn) {
    for (double year : {1900.0, 2100.0}) {
        for (std::int32_t zone : {0, 9}) {
            for (int hour = 0; hour < 24; ++hour) {
                const double lon = sun_longitude(0.0, year, 2, 28, hour - zone, 30);
                const Answer a = suntim(0.0, zone, year, lon);
                EXPECT_EQ(a.mon, 2) << year << " " << hour;
                EXPECT_EQ(a.day, 28) << year << " " << hour;
                EXPECT_EQ(a.hour, hour);
                EXPECT_EQ(a.minute, 30);
                EXPECT_NEAR(a.second, 0.0, 0.01);
            }
            const Answer march = suntim(0.0, zone, year, sun_longitude(0.0, year, 3, 1, 12 - zone));
            EXPECT_EQ(march.mon, 3);
            EXPECT_EQ(march.day, 1);
            EXPECT_EQ(march.hour, 12);
        }
    }
}

// The grid search costs at most 1 + 11 + 1 + 30 + 1 + 23 + 2 = 69 evaluations inside the year, and
// the worst case, the last hour of December 31 of a common year, takes them all; the next January 1
// adds at most 26.
TEST(Suntim, EvaluationCount) {
    int most = 0, mostNext = 0;
    for (double year : {1978.0, 2000.0}) {
        for (std::int32_t zone : {0, 9}) {
            for (double lon = 0.0; lon < 360.0; lon += 2.5) {
                const Answer a = suntim(0.0, zone, year, lon);
                if (a.iyadd != 0) continue;  // 1978: 280 lies after the year's end
                ASSERT_LE(a.calls, 69) << year << " " << lon;
                most = std::max(most, a.calls);
            }
            if (year == 1978.0) {  // in a leap year this longitude is reached on January 1
                const Answer last = suntim(0.0, zone, year, sun_longitude(0.0, year, 12, 31, 23.5 - zone));
                EXPECT_EQ(last.iyadd, 0);
                EXPECT_EQ(last.calls, 69);
                most = std::max(most, last.calls);
            }
            const Answer next = suntim(0.0, zone, year, sun_longitude(0.0, year + 1, 1, 1, 5 - zone));
            mostNext = std::max(mostNext, next.calls);
        }
    }
    EXPECT_EQ(most, 69);
    EXPECT_GT(mostNext, 69);
    EXPECT_LE(mostNext, 95);
}

// Over two centuries, for longitudes every 15 degrees, random ones and ones after the year's end:
// the answer fed back into the theory gives the wanted longitude, every field in its range.
TEST(Suntim, AnswersFedBackGiveTheLongitude) {
    std::mt19937 gen(19780610u);  // fixed starting value: the same longitudes on every run
    std::uniform_real_distribution<double> anyLon(0.0, 360.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double eqs[] = {1950.0, 0.0, 2000.0};
    double worst = 0.0;
    int after = 0;
    for (int y = 1900; y <= 2100; ++y) {
        const double year = y;
        const double eq = eqs[y % 3];
        for (std::int32_t zone : {0, 9}) {
            double wanted[24 + 6 + 2];
            int n = 0;
            for (int k = 0; k < 24; ++k) wanted[n++] = 15.0 * k;
            for (int k = 0; k < 6; ++k) wanted[n++] = anyLon(gen);
            const double first = sun_longitude(eq, year, 1, 1, -zone);
            const double next = sun_longitude(eq, year + 1, 1, 1, -zone);
            if (first > next) {  // a common year: two longitudes after the year's end
                wanted[n++] = next + unit(gen) * (first - next);
                wanted[n++] = next + unit(gen) * (first - next);
            }
            for (int k = 0; k < n; ++k) {
                const Answer a = suntim(eq, zone, year, wanted[k]);
                ASSERT_TRUE(inRange(year, a)) << "EQ " << eq << " zone " << zone << " lon " << wanted[k];
                const double m = std::fabs(miss(eq, zone, year, wanted[k], a));
                ASSERT_LT(m, 1e-5) << year << " EQ " << eq << " zone " << zone << " lon " << wanted[k];
                ASSERT_LE(a.calls, a.iyadd == 0 ? 69 : 95);
                worst = std::max(worst, m);
                after += a.iyadd;
            }
        }
    }
    EXPECT_GT(after, 200);
    RecordProperty("worst_miss_degrees", std::to_string(worst));
}

// Outputs are stored last: an input variable may also receive a result.
TEST(Suntim, OutputsMayShareInputVariables) {
    double mon, day, hour, minute, second;
    SUNTIM(0.0, 9, 1978, 79.26941, 1978.0, mon, day, hour, minute, second);
    double eq = 0.0, lon = 79.26941, year = 1978.0, spare = 0.0;
    // MON over YEAR, MINUTE over EQ, SECOND over LON.
    SUNTIM(eq, 9, 1978, lon, year, year, day, spare, eq, lon);
    EXPECT_EQ(year, mon);
    EXPECT_EQ(spare, hour);
    EXPECT_EQ(eq, minute);
    EXPECT_EQ(lon, second);
}

// Nothing is rejected and nothing is undefined (the sanitizer builds run this): every output is
// written and the loops end for any input.
TEST(Suntim, UnsafeInputsAreHarmless) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    const std::int32_t small = std::numeric_limits<std::int32_t>::min();
    struct Case {
        double eq;
        std::int32_t zone, iyear;
        double lon, year;
    } const cases[] = {
        {0.0, 9, 1978, nan, 1978},   {0.0, 9, 1978, inf, 1978},  {0.0, 9, 1978, -inf, 1978},
        {0.0, 9, 1978, 1e300, 1978}, {0.0, big, 1978, 10, 1978}, {0.0, small, 1978, 10, 1978},
        {0.0, 9, small, 10, 1978},   {0.0, 9, big, 10, 1e12},    {1950.0, 0, 0, 10, 1e12},
        {nan, 9, 1978, 10, 1978},    {0.0, 9, 1978, 10, nan},    {inf, 0, 1978, 10, -inf},
    };
    for (const auto& c : cases) {
        double out[5] = {-7, -7, -7, -7, -7};
        std::int32_t iyadd = -7;
        SUNTIM(c.eq, c.zone, c.iyear, c.lon, c.year, out[0], out[1], out[2], out[3], out[4], iyadd);
        for (double o : out) EXPECT_NE(o, -7.0);
        EXPECT_TRUE(iyadd == 0 || iyadd == 1);
    }
    // A finite longitude far out of range is brought in exactly: 1e300 is a whole number of turns
    // plus its remainder.
    const Answer a = suntim(0.0, 9, 1978, 1e300);
    EXPECT_TRUE(inRange(1978, a));
}

// The search kernel with the model longitude, which turns once a tropical year and is exactly 0 at
// 1978 March 21, 0 h UT.
namespace {
Answer search(const UniformSun& model, std::int32_t zone, double lon) {
    Answer a;
    const solarlon::detail::LongitudeFn f = [&](const double& y, const double& m, const double& d, const double& h) {
        ++a.calls;
        return model(y, m, d, h);
    };
    solarlon::detail::scan_search(f, zone, 1978, lon, 1978.0, a.mon, a.day, a.hour, a.minute, a.second, a.iyadd);
    return a;
}
}  // namespace

TEST(SuntimKernel, ZeroAndThreeSixtyAtAGridPointOfZero) {
    const UniformSun model{};
    ASSERT_EQ(model(1978, 3, 21, 0), 0.0);
    for (double lon : {0.0, 360.0}) {
        const Answer a = search(model, 0, lon);
        EXPECT_EQ(a.mon, 3) << lon;
        EXPECT_EQ(a.day, 21) << lon;
        EXPECT_EQ(a.hour, 0) << lon;
        EXPECT_EQ(a.minute, 0) << lon;
        EXPECT_EQ(a.second, 0) << lon;
    }
    // In JST the same instant is 9 h on the 21st.
    const Answer j = search(model, 9, 360.0);
    EXPECT_EQ(j.day, 21);
    EXPECT_EQ(j.hour, 9);
    EXPECT_EQ(j.minute, 0);
    EXPECT_NEAR(j.second, 0.0, 1e-6);
}

// A longitude just below the first value of the next January 1 (a step at the year's turn) is
// answered at the turn of the year itself, not extrapolated through the day.
TEST(SuntimKernel, StepAtTheYearsTurn) {
    UniformSun model{};
    model.jump = 1e-9;
    const double end = model(1978, 12, 31, 24);
    const Answer a = search(model, 0, end + 0.5e-9);
    EXPECT_EQ(a.iyadd, 1);
    EXPECT_EQ(a.mon, 1);
    EXPECT_EQ(a.day, 1);
    EXPECT_EQ(a.hour, 0);
    EXPECT_EQ(a.minute, 0);
    EXPECT_EQ(a.second, 0);
    // Past the step, the next January 1 is searched as usual.
    const double later = model(1979, 1, 1, 2.5);
    const Answer b = search(model, 0, later);
    EXPECT_EQ(b.iyadd, 1);
    EXPECT_EQ(b.hour, 2);
    EXPECT_EQ(b.minute, 30);
    EXPECT_NEAR(b.second, 0.0, 1e-3);
}
