// civil  The proleptic Gregorian calendar as a day count from 1970 January 1 and back.
//
//  Method:   Hinnant's algorithms: days counted by eras of 400 years (146097 days) from 0000 March 1,
//            exact in 64-bit integers for any year these routines are given.
#include "civil.hpp"

#include <cstdint>

namespace solarlon::sun::detail {

std::int64_t days_from_civil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;                                   // [0, 399]
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

void civil_from_days(std::int64_t z, std::int64_t& y, std::int64_t& m, std::int64_t& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;                                       // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11], March first
    d = doy - (153 * mp + 2) / 5 + 1;                                                // [1, 31]
    m = mp < 10 ? mp + 3 : mp - 9;                                                   // [1, 12]
    y = yoe + era * 400 + (m <= 2);
}

}  // namespace solarlon::sun::detail
