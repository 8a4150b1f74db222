// Nutation and annual aberration of date: fundamental arguments, published nutation values, inverses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

#include "support.hpp"

using solarlon::ABERR;
using solarlon::NUTARG;
using solarlon::NUTATE;
using testsupport::angdiff;
using testsupport::Instant;

namespace {

const double RAD = solarlon::kDegree;
const double AS2R = RAD / 3600.0;

struct Vec {
    double x, y, z;
};

Vec nutate(int sign, const Instant& t, Vec v) {
    const std::int32_t s = sign;
    NUTATE(s, t.y, t.mo, t.d, t.h, t.mi, t.s, v.x, v.y, v.z);
    return v;
}

Vec aberr(int sign, const Instant& t, Vec v, double sunlon) {
    const std::int32_t s = sign;
    ABERR(s, t.y, t.mo, t.d, t.h, t.mi, t.s, v.x, v.y, v.z, sunlon);
    return v;
}

double norm(const Vec& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

double dist(const Vec& a, const Vec& b) {
    return std::max({std::fabs(a.x - b.x), std::fabs(a.y - b.y), std::fabs(a.z - b.z)});
}

// testsupport::from_ecliptic as a Vec.
Vec from_ecliptic(double lon, double lat, double eps) {
    Vec v{};
    testsupport::from_ecliptic(lon, lat, eps, v.x, v.y, v.z);
    return v;
}

const Instant J2000{2000, 1, 1, 12, 0, 0};  // d = 36525, T = 1
const Instant E1900{1900, 1, 0, 12, 0, 0};  // d = 0, T = 0

}  // namespace

// At d = 0 the epoch values of Brown's lunar and Newcomb's solar mean elements (Explanatory Supplement
// to the Astronomical Ephemeris, HMSO, 1961); at d = 36525 (J2000.0) the cubics reduced, to 1e-5 degree.
TEST(Nutarg, PublishedArguments) {
    struct Case {
        double d, l, lp, f, dm, om;
    } const cases[] = {
        {36525.0, 134.96292, 357.52543, 93.27283, 297.85027, -234.95665},
        {0.0, 296.104608, 358.475833, 11.250889, 350.737486, 259.183275},
    };
    for (const auto& c : cases) {
        double l = 0, lp = 0, f = 0, dm = 0, om = 0;
        NUTARG(c.d, l, lp, f, dm, om);
        EXPECT_NEAR(l, c.l, 6e-6);
        EXPECT_NEAR(lp, c.lp, 6e-6);
        EXPECT_NEAR(f, c.f, 6e-6);
        EXPECT_NEAR(dm, c.dm, 6e-6);
        EXPECT_NEAR(om, c.om, 6e-6);
    }
}

// The reduction removes whole turns toward zero: values stay in (-360, 360) with their sign.
TEST(Nutarg, ReductionKeepsSign) {
    const double days[] = {-400000.0, -36525.0, -1.0, 0.0, 1.0, 36525.0, 100000.0, 400000.0};
    for (double d : days) {
        double a[5];
        NUTARG(d, a[0], a[1], a[2], a[3], a[4]);
        for (double v : a) {
            EXPECT_GT(v, -360.0) << d;
            EXPECT_LT(v, 360.0) << d;
        }
    }
    double l, lp, f, dm, om;
    NUTARG(36525.0, l, lp, f, dm, om);
    EXPECT_LT(om, 0.0);  // the node regresses: 259.18 - 1934.14 degrees
    NUTARG(-36525.0, l, lp, f, dm, om);
    EXPECT_LT(l, 0.0);
}

// The first-order rotation turns (1,0,0) into (1, dpsi cos eps, dpsi sin eps) and (0,0,1) into
// (-dpsi sin eps, -deps, 1): the nutation and the obliquity can be read back from it. The values
// are those of the seven-term series and of Newcomb's obliquity (at 1900 January 0.5 his 23 27' 08.26",
// Explanatory Supplement 1961); at J2000.0 the full IAU 1980 series gives -13.92" and -5.77" instead.
TEST(Nutate, PublishedNutationAndObliquity) {
    struct Case {
        Instant t;
        double dpsi, deps, eps;  // arc seconds, arc seconds, degrees
        double tol_eps;
    } const cases[] = {
        {J2000, -14.0046, -5.7532, 23.4392804, 6e-8},
        {E1900, 17.3805, -2.2536, 23.452294, 1e-9},
    };
    for (const auto& c : cases) {
        const Vec ex = nutate(1, c.t, Vec{1, 0, 0});
        const Vec ez = nutate(1, c.t, Vec{0, 0, 1});
        EXPECT_EQ(ex.x, 1.0);
        EXPECT_EQ(ez.z, 1.0);
        const double dpsi = std::copysign(std::hypot(ex.y, ex.z), ex.y) / AS2R;
        const double eps = std::atan2(ex.z, ex.y) / RAD + (ex.y < 0 ? 180.0 : 0.0);
        EXPECT_NEAR(dpsi, c.dpsi, 6e-5);
        EXPECT_NEAR(-ez.y / AS2R, c.deps, 6e-5);
        EXPECT_NEAR(eps, c.eps, c.tol_eps);
    }
}

// Removing undoes applying to first order: what is left is of the order of the squared nutation
// angles, 5e-9 at 2000 January 1.5 and at most 1e-8 (20").
TEST(Nutate, ApplyThenRemoveReturnsTheVector) {
    struct Case {
        Instant t;
        double tol;
    } const cases[] = {
        {J2000, 5e-9}, {E1900, 1e-8}, {{1978, 6, 10, 12, 20, 0}, 1e-8}, {{2100, 12, 31, 23, 59, 59}, 1e-8}};
    const Vec vs[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.48, -0.6, 0.64}, {-0.36, 0.48, -0.8}};
    for (const auto& c : cases) {
        for (const auto& v : vs) {
            const Vec there = nutate(+1, c.t, v);
            EXPECT_GT(dist(there, v), 1e-6) << c.t.y;  // it did move
            const Vec back = nutate(-1, c.t, there);
            EXPECT_LT(dist(back, v), c.tol) << c.t.y;
            EXPECT_NEAR(norm(back), 1.0, c.tol) << c.t.y;
        }
    }
}

TEST(NutateAberr, SignZeroLeavesVectorExactly) {
    const Vec vs[] = {{0.48, -0.6, 0.64}, {1, 0, 0}, {-0.36, 0.48, -0.8}};
    for (const auto& v : vs) {
        const Vec n = nutate(0, J2000, v);
        const Vec a = aberr(0, J2000, v, 279.5);
        EXPECT_EQ(n.x, v.x);
        EXPECT_EQ(n.y, v.y);
        EXPECT_EQ(n.z, v.z);
        EXPECT_EQ(a.x, v.x);
        EXPECT_EQ(a.y, v.y);
        EXPECT_EQ(a.z, v.z);
    }
}

// The Sun seen from the moving Earth lags by the constant of aberration: its ecliptic longitude is
// lowered by 20.4955" and its latitude stays 0.
TEST(Aberr, SunsOwnDirectionLagsByTheConstant) {
    const Instant instants[] = {J2000, E1900, {1978, 6, 10, 12, 20, 0}};
    const double lons[] = {0.0, 45.0, 79.26941, 90.0, 180.0, 269.9, 359.0};
    for (const auto& t : instants) {
        double d = 0, tc = 0;
        solarlon::TIMARG(t.y, t.mo, t.d, t.h, t.mi, t.s, d, tc);
        const double eps = solarlon::OBLIQ(tc);
        for (double lon : lons) {
            const Vec a = aberr(1, t, from_ecliptic(lon, 0.0, eps), lon);
            double l = 0, b = 0;
            testsupport::to_ecliptic(a.x, a.y, a.z, eps, l, b);
            EXPECT_NEAR(angdiff(l, lon) * 3600.0, -20.4955, 1e-4) << lon;
            EXPECT_NEAR(b * 3600.0, 0.0, 1e-9) << lon;
        }
    }
}

// Directions toward and away from the Earth's motion (90 degrees behind the Sun) do not move; the
// pole of the ecliptic moves by the full constant.
TEST(Aberr, ApexStaysAndPoleMovesByTheConstant) {
    double d = 0, tc = 0;
    solarlon::TIMARG(J2000.y, J2000.mo, J2000.d, J2000.h, J2000.mi, J2000.s, d, tc);
    const double eps = solarlon::OBLIQ(tc);
    for (double lon : {10.0, 100.0, 200.0, 300.0}) {
        for (double off : {-90.0, 90.0}) {
            const Vec apex = from_ecliptic(lon + off, 0.0, eps);
            EXPECT_LT(dist(aberr(1, J2000, apex, lon), apex), 1e-15) << lon << " " << off;
        }
        const Vec pole = from_ecliptic(0.0, 90.0, eps);
        const Vec moved = aberr(1, J2000, pole, lon);
        const Vec dv{moved.x - pole.x, moved.y - pole.y, moved.z - pole.z};
        EXPECT_NEAR(norm(dv) / AS2R, 20.49552, 2e-5) << lon;
    }
}

TEST(Aberr, AddThenRemoveReturnsTheVector) {
    const Vec vs[] = {{1, 0, 0}, {0, 0, 1}, {0.48, -0.6, 0.64}, {-0.36, 0.48, -0.8}};
    for (double lon : {0.0, 123.4, 281.0}) {
        for (const auto& v : vs) {
            const Vec back = aberr(-1, J2000, aberr(+1, J2000, v, lon), lon);
            EXPECT_LT(dist(back, v), 2e-8) << lon;  // second order in k
        }
    }
}
