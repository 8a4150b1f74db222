// civil.hpp  Day counts of the proleptic Gregorian calendar, for the typed interface's dates.
#ifndef SOLARLON_SUN_CIVIL_HPP
#define SOLARLON_SUN_CIVIL_HPP

#include <cstdint>

namespace solarlon::sun::detail {

// days_from_civil  Day count of a proleptic Gregorian date from 1970 January 1 (negative before).
//  Given:    Y, M, D   year (any, 0 and negative included), month 1..12, day 1..31
//  Result:   days
//  Notes:    The count of the printed instants (to_second, decimal_date) and of the apparent theory's
//            instants of a zone: they alone need the way back and years before 1. It is not DAYNUM (the
//            equinox routines') nor mjd_at_0h (the series'), whose values are kept to the last bit.
std::int64_t days_from_civil(std::int64_t y, std::int64_t m, std::int64_t d);

// civil_from_days  The date of day count Z from 1970 January 1.
//  Returned: Y, M, D   year, month 1..12, day 1..31
void civil_from_days(std::int64_t z, std::int64_t& y, std::int64_t& m, std::int64_t& d);

}  // namespace solarlon::sun::detail

#endif
