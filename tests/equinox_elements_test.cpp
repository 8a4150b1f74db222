// Orbital orientation elements from 1950 to 2000: Gaussian vectors, the FK4 to FK5 rotation, and the
// elements recovered from the vectors, also where omega or the node is 0 or 180 degrees.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

#include "support.hpp"

using solarlon::ELM2K;
using solarlon::ELM2KS;
using solarlon::ELMPQ;
using solarlon::PQELM;
using solarlon::PRECES;
using solarlon::ROT2K;
using testsupport::angdiff;

namespace {

const double PI = solarlon::kPi;
const double RAD = solarlon::kDegree;
const double EPS1950 = 23.445788 * RAD;
const double EPS2000 = 23.43929111 * RAD;

double dot(const double (&a)[3], const double (&b)[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double dist(const double (&a)[3], const double (&b)[3]) {
    return std::max({std::fabs(a[0] - b[0]), std::fabs(a[1] - b[1]), std::fabs(a[2] - b[2])});
}

// Equatorial vector (obliquity eps) of an ecliptic vector.
void equatorial(const double (&e)[3], double eps, double (&v)[3]) {
    const double c = std::cos(eps), s = std::sin(eps);
    v[0] = e[0];
    v[1] = e[1] * c - e[2] * s;
    v[2] = e[1] * s + e[2] * c;
}

// The same ecliptic vector from the equator of obliquity eps0 to that of eps1.
void reframe(const double (&v0)[3], double eps0, double eps1, double (&v1)[3]) {
    const double c = std::cos(eps0), s = std::sin(eps0);
    const double e[3] = {v0[0], v0[1] * c + v0[2] * s, -v0[1] * s + v0[2] * c};
    equatorial(e, eps1, v1);
}

// Gaussian vectors for elements in degrees, on the ecliptic of 2000 (ELMPQ's, moved to that equator).
void gauss2000(double w, double n, double i, double (&p)[3], double (&q)[3]) {
    double p50[3], q50[3];
    ELMPQ(w * RAD, n * RAD, i * RAD, p50, q50);
    reframe(p50, EPS1950, EPS2000, p);
    reframe(q50, EPS1950, EPS2000, q);
}

// The IAU 1976 precession from B1950.0 (JD 2433282.42345905) to J2000.0, by the angles zeta_A, z_A
// and theta_A of Lieske et al. (1977), after a turn of E about the pole that makes right ascensions
// grow: M = R3(-z_A) R2(theta_A) R3(-zeta_A) R3(-E).
void fk4_to_fk5(double e, double (&m)[3][3]) {
    const double as2r = RAD / 3600.0;
    const double T = (2433282.42345905 - 2451545.0) / 36525.0;  // start epoch, centuries from J2000
    const double t = -T;                                        // centuries of precession
    const double w = 2306.2181 + 1.39656 * T - 0.000139 * T * T;
    const double zeta = (w * t + (0.30188 - 0.000344 * T) * t * t + 0.017998 * t * t * t) * as2r;
    const double z = (w * t + (1.09468 + 0.000066 * T) * t * t + 0.018203 * t * t * t) * as2r;
    const double v = 2004.3109 - 0.85330 * T - 0.000217 * T * T;
    const double theta = (v * t - (0.42665 + 0.000217 * T) * t * t - 0.041833 * t * t * t) * as2r;
    const double cz = std::cos(zeta), sz = std::sin(zeta), cZ = std::cos(z), sZ = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta), ce = std::cos(e), se = std::sin(e);
    const double p[3][3] = {{cz * ct * cZ - sz * sZ, -sz * ct * cZ - cz * sZ, -st * cZ},
                            {cz * ct * sZ + sz * cZ, -sz * ct * sZ + cz * cZ, -st * sZ},
                            {cz * st, -sz * st, ct}};
    for (int r = 0; r < 3; ++r) {
        m[r][0] = p[r][0] * ce + p[r][1] * se;
        m[r][1] = -p[r][0] * se + p[r][1] * ce;
        m[r][2] = p[r][2];
    }
}

}  // namespace

// P and Q are orthonormal, P x Q is the orbit's pole (sin i sin Omega, -sin i cos Omega, cos i) on
// the ecliptic, and with omega = 0 P points to the ascending node.
TEST(Elmpq, VectorsAreTheOrbitsFrame) {
    const double cases[][3] = {{100, 80, 10}, {0, 0, 0}, {0, 250, 35}, {300, 45, 120}, {180, 180, 179}};
    for (const auto& c : cases) {
        double p[3], q[3];
        ELMPQ(c[0] * RAD, c[1] * RAD, c[2] * RAD, p, q);
        EXPECT_NEAR(dot(p, p), 1.0, 1e-15);
        EXPECT_NEAR(dot(q, q), 1.0, 1e-15);
        EXPECT_NEAR(dot(p, q), 0.0, 1e-15);
        const double n = c[1] * RAD, i = c[2] * RAD;
        const double pole_e[3] = {std::sin(i) * std::sin(n), -std::sin(i) * std::cos(n), std::cos(i)};
        double pole[3];
        equatorial(pole_e, EPS1950, pole);
        const double cross[3] = {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
        EXPECT_LT(dist(cross, pole), 1e-15) << c[0] << " " << c[1] << " " << c[2];
    }
    double p[3], q[3], node[3];
    ELMPQ(0.0, 250.0 * RAD, 35.0 * RAD, p, q);
    const double node_e[3] = {std::cos(250.0 * RAD), std::sin(250.0 * RAD), 0.0};
    equatorial(node_e, EPS1950, node);
    EXPECT_LT(dist(p, node), 1e-15);
}

// The matrix is a rotation to all its digits; it is the IAU 1976 precession from B1950.0 to J2000.0
// after the FK4 equinox correction of 0.525", and close to 50 years of Newcomb's precession plus that
// correction (Newcomb's and the IAU 1976 precession differ by about an arc second here).
TEST(Rot2k, IsTheFk4ToFk5Rotation) {
    const double basis[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    double col[3][3];
    for (int k = 0; k < 3; ++k) ROT2K(basis[k], col[k]);
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) EXPECT_NEAR(dot(col[a], col[b]), a == b ? 1.0 : 0.0, 2e-16) << a << b;
    }
    // The precession matrix alone as published to ten digits (J. H. Lieske, Astron. Astrophys. 73, 282,
    // 1979: the IAU 1976 precession from B1950.0 to J2000.0), then with the correction, to the
    // rounding of the sixteen-digit table.
    const double published[3][3] = {{0.9999257080, -0.0111789381, -0.0048590038},
                                    {0.0111789381, 0.9999375133, -0.0000271626},
                                    {0.0048590038, -0.0000271579, 0.9999881946}};
    double m[3][3];
    fk4_to_fk5(0.0, m);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(m[r][c], published[r][c], 5.1e-11) << r << c;
    }
    fk4_to_fk5(0.525 / 3600.0 * RAD, m);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(col[c][r], m[r][c], 1e-15) << r << c;
    }
    const double corr = 0.525 / 3600.0 * RAD;  // right ascensions grow
    for (const auto& v : {std::array<double, 3>{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.48, -0.6, 0.64}}) {
        double x = v[0], y = v[1], z = v[2];
        PRECES(1950.0, 2000.0, x, y, z);
        const double e[3] = {x * std::cos(corr) - y * std::sin(corr), x * std::sin(corr) + y * std::cos(corr), z};
        const double r0[3] = {v[0], v[1], v[2]};
        double r[3];
        ROT2K(r0, r);
        EXPECT_LT(dist(r, e), 1e-5);  // 2 arc seconds
    }
}

TEST(Rot2k, OutputMayBeTheInput) {
    double v[3] = {0.48, -0.6, 0.64};
    double r[3];
    ROT2K(v, r);
    ROT2K(v, v);
    EXPECT_EQ(v[0], r[0]);
    EXPECT_EQ(v[1], r[1]);
    EXPECT_EQ(v[2], r[2]);
}

// Elements to vectors and back, also with omega or Omega at 0 or 180 degrees, where one of the
// textbook quotients for sin i and cos i divides by zero.
// clang-format off
TEST(Pqelm, RecoversElementsIncludingZeroAnd180) {
    const double cases[][3] = {
        {100, 80, 10},  {250, 300, 120}, {30, 45, 179},   {60, 200, 90},                    // general
        {0, 80, 10},    {180, 80, 10},   {0, 300, 120},   {180, 300, 60},                   // omega
        {100, 0, 10},   {100, 180, 10},  {250, 0, 120},   {250, 180, 170},                  // Omega
        {0, 0, 10},     {180, 180, 30},  {0, 180, 90},    {180, 0, 150},   {90, 0, 45},    // both
        {1e-9, 1e-9, 5}, {179.9999999, 180.0000001, 5},                                   // near
    };
    // clang-format on
    for (const auto& c : cases) {
        double p[3], q[3];
        gauss2000(c[0], c[1], c[2], p, q);
        double w = -1, n = -1, i = -1;
        PQELM(p, q, w, n, i);
        ASSERT_TRUE(std::isfinite(w) && std::isfinite(n) && std::isfinite(i)) << c[0] << " " << c[1];
        EXPECT_GE(w, 0.0);
        EXPECT_LE(w, 2.0 * PI);
        EXPECT_GE(n, 0.0);
        EXPECT_LE(n, 2.0 * PI);
        EXPECT_GE(i, 0.0);
        EXPECT_LE(i, PI);
        EXPECT_NEAR(angdiff(w / RAD, c[0]), 0.0, 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_NEAR(angdiff(n / RAD, c[1]), 0.0, 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_NEAR(i / RAD, c[2], 1e-9) << c[0] << " " << c[1] << " " << c[2];
        double p1[3], q1[3];
        gauss2000(w / RAD, n / RAD, i / RAD, p1, q1);
        EXPECT_LT(dist(p1, p), 1e-14);
        EXPECT_LT(dist(q1, q), 1e-14);
    }
}

// Reference values of the transformation to the digits shown (FK4 1950 elements to FK5 2000).
TEST(Elm2k, PublishedValues) {
    struct Case {
        double w, n, i;     // 1950
        double w1, n1, i1;  // 2000
        double tol_w, tol_n, tol_i;
    } const cases[] = {
        {100, 80, 10, 100.03741, 80.66170, 10.00055, 6e-6, 6e-6, 6e-6},
        // Just above the shortcut: a nearly flat orbit, whose node and perihelion move far.
        {100, 80, 0.001, 176.617, 4.081, 0.00668, 6e-4, 6e-4, 6e-6},
    };
    for (const auto& c : cases) {
        double w = c.w, n = c.n, i = c.i;
        ELM2K(w, n, i);
        EXPECT_NEAR(w, c.w1, c.tol_w);
        EXPECT_NEAR(n, c.n1, c.tol_n);
        EXPECT_NEAR(i, c.i1, c.tol_i);
        // The longitude of perihelion advances by about the general precession either way.
        EXPECT_NEAR(angdiff(w + n, c.w + c.n), 0.698, 0.01);
    }
}

TEST(Elm2k, BelowOneThousandthDegreeOnlyTheNodeMoves) {
    const double cases[][3] = {{100, 80, 0.0005}, {10, 359.5, 0.0}, {400, -20, -0.0009}};
    for (const auto& c : cases) {
        double w = c[0], n = c[1], i = c[2];
        ELM2K(w, n, i);
        EXPECT_EQ(w, c[0]);
        EXPECT_EQ(i, c[2]);
        EXPECT_EQ(n, c[1] + 0.69824);
    }
}

TEST(Elm2k, ResultsInRangeOverAGrid) {
    for (double w0 = 0; w0 < 360; w0 += 45) {
        for (double n0 = 0; n0 < 360; n0 += 45) {
            for (double i0 : {0.001, 5.0, 90.0, 135.0, 179.9}) {
                double w = w0, n = n0, i = i0;
                ELM2K(w, n, i);
                EXPECT_TRUE(w >= 0 && w < 360 && n >= 0 && n < 360 && i >= 0 && i <= 180)
                    << w0 << " " << n0 << " " << i0 << " -> " << w << " " << n << " " << i;
                if (i0 >= 5.0) {
                    EXPECT_NEAR(i, i0, 0.01);  // the ecliptic moves by under 1"/yr
                }
            }
        }
    }
}

TEST(Elm2ks, IsElm2kRoundedToSingle) {
    const float cases[][3] = {{100, 80, 10}, {100, 80, 0.001f}, {100, 80, 0.0005f}, {12.5f, 300.25f, 163.1f}};
    for (const auto& c : cases) {
        float w = c[0], n = c[1], i = c[2];
        ELM2KS(w, n, i);
        double wd = c[0], nd = c[1], id = c[2];
        ELM2K(wd, nd, id);
        EXPECT_EQ(w, static_cast<float>(wd));
        EXPECT_EQ(n, static_cast<float>(nd));
        EXPECT_EQ(i, static_cast<float>(id));
    }
}
