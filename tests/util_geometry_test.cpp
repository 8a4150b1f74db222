// Rounding to whole numbers, sexagesimal angles, spherical and rotated vectors, and the linear-equation solver.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include <solarlon/constants.hpp>
#include <solarlon/util.hpp>

namespace {

using namespace solarlon;

void expect_vec(double x, double y, double z, double wx, double wy, double wz) {
    EXPECT_NEAR(x, wx, 1e-15);
    EXPECT_NEAR(y, wy, 1e-15);
    EXPECT_NEAR(z, wz, 1e-15);
}

TEST(WholeNumbers, RoundingToWhole) {
    EXPECT_EQ(nint(2.5), 3.0);
    EXPECT_EQ(nint(59.5), 60.0);
    EXPECT_EQ(nint(1978.4), 1978.0);
    EXPECT_EQ(nint(1978.6), 1979.0);
    EXPECT_EQ(nint(-0.4), 0.0);  // truncation toward zero after adding 0.5
    EXPECT_EQ(nint(-1.5), -1.0);
    EXPECT_EQ(nint(-1.6), -1.0);
}

TEST(Sexagesimal, PublishedValues) {
    EXPECT_NEAR(HMSDEG(6, 0, 0), 90.0, 1e-13);
    EXPECT_NEAR(HMSDEG(1, 2, 3.6), 15.515, 1e-13);
    // clang-format off
    const struct { std::int32_t d, m; double s, deg; } dms[] = {
        {0, -30, 0, -0.5}, {-12, 30, 0, -12.5}, {12, -30, 0, -12.5}, {0, 0, -36, -0.01}, {23, 26, 45, 23.4458333333333},
    };
    // clang-format on
    for (const auto& t : dms) EXPECT_NEAR(DMSDEG(t.d, t.m, t.s), t.deg, 1e-12) << t.d << " " << t.m << " " << t.s;

    // clang-format off
    const struct { double deg; std::int32_t d, m; double s; bool hms; } split[] = {
        {-12.5, -12, 30, 0, false}, {-0.5, 0, -30, 0, false}, {-0.01, 0, 0, -36, false}, {23.4458333333333, 23, 26, 45, false},
        {-15, 23, 0, 0, true}, {90, 6, 0, 0, true}, {187.5, 12, 30, 0, true}, {360, 24, 0, 0, true}, {-375, -1, 0, 0, true},
    };
    // clang-format on
    for (const auto& t : split) {
        std::int32_t d = 99, m = 99;
        double s = 99;
        if (t.hms) DEGHMS(t.deg, d, m, s);
        else DEGDMS(t.deg, d, m, s);
        EXPECT_EQ(d, t.d) << t.deg;
        EXPECT_EQ(m, t.m) << t.deg;
        EXPECT_NEAR(s, t.s, 1e-9) << t.deg;
    }
}

TEST(Sexagesimal, RoundTripsAndSafeLimits) {
    for (double deg = -400.0; deg <= 400.0; deg += 0.0137) {
        std::int32_t d = 0, m = 0;
        double s = 0;
        DEGDMS(deg, d, m, s);
        ASSERT_NEAR(DMSDEG(d, m, s), deg, 1e-10) << deg;
        if (deg < 0.0 || deg >= 360.0) continue;
        DEGHMS(deg, d, m, s);
        ASSERT_NEAR(HMSDEG(d, m, s), deg, 1e-10) << deg;
    }
    std::int32_t d = 0, m = 0;
    double s = 0;
    DEGDMS(1e20, d, m, s);  // whole parts held at the 32-bit range, no overflow
    EXPECT_EQ(d, 2147483647);
    DEGHMS(std::numeric_limits<double>::quiet_NaN(), d, m, s);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(m, 0);
}

TEST(Vectors, AnglesAndProducts) {
    double a = 0, d = 0, x = 0, y = 0, z = 0;
    VECSPH(0, -1, 0, a, d);
    EXPECT_NEAR(a, 1.5 * kPi, 1e-15);
    EXPECT_NEAR(d, 0.0, 1e-15);
    VECSPH(0, 0, std::nextafter(1.0, 2.0), a, d);  // a rounding step beyond the pole
    EXPECT_EQ(d, kPi / 2);
    VECSPH(0, 0, std::nextafter(-1.0, -2.0), a, d);
    EXPECT_EQ(d, -kPi / 2);
    for (double alpha = 0.05; alpha < 2 * kPi; alpha += 0.3)
        for (double delta = -1.5; delta <= 1.5; delta += 0.25) {
            SPHVEC(alpha, delta, x, y, z);
            VECSPH(x, y, z, a, d);
            ASSERT_NEAR(a, alpha, 1e-13);
            ASSERT_NEAR(d, delta, 1e-13);
        }
    SPHXYZ(x, y, z, 0.0, kPi / 6, 2.0, 3.0);
    expect_vec(x, y, z, 3.0 * std::cos(kPi / 6), 0.0, 1.0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double kN = std::sqrt(0.53 * 0.53 * 2 + 1.02 * 1.02);
    const struct {
        double x[3], y[3], z[3];
    } cross[] = {
        {{2, 0, 0}, {0, 3, 0}, {0, 0, 1}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{1, 2, 3}, {2, 4, 6}, {0, 0, 0}},  // parallel: no direction
        {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}},
        {{1, nan, 3}, {2, 0, 0}, {nan, nan, nan}},  // NaN, not a parallel pair
        {{inf, 1, 1}, {1, 1, 1}, {nan, nan, nan}},
        {{1, 2, inf}, {0, 0, 0}, {nan, nan, nan}},  // with a zero vector, still NaN
        // Products that over- or underflow: the unit normal all the same.
        {{1e-160, 0, 0}, {0, 1e-160, 0}, {0, 0, 1}},
        {{1e200, 0, 0}, {0, 0, -3e200}, {0, 1, 0}},
        {{1e300, 1e300, 0}, {5e-324, 0, 0}, {0, 0, -1}},
        {{-0.19, 0.83, -0.53}, {1e-160, 1e-160, 0}, {0.53 / kN, -0.53 / kN, -1.02 / kN}},
    };
    for (const auto& t : cross) {
        UCROSS(t.x[0], t.x[1], t.x[2], t.y[0], t.y[1], t.y[2], x, y, z);
        if (std::isnan(t.z[0])) {
            EXPECT_TRUE(std::isnan(x) && std::isnan(y) && std::isnan(z)) << t.x[0] << " " << t.x[1];
        } else {
            expect_vec(x, y, z, t.z[0], t.z[1], t.z[2]);
        }
    }
}

TEST(Vectors, RotationAboutAnAxis) {
    double b1 = 0, b2 = 0, b3 = 0;
    ROTAXS(1, 0, 0, 0, 0, 1, kPi / 2, b1, b2, b3);
    expect_vec(b1, b2, b3, 0, 1, 0);
    ROTAXS(0, 1, 0, 1, 0, 0, kPi / 2, b1, b2, b3);  // right-handed about x: y to z
    expect_vec(b1, b2, b3, 0, 0, 1);
    // About a skew axis, in place: 120 degrees about (1,1,1)/sqrt 3 cycles the axes.
    const double u = 1.0 / std::sqrt(3.0);
    double v1 = 1, v2 = 0, v3 = 0;
    ROTAXS(v1, v2, v3, u, u, u, 2 * kPi / 3, v1, v2, v3);
    expect_vec(v1, v2, v3, 0, 1, 0);
}

// The solution in column N+1 of AA satisfies the N equations of M; the coefficients are untouched.
void expect_solves(const double (&m)[6][7], const double (&aa)[6][7], int n) {
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int j = 0; j < n; ++j) sum += m[i][j] * aa[j][n];
        EXPECT_NEAR(sum, m[i][n], 1e-12 * (1 + std::fabs(m[i][n]))) << "equation " << i + 1;
        for (int j = 0; j < n; ++j) EXPECT_EQ(aa[i][j], m[i][j]);
    }
}

TEST(Gaussj, SolvesBySubstitution) {
    double two[2][3] = {{1, 1, 3}, {1, -1, 1}};
    GAUSSJ(two, 2);
    EXPECT_NEAR(two[0][2], 2.0, 1e-15);
    EXPECT_NEAR(two[1][2], 1.0, 1e-15);
    double swapped[2][3] = {{0, 1, 5}, {1, 0, 6}};  // first pivot in column 2: unknowns exchanged
    GAUSSJ(swapped, 2);
    EXPECT_EQ(swapped[0][2], 6.0);
    EXPECT_EQ(swapped[1][2], 5.0);

    // Zero on the diagonal and widely mixed magnitudes: both row and column exchanges happen.
    const double m[6][7] = {{0, 2, -1, 4, 0.5, 3, 7}, {1e-3, 0, 5, -2, 1, 0, -1}, {8, 1, 0, 0, -3, 2, 4},
                            {-2, 6, 1, 9, 0, -1, 2},  {3, -4, 2, 1, 12, 0, -5},   {0.25, 1, -7, 0, 2, 5, 3}};
    double aa[6][7];
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 7; ++j) aa[k][j] = m[k][j];
    GAUSSJ(aa, 6);
    expect_solves(m, aa, 6);
    // A 3 x 3 system inside the larger declared array leaves the other elements alone.
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 7; ++j) aa[k][j] = m[k][j];
    aa[0][3] = 7;
    aa[1][3] = -1;
    aa[2][3] = 4;
    double m3[6][7];
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 7; ++j) m3[k][j] = aa[k][j];
    GAUSSJ(aa, 3);
    expect_solves(m3, aa, 3);
    for (int k = 3; k < 6; ++k)
        for (int j = 0; j < 7; ++j) EXPECT_EQ(aa[k][j], m3[k][j]);
}

TEST(Gaussj, DegenerateInputIsDefined) {
    double singular[2][3] = {{1, 2, 3}, {2, 4, 6}};
    GAUSSJ(singular, 2);
    EXPECT_TRUE(std::isnan(singular[0][2]) && std::isnan(singular[1][2]));
    EXPECT_EQ(singular[1][1], 4.0);
    double big[7][8] = {};
    for (int k = 0; k < 7; ++k) big[k][k] = 1, big[k][7] = k;
    GAUSSJ(big, 7);  // more than six equations
    for (int k = 0; k < 7; ++k) EXPECT_TRUE(std::isnan(big[k][7]));
    double small[2][3] = {{1, 0, 5}, {0, 1, 6}};
    const std::int32_t bad[][3] = {{2, 3, 0}, {2, 3, -1}, {2, 3, 3}, {2, 2, 2}};  // NROW, NCOL, N
    for (const auto& b : bad) {
        GAUSSJ(&small[0][0], b[0], b[1], b[2]);  // cannot hold the system: nothing touched
        EXPECT_EQ(small[0][2], 5.0);
        EXPECT_EQ(small[1][2], 6.0);
    }
    GAUSSJ(nullptr, 2, 3, 2);
}

}  // namespace
