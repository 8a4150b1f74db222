// util.hpp  The typed-line number parser, and the angle, vector, equation and random-number utilities.
#ifndef SOLARLON_UTIL_UTIL_HPP
#define SOLARLON_UTIL_UTIL_HPP

#include <cstdint>
#include <string>

namespace solarlon {

// GETNUM  Numbers of a typed line, fields cut at blanks and commas.
//  Given:    LINE    the typed line, taken as 80 characters (blank-padded, longer text ignored)
//            N       positions 1..N scanned (1..80)
//  Returned: COUNT   number of fields started
//            V1..V6  values of fields 1 to 6; 0 where absent or not a valid number
void GETNUM(const std::string& LINE, const std::int32_t& N, std::int32_t& COUNT, double& V1, double& V2,
            double& V3, double& V4, double& V5, double& V6);

}  // namespace solarlon

#endif
