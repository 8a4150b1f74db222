// NINT, FORMATI, FORMATF  Whole-number rounding and the Iw and Fw.d output fields.
#include <cmath>
#include <cstdio>
#include <string>

#include <solarlon/io.hpp>

namespace solarlon::io {

double nint(double x) { return std::trunc(x + 0.5); }

namespace {

std::string stars(int w) { return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

std::string right(const std::string& s, int w) {
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

}  // namespace

std::string format_i(double whole, int w) {
    if (w <= 0) return std::string();
    if (!std::isfinite(whole) || std::fabs(whole) >= 1.0e18) return stars(w);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", whole);
    std::string s = buf;
    if (s == "-0") s = "0";
    if (static_cast<int>(s.size()) > w) return stars(w);
    return right(s, w);
}

std::string format_f(double v, int w, int d) {
    if (w <= 0) return std::string();
    if (d < 0) d = 0;
    if (d > 40) d = 40;
    if (!std::isfinite(v) || std::fabs(v) >= 1.0e30) return stars(w);
    char buf[80];
    std::snprintf(buf, sizeof buf, "%#.*f", d, v);  // exact binary value, rounded to nearest, ties to even
    std::string s = buf;
    if (static_cast<int>(s.size()) == w + 1) {
        // One column short: the 0 before the point goes.
        if (s.compare(0, 2, "0.") == 0) s.erase(0, 1);
        else if (s.compare(0, 3, "-0.") == 0) s.erase(1, 1);
    }
    if (static_cast<int>(s.size()) > w) return stars(w);
    return right(s, w);
}

}  // namespace solarlon::io
