// Precession and nutation of right ascension and declination, and the single-precision entry.
#include <gtest/gtest.h>

#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

#include "support.hpp"

using solarlon::NUTRD;
using solarlon::PRECRD;
using solarlon::PRECRS;
using testsupport::angdiff;
using testsupport::Instant;

// The equinox of 1950.0 on the equator and equinox of 2000.0 by Newcomb's precession, and back.
TEST(Precrd, PublishedValues) {
    struct Case {
        double ep0, ep1, ra, dec, ra1, dec1;
    } const cases[] = {
        {1950.0, 2000.0, 0.0, 0.0, 0.6403653, 0.2783334},
        {2000.0, 1950.0, 0.0, 0.0, 359.3596346, -0.2783334},  // a negative angle brought into range
    };
    for (const auto& c : cases) {
        double ra = c.ra, dec = c.dec;
        PRECRD(c.ep0, c.ep1, ra, dec);
        EXPECT_NEAR(ra, c.ra1, 6e-8);
        EXPECT_NEAR(dec, c.dec1, 6e-8);
    }
}

// Returned right ascensions lie in [0, 360) and declinations in [-90, 90], also at the poles, where
// the rotated sine of the declination may round past 1.
TEST(Precrd, RangesHoldEverywhere) {
    const double decs[] = {-90.0, -89.9999999, -45.0, 0.0, 30.0, 89.9999999, 90.0};
    for (double ep1 : {1950.0, 2000.0, 1800.0}) {
        for (double ra0 = 0.0; ra0 < 360.0; ra0 += 22.5) {
            for (double dec0 : decs) {
                double ra = ra0, dec = dec0;
                PRECRD(1950.0, ep1, ra, dec);
                EXPECT_GE(ra, 0.0);
                EXPECT_LT(ra, 360.0);
                EXPECT_GE(dec, -90.0);
                EXPECT_LE(dec, 90.0);
            }
        }
    }
}

TEST(Precrd, SameEpochKeepsThePosition) {
    for (double ra0 : {0.0, 10.0, 185.5, 359.9}) {
        for (double dec0 : {-60.0, 0.0, 45.0}) {
            double ra = ra0, dec = dec0;
            PRECRD(1975.5, 1975.5, ra, dec);
            EXPECT_NEAR(angdiff(ra, ra0), 0.0, 1e-12);
            EXPECT_NEAR(dec, dec0, 1e-12);
        }
    }
}

TEST(Precrs, IsPrecrdRoundedToSingle) {
    struct Case {
        float ep0, ep1, ra, dec;
    } const cases[] = {
        {1950.0f, 2000.0f, 0.0f, 0.0f},    {2000.0f, 1950.0f, 0.0f, 0.0f},    {1950.0f, 2000.0f, 101.25f, -16.7f},
        {1950.0f, 1978.5f, 279.2f, 38.8f}, {2000.0f, 2050.0f, 37.9f, 89.26f},
    };
    for (const auto& c : cases) {
        float ra = c.ra, dec = c.dec;
        PRECRS(c.ep0, c.ep1, ra, dec);
        double rad = c.ra, decd = c.dec;
        PRECRD(static_cast<double>(c.ep0), static_cast<double>(c.ep1), rad, decd);
        EXPECT_EQ(ra, static_cast<float>(rad));
        EXPECT_EQ(dec, static_cast<float>(decd));
    }
}

// Removing undoes applying to first order; the rest is of the order of the squared nutation angles
// (up to (20")^2, 5e-7 degree), since the rotation is first order and not renormalised.
TEST(Nutrd, ApplyThenRemoveReturnsThePosition) {
    const Instant instants[] = {{2000, 1, 1, 12, 0, 0}, {1978, 6, 10, 12, 20, 0}, {1900, 1, 0, 12, 0, 0}};
    const double pos[][2] = {{0.0, 0.0}, {101.28, -16.71}, {279.23, 38.78}, {359.99, 5.0}, {180.0, -70.0}};
    for (const auto& t : instants) {
        for (const auto& p : pos) {
            double ra = p[0], dec = p[1];
            NUTRD(1, t.y, t.mo, t.d, t.h, t.mi, t.s, ra, dec);
            EXPECT_GT(std::fabs(angdiff(ra, p[0])) + std::fabs(dec - p[1]), 1e-4);  // it did move
            NUTRD(-1, t.y, t.mo, t.d, t.h, t.mi, t.s, ra, dec);
            EXPECT_NEAR(angdiff(ra, p[0]) * std::cos(p[1] * solarlon::kPi / 180.0), 0.0, 5e-7) << t.y << " " << p[0];
            EXPECT_NEAR(dec, p[1], 5e-7) << t.y << " " << p[0];
        }
    }
}

// At the mean equinox the nutation in longitude appears along the equator as dpsi cos eps and
// toward the pole as dpsi sin eps (dpsi = -14.0046", eps = 23.4392804 degrees at 2000 January 1.5).
TEST(Nutrd, EquinoxMovesByTheNutationInLongitude) {
    double ra = 0.0, dec = 0.0;
    NUTRD(1, 2000.0, 1.0, 1.0, 12.0, 0.0, 0.0, ra, dec);
    const double e = 23.4392804 * solarlon::kPi / 180.0;
    EXPECT_NEAR(angdiff(ra, 0.0) * 3600.0, -14.0046 * std::cos(e), 1e-4);
    EXPECT_NEAR(dec * 3600.0, -14.0046 * std::sin(e), 1e-4);
}

TEST(Nutrd, PolesGiveFiniteDeclinations) {
    for (double dec0 : {90.0, 89.99999999, -90.0, -89.99999999}) {
        for (double ra0 : {0.0, 90.0, 200.0}) {
            double ra = ra0, dec = dec0;
            NUTRD(1, 2000.0, 1.0, 1.0, 12.0, 0.0, 0.0, ra, dec);
            EXPECT_TRUE(std::isfinite(ra) && std::isfinite(dec));
            EXPECT_LE(std::fabs(dec), 90.0);
            EXPECT_GT(std::fabs(dec), 89.99);
        }
    }
}
