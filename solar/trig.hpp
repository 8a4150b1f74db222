// trig.hpp  Sine and cosine of angles in degrees, reduced in degrees before the conversion to radians.
//
// Private to solar/ and its tests.
#ifndef SOLARLON_SOLAR_TRIG_HPP
#define SOLARLON_SOLAR_TRIG_HPP

#include <cmath>
#include <cstdint>
#include <cstring>

#include <solarlon/constants.hpp>

namespace solarlon {

namespace detail {

// Degrees to radians.
constexpr double RAD = kDegree;

// The sine and cosine of A (degrees) for |A| < 1e15, by quadrants and polynomials.
inline void sincosq(double A, double& S, double& C) {
    const double a = A;
    // Whole quadrants: adding 1.5 * 2^52 rounds to the nearest whole number q, which then stands in
    // the low bits of the sum (|q| < 1.2e13, well inside 2^51).
    static constexpr double kRound = 6755399441055744.0;
    const double t = a * (1.0 / 90.0) + kRound;
    const double q = t - kRound;
    const double x = (a - 90.0 * q) * RAD;  // radians, [-pi/4, pi/4] (a hair more)
    const double z = x * x;

    // Minimax polynomials of the sine and cosine on [-pi/4, pi/4].
    static constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                            S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                            S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
    static constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                            C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                            C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
    const double s = x + x * z * (S1 + z * (S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)))));
    const double c = 1.0 - (0.5 * z - z * z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6))))));

    // Quadrant k = q mod 4: (sin, cos) = (s, c), (c, -s), (-s, -c), (-c, s); chosen on the bits,
    // without branches, and negated by the sign bit.
    std::uint64_t k = 0, sb = 0, cb = 0;
    std::memcpy(&k, &t, sizeof k);
    std::memcpy(&sb, &s, sizeof sb);
    std::memcpy(&cb, &c, sizeof cb);
    k = k & 3u;
    const std::uint64_t swap = 0u - (k & 1u);  // all ones in quadrants 1 and 3
    std::uint64_t rs = (sb & ~swap) | (cb & swap);
    std::uint64_t rc = (cb & ~swap) | (sb & swap);
    rs ^= ((k >> 1) & 1u) << 63;
    rc ^= (((k + 1u) >> 1) & 1u) << 63;
    std::memcpy(&S, &rs, sizeof rs);
    std::memcpy(&C, &rc, sizeof rc);
}

// SINCOSD  Sine and cosine of an angle in degrees.
//  Given:    A      angle, degrees
//  Returned: S, C   sin A, cos A
//  Notes:  1 A is reduced by the nearest whole number of quadrants, in degrees and exactly (A less a
//            multiple of 90 is a representable number), so that at most 45 degrees are converted to
//            radians; the sine and cosine of the rest come from polynomials on [-pi/4, pi/4], good
//            to a unit in the last place. Converting first is less accurate for large angles: 3e6
//            degrees (the mean anomaly some 8000 years from the epoch) times pi/180 is already
//            4e-12 radian off.
//          2 |A| of 1e15 degrees and more, and a value that is not finite, go to the library's sine
//            and cosine of A times pi/180.
//          3 S or C may share a variable with A.
inline void SINCOSD(double A, double& S, double& C) {
    if (!(std::fabs(A) < 1.0e15)) {
        const double r = A * RAD;
        S = std::sin(r);
        C = std::cos(r);
        return;
    }
    sincosq(A, S, C);
}

// SINCOSD of N angles at once (a loop the compiler may run on several angles together).
//  Given:    A[N]   angles, degrees
//  Returned: S[N], C[N]   sines and cosines, each as SINCOSD gives it
inline void SINCOSD(const double* A, double* S, double* C, int N) {
    bool small = true;
    for (int i = 0; i < N; ++i) small = small && std::fabs(A[i]) < 1.0e15;
    if (small) {
        for (int i = 0; i < N; ++i) sincosq(A[i], S[i], C[i]);
    } else {
        for (int i = 0; i < N; ++i) SINCOSD(A[i], S[i], C[i]);
    }
}

// SIND  Sine of an angle in degrees, the S of SINCOSD.
inline double SIND(double A) {
    double s = 0.0, c = 0.0;
    SINCOSD(A, s, c);
    return s;
}

}  // namespace detail

}  // namespace solarlon

#endif
