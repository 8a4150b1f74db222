// seams.hpp  The state of URAND's generator, read and reset: for the tests, which draw from a known
//            start. Private to util and its tests.
#ifndef SOLARLON_UTIL_SEAMS_HPP
#define SOLARLON_UTIL_SEAMS_HPP

#include <cstdint>

namespace solarlon {

// URSTATE  State of the generator of URAND.
struct URSTATE {
    std::int32_t S1;
    std::int32_t S2;
};

// URGET  Present state of the generator.
URSTATE URGET();

// URRESET  Returns the generator to its starting values, as at the start of a run.
void URRESET();

}  // namespace solarlon

#endif
