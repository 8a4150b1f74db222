// NUTRD  Nutation of right ascension and declination, mean to true (ISIGN = +1) or back (-1).
//  Notes:    The first-order rotation does not keep the length exactly; a sine of declination beyond
//            1 in magnitude is taken as 1, so a position at a pole gives +-90 and not NaN.
//  Called:   TURNRD, NUTATE
#include <cmath>

#include <solarlon/equinox.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

void NUTRD(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
           const double& MINUTE, const double& SECOND, double& RA, double& DEC) {
    const auto turn = [&](double& x, double& y, double& z) {
        NUTATE(ISIGN, YEAR, MON, DAY, HOUR, MINUTE, SECOND, x, y, z);
    };
    TURNRD(turn, RA, DEC);
}

}  // namespace solarlon
