// GETNUM over any line and any scan width: the count and the six values must be those of the two
// column tests (a field starts at a non-blank in column 1 or after a blank or comma, and ends at a
// non-blank followed by a blank or comma, read as Fw.0), nothing may be stored beyond the six values,
// and the count can never exceed the columns tested (a run of commas starts a field at each).
//
// Input: byte 0 the scan width, the rest the line (taken as 80 columns).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <solarlon/io.hpp>
#include <solarlon/util.hpp>

namespace {

void fail(const char* what, const std::string& line, std::int32_t n) {
    std::fprintf(stderr, "fuzz_getnum: %s (width %d): %s\n", what, static_cast<int>(n),
                 solarlon::io::shown(line).c_str());
    std::abort();
}

bool sep(char c) { return c == ' ' || c == ','; }

// Columns 1..N-1 of the 80-column line, tested one by one.
void model(const std::string& line80, std::int32_t n, std::int32_t& count, double (&a)[6]) {
    count = 0;
    for (double& x : a) x = 0.0;
    std::size_t s = 0;
    for (std::int32_t i = 1; i <= n - 1; ++i) {
        const char c = line80[static_cast<std::size_t>(i - 1)];
        const char next = line80[static_cast<std::size_t>(i)];
        if (c == ' ') continue;
        if (i == 1 || sep(line80[static_cast<std::size_t>(i - 2)])) {
            ++count;
            s = static_cast<std::size_t>(i - 1);
        }
        if (sep(next) && count <= 6) {
            double v = 0.0;
            const std::string field = line80.substr(s, static_cast<std::size_t>(i) - s);
            if (solarlon::io::read_f(field, 0, v) == solarlon::io::Status::Ok) a[count - 1] = v;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // Mostly 1..80, sometimes just outside (a width below 1 scans nothing, above 80 scans 80).
    const std::int32_t n = static_cast<std::int32_t>(data[0] % 88) - 3;
    const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);

    // The six values with guard values on both sides.
    constexpr double kGuard = -1.25e300;
    double slots[8];
    for (double& x : slots) x = kGuard;
    std::int32_t count = -99;
    solarlon::GETNUM(line, n, count, slots[1], slots[2], slots[3], slots[4], slots[5], slots[6]);
    if (slots[0] != kGuard || slots[7] != kGuard) fail("stored beyond the six values", line, n);

    const std::int32_t scan = n < 1 ? 1 : (n > 80 ? 80 : n);
    std::string line80 = line.substr(0, 80);
    line80.resize(80, ' ');
    std::int32_t want = 0;
    double a[6];
    model(line80, scan, want, a);

    if (count < 0 || count > scan - 1) fail("count out of range", line, n);
    if (count != want) fail("count differs from the column tests", line, n);
    for (int k = 0; k < 6; ++k) {
        if (std::memcmp(&slots[k + 1], &a[k], sizeof(double)) != 0)
            fail("value differs from the column tests", line, n);
        if (k >= count && slots[k + 1] != 0.0) fail("a value without a field", line, n);
    }
    return 0;
}
