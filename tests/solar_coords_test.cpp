// The Sun's rectangular coordinates referred to the chosen equinox, and the longitude and radius
// vector left as the series gives them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>

#include "support.hpp"

using solarlon::SUNLNG;
using testsupport::angdiff;
using testsupport::Instant;
using testsupport::to_ecliptic;

namespace {

const double RAD = solarlon::kDegree;

struct Sun {
    double delt, lon, rv, x, y, z;
};

Sun sunlng(double eq, const Instant& t) {
    Sun s{};
    SUNLNG(eq, t.y, t.mo, t.d, t.h, t.mi, t.s, s.delt, s.lon, s.rv, s.x, s.y, s.z);
    return s;
}

// Years from 1950 January 0, 0 h, to the instant (UT, whole days by the day number).
double years1950(const Instant& t) {
    const double y1950 = 1950.0, m1 = 1.0, d0 = 0.0;
    return (solarlon::DAYNUM(t.y, t.mo, t.d) - solarlon::DAYNUM(y1950, m1, d0) + t.h / 24.0 + t.mi / 1440.0 +
            t.s / 86400.0) /
           365.242194;
}

// Longitude (degrees) on the mean ecliptic of the epoch EP (years) of the direction at longitude LON
// (degrees) on the mean ecliptic of 1950.0, carried by the rotation of the equatorial frame.
double precessed_longitude(double lon, double ep) {
    double x = 0, y = 0, z = 0;
    testsupport::from_ecliptic(lon, 0.0, solarlon::OBLIQ(0.5), x, y, z);
    solarlon::PRECES(1950.0, ep, x, y, z);
    double l = 0, b = 0;
    to_ecliptic(x, y, z, solarlon::OBLIQ((ep - 1900.0) / 100.0), l, b);
    return l;
}

const Instant INSTANTS[] = {
    {1978, 6, 10, 12, 20, 0}, {2000, 1, 1, 12, 0, 0},   {1952, 10, 24, 9.36, 0, 0}, {2030, 3, 20, 0, 0, 0},
    {1900, 9, 1, 0, 0, 0},    {1978, 6, 10.5, 0, 0, 0}, {2000, 1, 1, -9, 0, 0},     {1965, 2, 28, 23, 59, 59.5},
};

}  // namespace

// The longitude and the radius vector come from the series alone: the published longitudes, the
// same radius vector for every equinox, and the longitude of one equinox is the 1950 longitude
// carried by the precession alone, whatever rotation the coordinates receive (nutation and
// aberration would move it by up to 38" at the equinox of date). The precession in longitude agrees
// with that of the equatorial frame to under 1" within 150 years of 1950; the equinox of date is
// the mean equinox of the year the instant has reached.
TEST(SunlngCoords, LongitudeAndRadiusDoNotDependOnTheReduction) {
    const Instant t{1978, 6, 10, 12, 20, 0};
    EXPECT_NEAR(sunlng(1950, t).lon, 78.87223, 6e-6);
    EXPECT_NEAR(sunlng(1950, t).rv, 1.015293, 6e-7);
    EXPECT_NEAR(sunlng(0, t).lon, 79.26941, 6e-6);
    EXPECT_NEAR(sunlng(2000, t).lon, 79.57047, 6e-6);
    for (const auto& i : INSTANTS) {
        const Sun s1950 = sunlng(1950, i);
        const double date = 1950.0 + years1950(i);
        struct Case {
            double eq, epoch;
        } const cases[] = {{2000.0, 2000.0}, {2000.25, 2000.25}, {1800.0, 1800.0}, {0.0, date}};
        for (const auto& c : cases) {
            const Sun s = sunlng(c.eq, i);
            EXPECT_EQ(s.rv, s1950.rv) << c.eq << " " << i.y;
            EXPECT_EQ(s.delt, s1950.delt);
            EXPECT_NEAR(angdiff(s.lon, precessed_longitude(s1950.lon, c.epoch)) * 3600.0, 0.0, 1.0)
                << c.eq << " " << i.y;
        }
        EXPECT_NEAR(angdiff(sunlng(0, i).lon, sunlng(date, i).lon), 0.0, 1e-11) << i.y;
    }
}

// Mean equinox of 1950: the coordinates of the series, X = RV cos LON and the direction at the
// longitude LON. The latitude above the 1950 ecliptic follows the ecliptic of date, which moves by
// about 0.47" a year. Choices that round to 1950 are the same.
TEST(SunlngCoords, Equinox1950IsTheSeriesFrame) {
    const double eps1950 = std::atan2(0.3978812, 0.917437) / RAD;
    for (const auto& i : INSTANTS) {
        const Sun s = sunlng(1950, i);
        EXPECT_NEAR(s.x, s.rv * std::cos(s.lon * RAD), 1e-13);
        EXPECT_NEAR(std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z), s.rv, 1e-6);
        double lon = 0, lat = 0;
        to_ecliptic(s.x, s.y, s.z, eps1950, lon, lat);
        EXPECT_NEAR(angdiff(lon, s.lon) * 3600.0, 0.0, 3.0);
        EXPECT_LT(std::fabs(lat) * 3600.0, 3.0 + 0.5 * std::fabs(i.y - 1950.0)) << i.y;
        for (double eq : {1949.5, 1950.3, 1950.49}) {
            const Sun r = sunlng(eq, i);
            EXPECT_EQ(r.x, s.x);
            EXPECT_EQ(r.y, s.y);
            EXPECT_EQ(r.z, s.z);
        }
    }
}

// Another year: the 1950 coordinates precessed to that year, with the fraction of the choice, and
// with their length.
TEST(SunlngCoords, AnotherYearIsThePrecessed1950Vector) {
    for (const auto& i : INSTANTS) {
        const Sun s = sunlng(1950, i);
        for (double eq : {2000.0, 2000.25, 1800.0, 2100.7, -1.5}) {
            double x = s.x, y = s.y, z = s.z;
            solarlon::PRECES(1950.0, eq, x, y, z);
            const Sun r = sunlng(eq, i);
            EXPECT_NEAR(r.x, x, 1e-15) << eq;
            EXPECT_NEAR(r.y, y, 1e-15) << eq;
            EXPECT_NEAR(r.z, z, 1e-15) << eq;
        }
        // Near 2000 the direction's longitude on the 2000 ecliptic is LON to a fraction of an arc second.
        const Sun r = sunlng(2000.0, i);
        double lon = 0, lat = 0;
        to_ecliptic(r.x, r.y, r.z, 23.4392911, lon, lat);
        EXPECT_NEAR(angdiff(lon, r.lon) * 3600.0, 0.0, 0.2) << i.y;
    }
}

// Equinox of date: the unit vector precessed to the epoch of the instant, turned to the true equator
// and equinox, given annual aberration with the longitude of date, and scaled back by its length.
TEST(SunlngCoords, EquinoxOfDateIsPrecessionNutationAberration) {
    const std::int32_t plus = 1;
    for (const auto& i : INSTANTS) {
        const Sun s1950 = sunlng(1950, i);
        const Sun s = sunlng(0, i);
        const double len = std::sqrt(s1950.x * s1950.x + s1950.y * s1950.y + s1950.z * s1950.z);
        double u1 = s1950.x / len, u2 = s1950.y / len, u3 = s1950.z / len;
        solarlon::PRECES(1950.0, 1950.0 + years1950(i), u1, u2, u3);
        solarlon::NUTATE(plus, i.y, i.mo, i.d, i.h, i.mi, i.s, u1, u2, u3);
        solarlon::ABERR(plus, i.y, i.mo, i.d, i.h, i.mi, i.s, u1, u2, u3, s.lon);
        EXPECT_NEAR(s.x, u1 * len, 1e-14) << i.y << " " << i.mo << " " << i.d;
        EXPECT_NEAR(s.y, u2 * len, 1e-14);
        EXPECT_NEAR(s.z, u3 * len, 1e-14);
        // Rounded choices from -1.5 (exclusive) to 0.5 (exclusive) select the equinox of date.
        for (double eq : {-1.0, -0.3, 0.49}) {
            const Sun r = sunlng(eq, i);
            EXPECT_EQ(r.x, s.x);
            EXPECT_EQ(r.y, s.y);
            EXPECT_EQ(r.z, s.z);
        }
    }
}

// Seen on the true ecliptic of date the returned direction is the apparent Sun: LON (geometric, mean
// equinox of date) plus the nutation in longitude less 20.4955" of aberration, to the fraction of an
// arc second by which the vector precession and the longitude polynomial differ.
TEST(SunlngCoords, EquinoxOfDateIsTheApparentDirection) {
    const std::int32_t plus = 1;
    for (const auto& i : INSTANTS) {
        double d = 0, tc = 0;
        solarlon::TIMARG(i.y, i.mo, i.d, i.h, i.mi, i.s, d, tc);
        // Nutation in longitude and obliquity from the rotation of the equinox and of the pole.
        double ax = 1, ay = 0, az = 0, px = 0, py = 0, pz = 1;
        solarlon::NUTATE(plus, i.y, i.mo, i.d, i.h, i.mi, i.s, ax, ay, az);
        solarlon::NUTATE(plus, i.y, i.mo, i.d, i.h, i.mi, i.s, px, py, pz);
        const double dpsi = std::copysign(std::hypot(ay, az), ay) / RAD * 3600.0;
        const double eps = solarlon::OBLIQ(tc) - py / RAD;
        const Sun s = sunlng(0, i);
        double lon = 0, lat = 0;
        to_ecliptic(s.x, s.y, s.z, eps, lon, lat);
        EXPECT_NEAR(angdiff(lon, s.lon) * 3600.0, dpsi - 20.4955, 0.3) << i.y << " " << i.mo;
        EXPECT_LT(std::fabs(lat) * 3600.0, 3.0);
    }
}
