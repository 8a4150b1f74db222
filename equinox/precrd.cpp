// PRECRD, PRECRS  Newcomb precession of right ascension and declination between two mean equinoxes.
#include <cmath>

#include <solarlon/equinox.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

// PRECRD  Precession of right ascension and declination (double precision).
//  Notes:    The direction is rotated as a unit vector. A sine of declination a rounding step
//            beyond 1 in magnitude is taken as 1, so a position at a pole gives +-90 and not NaN.
//  Called:   TURNRD, PRECES
void PRECRD(const double& EP0, const double& EP1, double& RA, double& DEC) {
    TURNRD([&](double& x, double& y, double& z) { PRECES(EP0, EP1, x, y, z); }, RA, DEC);
}

// PRECRS  PRECRD for single-precision values.
//  Notes:    The work is done in double precision; only the results are rounded to float.
//  Called:   PRECRD
void PRECRS(const float& EP0, const float& EP1, float& RA, float& DEC) {
    const double ep0 = EP0, ep1 = EP1;
    double ra = RA, dec = DEC;
    PRECRD(ep0, ep1, ra, dec);
    RA = static_cast<float>(ra);
    DEC = static_cast<float>(dec);
}

}  // namespace solarlon
