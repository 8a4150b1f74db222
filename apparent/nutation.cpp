// nutation_in_longitude  The IAU 2006/2000A nutation in longitude, Delta psi, and its derivatives.
//
//  Method:   The luni-solar and planetary series of IAU 2000A (apparent/nutation_table.cpp) on the
//            fundamental arguments of IERS 2003 and of MHB2000, each where eraNut00a takes it; then the
//            IAU 2006 adjustments of eraNut06a: the factor 1 + 0.4697e-6 - 2.7774e-6 t (the secular
//            change of the Earth's J2). The sine and cosine of each term come from those of the
//            arguments' multiples, built once by recurrence (cos, sin of (k+1)x from those of kx and
//            x), and multiplied together for the multiples the term takes: no trigonometric call per
//            term. The derivatives differentiate each term, with the linear rates of the arguments.
//  Notes:  1 The recurrence adds a rounding error of about 1e-16 radian a step, 1e-14 radian in the
//            largest multiple (21): the series agrees with eraNut06a to well under 1e-6".
//          2 The terms are summed from the smallest up, as eraNut00a does.
//  References: IERS Conventions (2003), IERS Technical Note 32, chapter 5; N. Capitaine, P. T.
//            Wallace and J. Chapront, Astron. Astrophys. 412, 567 (2003) for the arguments;
//            P. T. Wallace and N. Capitaine, Astron. Astrophys. 459, 981 (2006) for the adjustments
//  Called:   eraFal03, eraFaf03, eraFaom03, eraFapa03, eraFame03, eraFave03, eraFae03, eraFama03,
//            eraFaju03, eraFasa03, eraFaur03
#include <cmath>
#include <cstddef>
#include <limits>

#include "detail.hpp"
#include "tables.hpp"

#if SOLARLON_HAVE_ERFA
#include <erfa.h>
#include <erfam.h>
#endif

namespace solarlon::apparent::detail {

#if SOLARLON_HAVE_ERFA

namespace {

constexpr double kUnit = ERFA_DAS2R / 1.0e7;  // 0.1 microarcsecond, radians

// A point of the unit circle: cos and sin of an angle.
struct Turn {
    double c, s;
};

Turn operator*(Turn a, Turn b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

// Multiples -K..K of an argument X: at[K + k] is cos, sin of kx.
template <int K>
struct Multiples {
    Turn at[2 * K + 1];

    void build(double x, int k) {
        const Turn one{std::cos(x), std::sin(x)};
        at[K] = {1.0, 0.0};
        for (int i = 1; i <= k; ++i) {
            const Turn t = at[K + i - 1] * one;
            at[K + i] = t;
            at[K - i] = {t.c, -t.s};
        }
    }
    Turn operator[](int k) const { return at[K + k]; }
};

// Largest multiple of each argument in the tables.
constexpr int kLuniSolarMost[5] = {5, 3, 4, 6, 4};
constexpr int kPlanetaryMost[13] = {2, 2, 3, 2, 1, 20, 21, 17, 5, 10, 3, 2, 2};

// Rates of l, l', F, D, Omega, arc seconds a Julian century.
constexpr double kLuniSolarRate[5] = {1717915923.2178, 129596581.0481, 1739527262.8478, 1602961601.2090, -6962890.5431};

// Rates of the planetary arguments, radians a Julian century.
constexpr double kPlanetaryRate[13] = {8328.6914269554, 8433.466158131, 7771.3771468121, -33.757045,    2608.7903141574,
                                       1021.3285546211, 628.3075849991, 334.0612426700,  52.9690962641, 21.3299104960,
                                       7.4781598567,    3.8127774000,   0.024381750};

}  // namespace

Nutation nutation_in_longitude(double tt1, double tt2) {
    const double t = ((tt1 - ERFA_DJ00) + tt2) / ERFA_DJC;  // Julian centuries of TT

    // Luni-solar arguments: l, F and Omega of IERS 2003, l' and D of MHB2000.
    const double ls[5] = {
        eraFal03(t),
        std::fmod(1287104.79305 + t * (129596581.0481 + t * (-0.5532 + t * (0.000136 + t * (-0.00001149)))),
                  ERFA_TURNAS) *
            ERFA_DAS2R,
        eraFaf03(t),
        std::fmod(1072260.70369 + t * (1602961601.2090 + t * (-6.3706 + t * (0.006593 + t * (-0.00003169)))),
                  ERFA_TURNAS) *
            ERFA_DAS2R,
        eraFaom03(t),
    };
    Multiples<6> lsm[5];
    double rate[5];
    for (int j = 0; j < 5; ++j) {
        lsm[j].build(ls[j], kLuniSolarMost[j]);
        rate[j] = kLuniSolarRate[j] * ERFA_DAS2R;
    }
    double dp = 0.0, dr = 0.0, da = 0.0;  // 0.1 microarcsecond; the same a century, a century squared
    for (int i = kLuniSolarTerms - 1; i >= 0; --i) {
        const LuniSolarTerm& x = kLuniSolar[i];
        const Turn a = lsm[0][x.n[0]] * lsm[1][x.n[1]] * lsm[2][x.n[2]] * lsm[3][x.n[3]] * lsm[4][x.n[4]];
        const double s = x.s + x.st * t;
        dp += s * a.s + x.c * a.c;
        const double w = x.n[0] * rate[0] + x.n[1] * rate[1] + x.n[2] * rate[2] + x.n[3] * rate[3] + x.n[4] * rate[4];
        dr += x.st * a.s + (s * a.c - x.c * a.s) * w;
        da += 2.0 * x.st * a.c * w - (s * a.s + x.c * a.c) * w * w;
    }

    // Planetary arguments: l, F, D, Omega and Neptune of MHB2000, the others of IERS 2003.
    const double pl[13] = {
        std::fmod(2.35555598 + 8328.6914269554 * t, ERFA_D2PI),
        std::fmod(1.627905234 + 8433.466158131 * t, ERFA_D2PI),
        std::fmod(5.198466741 + 7771.3771468121 * t, ERFA_D2PI),
        std::fmod(2.18243920 - 33.757045 * t, ERFA_D2PI),
        eraFame03(t),
        eraFave03(t),
        eraFae03(t),
        eraFama03(t),
        eraFaju03(t),
        eraFasa03(t),
        eraFaur03(t),
        std::fmod(5.321159000 + 3.8127774000 * t, ERFA_D2PI),
        eraFapa03(t),
    };
    Multiples<21> plm[13];
    for (int j = 0; j < 13; ++j) plm[j].build(pl[j], kPlanetaryMost[j]);
    double dpl = 0.0, drl = 0.0, dal = 0.0;
    for (int i = kPlanetaryTerms - 1; i >= 0; --i) {
        const PlanetaryTerm& x = kPlanetary[i];
        Turn a = plm[x.arg[0][0]][x.arg[0][1]];
        double w = x.arg[0][1] * kPlanetaryRate[x.arg[0][0]];
        for (int j = 1; j < x.count; ++j) {
            a = a * plm[x.arg[j][0]][x.arg[j][1]];
            w += x.arg[j][1] * kPlanetaryRate[x.arg[j][0]];
        }
        const double v = x.s * a.s + x.c * a.c;
        dpl += v;
        drl += (x.s * a.c - x.c * a.s) * w;
        dal -= v * w * w;
    }

    // The IAU 2006 adjustments.
    const double f = 1.0 + (0.4697e-6 - 2.7774e-6 * t);
    const double dpsi = dp * kUnit + dpl * kUnit;
    return {dpsi + dpsi * (f - 1.0), (dr + drl) * kUnit * f / ERFA_DJC, (da + dal) * kUnit * f / (ERFA_DJC * ERFA_DJC)};
}

#else

Nutation nutation_in_longitude(double, double) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
}

#endif

}  // namespace solarlon::apparent::detail
