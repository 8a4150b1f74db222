// Time of one longitude (SUNLNG) and of one instant of a longitude (SUNTIM) for the equinox choices:
// 1950 (series only), another year (one precession), the equinox of date (precession, nutation and
// aberration of the coordinates).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "solar/solar.hpp"

namespace {

void sunlng(benchmark::State& state, double eq) {
    double hour = 0.0;
    double delt = 0.0, lon = 0.0, rv = 0.0, x = 0.0, y = 0.0, z = 0.0;
    for (auto _ : state) {
        hour = hour + 0.37;  // a new instant each time
        if (hour > 2400.0) hour = 0.0;
        solarlon::SUNLNG(eq, 1978.0, 6.0, 10.0, hour, 20.0, 0.0, delt, lon, rv, x, y, z);
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(x);
    }
}

void suntim(benchmark::State& state, double eq) {
    const std::int32_t zone = 9, iyear = 1978;
    const double year = 1978.0;
    double lon = 0.0;
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    for (auto _ : state) {
        lon = lon + 7.3;  // longitudes spread over the year
        if (lon >= 360.0) lon = lon - 360.0;
        solarlon::SUNTIM(eq, zone, iyear, lon, year, mon, day, hour, minute, second);
        benchmark::DoNotOptimize(second);
    }
}

}  // namespace

BENCHMARK_CAPTURE(sunlng, eq1950, 1950.0);
BENCHMARK_CAPTURE(sunlng, eq2000, 2000.0);
BENCHMARK_CAPTURE(sunlng, eqdate, 0.0);
BENCHMARK_CAPTURE(suntim, eq1950, 1950.0);
BENCHMARK_CAPTURE(suntim, eqdate, 0.0);

BENCHMARK_MAIN();
