// RDPERT  Right ascension and declination in radians, optionally displaced by a random error.
#include <cmath>
#include <cstdint>

#include <solarlon/util.hpp>

namespace solarlon {

void RDPERT(const std::int32_t& H, const std::int32_t& M, const double& S, const std::int32_t& D,
            const std::int32_t& DM, const double& DS, double& ALPHA, double& DELTA, const RDSET& SET) {
    double alpha = HMSDEG(H, M, S) * SET.RAD;
    double delta = DMSDEG(D, DM, DS) * SET.RAD;
    const std::int32_t izan = SET.IZAN;
    if (SET.IPERT != 0 && izan >= 1 && izan <= 3) {
        // Direction of the star.
        double v1 = 0.0, v2 = 0.0, v3 = 0.0;
        SPHVEC(alpha, delta, v1, v2, v3);
        // A unit vector perpendicular to it: across the pole, or across the x axis near the poles.
        double q1 = 0.0, q2 = 0.0, q3 = 0.0;
        if (std::fabs(delta) < 45.0 * SET.RAD) {
            UCROSS(v1, v2, v3, 0.0, 0.0, 1.0, q1, q2, q3);
        } else {
            UCROSS(v1, v2, v3, 1.0, 0.0, 0.0, q1, q2, q3);
        }
        // Position angle uniform over the circle, error angle normal with the chosen standard error.
        double u = 0.0;
        URAND(u);
        double e = 0.0;
        GAUSRN(SET.ZANSDK[izan - 1] / 3600.0 * SET.RAD, e);
        // Turn the perpendicular about the star to the position angle, then the star about it by e.
        ROTAXS(q1, q2, q3, v1, v2, v3, u * 2.0 * SET.PI, q1, q2, q3);
        ROTAXS(v1, v2, v3, q1, q2, q3, e, v1, v2, v3);
        VECSPH(v1, v2, v3, alpha, delta, SET);
    }
    ALPHA = alpha;
    DELTA = delta;
}

}  // namespace solarlon
