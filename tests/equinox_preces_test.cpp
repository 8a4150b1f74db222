// Newcomb precession of rectangular vectors: published values, length, round trips, composition.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

using solarlon::PRECES;

namespace {

struct Vec {
    double x, y, z;
};

Vec preces(double ep0, double ep1, Vec v) {
    PRECES(ep0, ep1, v.x, v.y, v.z);
    return v;
}

double norm(const Vec& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

double dist(const Vec& a, const Vec& b) {
    return std::max({std::fabs(a.x - b.x), std::fabs(a.y - b.y), std::fabs(a.z - b.z)});
}

}  // namespace

// The rotation by Newcomb's angles in their 1900-based form (Explanatory Supplement to the
// Astronomical Ephemeris, HMSO, 1961) from 1950.0 to 2000.0, to ten digits.
TEST(Preces, PublishedValues1950To2000) {
    struct Case {
        Vec in, out;
    } const cases[] = {
        {{1, 0, 0}, {0.9999257453, 0.0111761178, 0.0048578157}},
        {{0, 0, 1}, {-0.0048578157, -0.0000271491, 0.9999882004}},
    };
    for (const auto& c : cases) {
        const Vec v = preces(1950.0, 2000.0, c.in);
        EXPECT_NEAR(v.x, c.out.x, 6e-11);
        EXPECT_NEAR(v.y, c.out.y, 6e-11);
        EXPECT_NEAR(v.z, c.out.z, 6e-11);
    }
}

TEST(Preces, SameEpochLeavesVectorExactly) {
    const double epochs[] = {1950.0, 2000.0, 1978.4379, 1.0, 3000.0};
    const Vec v{0.3, -0.7, 0.64};
    for (double ep : epochs) {
        const Vec r = preces(ep, ep, v);
        EXPECT_EQ(r.x, v.x);
        EXPECT_EQ(r.y, v.y);
        EXPECT_EQ(r.z, v.z);
    }
}

TEST(Preces, KeepsLength) {
    struct Case {
        double ep0, ep1;
        Vec v;
    } const cases[] = {
        {1950.0, 2000.0, {1, 0, 0}},
        {1950.0, 2000.0, {0.2, -1.3, 0.9}},
        {1900.0, 2100.0, {-0.5, 0.5, -0.70710678}},
        {2000.0, 1800.0, {0.98, 0.01, 0.17}},
        {1950.0, 1978.44, {0.35, 0.86, 0.37}},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(norm(preces(c.ep0, c.ep1, c.v)), norm(c.v), 1e-15 * norm(c.v)) << c.ep0 << " " << c.ep1;
    }
}

// The polynomials are not exact inverses: going there and back misses by a few 1e-9, growing with the
// span. A misplaced T0 term or a sign would show as arc seconds.
TEST(Preces, RoundTripComesBackClosely) {
    struct Case {
        double ep0, ep1, tol;
    } const cases[] = {
        {1950.0, 2000.0, 3e-9},
        {2000.0, 1950.0, 3e-9},
        {1950.0, 1978.5, 1e-9},
        {1900.0, 2000.0, 2e-8},
    };
    const Vec vs[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.48, -0.6, 0.64}};
    for (const auto& c : cases) {
        for (const auto& v : vs) {
            const Vec back = preces(c.ep1, c.ep0, preces(c.ep0, c.ep1, v));
            EXPECT_LT(dist(back, v), c.tol) << c.ep0 << " -> " << c.ep1;
        }
    }
}

// Precessing in two steps agrees with one step: this checks how the starting epoch enters the angles.
TEST(Preces, TwoStepsAgreeWithOne) {
    struct Case {
        double ep0, mid, ep1, tol;
    } const cases[] = {
        {1950.0, 1975.0, 2000.0, 1e-9},
        {1900.0, 1950.0, 2000.0, 5e-9},
        {2000.0, 1980.0, 1950.0, 1e-9},
    };
    const Vec v{0.48, -0.6, 0.64};
    for (const auto& c : cases) {
        const Vec two = preces(c.mid, c.ep1, preces(c.ep0, c.mid, v));
        const Vec one = preces(c.ep0, c.ep1, v);
        EXPECT_LT(dist(two, one), c.tol) << c.ep0 << " " << c.mid << " " << c.ep1;
    }
}

// Over one century from 1900 the equinox's pole moves by theta = 2004.682" - 0.426" - 0.042".
TEST(Preces, PoleMovesByTheta) {
    const Vec p = preces(1900.0, 2000.0, Vec{0, 0, 1});
    const double theta = std::acos(p.z) * 180.0 / solarlon::kPi * 3600.0;
    EXPECT_NEAR(theta, 2004.682 - 0.426 - 0.042, 1e-6);
}
