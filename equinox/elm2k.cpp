// ELM2K, ELM2KS  Orientation elements of an orbit from the equator and equinox 1950 (FK4) to 2000 (FK5).
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

// ELM2K  Orientation elements from 1950 to 2000 (double precision).
//  Notes:    The elements give the Gaussian vectors P and Q in the FK4 equatorial frame of 1950,
//            which are rotated to FK5 J2000.0 and turned back into elements on the ecliptic of 2000;
//            results in [0, 360). Below |i| = 0.001 degree the node is only advanced by the general
//            precession in longitude over the 50 years, 0.69824 degree (2513.66": Newcomb's
//            5025.64" + 2.22" T a century from 1900, Explanatory Supplement, 1961), and omega and i are
//            returned as given (not reduced). Just above that limit the node and the perihelion of a
//            nearly flat orbit can move far, while their sum stays nearly the same.
//  Called:   ELMPQ, ROT2K, PQELM
void ELM2K(double& PERI, double& NODE, double& INCL) {
    if (std::fabs(INCL) < 0.001) {
        NODE = NODE + 0.69824;
        return;
    }
    const double rad = kDegree;
    const double w = PERI * rad, n = NODE * rad, i = INCL * rad;
    double p[3], q[3], p1[3], q1[3];
    ELMPQ(w, n, i, p, q);
    ROT2K(p, p1);
    ROT2K(q, q1);
    double w1 = 0.0, n1 = 0.0, i1 = 0.0;
    PQELM(p1, q1, w1, n1, i1);
    PERI = w1 / rad;
    NODE = n1 / rad;
    INCL = i1 / rad;
}

// ELM2KS  ELM2K for single-precision values.
//  Notes:    The work is done in double precision; only the results are rounded to float.
//  Called:   ELM2K
void ELM2KS(float& PERI, float& NODE, float& INCL) {
    double w = PERI, n = NODE, i = INCL;
    ELM2K(w, n, i);
    PERI = static_cast<float>(w);
    NODE = static_cast<float>(n);
    INCL = static_cast<float>(i);
}

}  // namespace solarlon
