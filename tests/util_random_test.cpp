// The run-long generator, its normal deviates and the random displacement of star positions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <solarlon/constants.hpp>
#include <solarlon/util.hpp>

#include "util/seams.hpp"

namespace {

using namespace solarlon;

bool same(const URSTATE& a, const URSTATE& b) { return a.S1 == b.S1 && a.S2 == b.S2; }

TEST(Urand, FixedSequence) {
    URRESET();
    const double first[] = {0.65010871, 0.5127977, 0.1629064, 0.6757041};  // by hand from the recurrence
    for (std::size_t k = 0; k < 4; ++k) {
        double u = -1;
        URAND(u);
        EXPECT_NEAR(u, first[k], 1e-15) << "draw " << k + 1;
        if (k == 0) {
            EXPECT_TRUE(same(URGET(), URSTATE{51279770, 65010871}));
        }
    }
    URRESET();
    EXPECT_TRUE(same(URGET(), URSTATE{65010871, 86268900}));
    for (int k = 0; k < 100000; ++k) {
        double u = -1;
        URAND(u);
        ASSERT_TRUE(u >= 0.0 && u <= 1.0) << u;
    }
}

// Each deviate uses the next fifty uniform deviates and is their sum less its mean of 25, times one
// factor: the same from any starting point, proportional to sigma, and making the spread sigma to
// half a per cent, the standard deviation of the sum being sqrt(50/12).
TEST(Gausrn, FiftyDrawsScaledToSigma) {
    // The generator from its starting values, N draws on.
    const auto advanced = [](int n) {
        URRESET();
        for (int k = 0; k < n; ++k) {
            double u = 0;
            URAND(u);
        }
    };
    double factor = 0;
    for (int start = 0; start < 20; ++start) {
        advanced(7 * start);
        double sum = 0;
        for (int k = 0; k < 50; ++k) {
            double u = 0;
            URAND(u);
            sum += u;
        }
        const URSTATE after = URGET();
        advanced(7 * start);
        double e2 = 0, e5 = 0;
        GAUSRN(2.0, e2);
        EXPECT_TRUE(same(URGET(), after)) << start;
        advanced(7 * start);
        GAUSRN(5.0, e5);
        EXPECT_NEAR(e5, 2.5 * e2, 1e-15 * std::fabs(e5)) << start;
        const double f = e2 / (sum - 25.0);
        if (start == 0) factor = f;
        EXPECT_NEAR(f, factor, 1e-12 * factor) << start;
    }
    EXPECT_NEAR(factor / 2.0 * std::sqrt(50.0 / 12.0), 1.0, 0.005);
    // Mean near 0 and standard deviation near sigma over many deviates.
    double e = 0, s1 = 0, s2 = 0;
    const int n = 4000;
    for (int k = 0; k < n; ++k) {
        GAUSRN(3.0, e);
        s1 += e;
        s2 += e * e;
    }
    EXPECT_NEAR(s1 / n, 0.0, 0.2);
    EXPECT_NEAR(std::sqrt(s2 / n - (s1 / n) * (s1 / n)), 3.0, 0.3);
}

TEST(Rdpert, ConvertsOnlyWithoutDisplacement) {
    RDSET set;
    for (std::int32_t izan : {1, 0, 4, -7}) {  // IPERT 0, then classes that name no standard error
        set.IPERT = izan == 1 ? 0 : 1;
        set.IZAN = izan;
        URRESET();
        double a = 0, d = 0;
        RDPERT(6, 0, 0, -30, 0, 0, a, d, set);
        EXPECT_NEAR(a, kPi / 2, 1e-15);
        EXPECT_NEAR(d, -kPi / 6, 1e-15);
        EXPECT_TRUE(same(URGET(), URSTATE{65010871, 86268900})) << "IZAN " << izan;
    }
}

TEST(Rdpert, DisplacesByExactlyTheErrorAngle) {
    RDSET set;
    set.IPERT = 1;
    set.ZANSDK[2] = 3600.0;  // a standard error of 1 degree, well conditioned for the dot product
    // clang-format off
    const struct { std::int32_t h, m; double s; std::int32_t d, dm; double ds, sdk; std::int32_t izan; } stars[] = {
        {0, 0, 0, 0, 0, 0, 0, 3}, {5, 35, 17.3, -5, 23, 28, 0, 3}, {2, 31, 49, 89, 15, 51, 0, 3},
        {18, 36, 56.3, 38, 47, 1, 0, 3}, {12, 0, 0, -45, 0, 0, 0, 3}, {21, 10, 5, 10, 0, 0, 0, 1},
    };
    // clang-format on
    for (const auto& t : stars) {
        set.IZAN = t.izan;
        URRESET();  // the deviates RDPERT will draw: one uniform, then fifty for the error
        double u = 0, e = 0;
        URAND(u);
        GAUSRN(set.ZANSDK[t.izan - 1] / 3600.0 * set.RAD, e);
        const URSTATE after = URGET();
        URRESET();
        double a = 0, d = 0, a2 = 0, d2 = 0;
        RDPERT(t.h, t.m, t.s, t.d, t.dm, t.ds, a, d, set);
        EXPECT_TRUE(same(URGET(), after));
        URRESET();
        RDPERT(t.h, t.m, t.s, t.d, t.dm, t.ds, a2, d2, set);
        EXPECT_EQ(a, a2);  // the same in every run
        EXPECT_EQ(d, d2);
        EXPECT_TRUE(a >= 0.0 && a < 2 * kPi);
        double v[3], w[3];
        SPHVEC(HMSDEG(t.h, t.m, t.s) * set.RAD, DMSDEG(t.d, t.dm, t.ds) * set.RAD, v[0], v[1], v[2]);
        SPHVEC(a, d, w[0], w[1], w[2]);
        const double dot = v[0] * w[0] + v[1] * w[1] + v[2] * w[2];
        const double cr = std::hypot(v[1] * w[2] - v[2] * w[1], v[2] * w[0] - v[0] * w[2], v[0] * w[1] - v[1] * w[0]);
        EXPECT_NEAR(std::atan2(cr, dot), std::fabs(e), 1e-12 * std::fabs(e) + 1e-15) << t.h << "h " << t.d << "d";
        if (t.izan == 3) {
            EXPECT_NEAR(dot, std::cos(e), 1e-13);
        }
    }
}

}  // namespace
