// sunlng_literal  SUNLNG evaluated literally.
//
//  Method:   Every angle converted to radians as it stands and given to the library's sine and
//            cosine, every multiple angle evaluated for itself; the time arguments and the reduction
//            to the chosen equinox are SUNLNG's own. The two agree to some 1e-11 degree in the
//            longitude.
//  Called:   time_arguments, choose_equinox, refer_longitude, refer_coordinates
#include "tests/support/sunlng_literal.hpp"

#include <cmath>

#include <solarlon/constants.hpp>
#include <solarlon/solar.hpp>

#include "solar/detail.hpp"
#include "solar/tables.hpp"

namespace solarlon {

namespace detail {

void sunlng_literal(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
                    const double& MINUTE, const double& SECOND, double& DELT, double& LON, double& RV, double& X,
                    double& Y, double& Z) {
    const double rad = kDegree;

    // Inputs copied first, so that outputs may share a variable with them.
    const double eq = EQ, year = YEAR, mon = MON, day = DAY, hour = HOUR, minute = MINUTE, second = SECOND;

    const TimeArguments ta = time_arguments(year, mon, day, hour, minute, second);
    const double delt = ta.delt, d = ta.d, ty = ta.ty, tc = ta.tc, l = ta.l;

    // Equation of the centre (degrees) and the elliptic terms of the radius vector (AU).
    const double e1 = 1.91618 - 0.00479 * tc;
    const double e2 = 0.02003 - 0.0001 * tc;
    const double r0 = 1.0001398 - 0.0000007 * tc;
    const double re1 = 0.0167207 - 0.00004179 * tc;
    const double re2 = 0.0001398 - 0.0000007 * tc;

    const double ma = DAT[0][0] + DAT[0][1] * d;  // mean anomaly, degrees

    // Planetary and long-period terms: longitude in 0.00001 degree, radius in 0.0000001 AU.
    double sl = 0.0, sr = 0.0;
    for (int j = 1; j < 21; ++j) {
        const double a = DAT[j][0] + DAT[j][1] * ty;
        sl = sl + DAT[j][2] * std::sin(a * rad);
        sr = sr + DAT[j][3] * std::cos(a * rad);
    }

    // Lunar arguments, degrees: mean elongation D, D less the Moon's mean anomaly, argument of
    // latitude F.
    const double ad = 315.65 + 12.1907491 * d;
    const double as = 176.03 - 0.8742433 * d;
    const double af = 0.43 + 13.2293506 * d;

    // Longitude and radius vector, mean equinox of 1950.0.
    double lon =
        l + 60.91042 + e1 * std::sin(ma * rad) + e2 * std::sin(2.0 * ma * rad) +
        0.00001 * (29.0 * std::sin(3.0 * ma * rad) + 179.0 * std::sin(ad * rad) - 12.0 * std::sin(as * rad) + sl);
    const double rv =
        r0 - re1 * std::cos(ma * rad) - re2 * std::cos(2.0 * ma * rad) +
        0.0000001 * (307.0 * std::cos(ad * rad) - 18.0 * std::cos(3.0 * ma * rad) - 31.0 * std::cos(as * rad) + sr);

    // Equatorial coordinates, mean equator and equinox of 1950.0 (obliquity 23.4458 degrees);
    // the terms in B and sin F are the Sun's latitude above the 1950 ecliptic.
    const double b = std::sin((lon + 6.0) * rad);
    double x = rv * std::cos(lon * rad);
    double yy = 0.917437 * rv * std::sin(lon * rad) + 0.000001 * ((17.0 + 0.9 * ty) * b - std::sin(af * rad));
    double z = 0.3978812 * rv * std::sin(lon * rad) + 0.000001 * (3.0 * std::sin(af * rad) - (39.0 + 2.1 * ty) * b);

    const Equinox equinox = choose_equinox(eq, year, mon, day, hour, minute, second);
    lon = refer_longitude(equinox, lon);
    if (equinox.kind != EquinoxKind::mean_1950) {
        refer_coordinates(equinox, year, mon, day, hour, minute, second, lon, x, yy, z);
    }

    DELT = delt;
    LON = lon;
    RV = rv;
    X = x;
    Y = yy;
    Z = z;
}

}  // namespace detail

}  // namespace solarlon
