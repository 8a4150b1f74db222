// The 24 solar terms of a year by the apparent theory beside one eraEpv00 call (the Earth's
// ephemeris, the reduction's largest part), in one run: processor time per year for each year of
// 2000 to 2019, then their median as a number of eraEpv00 calls.
//
//   terms/YEAR   solar_terms of YEAR (JST); "evaluations" of the longitude per term, and of them
//                "ephemerides" and "nutations", the eraEpv00 calls and nutation series sums
//   epv00        one eraEpv00 call, at instants spread over 2000 to 2019
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <erfa.h>

#include "apparent/apparent.hpp"
#include "apparent/detail.hpp"

namespace {

namespace ap = solarlon::apparent;

void terms(benchmark::State& state) {
    const double year = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const auto t = ap::solar_terms(year, 9.0);
        benchmark::DoNotOptimize(t);
    }
    ap::detail::Slow slow;
    (void)ap::detail::solar_terms_tt(year, 9.0, ap::Scale::utc, slow);
    state.counters["evaluations"] = slow.evaluations / 24.0;
    state.counters["ephemerides"] = slow.ephemerides / 24.0;
    state.counters["nutations"] = slow.nutations / 24.0;
}

void epv00(benchmark::State& state) {
    double pvh[2][3], pvb[2][3];
    std::size_t i = 0;
    for (auto _ : state) {
        (void)eraEpv00(2451545.0, static_cast<double>(i++ % 7305), pvh, pvb);
        benchmark::DoNotOptimize(pvh);
    }
}

// The console report, and the CPU times of the runs kept for the ratio.
class Ratio : public benchmark::ConsoleReporter {
  public:
    std::vector<double> year, call;  // microseconds

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            const std::string name = r.benchmark_name();
            (name.rfind("terms/", 0) == 0 ? year : call).push_back(r.GetAdjustedCPUTime());
        }
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

}  // namespace

BENCHMARK(terms)->DenseRange(2000, 2019)->Unit(benchmark::kMicrosecond);
BENCHMARK(epv00)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!ap::available()) {
        std::fprintf(stderr, "built without ERFA: no apparent theory\n");
        return 1;
    }
    Ratio report;
    benchmark::RunSpecifiedBenchmarks(&report);
    if (!report.year.empty() && !report.call.empty()) {
        const double y = median(report.year), c = median(report.call);
        std::printf("24 terms a year, median over 2000-2019: %.0f us = %.1f eraEpv00 calls of %.1f us\n", y, y / c, c);
    }
    benchmark::Shutdown();
}
