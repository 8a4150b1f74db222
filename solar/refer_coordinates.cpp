// refer_coordinates  The Sun's rectangular coordinates from the mean equinox of 1950.0 to the chosen
//                    equinox.
//
//  Method:   The unit vector is precessed from 1950.0 to the epoch of the equinox; for the equinox of
//            the instant it is then turned to the true equator and equinox of date and receives annual
//            aberration, both of the UT instant. The length is put back unchanged: the vector is not
//            renormalised after the first-order rotations.
//  Called:   PRECES, NUTATE, ABERR
#include <cmath>
#include <cstdint>

#include <solarlon/equinox.hpp>

#include "detail.hpp"

namespace solarlon::detail {

void refer_coordinates(const Equinox& EQ, double YEAR, double MON, double DAY, double HOUR, double MINUTE,
                       double SECOND, double LON, double& X, double& Y, double& Z) {
    const double len = std::sqrt(X * X + Y * Y + Z * Z);
    double u1 = X / len, u2 = Y / len, u3 = Z / len;
    PRECES(1950.0, EQ.epoch, u1, u2, u3);
    if (EQ.kind == EquinoxKind::of_date) {
        NUTATE(1, YEAR, MON, DAY, HOUR, MINUTE, SECOND, u1, u2, u3);
        ABERR(1, YEAR, MON, DAY, HOUR, MINUTE, SECOND, u1, u2, u3, LON);
    }
    X = u1 * len;
    Y = u2 * len;
    Z = u3 * len;
}

}  // namespace solarlon::detail
