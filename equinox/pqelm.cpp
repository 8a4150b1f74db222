// PQELM  Orientation elements of an orbit from its Gaussian vectors in the equatorial frame of 2000.
//  Notes:    The ecliptic is the one of obliquity 23.43929111 degrees (23 26' 21.448", the mean
//            obliquity of J2000.0 of the IAU 1976 system: Lieske et al., Astron. Astrophys. 58, 1, 1977).
//            The ecliptic z components of P and Q are sin omega sin i and cos omega sin i; their x and
//            y components give Omega and i. Each of sin i and cos i is taken from the pair of
//            components whose divisor (sin or cos of omega, of Omega) is the larger in magnitude, so
//            omega or Omega at 0 or 180 degrees gives a finite, well-conditioned result. For a flat
//            orbit (i = 0 or 180 degrees) omega and Omega are not defined; the result is finite.
//            A value a rounding step below 0 may come back as 2 pi.
//  Called:   none
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

void PQELM(const double (&PXYZ)[3], const double (&QXYZ)[3], double& PERI, double& NODE, double& INCL) {
    const double eps = 23.43929111 * kPi / 180.0;
    const double ce = std::cos(eps), se = std::sin(eps);

    // Components normal to the ecliptic: sin omega sin i and cos omega sin i.
    const double a = ce * PXYZ[2] - se * PXYZ[1];
    const double b = ce * QXYZ[2] - se * QXYZ[1];
    double w = std::atan2(a, b);
    if (w < 0.0) w = w + 2.0 * kPi;
    const double sw = std::sin(w), cw = std::cos(w);

    // The node: P cos omega - Q sin omega is the unit vector toward it.
    const double sn_ = (PXYZ[1] * cw - QXYZ[1] * sw) / ce;
    const double cn_ = PXYZ[0] * cw - QXYZ[0] * sw;
    double n = std::atan2(sn_, cn_);
    if (n < 0.0) n = n + 2.0 * kPi;
    const double sn = std::sin(n), cn = std::cos(n);

    // P sin omega + Q cos omega is the in-plane unit vector 90 degrees past the node:
    // (-sin Omega cos i, cos Omega cos i, sin i) on the ecliptic.
    const double si = std::fabs(sw) >= std::fabs(cw) ? a / sw : b / cw;
    const double ux = PXYZ[0] * sw + QXYZ[0] * cw;
    const double uy = (PXYZ[1] * sw + QXYZ[1] * cw) * ce + (PXYZ[2] * sw + QXYZ[2] * cw) * se;
    const double ci = std::fabs(sn) >= std::fabs(cn) ? -ux / sn : uy / cn;
    double i = std::atan2(si, ci);
    if (i < 0.0) i = i + 2.0 * kPi;

    PERI = w;
    NODE = n;
    INCL = i;
}

}  // namespace solarlon
