// The astronomy of the file modes alone, on the files that bench/filemodes.sh gives the program: the
// Sun's longitude (SUNLON) of every date line of a date file, and the reverse search (SUNTIM) of every
// longitude of a longitude file, each read beforehand as the modes read it. The time of the calls only
// is printed, the best of three passes, so that the script can divide the program's time by it.
//
//   bench_series dates FILE EQ        "sunlon LINES SECONDS"
//   bench_series longitudes FILE EQ   "suntim VALUES SECONDS"
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <solarlon/io.hpp>
#include <solarlon/solar.hpp>

namespace {

using namespace solarlon;

struct Date {
    double year, mon, day, hour;
};

// The date lines of a date file, with the century rule and the day split as the mode does them.
std::vector<Date> dates(const char* name) {
    std::ifstream f(name, std::ios::binary);
    io::RecordReader in(f, name);
    std::vector<Date> v;
    std::string line;
    while (in.read(line, 78)) {
        line.resize(78, ' ');
        if (line[6] != '.' || line[7] < '0' || line[7] > '9') continue;
        double y = 0.0, m = 0.0, d = 0.0;
        if (io::read_f(std::string_view(line).substr(0, 2), 0, y) != io::Status::Ok ||
            io::read_f(std::string_view(line).substr(2, 2), 0, m) != io::Status::Ok ||
            io::read_f(std::string_view(line).substr(4, 5), 2, d) != io::Status::Ok)
            break;  // the mode stops here too
        y += y > 29.999 ? 1900.0 : 2000.0;
        const double whole = std::trunc(d);
        v.push_back({y, m, whole, (d - whole) * 24.0});
    }
    return v;
}

// The longitudes of a longitude file, read free-form one per line.
std::vector<double> longitudes(const char* name) {
    std::ifstream f(name, std::ios::binary);
    io::RecordReader in(f, name);
    std::vector<double> v;
    double lon = 0.0;
    while (io::read_free(in, lon) != io::Free::End) v.push_back(lon);
    return v;
}

template <class F>
double best_of_three(F pass) {
    double best = 0.0;
    for (int k = 0; k < 3; ++k) {
        const auto t0 = std::chrono::steady_clock::now();
        pass();
        const std::chrono::duration<double> t = std::chrono::steady_clock::now() - t0;
        if (k == 0 || t.count() < best) best = t.count();
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_series dates|longitudes FILE EQ\n");
        return 2;
    }
    const std::string what = argv[1];
    const double EQ = std::strtod(argv[3], nullptr);
    double sum = 0.0;  // keeps the results alive
    try {
        if (what == "dates") {
            const std::vector<Date> v = dates(argv[2]);
            const double zero = 0.0;
            const double t = best_of_three([&] {
                for (const Date& d : v) {
                    double LON = 0.0;
                    SUNLON(EQ, d.year, d.mon, d.day, d.hour, zero, zero, LON);
                    sum += LON;
                }
            });
            std::printf("sunlon %zu %.6f\n", v.size(), t);
        } else if (what == "longitudes") {
            const std::vector<double> v = longitudes(argv[2]);
            const std::int32_t IZONE = 0, IYEAR = 2000;
            const double YEAR = 2000.0;
            const double t = best_of_three([&] {
                for (const double& LON : v) {
                    double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
                    std::int32_t IYADD = 0;
                    SUNTIM(EQ, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
                    sum += MON + DAY + HOUR + IYADD;
                }
            });
            std::printf("suntim %zu %.6f\n", v.size(), t);
        } else {
            std::fprintf(stderr, "bench_series: unknown kind %s\n", argv[1]);
            return 2;
        }
    } catch (const io::Failure& f) {
        std::fprintf(stderr, "bench_series: %s\n", f.what());
        return 1;
    }
    std::fprintf(stderr, "(checksum %.6f)\n", sum);
    return 0;
}
