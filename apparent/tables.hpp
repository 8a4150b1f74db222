// tables.hpp  The constant tables of apparent/: the IAU 2000A nutation in longitude.
//
// Private to apparent/ and its tests. The private routines are declared in apparent/detail.hpp.
#ifndef SOLARLON_APPARENT_TABLES_HPP
#define SOLARLON_APPARENT_TABLES_HPP

#include <cstdint>

namespace solarlon::apparent::detail {

// LuniSolarTerm  A luni-solar term of Delta psi, (s + st t) sin A + c cos A: A = n . (l, l', F, D, Omega),
//                the Delaunay arguments; s, st, c in 0.1 microarcsecond, t in Julian centuries of TT
//                from J2000.0.
struct LuniSolarTerm {
    std::int8_t n[5];
    double s, st, c;
};

// PlanetaryTerm  A planetary term of Delta psi, s sin A + c cos A: A the sum of COUNT multiples
//                {argument, multiple} of the arguments 0 l, 1 F, 2 D, 3 Omega, 4 to 11 the mean
//                longitudes of Mercury to Neptune, 12 the general precession in longitude; s, c in
//                0.1 microarcsecond.
struct PlanetaryTerm {
    std::int8_t count;
    std::int8_t arg[6][2];
    std::int16_t s, c;
};

constexpr int kLuniSolarTerms = 675;
constexpr int kPlanetaryTerms = 677;

// kLuniSolar, kPlanetary  The terms (apparent/nutation_table.cpp).
extern const LuniSolarTerm kLuniSolar[kLuniSolarTerms];
extern const PlanetaryTerm kPlanetary[kPlanetaryTerms];

}  // namespace solarlon::apparent::detail

#endif
