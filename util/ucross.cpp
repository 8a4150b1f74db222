// UCROSS  Unit vector along the cross product of two vectors.
//
//  Method:   Each vector, and then the product, is scaled by a power of two that brings its largest
//            component into [0.5, 1). That changes no direction and rounds nothing but components
//            some 2^1000 below the largest, and no product or square then over- or underflows.
#include <cmath>
#include <limits>

#include <solarlon/util.hpp>

namespace solarlon {

namespace {

// The vector scaled by the power of two that brings its largest component into [0.5, 1); a zero
// vector stays zero. False for a NaN or infinite component.
bool unit_scaled(double& a, double& b, double& c) {
    const double m = std::fmax(std::fabs(a), std::fmax(std::fabs(b), std::fabs(c)));
    if (!std::isfinite(m) || std::isnan(a) || std::isnan(b) || std::isnan(c)) return false;
    if (m == 0.0) return true;
    int e = 0;
    std::frexp(m, &e);
    a = std::ldexp(a, -e);
    b = std::ldexp(b, -e);
    c = std::ldexp(c, -e);
    return true;
}

}  // namespace

void UCROSS(const double& X1, const double& X2, const double& X3, const double& Y1, const double& Y2, const double& Y3,
            double& Z1, double& Z2, double& Z3) {
    double x1 = X1, x2 = X2, x3 = X3, y1 = Y1, y2 = Y2, y3 = Y3;
    double z1 = std::numeric_limits<double>::quiet_NaN(), z2 = z1, z3 = z1;
    // A NaN or infinite component: no direction, and the caller must see it rather than take the
    // vectors for parallel.
    if (unit_scaled(x1, x2, x3) && unit_scaled(y1, y2, y3)) {
        z1 = x2 * y3 - x3 * y2;
        z2 = x3 * y1 - x1 * y3;
        z3 = x1 * y2 - x2 * y1;
        unit_scaled(z1, z2, z3);
        const double len = std::sqrt(z1 * z1 + z2 * z2 + z3 * z3);
        if (len > 0.0) {
            z1 = z1 / len;
            z2 = z2 / len;
            z3 = z3 / len;
        } else {
            // Parallel or zero vectors: no perpendicular direction is defined.
            z1 = 0.0;
            z2 = 0.0;
            z3 = 0.0;
        }
    }
    Z1 = z1;
    Z2 = z2;
    Z3 = z3;
}

}  // namespace solarlon
