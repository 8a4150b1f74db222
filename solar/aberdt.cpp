// ABERDT, ABERRD  Annual aberration with the Sun's longitude from the solar theory.
#include <cmath>

#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/util.hpp>

namespace solarlon {

// ABERDT
//  Method:   The longitude is SUNLNG's geometric longitude referred to the mean equinox of date; the
//            rest is ABERR's circular-orbit aberration.
//  Called:   SUNLNG, ABERR
void ABERDT(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& X, double& Y, double& Z) {
    static const double EQDATE = 0.0;  // equinox of the instant
    double delt = 0.0, lon = 0.0, rv = 0.0, xs = 0.0, ys = 0.0, zs = 0.0;
    SUNLNG(EQDATE, YEAR, MON, DAY, HOUR, MINUTE, SECOND, delt, lon, rv, xs, ys, zs);
    ABERR(ISIGN, YEAR, MON, DAY, HOUR, MINUTE, SECOND, X, Y, Z, lon);
}

// ABERRD
//  Method:   ABERDT on the unit vector of RA and DEC, turned back into angles (TURNRD).
//  Notes:    Near a pole the first-order displacement can carry the sine of the declination past 1;
//            it is then taken as 1, so the result is +-90 and not NaN.
//  Called:   TURNRD, ABERDT
void ABERRD(const std::int32_t& ISIGN, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
            const double& MINUTE, const double& SECOND, double& RA, double& DEC) {
    const auto turn = [&](double& x, double& y, double& z) {
        ABERDT(ISIGN, YEAR, MON, DAY, HOUR, MINUTE, SECOND, x, y, z);
    };
    TURNRD(turn, RA, DEC);
}

}  // namespace solarlon
