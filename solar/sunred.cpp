// SUNRED  The Sun's rectangular coordinates from the mean equinox of 1950.0 to the chosen equinox.
//
//  Given and Returned: see solar/tables.hpp.
//  Called:   PRECES, NUTATE, ABERR
#include <cmath>
#include <cstdint>

#include <solarlon/equinox.hpp>
#include "solar/tables.hpp"

namespace solarlon::detail {

void SUNRED(const double& IEQ, const double& EQ, const double& EP, const double& YEAR,
            const double& MON, const double& DAY, const double& HOUR, const double& MINUTE,
            const double& SECOND, const double& LON, double& X, double& Y, double& Z) {
    static const double Y1950 = 1950.0;
    static const std::int32_t PLUS = 1;
    const double len = std::sqrt(X * X + Y * Y + Z * Z);
    double u1 = X / len, u2 = Y / len, u3 = Z / len;
    if (IEQ == 0.0) {
        PRECES(Y1950, EP, u1, u2, u3);
        NUTATE(PLUS, YEAR, MON, DAY, HOUR, MINUTE, SECOND, u1, u2, u3);
        ABERR(PLUS, YEAR, MON, DAY, HOUR, MINUTE, SECOND, u1, u2, u3, LON);
    } else {
        PRECES(Y1950, EQ, u1, u2, u3);
    }
    X = u1 * len;
    Y = u2 * len;
    Z = u3 * len;
}

}  // namespace solarlon::detail
