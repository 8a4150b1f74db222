// The predicting search against the literal scan: the same month, day, hour and year's end to the last
// bit on random and adversarial questions (longitudes at grid values, at 0 and 360, in the band after
// the year's end, out of range; every equinox choice, zones, fractional years, years 1 to 9999), and
// the number of evaluations it needs.
//
// The default run asks 20,000 questions; SOLARLON_SEARCH_CASES=1000000 in the environment asks more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include <solarlon/equinox.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/util.hpp>

#include "solar/detail.hpp"
#include "solar/tables.hpp"
#include "support_solar.hpp"

using testsupport::sun_longitude;
using testsupport::UniformSun;

namespace {

struct Question {
    double eq;
    std::int32_t zone, iyear;
    double lon, year;
};

std::ostream& operator<<(std::ostream& os, const Question& q) {
    std::ostringstream s;
    s.precision(17);
    s << "EQ " << q.eq << " zone " << q.zone << " IYEAR " << q.iyear << " LON " << q.lon << " YEAR " << q.year;
    return os << s.str();
}

struct Answer {
    double mon = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::int32_t iyadd = -1;
    int calls = 0;
};

using solarlon::detail::LongitudeFn;

using Kernel = void (*)(const LongitudeFn&, std::int32_t, std::int32_t, double, double, double&, double&, double&,
                        double&, double&, std::int32_t&);

// The predictor as SUNTIM runs it inside its bounds: where it gives up, the scan answers.
void predicted(const LongitudeFn& lam, std::int32_t zone, std::int32_t iyear, double lon, double year, double& mon,
               double& day, double& hour, double& minute, double& second, std::int32_t& iyadd) {
    if (!solarlon::detail::predict_search(lam, zone, iyear, lon, year, mon, day, hour, minute, second, iyadd)) {
        solarlon::detail::scan_search(lam, zone, iyear, lon, year, mon, day, hour, minute, second, iyadd);
    }
}

Answer ask(Kernel kernel, const Question& q) {
    Answer a;
    const double eq = q.eq;
    const LongitudeFn lam = [&](const double& y, const double& m, const double& d, const double& h) {
        ++a.calls;
        return sun_longitude(eq, y, m, d, h);
    };
    kernel(lam, q.zone, q.iyear, q.lon, q.year, a.mon, a.day, a.hour, a.minute, a.second, a.iyadd);
    return a;
}

// The same answer: month, day, hour and year's end bit for bit, the time within the hour to 1e-9 s.
::testing::AssertionResult same(const Answer& fast, const Answer& scan) {
    const bool grid =
        fast.mon == scan.mon && fast.day == scan.day && fast.hour == scan.hour && fast.iyadd == scan.iyadd;
    const double t1 = 60.0 * fast.minute + fast.second, t2 = 60.0 * scan.minute + scan.second;
    const bool nan = std::isnan(t1) && std::isnan(t2);
    if (grid && (nan || std::fabs(t1 - t2) <= 1e-9)) return ::testing::AssertionSuccess();
    std::ostringstream s;
    s.precision(17);
    s << "fast " << fast.iyadd << " " << fast.mon << " " << fast.day << " " << fast.hour << " " << fast.minute << " "
      << fast.second << ", scan " << scan.iyadd << " " << scan.mon << " " << scan.day << " " << scan.hour << " "
      << scan.minute << " " << scan.second;
    return ::testing::AssertionFailure() << s.str();
}

// Random and adversarial questions, drawn from a fixed starting value.
class Questions {
  public:
    explicit Questions(std::uint32_t start) : gen_(start) {}

    Question next() {
        Question q{};
        q.eq = equinox();
        q.zone = zone();
        q.year = year();
        if (pick(0.05)) {  // the ends of the range in which SUNTIM predicts
            const double eqs[] = {-1000.0, 12000.0, 0.0, 1950.0};
            const double years[] = {1.0, 1.5, 2.0, 9998.0, 9999.0, 9999.99};
            q.eq = eqs[whole(0, 3)];
            q.year = years[whole(0, 5)];
            q.zone = pick(0.5) ? 24 : -24;
        }
        q.iyear = solarlon::to_int32(solarlon::nint(q.year));
        if (pick(0.03)) q.iyear += pick(0.5) ? 1 : -1;  // a leap column that does not fit the year
        q.lon = longitude(q);
        return q;
    }

  private:
    bool pick(double p) { return unit_(gen_) < p; }
    int whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen_); }

    double equinox() {
        const double u = unit_(gen_);
        if (u < 0.3) return 1950.0;
        if (u < 0.6) return 0.0;
        if (u < 0.7) return 2000.0;
        if (u < 0.75) return uniform(-1.49, 0.49);     // rounds to 0
        if (u < 0.8) return uniform(1949.5, 1950.49);  // rounds to 1950
        return uniform(-1000.0, 12000.0);              // a year, with its fraction
    }
    std::int32_t zone() {
        const double u = unit_(gen_);
        if (u < 0.4) return 9;
        if (u < 0.7) return 0;
        return whole(-24, 24);
    }
    double year() {
        const double u = unit_(gen_);
        if (u < 0.4) return whole(1900, 2100);
        if (u < 0.8) return whole(1, 9999);
        if (u < 0.9) return whole(1, 9998) + uniform(0.0, 1.0);  // a fraction shifts the grid
        const int century[] = {100, 1600, 1700, 1800, 1900, 2000, 2100, 2400, 9900};
        return century[whole(0, 8)] + whole(-1, 1);
    }

    // The longitude at a point of the grids that the search walks, for the question's equinox.
    double gridvalue(const Question& q) {
        const double z = q.zone;
        const double mon = whole(1, 12);
        const double day = whole(1, 31);
        switch (whole(0, 5)) {
            case 0: return sun_longitude(q.eq, q.year, mon, 1, -z);                  // month grid
            case 1: return sun_longitude(q.eq, q.year, mon, day, -z);                // day grid
            case 2: return sun_longitude(q.eq, q.year, mon, day, whole(1, 23) - z);  // hour grid
            case 3: return sun_longitude(q.eq, q.year, mon, day, 24 - z);            // hour 24, below the next day
            case 4: return sun_longitude(q.eq, q.year + 1, 1, 1, whole(0, 24) - z);  // next January 1
            default: return sun_longitude(q.eq, q.year, 12, 31, whole(0, 24) - z);   // the year's last day
        }
    }

    double longitude(const Question& q) {
        const double u = unit_(gen_);
        if (u < 0.35) return uniform(0.0, 360.0);
        if (u < 0.7) {
            const double v = gridvalue(q);
            const double w = unit_(gen_);
            if (w < 0.6) return v;
            return std::nextafter(v, w < 0.8 ? 1000.0 : -1000.0);  // one step either side
        }
        if (u < 0.85) {
            // The band after the year's end, its ends and a little beyond them.
            const double end = sun_longitude(q.eq, q.year, 12, 31, 24 - q.zone);
            const double first = sun_longitude(q.eq, q.year, 1, 1, -q.zone);
            const double w = unit_(gen_);
            if (w < 0.2) return end;
            if (w < 0.4) return first;
            double v = end + uniform(-0.05, 1.05) * std::remainder(first - end, 360.0);
            if (v < 0.0) v += 360.0;
            if (v >= 360.0) v -= 360.0;
            return v;
        }
        if (u < 0.9) {
            const double exact[] = {0.0, 360.0, std::nextafter(360.0, 0.0), std::nextafter(0.0, 1.0), 180.0, 90.0};
            return exact[whole(0, 5)];
        }
        if (u < 0.97) return uniform(0.0, 360.0) + 360.0 * whole(-3, 3);  // whole turns off
        const double odd[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              1e300,
                              -1e-300,
                              720.0};
        return odd[whole(0, 5)];
    }

    std::mt19937 gen_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

long cases(long fallback) {
    const char* v = std::getenv("SOLARLON_SEARCH_CASES");
    if (v == nullptr) return fallback;
    const long n = std::strtol(v, nullptr, 10);
    return n > 0 ? n : fallback;
}

}  // namespace

// The answer of the predicting search is the literal scan's, for every question.
TEST(SearchKernel, SameAnswerAsTheScan) {
    Questions questions(20250101u);
    const long n = cases(20000);
    long calls = 0, scanned = 0, after = 0, bad = 0;
    int most = 0;
    for (long i = 0; i < n && bad < 10; ++i) {
        const Question q = questions.next();
        const Answer scan = ask(solarlon::detail::scan_search, q);
        const Answer fast = ask(predicted, q);
        const ::testing::AssertionResult r = same(fast, scan);
        if (!r) {
            ADD_FAILURE() << q << ": " << r.message();
            ++bad;
        }
        calls += fast.calls;
        scanned += scan.calls;
        after += scan.iyadd;
        if (std::isfinite(q.lon)) most = std::max(most, fast.calls);
    }
    const double mean = static_cast<double>(calls) / static_cast<double>(n);
    std::printf(
        "%ld questions, %ld after the year's end: %.2f evaluations on average (at most %d for a finite "
        "longitude), the scan "
        "%.2f\n",
        n, after, mean, most, static_cast<double>(scanned) / static_cast<double>(n));
    EXPECT_LE(mean, 12.0);
    EXPECT_GT(after, n / 50);
}

// SUNTIM, with its lean longitude, answers as the literal scan with SUNLNG, inside the range where it
// predicts and outside it (where it scans).
TEST(SearchKernel, SuntimAnswersAsTheScan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Question table[] = {
        {0.0, 9, 1978, 79.26941, 1978},
        {2000.0, 0, 2000, 270.0, 2000},
        {2000.0, 0, 2000, 280.0, 2000},
        {0.0, 9, 1978, 360.0, 1978},
        {1950.0, 0, 1, 123.0, 1},
        {1950.0, 0, 9999, 280.1, 9999},
        {0.0, 24, 2024, 279.0, 2024},
        {0.0, -24, 2023, 280.5, 2023},
        {0.0, 9, 1979, 100.0, 1978.6},
        {12000.0, 0, 1978, 10.0, 1978},
        {-1000.0, 9, 1978, 10.0, 1978},
        // Outside: years, equinoxes and zones where the scan answers.
        {0.0, 9, 0, 100.0, 0},
        {0.0, 9, -500, 100.0, -500},
        {1950.0, 0, 10000, 100.0, 10000},
        {0.0, 9, 20000, 100.0, 20000},
        {1e6, 0, 1978, 100.0, 1978},
        {-5000.0, 0, 1978, 100.0, 1978},
        {0.0, 25, 1978, 100.0, 1978},
        {0.0, -100, 1978, 100.0, 1978},
        {nan, 0, 1978, 100.0, 1978},
        {0.0, 9, 1978, nan, 1978},
        {0.0, 9, 1978, 100.0, nan},
    };
    for (const Question& q : table) {
        Answer a;
        solarlon::SUNTIM(q.eq, q.zone, q.iyear, q.lon, q.year, a.mon, a.day, a.hour, a.minute, a.second, a.iyadd);
        EXPECT_TRUE(same(a, ask(solarlon::detail::scan_search, q))) << q;
    }
    Questions questions(19780610u);
    for (int i = 0; i < 2000; ++i) {
        const Question q = questions.next();
        Answer a;
        solarlon::SUNTIM(q.eq, q.zone, q.iyear, q.lon, q.year, a.mon, a.day, a.hour, a.minute, a.second, a.iyadd);
        ASSERT_TRUE(same(a, ask(solarlon::detail::scan_search, q))) << q;
    }
}

// Longitudes exactly at the month, day and hour grids of one year, every one of them: the scan puts such
// a value at the start of the following span, and so must the prediction.
TEST(SearchKernel, EveryGridValueOfAYear) {
    struct Case {
        double eq;
        std::int32_t zone;
        double year;
    } const cases[] = {{0.0, 9, 1978}, {1950.0, 0, 2000}, {2000.0, 0, 1900}, {0.0, 0, 2023.5}};
    for (const auto& c : cases) {
        const std::int32_t iyear = solarlon::to_int32(solarlon::nint(c.year));
        const int leap = (iyear % 4 == 0) ? 1 : 0;
        for (int mon = 1; mon <= 12; ++mon) {
            for (int day = 1; day <= solarlon::MONTH[leap][mon - 1]; ++day) {
                for (int hour = 0; hour <= 24; hour += (day == 1 ? 1 : 6)) {
                    const double lon = sun_longitude(c.eq, c.year, mon, day, hour - c.zone);
                    const Question q{c.eq, c.zone, iyear, lon, c.year};
                    ASSERT_TRUE(same(ask(predicted, q), ask(solarlon::detail::scan_search, q)))
                        << q << " from " << mon << "-" << day << " " << hour;
                }
            }
        }
    }
}

// A longitude that leaves [0, 360] hands the question to the scan; an evaluator with steps far beyond
// the Sun's (a uniform model with a jump at the year's turn) gives the scan's answer too.
TEST(SearchKernel, OddEvaluatorsFallBackToTheScan) {
    const UniformSun models[] = {{0.0, 360.0}, {1e-9, 360.0}, {0.0, 400.0}, {-1e-9, 360.0}};
    std::mt19937 gen(7u);
    std::uniform_real_distribution<double> any(0.0, 360.0);
    for (const UniformSun& m : models) {
        for (int i = 0; i < 300; ++i) {
            const double lon = (i % 3 == 0) ? m(1978, 1 + i % 12, 1 + i % 28, i % 25) : any(gen);
            for (std::int32_t zone : {0, 9}) {
                Answer fast, scan;
                predicted(m, zone, 1978, lon, 1978.0, fast.mon, fast.day, fast.hour, fast.minute, fast.second,
                          fast.iyadd);
                solarlon::detail::scan_search(m, zone, 1978, lon, 1978.0, scan.mon, scan.day, scan.hour, scan.minute,
                                              scan.second, scan.iyadd);
                ASSERT_TRUE(same(fast, scan)) << "model " << m.jump << " " << m.scale << " lon " << lon;
            }
        }
    }
}
