// ROTAXS  Rotation of a vector about an arbitrary unit axis, right-handed.
#include <cmath>

#include <solarlon/util.hpp>

namespace solarlon {

void ROTAXS(const double& A1, const double& A2, const double& A3, const double& UX, const double& UY, const double& UZ,
            const double& THETA, double& B1, double& B2, double& B3) {
    const double c = std::cos(THETA);
    const double s = std::sin(THETA);
    const double v = 1.0 - c;  // versine
    double r[3][3];
    r[0][0] = UX * UX + (1.0 - UX * UX) * c;
    r[0][1] = UX * UY * v + UZ * s;
    r[0][2] = UX * UZ * v - UY * s;
    r[1][0] = UX * UY * v - UZ * s;
    r[1][1] = UY * UY + (1.0 - UY * UY) * c;
    r[1][2] = UY * UZ * v + UX * s;
    r[2][0] = UX * UZ * v + UY * s;
    r[2][1] = UY * UZ * v - UX * s;
    r[2][2] = UZ * UZ + (1.0 - UZ * UZ) * c;
    // Each output is a column of r times a; all three are formed before any is stored.
    const double a1 = A1, a2 = A2, a3 = A3;
    const double b1 = r[0][0] * a1 + r[1][0] * a2 + r[2][0] * a3;
    const double b2 = r[0][1] * a1 + r[1][1] * a2 + r[2][1] * a3;
    const double b3 = r[0][2] * a1 + r[1][2] * a2 + r[2][2] * a3;
    B1 = b1;
    B2 = b2;
    B3 = b3;
}

}  // namespace solarlon
