// Day numbers of Gregorian dates and the time arguments built on them: published values, and a day by
// day walk over years 1 to 9999 against an independent count of civil days.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include <solarlon/equinox.hpp>

using solarlon::DAYNUM;

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (the era-based count of civil days). Written
// here, not taken from the driver's display, so that DAYNUM is checked against a count that this
// test links nothing for and no change to the program can move.
std::int64_t civilDays(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);             // [0, 399]
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool gregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int monthLength(int y, int m) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && gregorianLeap(y) ? 29 : days[m - 1];
}

double daynum(double y, double m, double d) { return DAYNUM(y, m, d); }

}  // namespace

TEST(Daynum, PublishedValues) {
    struct Case {
        double year, mon, day, n;
    } const cases[] = {
        {2000, 1, 1, 730485},          {1900, 1, 0, 693960},  {1950, 1, 0, 712222},   {2013, 2, 2, 735266},
        {1582, 10, 4, 578090},         {1582, 10, 5, 578091}, {1582, 10, 15, 578101},  // no calendar switch
        {1999.99999995, 1, 1, 730485},  // near-whole values count as whole
        {2000, 1, 15.7, 730499},        // the fraction of the day is dropped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(daynum(c.year, c.mon, c.day), c.n) << c.year << "-" << c.mon << "-" << c.day;
    }
}

TEST(Daynum, LeapDaysDayZeroAndOverflow) {
    struct Case {
        double y1, m1, d1, y2, m2, d2, diff;
    } const cases[] = {
        {1900, 3, 1, 1900, 2, 28, 1}, {2000, 3, 1, 2000, 2, 28, 2}, {2100, 3, 1, 2100, 2, 28, 1},
        {2000, 3, 0, 2000, 2, 29, 0}, {2000, 1, 32, 2000, 2, 1, 0}, {2000, 1, 0, 1999, 12, 31, 0},
        {1999, 13, 1, 2000, 1, 1, 0},  // month 13 is January of the next year
    };
    for (const auto& c : cases) {
        EXPECT_EQ(daynum(c.y1, c.m1, c.d1) - daynum(c.y2, c.m2, c.d2), c.diff)
            << c.y1 << "-" << c.m1 << "-" << c.d1 << " less " << c.y2 << "-" << c.m2 << "-" << c.d2;
    }
    // Julian Date at 0 h.
    EXPECT_EQ(daynum(2000, 1, 1) + 1721059.5, 2451544.5);
}

// Every date from 0001-01-01 to 9999-12-31: consecutive days differ by 1, day 0 is the last day of
// the month before, January 1 of consecutive years differ by 365 or 366 by the Gregorian rule, and
// the Julian Date at 0 h is the day number plus 1721059.5 (the civil count gives JD - 2440587.5).
TEST(Daynum, DayByDayOverTenThousandYears) {
    double prev = daynum(1, 1, 1) - 1.0;
    double prevJan1 = 0.0;
    int bad = 0;
    for (int y = 1; y <= 9999 && bad < 10; ++y) {
        const double jan1 = daynum(y, 1, 1);
        if (y > 1 && jan1 - prevJan1 != (gregorianLeap(y - 1) ? 366.0 : 365.0)) {
            ADD_FAILURE() << "January 1 of " << y;
            ++bad;
        }
        prevJan1 = jan1;
        for (int m = 1; m <= 12; ++m) {
            if (daynum(y, m, 0) != prev) {
                ADD_FAILURE() << "day 0 of " << y << "-" << m;
                ++bad;
            }
            const int len = monthLength(y, m);
            for (int d = 1; d <= len; ++d) {
                const double n = daynum(y, m, d);
                const double jd =
                    static_cast<double>(civilDays(y, static_cast<unsigned>(m), static_cast<unsigned>(d))) + 2440587.5;
                if (n != prev + 1.0 || n + 1721059.5 != jd) {
                    ADD_FAILURE() << y << "-" << m << "-" << d << ": " << n << " after " << prev;
                    ++bad;
                }
                prev = n;
            }
        }
    }
}

TEST(Timarg, EpochAndJ2000) {
    struct Case {
        double year, mon, day, hour, minute, second, d, t;
    } const cases[] = {
        {2000, 1, 1, 12, 0, 0, 36525, 1},
        {1900, 1, 0, 12, 0, 0, 0, 0},
        {1900, 1, 1, 0, 0, 0, 0.5, 0.5 / 36525},
        {1900, 1, 0, 0, 1440, 0, 0.5, 0.5 / 36525},  // minutes carried over a day
    };
    for (const auto& c : cases) {
        double d = -1, t = -1;
        solarlon::TIMARG(c.year, c.mon, c.day, c.hour, c.minute, c.second, d, t);
        EXPECT_EQ(d, c.d) << c.year << "-" << c.mon << "-" << c.day;
        EXPECT_EQ(t, c.t) << c.year << "-" << c.mon << "-" << c.day;
    }
    EXPECT_EQ(solarlon::OBLIQ(0.0), 23.452294);
    EXPECT_NEAR(solarlon::OBLIQ(1.0), 23.439280363, 1e-12);  // 23 26' 21.41" at 2000 January 1.5
}

// Values far outside the calendar are harmless (the sanitizer builds run this); a NaN part gives NaN.
TEST(Daynum, UnsafeInputsAreHarmless) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {nan, inf, -inf, 1e300, -1e300, 3e9, -3e9}) {
        EXPECT_EQ(std::isnan(daynum(v, 6, 10)), std::isnan(v)) << v;
        EXPECT_EQ(std::isnan(daynum(1978, v, 10)), std::isnan(v)) << v;
        EXPECT_EQ(std::isnan(daynum(1978, 6, v)), std::isnan(v)) << v;
    }
    // A year of 1e12 still counts days linearly.
    EXPECT_EQ(daynum(1e12, 1, 2) - daynum(1e12, 1, 1), 1.0);
}
