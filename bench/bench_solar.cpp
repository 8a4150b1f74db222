// Time of one longitude and of one instant of a longitude, the literal evaluation beside the fast one
// in the same run, for the equinox choices 1950 (series only), another year (one precession) and the
// equinox of date (precession, nutation and aberration of the coordinates).
//
//   sunlng/literal   the formulas taken literally (every angle to radians as it stands)
//   sunlng/fast      SUNLNG: angles reduced in degrees, shared sines and cosines
//   sunlon           the longitude alone, as the search and the file modes use it
//   suntim/literal   the literal scan (up to 69 evaluations) over the literal formulas
//   suntim/fast      SUNTIM: predicted spans over the lean longitude; "evals" is the mean number
//                    of evaluations per answer
//   terms/apparent   the 24 solar terms of a year (JST) by the apparent theory (ERFA)
//   terms/classic    the same 24 longitudes of a year by SUNTIM, equinox of date
//   terms/typed      the 24 terms by the apparent theory through <solarlon/sun.hpp>, as the terms
//                    command asks for them (instants in JST)
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>

#include "apparent/apparent.hpp"
#include "solar/detail.hpp"
#include "tests/support/sunlng_literal.hpp"

namespace {

// Instants spread over 1900 to 2100 (a fixed sequence, the same in every run).
struct Instant {
    double year, mon, day, hour, minute;
};

std::uint32_t next(std::uint32_t& s) {
    s = s * 1664525u + 1013904223u;
    return s >> 8;
}

const std::vector<Instant>& instants() {
    static const std::vector<Instant> v = [] {
        std::vector<Instant> r(1024);
        std::uint32_t s = 19780610u;
        for (Instant& t : r) {
            t.year = 1900.0 + next(s) % 201;
            t.mon = 1.0 + next(s) % 12;
            t.day = 1.0 + next(s) % 28;
            t.hour = static_cast<double>(next(s) % 24);
            t.minute = static_cast<double>(next(s) % 60);
        }
        return r;
    }();
    return v;
}

// Questions for SUNTIM: a year of 1900 to 2100 and a longitude, in JST.
struct Question {
    std::int32_t iyear;
    double year, lon;
};

const std::vector<Question>& questions() {
    static const std::vector<Question> v = [] {
        std::vector<Question> r(1024);
        std::uint32_t s = 20000101u;
        for (Question& q : r) {
            q.iyear = static_cast<std::int32_t>(1900 + next(s) % 201);
            q.year = q.iyear;
            q.lon = static_cast<double>(next(s) % 3600000) / 10000.0;
        }
        return r;
    }();
    return v;
}

using Sunlng = void (*)(const double&, const double&, const double&, const double&, const double&, const double&,
                        const double&, double&, double&, double&, double&, double&, double&);

void sunlng(benchmark::State& state, Sunlng f, double eq) {
    const std::vector<Instant>& v = instants();
    const double second = 0.0;
    double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant& t = v[i++ & 1023];
        f(eq, t.year, t.mon, t.day, t.hour, t.minute, second, delt, lon, rv, x, y, z);
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(x);
    }
}

void sunlon(benchmark::State& state, double eq) {
    const std::vector<Instant>& v = instants();
    const double second = 0.0;
    double lon = 0.0;
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant& t = v[i++ & 1023];
        solarlon::SUNLON(eq, t.year, t.mon, t.day, t.hour, t.minute, second, lon);
        benchmark::DoNotOptimize(lon);
    }
}

void suntim_literal(benchmark::State& state, double eq) {
    const std::vector<Question>& v = questions();
    const solarlon::detail::LongitudeFn lam = [eq](const double& year, const double& mon, const double& day,
                                                   const double& hour) {
        double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
        solarlon::detail::sunlng_literal(eq, year, mon, day, hour, 0.0, 0.0, delt, lon, rv, x, y, z);
        return lon;
    };
    const std::int32_t zone = 9;
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    std::int32_t iyadd = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const Question& q = v[i++ & 1023];
        solarlon::detail::scan_search(lam, zone, q.iyear, q.lon, q.year, mon, day, hour, minute, second, iyadd);
        benchmark::DoNotOptimize(second);
    }
}

void suntim_fast(benchmark::State& state, double eq) {
    const std::vector<Question>& v = questions();
    const std::int32_t zone = 9;
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    std::int32_t iyadd = 0;

    // Evaluations per answer, counted once over the questions.
    long calls = 0;
    const solarlon::detail::LongitudeFn counted = [eq, &calls](const double& year, const double& mon, const double& day,
                                                               const double& hour) {
        double lon = 0.0;
        ++calls;
        solarlon::SUNLON(eq, year, mon, day, hour, 0.0, 0.0, lon);
        return lon;
    };
    for (const Question& q : v)
        solarlon::detail::predict_search(counted, zone, q.iyear, q.lon, q.year, mon, day, hour, minute, second, iyadd);

    std::size_t i = 0;
    for (auto _ : state) {
        const Question& q = v[i++ & 1023];
        solarlon::SUNTIM(eq, zone, q.iyear, q.lon, q.year, mon, day, hour, minute, second, iyadd);
        benchmark::DoNotOptimize(second);
    }
    state.counters["evals"] = static_cast<double>(calls) / static_cast<double>(v.size());
}

// The years 1900 to 2100 in turn.
void terms_apparent(benchmark::State& state) {
    if (!solarlon::apparent::available()) {
        state.SkipWithError("built without ERFA: no apparent theory");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto t = solarlon::apparent::solar_terms(1900.0 + static_cast<double>(i++ % 201), 9.0);
        benchmark::DoNotOptimize(t);
    }
}

void terms_typed(benchmark::State& state) {
    if (!solarlon::apparent::available()) {
        state.SkipWithError("built without ERFA: no apparent theory");
        return;
    }
    namespace sun = solarlon::sun;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto t = sun::solar_terms(static_cast<std::int32_t>(1900 + i++ % 201), sun::Equinox::of_date(), 9.0,
                                        sun::Theory::apparent);
        benchmark::DoNotOptimize(t);
    }
}

void terms_classic(benchmark::State& state) {
    const std::int32_t zone = 9;
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    std::int32_t iyadd = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::int32_t iyear = static_cast<std::int32_t>(1900 + i++ % 201);
        const double year = iyear, eq = 0.0;
        for (int k = 0; k < 24; ++k) {
            const double lon = solarlon::apparent::term_longitude(k);
            solarlon::SUNTIM(eq, zone, iyear, lon, year, mon, day, hour, minute, second, iyadd);
            benchmark::DoNotOptimize(second);
        }
    }
}

}  // namespace

BENCHMARK(terms_apparent)->Unit(benchmark::kMillisecond);
BENCHMARK(terms_classic)->Unit(benchmark::kMillisecond);
BENCHMARK(terms_typed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sunlng, literal_eq1950, solarlon::detail::sunlng_literal, 1950.0);
BENCHMARK_CAPTURE(sunlng, fast_eq1950, solarlon::SUNLNG, 1950.0);
BENCHMARK_CAPTURE(sunlon, eq1950, 1950.0);
BENCHMARK_CAPTURE(sunlng, literal_eq2000, solarlon::detail::sunlng_literal, 2000.0);
BENCHMARK_CAPTURE(sunlng, fast_eq2000, solarlon::SUNLNG, 2000.0);
BENCHMARK_CAPTURE(sunlon, eq2000, 2000.0);
BENCHMARK_CAPTURE(sunlng, literal_eqdate, solarlon::detail::sunlng_literal, 0.0);
BENCHMARK_CAPTURE(sunlng, fast_eqdate, solarlon::SUNLNG, 0.0);
BENCHMARK_CAPTURE(sunlon, eqdate, 0.0);
BENCHMARK_CAPTURE(suntim_literal, eq1950, 1950.0);
BENCHMARK_CAPTURE(suntim_fast, eq1950, 1950.0);
BENCHMARK_CAPTURE(suntim_literal, eq2000, 2000.0);
BENCHMARK_CAPTURE(suntim_fast, eq2000, 2000.0);
BENCHMARK_CAPTURE(suntim_literal, eqdate, 0.0);
BENCHMARK_CAPTURE(suntim_fast, eqdate, 0.0);

BENCHMARK_MAIN();
