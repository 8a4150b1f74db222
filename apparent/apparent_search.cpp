// crossing, instant_of, term_longitude, solar_terms, solar_terms_tt  The instant at which the Sun's
//     apparent longitude reaches a value, and the 24 solar terms of a calendar year.
//
//  Method:   Newton's method in TT on f(t) = longitude(t) - LON, brought into (-180, 180], with the
//            longitude and its rate from one ephemeris evaluation (track: the reduction of place_tt,
//            the nutation in longitude alone, the rate from the Earth's velocity). The Sun's apparent
//            longitude grows by 0.953 to 1.020 degree a day, so f is negative before the crossing
//            and positive after it within a few days: a bracket [lo, hi] around a first guess holds
//            the root without being evaluated at its ends. Each evaluation narrows the bracket from
//            one side, and a step that would leave it goes to its middle.
//            First guess: the Sun's mean longitude of date, 280.46646 + 0.98564736 d degrees, d days
//            from JD 2451545.0 (J. Meeus, Astronomical Algorithms, 2nd ed., 1998, eq. 25.2); the true
//            longitude departs from it by the equation of the centre, under 2 degrees, so a bracket of
//            5 days either side holds the crossing. Within 6 degrees of the year's start, where the
//            crossing may fall on either side of it, the longitude at the start decides, and the guess
//            from it and the rates there (note 5) is within a minute. The solar terms after the
//            first are guessed from the one before in the same way, to under a minute; their
//            bracket is 1 day wide on each side.
//  Notes:  1 Once |f| is below 1e-5 degree (0.9 s of time), one more Newton step is taken without
//            evaluating it: its error is (f''/2f') times the square of the last one, under 4e-14 day,
//            plus the rate's error (under 3e-7 of itself) times the last one, under 3e-12 day.
//            Typically 2 evaluations a term, the second under a minute from the first, and one
//            ephemeris evaluation. The search takes at most kMaxEvaluations, so it cannot run away,
//            and an answer whose |f| is not below 1e-4 degree is NaN: a bracket that did not hold
//            the root gives no answer.
//          2 Instants are days from 0 h of January 1 of the year (Gregorian) in d2, so that their
//            fraction keeps 1e-13 day (10 ns).
//          3 The search runs in TT, where the longitude has no steps: the year's start is taken to TT,
//            and the instants the search computes bound it (a day before the first instant answered
//            to ten days after the last, so that each year of the span is whole in every zone), so
//            that a crossing outside them is not found. Back in UTC, a crossing inside a leap second
//            keeps its place in it.
//          4 The evaluations of one search share TDB - TT, the nutation and the Earth's motion where
//            they are close (track), so that a term costs one ephemeris evaluation and one of the
//            nutation: the second evaluation carries the Earth from the first.
//          5 Days ahead (advance): the barycentre's longitude by the rate found at the instant before
//            (less what the wobble adds to it), the acceleration and the jerk there, plus the change
//            in the wobble: the Earth's monthly turn about the barycentre (up to 6.4") and the
//            short-period nutation (wobble). What this leaves, the fourth derivative and the
//            planets' pull, is under 2.5" over a fortnight, a minute of time.
//  Called:   track, wobble, to_tt, from_tt, DAYNUM
#include <algorithm>
#include <cmath>
#include <limits>

#include <solarlon/equinox.hpp>

#include "apparent/apparent.hpp"
#include "detail.hpp"

namespace solarlon::apparent {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kRate = 0.98564736;   // the Sun's mean motion in longitude of date, degrees a day
constexpr double kYear = 365.2421897;  // tropical year, days
constexpr double kClose = 1.0e-5;      // degrees
constexpr double kAccept = 1.0e-4;     // degrees
constexpr int kMaxEvaluations = 64;    // bisection alone narrows 10 days to 1e-9 day in 34

// Into (-180, 180].
double wrap180(double a) {
    a = std::fmod(a, 360.0);
    if (a > 180.0) a = a - 360.0;
    else if (a <= -180.0) a = a + 360.0;
    return a;
}

// Into [0, 360).
double wrap360(double a) {
    a = std::fmod(a, 360.0);
    if (a < 0.0) a = a + 360.0;
    return a < 360.0 ? a : 0.0;
}

// JD of 0 h UTC of January 1 of a Gregorian year (whole, from 1 on).
double january1(double year) { return DAYNUM(year, 1.0, 1.0) + 1721059.5; }

// The search's span: TT, days from BASE, both ends answered.
struct Span {
    double base, first, end;
};

// Longitude and its rates at TT BASE + T, NaN outside the span.
detail::Track track_in(const Span& s, double t, detail::Slow& slow) {
    if (!(t >= s.first && t <= s.end)) return {kNaN, kNaN, kNaN, kNaN};
    return detail::track(s.base, t, slow);
}

// The span a search computes in SCALE (kFirstComputedUtc to kEndComputedUtc), as TT days from BASE.
Span span_of(double base, Scale scale) {
    auto tt = [scale, base](double at) {
        return (at - base) + (scale == Scale::tt ? 0.0 : tt_minus_utc(at, 0.0) / 86400.0);
    };
    return {base, tt(kFirstComputedUtc), tt(kEndComputedUtc)};
}

// A root and the longitude's rate there, degrees a day, with the barycentre's acceleration and jerk
// (track).
struct Root {
    double t;  // days from BASE; NaN when not found
    double rate, acceleration, jerk;
};

// root  Offset t from BASE in (LO, HI) at which the longitude reaches LON, starting at X.
//  Given:    s           span, TT
//            lon         wanted longitude, degrees [0, 360)
//            lo, hi      bracket, days from BASE: f(lo) < 0 < f(hi), known, not evaluated
//            x           first guess, days from BASE, inside the bracket
//  Given and returned:
//            slow        the parts of the reduction shared by nearby evaluations (track)
Root root(const Span& s, double lon, double lo, double hi, double x, detail::Slow& slow) {
    detail::Track k = track_in(s, x, slow);
    double fx = wrap180(k.longitude - lon);
    for (int n = 1; n < kMaxEvaluations && !std::isnan(fx) && fx != 0.0; ++n) {
        if (fx < 0.0) lo = x;
        else hi = x;
        const double rate = k.rate > 0.5 * kRate && k.rate < 2.0 * kRate ? k.rate : kRate;
        double next = x - fx / rate;
        // A step below the instant's resolution leaves NEXT at X, on the bracket's end.
        const bool inside = (next > lo && next < hi) || next == x;
        if (inside && std::fabs(fx) <= kClose) return {next, rate, k.acceleration, k.jerk};  // note 1
        if (hi - lo <= 1.0e-9) break;
        if (!inside) next = 0.5 * (lo + hi);
        x = next;
        k = track_in(s, x, slow);
        fx = wrap180(k.longitude - lon);
    }
    if (!(std::fabs(fx) <= kAccept)) return {kNaN, k.rate, k.acceleration, k.jerk};
    return {x, k.rate, k.acceleration, k.jerk};
}

// advance  Days from an instant until the longitude has grown by BY, roughly (note 5).
//  Given:    base       TT, the Julian Date that R's instant counts from
//            r          the instant, with the longitude's rates there
//            lon        the longitude there, degrees
//            by         degrees, under 20
double advance(double base, const Root& r, double lon, double by) {
    constexpr double h = 0.05, deg = 180.0 / 3.141592653589793;
    const double from = detail::wobble(base, r.t, lon / deg);
    const double rate = (detail::wobble(base, r.t + h, (lon + h * r.rate) / deg) -
                         detail::wobble(base, r.t - h, (lon - h * r.rate) / deg)) *
                        deg / (2.0 * h);
    const double smooth = r.rate - rate;
    double d = by / r.rate;
    for (int i = 0; i < 2; ++i) {
        const double w = (detail::wobble(base, r.t + d, (lon + by) / deg) - from) * deg;
        d -= (d * (smooth + d * (0.5 * r.acceleration + d * r.jerk / 6.0)) + w - by) / r.rate;
    }
    return d;
}

// first_crossing  The first crossing of WANT from 0 h of January 1 of YEAR in the zone on.
//  Given:    s            span, TT, from BASE at 0 h of January 1 of YEAR
//            start        0 h of January 1 of the zone, TT, days from BASE
//            want         longitude, degrees [0, 360)
//  Given and returned:
//            slow         as root
Root first_crossing(const Span& s, double start, double want, detail::Slow& slow) {
    const double base = s.base;
    const double mean = 280.46646 + kRate * ((base - 2451545.0) + start);
    const double ahead = wrap360(want - mean);  // degrees of mean motion from the start
    double guess = start + ahead / kRate, lo = guess - 5.0, hi = guess + 5.0;
    if (ahead < 6.0 || ahead > 354.0) {
        // Near the year's start: the longitude there says on which side of it the crossing lies
        // (taken at the first instant answered when the start is before it).
        const double at = std::max(start, s.first);
        const detail::Track k0 = track_in(s, at, slow);
        const double f0 = wrap180(k0.longitude - want);
        // From the first instant answered, the crossing is the first one after the start unless it
        // came between the two (the zone's hours before 1600 January 1 UTC, at most a day).
        if (std::isnan(f0) || at > start + 1.0 || (f0 > 0.0 && at > start)) return {kNaN, kRate, 0.0, 0.0};
        if (f0 <= 0.0) {
            guess = at + advance(base, {at, k0.rate, k0.acceleration, k0.jerk}, k0.longitude, -f0);
            lo = at - 1.0e-9;
        } else {
            guess = start + kYear - f0 / kRate;
            lo = guess - 1.0;
        }
        hi = guess + 1.0;
    }
    return root(s, want, lo, hi, guess, slow);
}

bool usable(double year, double zone) { return std::isfinite(year) && year == std::floor(year) && std::isfinite(zone); }

// 0 h of January 1 of the zone in SCALE, as TT days from BASE (January 1 of YEAR, 0 h): TT - UTC
// taken at the nearest instant answered where the start lies outside them.
double start_of(double base, double zone, Scale scale) {
    double t = -zone / 24.0;
    if (scale == Scale::tt) return t;
    const double clamped = std::min(std::max(t, kFirstComputedUtc - base), kEndComputedUtc - base);
    return t + tt_minus_utc(base, clamped) / 86400.0;
}

// A TT crossing in UTC, a leap second carried to the next day's 0 h as UTC Julian Dates have it.
Jd utc_of(Jd tt) {
    const Civil c = from_tt(tt, Scale::utc);
    return {c.t.d1, c.t.d2 + (c.leap ? 1.0 / 86400.0 : 0.0)};
}

}  // namespace

Jd crossing(double year, double zone, double lon, Scale scale) {
    if (!usable(year, zone) || !std::isfinite(lon)) return {kNaN, kNaN};
    const double base = january1(year);
    const Span s = span_of(base, scale);
    detail::Slow slow;
    const Root r = first_crossing(s, start_of(base, zone, scale), wrap360(lon), slow);
    if (std::isnan(r.t)) return {kNaN, kNaN};
    return {base, r.t};
}

Jd instant_of(double year, double zone, double lon) {
    const Jd tt = crossing(year, zone, lon, Scale::utc);
    if (std::isnan(tt.d2)) return tt;
    return utc_of(tt);
}

double term_longitude(int k) { return wrap360(285.0 + 15.0 * k); }

std::array<Jd, 24> solar_terms(double year, double zone) {
    std::array<Jd, 24> terms = solar_terms_tt(year, zone, Scale::utc);
    for (Jd& t : terms) {
        if (!std::isnan(t.d2)) t = utc_of(t);
    }
    return terms;
}

std::array<Jd, 24> solar_terms_tt(double year, double zone, Scale scale) {
    detail::Slow slow;
    return detail::solar_terms_tt(year, zone, scale, slow);
}

std::array<Jd, 24> detail::solar_terms_tt(double year, double zone, Scale scale, Slow& slow) {
    std::array<Jd, 24> terms{};
    terms.fill(Jd{kNaN, kNaN});
    if (!usable(year, zone)) return terms;
    const double base = january1(year);
    const Span s = span_of(base, scale);
    Root r = first_crossing(s, start_of(base, zone, scale), term_longitude(0), slow);

    // Each next term 15 degrees on, guessed from the one before (note 5).
    for (int k = 0; k < 24 && !std::isnan(r.t); ++k) {
        terms[static_cast<std::size_t>(k)] = {base, r.t};
        if (k == 23) break;
        const double guess = r.t + advance(base, r, term_longitude(k), 15.0);
        r = root(s, term_longitude(k + 1), guess - 1.0, guess + 1.0, guess, slow);
    }
    return terms;
}

}  // namespace solarlon::apparent
