// ELMPQ  Gaussian vectors of an orbit in the equatorial frame of 1950.
//  Notes:    The ecliptic components are turned to the equator with the mean obliquity of 1950.0,
//            23.445788 degrees (23 26' 44.84", Newcomb's obliquity at 1950.0; Explanatory Supplement,
//            1961).
//  Called:   none
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

void ELMPQ(const double& PERI, const double& NODE, const double& INCL, double (&EPXYZ)[3], double (&EQXYZ)[3]) {
    const double eps = 23.445788 * kPi / 180.0;
    const double ce = std::cos(eps), se = std::sin(eps);
    const double cw = std::cos(PERI), sw = std::sin(PERI);
    const double cn = std::cos(NODE), sn = std::sin(NODE);
    const double ci = std::cos(INCL), si = std::sin(INCL);

    // Ecliptic y components of P and Q; their ecliptic z components are sw si and cw si.
    const double py = cw * sn + sw * cn * ci;
    const double qy = cw * cn * ci - sw * sn;
    const double p1 = cw * cn - sw * sn * ci;
    const double p2 = py * ce - sw * si * se;
    const double p3 = py * se + sw * si * ce;
    const double q1 = -sw * cn - cw * sn * ci;
    const double q2 = qy * ce - cw * si * se;
    const double q3 = qy * se + cw * si * ce;
    EPXYZ[0] = p1;
    EPXYZ[1] = p2;
    EPXYZ[2] = p3;
    EQXYZ[0] = q1;
    EQXYZ[1] = q2;
    EQXYZ[2] = q3;
}

}  // namespace solarlon
