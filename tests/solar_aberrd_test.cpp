// Annual aberration with the Sun's longitude from the solar theory, of vectors and of right ascension
// and declination.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>

#include "support.hpp"

using solarlon::ABERDT;
using solarlon::ABERRD;
using solarlon::SUNLNG;
using testsupport::angdiff;
using testsupport::Instant;

namespace {

const double RAD = solarlon::kDegree;

const Instant INSTANTS[] = {{1978, 6, 10, 12, 20, 0}, {2000, 1, 1, 12, 0, 0}, {2013, 2, 2, -3, 30, 15}};

}  // namespace

// The Earth moves toward the point of the ecliptic of date 90 degrees behind the Sun's longitude of
// date: that apex and its opposite stay put (a longitude off by 1" would move them by 5e-10), the
// Sun's own direction moves back along the ecliptic by the constant of aberration, 20.4955", or
// forward when aberration is removed, and sign 0 moves nothing.
TEST(Aberdt, ApexIsNinetyDegreesBehindTheSunOfDate) {
    for (const std::int32_t sign : {1, -1, 0}) {
        for (const auto& i : INSTANTS) {
            double delt, lon, rv, xs, ys, zs;
            SUNLNG(0.0, i.y, i.mo, i.d, i.h, i.mi, i.s, delt, lon, rv, xs, ys, zs);
            double d = 0, tc = 0;
            solarlon::TIMARG(i.y, i.mo, i.d, i.h, i.mi, i.s, d, tc);
            const double eps = solarlon::OBLIQ(tc);
            for (double off : {-90.0, 90.0}) {
                double ax, ay, az;
                testsupport::from_ecliptic(lon + off, 0.0, eps, ax, ay, az);
                double x = ax, y = ay, z = az;
                ABERDT(sign, i.y, i.mo, i.d, i.h, i.mi, i.s, x, y, z);
                EXPECT_NEAR(x, ax, 1e-15) << sign << " " << i.y << " " << off;
                EXPECT_NEAR(y, ay, 1e-15) << sign << " " << i.y << " " << off;
                EXPECT_NEAR(z, az, 1e-15) << sign << " " << i.y << " " << off;
            }
            double x, y, z;
            testsupport::from_ecliptic(lon, 0.0, eps, x, y, z);
            const double x0 = x, y0 = y, z0 = z;
            ABERDT(sign, i.y, i.mo, i.d, i.h, i.mi, i.s, x, y, z);
            double l = 0, b = 0;
            testsupport::to_ecliptic(x, y, z, eps, l, b);
            EXPECT_NEAR(angdiff(l, lon) * 3600.0, -20.4955 * sign, 1e-4) << sign << " " << i.y;
            EXPECT_NEAR(b * 3600.0, 0.0, 1e-9) << sign << " " << i.y;
            if (sign == 0) {
                EXPECT_EQ(x, x0);
                EXPECT_EQ(y, y0);
                EXPECT_EQ(z, z0);
            }
        }
    }
}

// The Sun's own geometric direction appears 20.5" behind it: its right ascension and declination
// move as a 20.4955" step back along the ecliptic would move them (to the second order of the
// aberration, k^2 = 0.002", which the declination of the vector, not renormalised, shows).
TEST(Aberrd, SunAppearsBehindByTheConstant) {
    for (const auto& i : INSTANTS) {
        double delt, lon, rv, x, y, z;
        SUNLNG(0.0, i.y, i.mo, i.d, i.h, i.mi, i.s, delt, lon, rv, x, y, z);
        double d = 0, tc = 0;
        solarlon::TIMARG(i.y, i.mo, i.d, i.h, i.mi, i.s, d, tc);
        const double e = solarlon::OBLIQ(tc) * RAD;
        auto radec = [&](double l, double& ra, double& dec) {
            const double xe = std::cos(l * RAD), ye = std::sin(l * RAD);
            ra = std::atan2(ye * std::cos(e), xe) / RAD;
            if (ra < 0) ra += 360.0;
            dec = std::asin(ye * std::sin(e)) / RAD;
        };
        double ra = 0, dec = 0, ra1 = 0, dec1 = 0;
        radec(lon, ra, dec);
        radec(lon - 20.4955 / 3600.0, ra1, dec1);
        ABERRD(1, i.y, i.mo, i.d, i.h, i.mi, i.s, ra, dec);
        EXPECT_NEAR(angdiff(ra, ra1) * 3600.0, 0.0, 2e-3) << i.y;
        EXPECT_NEAR((dec - dec1) * 3600.0, 0.0, 2e-3) << i.y;
    }
}

TEST(Aberrd, AddThenRemoveReturnsThePosition) {
    const double pos[][2] = {{0.0, 0.0}, {101.28, -16.71}, {279.23, 38.78}, {359.99, 5.0}, {180.0, -70.0}};
    for (const auto& i : INSTANTS) {
        for (const auto& p : pos) {
            double ra = p[0], dec = p[1];
            ABERRD(1, i.y, i.mo, i.d, i.h, i.mi, i.s, ra, dec);
            EXPECT_GT(std::hypot(angdiff(ra, p[0]) * std::cos(p[1] * RAD), dec - p[1]), 1e-4);
            EXPECT_GE(ra, 0.0);
            EXPECT_LT(ra, 360.0);
            ABERRD(-1, i.y, i.mo, i.d, i.h, i.mi, i.s, ra, dec);
            // Second order in the constant of aberration, (20.5")^2 = 6e-7 degree; the declination
            // read from the sine of a vector not renormalised carries it divided by cos dec.
            const double tol = 6e-7 / std::cos(p[1] * RAD);
            EXPECT_NEAR(angdiff(ra, p[0]) * std::cos(p[1] * RAD), 0.0, tol) << p[0];
            EXPECT_NEAR(dec, p[1], tol) << p[0];
        }
    }
}

// Within a few arc seconds of a pole the displacement can carry the sine of the declination past 1:
// the declination is then the pole's, never NaN.
TEST(Aberrd, PolesGiveFiniteDeclinations) {
    for (const auto& i : INSTANTS) {
        for (double dec0 : {90.0, 89.9999995, 89.999, -90.0, -89.9999995}) {
            for (double ra0 = 0.0; ra0 < 360.0; ra0 += 30.0) {
                double ra = ra0, dec = dec0;
                ABERRD(1, i.y, i.mo, i.d, i.h, i.mi, i.s, ra, dec);
                ASSERT_TRUE(std::isfinite(ra) && std::isfinite(dec)) << ra0 << " " << dec0;
                EXPECT_LE(std::fabs(dec), 90.0);
                EXPECT_NEAR(std::fabs(dec), std::fabs(dec0), 21.0 / 3600.0);
            }
        }
    }
}
