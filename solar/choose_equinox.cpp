// choose_equinox  The equinox choice decoded.
//
//  Method:   The choice is decoded once for each instant; the longitude (refer_longitude) and the
//            coordinates (refer_coordinates) take its kind, epoch and years of precession. For the
//            equinox of the instant the years run in tropical years of 365.242194 days from 1950
//            January 0, 0 h UT, whole days by DAYNUM.
//  Called:   DAYNUM
#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>

#include "detail.hpp"

namespace solarlon::detail {

namespace {

// Years of precession from 1950.0 for the equinox of the instant.
double years_of_date(double year, double mon, double day, double hour, double minute, double second) {
    return (DAYNUM(year, mon, day) - DAYNUM(1950.0, 1.0, 0.0) + hour / 24.0 + minute / 1440.0 + second / 86400.0) /
           365.242194;
}

}  // namespace

Equinox choose_equinox(double EQ, double YEAR, double MON, double DAY, double HOUR, double MINUTE, double SECOND) {
    const double eq = EQ;
    Equinox e;  // every field set below
    switch (equinox_kind(eq)) {
        case EquinoxKind::mean_1950:
            e.kind = EquinoxKind::mean_1950;
            e.epoch = 1950.0;
            e.t = 0.0;
            break;
        case EquinoxKind::of_date:
            e.kind = EquinoxKind::of_date;
            e.t = years_of_date(YEAR, MON, DAY, HOUR, MINUTE, SECOND);
            e.epoch = 1950.0 + e.t;
            break;
        case EquinoxKind::mean_of_year:
            e.kind = EquinoxKind::mean_of_year;  // also for a NaN EQ
            e.epoch = eq;
            e.t = eq - 1950.0;
            break;
    }
    return e;
}

}  // namespace solarlon::detail
