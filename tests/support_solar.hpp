// Test support for the solar theory: the longitude at an instant, and a uniformly moving stand-in for
// it. Header-only: the io and util tests link the same support library and no solar library.
#ifndef SOLARLON_TESTS_SUPPORT_SOLAR_HPP
#define SOLARLON_TESTS_SUPPORT_SOLAR_HPP

#include <cmath>

#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>

namespace testsupport {

// The Sun's longitude from SUNLNG, degrees, for the equinox choice EQ at a UT instant.
inline double sun_longitude(double eq, double year, double mon, double day, double hour, double minute = 0.0,
                            double second = 0.0) {
    double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
    solarlon::SUNLNG(eq, year, mon, day, hour, minute, second, delt, lon, rv, x, y, z);
    return lon;
}

// A model longitude for the search, degrees: SCALE degrees of uniform motion per tropical year of
// 365.2422 days, exactly 0 at 1978 March 21, 0 h UT, raised by JUMP from 1979 on. It makes grid
// values that the theory gives only by chance, and steps it never has.
struct UniformSun {
    double jump = 0.0;
    double scale = 360.0;
    double operator()(const double& year, const double& mon, const double& day, const double& hour) const {
        const double t = solarlon::DAYNUM(year, mon, day) - solarlon::DAYNUM(1978.0, 3.0, 21.0) + hour / 24.0;
        const double u = t / 365.2422;
        return scale * (u - std::floor(u)) + (year > 1978.5 ? jump : 0.0);
    }
};

}  // namespace testsupport

#endif
