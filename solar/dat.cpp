// DAT  Phases, rates and amplitudes of Newcomb's solar theory about JD 2440000.0 (1968 May 23, 12 h),
//      referred to the mean equinox and ecliptic of 1950.0.
//  References: S. Newcomb, Tables of the Sun, Astronomical Papers prepared for the use of the
//            American Ephemeris and Nautical Almanac, vol. VI, part I, Washington (1895): the theory
//            whose terms these are, here re-expressed about JD 2440000.0
#include "tables.hpp"

namespace solarlon {

// phase (deg), rate (deg/day for the mean anomaly, deg/Julian year otherwise),
// longitude amplitude (0.00001 deg), radius amplitude (0.0000001 AU)
extern const double DAT[21][4] = {
    {138.77, 0.9856003, 0.0, 0.0},    // mean anomaly of the Sun
    {16.22, -225.1844, 134.0, 54.0},  // Venus
    {32.34, -450.3688, 154.0, 157.0}, {3.48, -90.3783, 69.0, 20.0},      {199.5, -315.5628, 43.0, 34.0},
    {5.37, 44.4277, 28.0, 0.0},       {228.27, -675.5533, 19.0, 24.0},   {7.97, -337.1815, 57.0, 47.0},  // Mars
    {290.23, 22.809, 49.0, 0.0},      {102.68, -145.7817, 12.0, 0.0},    {287.31, -314.3724, 14.0, 11.0},
    {197.2, 45.6181, 16.0, 0.0},      {272.37, -329.6447, 200.0, 163.0},  // Jupiter
    {327.46, 30.3458, 72.0, 0.0},     {6.67, -659.2893, 76.0, 93.0},     {123.09, -299.2989, 45.0, 34.0},
    {151.84, -628.9435, 15.0, 18.0},  {141.83, -347.7726, 12.0, 10.0},  // Saturn
    {111.72, 12.2179, 9.0, 0.0},      {245.0, 0.202, 178.0, 0.0},       // long-period term
    {160.01, 1.5027, 52.0, 0.0},                                        // Venus, long period
};

}  // namespace solarlon
