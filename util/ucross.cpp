// UCROSS  Unit vector along the cross product of two vectors.
#include <cmath>
#include <limits>

#include <solarlon/util.hpp>

namespace solarlon {

void UCROSS(const double& X1, const double& X2, const double& X3, const double& Y1, const double& Y2,
            const double& Y3, double& Z1, double& Z2, double& Z3) {
    double z1 = X2 * Y3 - X3 * Y2;
    double z2 = X3 * Y1 - X1 * Y3;
    double z3 = X1 * Y2 - X2 * Y1;
    const double len = std::sqrt(z1 * z1 + z2 * z2 + z3 * z3);
    if (len > 0.0 && std::isfinite(len)) {
        z1 = z1 / len;
        z2 = z2 / len;
        z3 = z3 / len;
    } else if (len == 0.0) {
        // Parallel or zero vectors: no perpendicular direction is defined.
        z1 = 0.0;
        z2 = 0.0;
        z3 = 0.0;
    } else {
        // A NaN or infinite component (or a product too large to square): no direction either,
        // and the caller must see it rather than take the vectors for parallel.
        z1 = std::numeric_limits<double>::quiet_NaN();
        z2 = z1;
        z3 = z1;
    }
    Z1 = z1;
    Z2 = z2;
    Z3 = z3;
}

}  // namespace solarlon
