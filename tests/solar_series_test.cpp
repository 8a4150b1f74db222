// The faster evaluation of the series against the formulas taken literally, the longitude-only entry
// against SUNLNG, and the sine and cosine in degrees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include <solarlon/solar.hpp>

#include "solar/detail.hpp"
#include "solar/trig.hpp"
#include "tests/support/sunlng_literal.hpp"

using solarlon::SUNLNG;
using solarlon::SUNLON;

namespace {

struct Sun {
    double delt, lon, rv, x, y, z;
};

// What SUNLNG is given: the equinox choice and the UT instant.
struct SunlngInput {
    double eq, year, mon, day, hour, minute, second;
};

std::string show(const SunlngInput& t) {
    std::ostringstream s;
    s.precision(17);
    s << "EQ " << t.eq << " at " << t.year << " " << t.mon << " " << t.day << " " << t.hour << " " << t.minute << " "
      << t.second;
    return s.str();
}

template <class F>
Sun evaluate(F f, const SunlngInput& t) {
    Sun s{};
    f(t.eq, t.year, t.mon, t.day, t.hour, t.minute, t.second, s.delt, s.lon, s.rv, s.x, s.y, s.z);
    return s;
}

// Instants over years 1 to 9999 with every equinox choice, carried hours and day fractions.
class Instants {
  public:
    explicit Instants(std::uint32_t start) : gen_(start) {}
    SunlngInput next() {
        SunlngInput t{};
        const double u = unit();
        t.eq = u < 0.3 ? 1950.0 : u < 0.6 ? 0.0 : u < 0.7 ? 2000.0 : u < 0.75 ? any(-1.49, 0.49) : any(-1000, 12000);
        t.year = unit() < 0.5 ? whole(1900, 2100) : whole(1, 9999);
        if (unit() < 0.1) t.year += unit();
        t.mon = whole(1, 12);
        t.day = whole(0, 31) + (unit() < 0.3 ? unit() : 0.0);
        t.hour = unit() < 0.5 ? whole(-24, 48) : any(-24, 48);
        t.minute = unit() < 0.5 ? 0.0 : whole(0, 59);
        t.second = unit() < 0.5 ? 0.0 : any(0, 60);
        return t;
    }

  private:
    double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_); }
    double any(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen_); }
    double whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
    std::mt19937 gen_;
};

bool identical(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

}  // namespace

// The longitude within 1e-10 degree of the literal formulas, the radius vector and coordinates within
// 1e-12 AU, Delta T the same, over years 1 to 9999 and every equinox choice.
TEST(Series, AgreesWithTheLiteralFormulas) {
    Instants instants(1968523u);
    double worstLon = 0.0, worstRv = 0.0, worstXyz = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const SunlngInput t = instants.next();
        const Sun fast = evaluate(SUNLNG, t), lit = evaluate(solarlon::detail::sunlng_literal, t);
        const double dlon = std::fabs(std::remainder(fast.lon - lit.lon, 360.0));
        const double drv = std::fabs(fast.rv - lit.rv);
        const double dxyz = std::max({std::fabs(fast.x - lit.x), std::fabs(fast.y - lit.y), std::fabs(fast.z - lit.z)});
        ASSERT_LE(dlon, 1e-10) << show(t);
        ASSERT_LE(drv, 1e-12) << show(t);
        ASSERT_LE(dxyz, 1e-12) << show(t);
        ASSERT_EQ(fast.delt, lit.delt) << show(t);
        ASSERT_TRUE(fast.lon >= 0.0 && fast.lon <= 360.0) << show(t);
        worstLon = std::max(worstLon, dlon);
        worstRv = std::max(worstRv, drv);
        worstXyz = std::max(worstXyz, dxyz);
    }
    std::printf("largest differences: longitude %.3g degree, radius %.3g AU, coordinates %.3g AU\n", worstLon, worstRv,
                worstXyz);
}

// SUNLON is SUNLNG's longitude to the last bit: the reverse search relies on it, since a wanted
// longitude at a grid value would fall into the neighbouring span on a difference of one bit.
TEST(Series, LongitudeOnlyIsSunlngsLongitude) {
    Instants instants(20000101u);
    for (int i = 0; i < 100000; ++i) {
        const SunlngInput t = instants.next();
        double lon = -7.0;
        SUNLON(t.eq, t.year, t.mon, t.day, t.hour, t.minute, t.second, lon);
        ASSERT_TRUE(identical(lon, evaluate(SUNLNG, t).lon)) << show(t);
    }
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odd[] = {nan, inf, -inf, 1e300, -1e300, 1e12, 4e9, -0.0};
    const SunlngInput normal{0.0, 1978, 6, 10, 12, 20, 0};
    for (double eq : {1950.0, 0.0, 2000.0}) {
        for (int arg = 0; arg < 7; ++arg) {
            for (double v : odd) {
                SunlngInput t = normal;
                t.eq = eq;
                double* field[] = {&t.eq, &t.year, &t.mon, &t.day, &t.hour, &t.minute, &t.second};
                *field[arg] = v;
                double lon = -7.0;
                SUNLON(t.eq, t.year, t.mon, t.day, t.hour, t.minute, t.second, lon);
                EXPECT_TRUE(identical(lon, evaluate(SUNLNG, t).lon)) << show(t);
            }
        }
    }
    // The output may share a variable with an input.
    double v[7] = {0.0, 1978, 6, 10, 12, 20, 30};
    const double want = evaluate(SUNLNG, SunlngInput{0.0, 1978, 6, 10, 12, 20, 30}).lon;
    SUNLON(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[4]);
    EXPECT_EQ(v[4], want);
}

// Sine and cosine in degrees: exact zeros and ones at whole quadrants, and within 1e-15 of the reduced
// angle's library values elsewhere, however large the angle (each reduced by whole turns first, in
// long double where it is wider).
TEST(Series, SineAndCosineInDegrees) {
    using solarlon::detail::SINCOSD;
    const long double pi = 3.141592653589793238462643383279502884L;
    const double x = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double a, s, c;  // s, c: exact values, or NaN to compare with the reduced angle
    };
    const Case cases[] = {
        {0.0, 0.0, 1.0},     {90.0, 1.0, 0.0},     {180.0, 0.0, -1.0},
        {270.0, -1.0, 0.0},  {360.0, 0.0, 1.0},    {-90.0, -1.0, 0.0},
        {-180.0, 0.0, -1.0}, {3.6e6, 0.0, 1.0},    {-7.2e9 + 90.0, 1.0, 0.0},
        {45.0, x, x},        {-45.0, x, x},        {44.999999999, x, x},
        {135.0, x, x},       {0.1, x, x},          {1e-300, x, x},
        {225.5, x, x},       {315.25, x, x},       {1234567.891, x, x},
        {-98765.4321, x, x}, {2.9e6 + 0.37, x, x}, {3.6e7 + 1.5, x, x},
        {1e14 + 0.5, x, x},  {9.99e14, x, x},
    };
    for (const Case& k : cases) {
        double s = 7.0, c = 7.0;
        SINCOSD(k.a, s, c);
        if (!std::isnan(k.s)) {
            EXPECT_EQ(s, k.s) << k.a;
            EXPECT_EQ(c, k.c) << k.a;
            continue;
        }
        const long double r = std::fmod(static_cast<long double>(k.a), 360.0L) * (pi / 180.0L);
        EXPECT_NEAR(s, static_cast<double>(std::sin(r)), 1e-15) << k.a;
        EXPECT_NEAR(c, static_cast<double>(std::cos(r)), 1e-15) << k.a;
        EXPECT_NEAR(s * s + c * c, 1.0, 4e-16) << k.a;
    }
    // From 1e15 degrees on, the library's values (meaningless there, but in range).
    for (double a : {1e15, -3e20, 1e300}) {
        double s = 7.0, c = 7.0;
        SINCOSD(a, s, c);
        EXPECT_EQ(s, std::sin(a * solarlon::detail::RAD)) << a;
        EXPECT_EQ(c, std::cos(a * solarlon::detail::RAD)) << a;
    }
    // Not finite: NaN, as the library gives.
    for (double a : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), x}) {
        double s = 0.0, c = 0.0;
        SINCOSD(a, s, c);
        EXPECT_TRUE(std::isnan(s) && std::isnan(c)) << a;
    }
    // The form for many angles gives each angle's values to the last bit, also when one angle is
    // large enough to send them all to the library path.
    double a[24], s[24], c[24];
    std::mt19937 gen(5u);
    std::uniform_real_distribution<double> any(-4e7, 4e7);
    for (int round = 0; round < 2; ++round) {
        for (double& v : a) v = any(gen);
        if (round == 1) a[7] = 1e300;
        SINCOSD(a, s, c, 24);
        for (int i = 0; i < 24; ++i) {
            double s1 = 0.0, c1 = 0.0;
            SINCOSD(a[i], s1, c1);
            EXPECT_TRUE(identical(s[i], s1) && identical(c[i], c1)) << a[i];
        }
    }
}
