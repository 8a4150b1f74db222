// ABERR  Annual aberration of a unit direction for a circular orbit of the Earth.
//  Method:   p' = p + k (V - (p.V) p) with V = (sin L, -cos L cos eps, -cos L sin eps), the direction
//            of the Earth's motion, 90 degrees of longitude behind the Sun L, and k = 20.49552 arc
//            seconds. The formula assumes |p| = 1.
//  References: the constant of aberration of the IAU (1976) system of astronomical constants,
//            20.49552" (Transactions of the IAU XVI B, 1977)
//  Called:   TIMARG, OBLIQ
#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>

namespace solarlon {

void ABERR(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
           const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z, const double& SUNLON) {
    const double rad = kDegree;

    double d = 0.0, t = 0.0;
    TIMARG(YEAR, MON, DAY, HOUR, MINUTE, SECOND, d, t);
    const double eps = OBLIQ(t) * rad;
    const double el = SUNLON * rad;
    const double k = static_cast<double>(ISIGN) * 0.00009936508;  // constant of aberration, radians

    const double ce = std::cos(eps), se = std::sin(eps);
    const double sl = std::sin(el), cl = std::cos(el);
    const double x = X, y = Y, z = Z;
    const double x1 = x + k * ((1.0 - x * x) * sl + x * y * cl * ce + x * z * cl * se);
    const double y1 = y + k * (-x * y * sl - (1.0 - y * y) * cl * ce + y * z * cl * se);
    const double z1 = z + k * (-x * z * sl + y * z * cl * ce - (1.0 - z * z) * cl * se);
    X = x1;
    Y = y1;
    Z = z1;
}

}  // namespace solarlon
