// constants.hpp  The numbers that several parts of the library share: pi and the degree, and the spans
//                of years that the theories and the one-shot commands answer.
#ifndef SOLARLON_CONSTANTS_HPP
#define SOLARLON_CONSTANTS_HPP

#include <cstdint>

namespace solarlon {

// pi, and radians per degree. The literal is the double nearest pi, as std::acos(-1.0) returns it.
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDegree = kPi / 180.0;

// The apparent theory answers from 1600-01-01 00:00 to 3000-12-31 24:00 of its scale (UTC or TT): from
// the first year of its Delta T model to the end of the span of its precession and ephemeris. The
// one-shot commands answer these years with either theory.
inline constexpr std::int32_t kFirstYear = 1600;
inline constexpr std::int32_t kLastYear = 3000;

// The mean equinoxes that the classic theory refers to: those of the years for which SUNLNG's
// longitude stays in [0, 360].
inline constexpr std::int32_t kFirstEquinoxYear = -2000;
inline constexpr std::int32_t kLastEquinoxYear = 14000;

}  // namespace solarlon

#endif
