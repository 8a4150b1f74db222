// reference_longitude, reference_longitude_fixed, reference_instant  The Sun's geometric longitude
// from ERFA, and the instant of a longitude.
//
//  Notes:  1 eraEpv00 gives the Earth's heliocentric position in the BCRS (ICRS axes); its negative
//            is the geometric geocentric Sun (no light time). eraEcm06 rotates ICRS to the mean
//            ecliptic and equinox of a date with the IAU 2006 precession (frame bias included).
//          2 eraEpv00 warns outside 1900-2100 (status 1); its error there is still far below the
//            0.01 arc second that the report shows, so the warning is not acted on.
//          3 reference_instant: the Sun moves 0.95 to 1.02 degree a day; Newton steps with the rate at
//            the first guess converge to well below a microsecond of time within a few steps.
//  Called:   eraEpv00, eraEcm06, eraRxp, eraAnp
#include <cmath>

#include <erfa.h>
#include <erfam.h>

#include "validation/validation.hpp"

namespace solarlon::validation {

namespace {

// Ecliptic longitude of the geometric Sun at TT (d1 + d2), for the ecliptic of TT (e1 + e2).
double sunlon(double d1, double d2, double e1, double e2) {
    double pvh[2][3], pvb[2][3];
    (void)eraEpv00(d1, d2, pvh, pvb);
    double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    double rm[3][3];
    eraEcm06(e1, e2, rm);
    double ecl[3];
    eraRxp(rm, sun, ecl);
    return eraAnp(std::atan2(ecl[1], ecl[0])) * ERFA_DR2D;
}

}  // namespace

double reference_longitude(double d1, double d2) { return sunlon(d1, d2, d1, d2); }

double reference_longitude_fixed(double d1, double d2, double e1, double e2) { return sunlon(d1, d2, e1, e2); }

void reference_instant(double d1, double d2, double lon, double& t2) {
    const double h = 0.05;  // days, for the rate
    const double rate =
        lngdif(reference_longitude(d1, d2 + h), reference_longitude(d1, d2 - h)) / (2.0 * h);  // degrees/day
    double t = d2;
    for (int k = 0; k < 8; ++k) {
        const double miss = lngdif(reference_longitude(d1, t), lon);  // degrees
        t = t - miss / rate;
        if (std::fabs(miss) < 1.0e-10) break;
    }
    t2 = t;
}

double lngdif(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d = d - 360.0;
    if (d <= -180.0) d = d + 360.0;
    return d;
}

double decimal_year(double d1, double d2) { return 2000.0 + ((d1 - ERFA_DJ00) + d2) / ERFA_DJY; }

}  // namespace solarlon::validation
