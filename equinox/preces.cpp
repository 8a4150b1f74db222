// PRECES  Newcomb precession of a rectangular equatorial vector between two mean equinoxes.
//  Method:   The angles zeta0, z and theta are Newcomb's in their 1900-based form, T0 centuries from
//            1900 to EP0 and t centuries from EP0 to EP1. The rotation is R3(-z) R2(theta) R3(-zeta0).
//  Accuracy: the polynomials are not exact inverses: 1950 -> 2000 -> 1950 comes back to about 3e-9.
//  References: Explanatory Supplement to the Astronomical Ephemeris and the American Ephemeris
//            and Nautical Almanac, HMSO, London (1961): Newcomb's precession angles in this form;
//            S. Newcomb, The Elements of the Four Inner Planets and the Fundamental Constants of
//            Astronomy, Washington (1895): his constant of precession, on which they rest
//  Called:   none
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

void PRECES(const double& EP0, const double& EP1, double& X, double& Y, double& Z) {
    const double as2r = kDegree / 3600.0;  // arc seconds to radians

    const double t0 = (EP0 - 1900.0) / 100.0;  // centuries from 1900 to the starting epoch
    const double t = (EP1 - EP0) / 100.0;      // centuries of precession
    const double t2 = t * t;
    const double t3 = t2 * t;

    // Precession angles, arc seconds.
    const double zeta = (2304.25 + 1.396 * t0) * t + 0.302 * t2 + 0.018 * t3;
    const double z = zeta + 0.791 * t2 + 0.001 * t3;
    const double theta = (2004.682 - 0.853 * t0) * t - 0.426 * t2 - 0.042 * t3;

    const double cze = std::cos(zeta * as2r), sze = std::sin(zeta * as2r);
    const double cz = std::cos(z * as2r), sz = std::sin(z * as2r);
    const double cth = std::cos(theta * as2r), sth = std::sin(theta * as2r);

    const double x = X, y = Y, zz = Z;
    const double x1 = (cze * cth * cz - sze * sz) * x + (-sze * cth * cz - cze * sz) * y - sth * cz * zz;
    const double y1 = (cze * cth * sz + sze * cz) * x + (cze * cz - sze * cth * sz) * y - sth * sz * zz;
    const double z1 = cze * sth * x - sze * sth * y + cth * zz;
    X = x1;
    Y = y1;
    Z = z1;
}

}  // namespace solarlon
