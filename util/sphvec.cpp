// SPHVEC, VECSPH, SPHXYZ  Spherical angles to and from rectangular vectors.
#include <cmath>

#include <solarlon/util.hpp>

namespace solarlon {

void SPHVEC(const double& ALPHA, const double& DELTA, double& X, double& Y, double& Z) {
    const double cd = std::cos(DELTA);
    const double x = std::cos(ALPHA) * cd;
    const double y = std::sin(ALPHA) * cd;
    const double z = std::sin(DELTA);
    X = x;
    Y = y;
    Z = z;
}

void VECSPH(const double& X, const double& Y, const double& Z, double& ALPHA, double& DELTA, const RDSET& SET) {
    double alpha = std::atan2(Y, X);
    if (alpha < 0.0) alpha = alpha + 2.0 * SET.PI;
    // A unit vector built by rotations may have |Z| a rounding step above 1; NaN is kept.
    double z = Z;
    if (z > 1.0) z = 1.0;
    if (z < -1.0) z = -1.0;
    const double delta = std::asin(z);
    ALPHA = alpha;
    DELTA = delta;
}

void SPHXYZ(double& X, double& Y, double& Z, const double& ALPHA, const double& DELTA, const double& P,
            const double& Q) {
    const double x = Q * std::cos(DELTA) * std::cos(ALPHA);
    const double y = Q * std::cos(DELTA) * std::sin(ALPHA);
    const double z = P * std::sin(DELTA);
    X = x;
    Y = y;
    Z = z;
}

}  // namespace solarlon
