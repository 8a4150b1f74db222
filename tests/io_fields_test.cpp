// Iw and Fw.d output, Fw.d numeric input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

using namespace solarlon;

namespace {

struct FOut {
    double v;
    int w, d;
    const char* want;
};

TEST(FieldOutput, FixedPoint) {
    const double inf = std::numeric_limits<double>::infinity();
    const FOut cases[] = {
        {79.26941, 10, 5, "  79.26941"},
        {79.2694067, 10, 5, "  79.26941"},
        {0.26, 5, 1, "  0.3"},  // rounded, leading 0 kept
        {0.25, 3, 2, ".25"},    // no room for the 0
        {-0.25, 4, 2, "-.25"},
        {-0.25, 5, 2, "-0.25"},
        {123456.0, 5, 1, "*****"},
        {-0.26, 6, 1, "  -0.3"},
        {999.95, 5, 1, "*****"},  // rounds up out of the field
        {999.94, 5, 1, "999.9"},
        {-99.9, 5, 1, "-99.9"},
        {-100.0, 5, 1, "*****"},
        {1000.0, 5, 1, "*****"},
        {360.0, 7, 3, "360.000"},
        {0.0, 7, 3, "  0.000"},
        {10.5, 7, 3, " 10.500"},
        {0.125, 4, 2, "0.12"},  // exact halfway: ties to even
        {0.375, 4, 2, "0.38"},
        {2.5, 3, 0, " 2."},
        {0.25, 1, 0, "*"},  // Fw.0 keeps its only digit, the zero
        {0.25, 2, 0, "0."},
        {-0.375, 2, 0, "**"},
        {-0.375, 3, 0, "-0."},
        {1.3848408780201824e32, 42, 0, "        138484087802018242747204840194048."},  // wide enough
        {inf, 6, 2, "******"},
        {std::nan(""), 4, 1, "****"},
    };
    for (const auto& c : cases) EXPECT_EQ(io::format_f(c.v, c.w, c.d), c.want) << c.v << " F" << c.w << "." << c.d;
}

// clang-format off
TEST(FieldOutput, Integer) {
    const struct {
        double v;
        int w;
        const char* want;
    } cases[] = {
        {5, 3, "  5"}, {-12, 3, "-12"}, {123, 2, "**"}, {0, 3, "  0"}, {-0.0, 3, "  0"},
        {1978, 5, " 1978"}, {-1000, 5, "-1000"}, {-10000, 5, "*****"}, {1e12, 5, "*****"},
        {std::nan(""), 3, "***"}, {std::numeric_limits<double>::infinity(), 3, "***"},
        {7.307637931476403e20, 21, "730763793147640283136"},  // past 2^64, and the width holds it
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(io::format_i(c.v, c.w), c.want) << c.v;
}

// The fields as printf's "%#.*f" and "%.0f" give them: the path that every value once took.
std::string printf_f(double v, int w, int d) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%#.*f", d, v);
    std::string s = buf;
    if (d > 0 && s.size() == static_cast<std::size_t>(w) + 1) {
        if (s.compare(0, 2, "0.") == 0) s.erase(0, 1);
        else if (s.compare(0, 3, "-0.") == 0) s.erase(1, 1);
    }
    if (s.size() > static_cast<std::size_t>(w)) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

std::string printf_i(double v, int w) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    std::string s = buf;
    if (s == "-0") s = "0";
    if (s.size() > static_cast<std::size_t>(w)) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

TEST(FieldOutput, SameDigitsAsPrintf) {
    // clang-format off
    std::vector<double> values = {
        0.0, -0.0, -0.0004, 0.0005, 0.0015, 0.0025, -0.0025,                 // zeros and signs
        0.125, 0.375, 2.5, 3.5, -2.5, 1e15 + 0.5, 4503599627370495.5,        // exact halves: even digit
        9.9995, 99.995, 999.95, 9.99949, 0.99995, 359.9995, 359.99951,       // carries into a new digit
        0.9999999999, 99999.9999996, 1.0 / 3.0, 2.0 / 3.0, 79.26941, 211.575,
        std::ldexp(1.0, 63), std::ldexp(1.0, 64), std::ldexp(1.0, 64) - 2048.0,  // 64-bit edges
        std::ldexp(1.0, -11), std::ldexp(1.0, -64), std::ldexp(1.0, -65), 5e-324, 2.2250738585072014e-308,
        1e18, 1e19, 1.8446744073709552e19, 1e22, 1e23, 1e30, 1.3848408780201824e32, 1e300, 1.7976931348623157e308,
    };
    // clang-format on
    std::mt19937_64 g(17);
    std::uniform_real_distribution<double> lon(-400.0, 400.0), mant(1.0, 10.0);
    std::uniform_int_distribution<int> ten(-25, 25);
    for (int i = 0; i < 3000; ++i) {
        values.push_back(lon(g));
        values.push_back(mant(g) * std::pow(10.0, ten(g)) * (i % 2 ? -1.0 : 1.0));
        values.push_back(std::round(lon(g) * 1000.0) / 1000.0 + 0.0005);  // near a tie of F7.3
    }
    for (double v : values)
        for (int d : {0, 1, 2, 3, 5, 8, 17, 19, 20, 40}) {
            // The natural width, and the widths that just hold it and just do not.
            char buf[400];
            const int n = std::snprintf(buf, sizeof buf, "%#.*f", d, v);
            for (int w : {n - 2, n - 1, n, n + 1, 7, 5}) {
                if (w <= 0) continue;
                ASSERT_EQ(io::format_f(v, w, d), printf_f(v, w, d)) << buf << " F" << w << "." << d;
            }
        }
    for (double v : values) {
        const double whole = std::trunc(v);
        for (int w : {1, 3, 5, 19, 20, 21, 40, 320}) ASSERT_EQ(io::format_i(whole, w), printf_i(whole, w)) << v;
    }
}

struct FIn {
    const char* field;
    int d;
    io::Status status;
    double want;
};

TEST(FieldInput, NumericField) {
    using S = io::Status;
    const FIn cases[] = {
        {"2439", 2, S::Ok, 24.39},   // implied decimals
        {"24.39", 2, S::Ok, 24.39},  // a point overrides them
        {"10.21", 2, S::Ok, 10.21},
        {"1021 ", 2, S::Ok, 10.21},  // blanks ignored, anywhere
        {" 5", 0, S::Ok, 5},
        {"5 3", 0, S::Ok, 53},
        {"     ", 2, S::Ok, 0},  // all blank is 0
        {"", 0, S::Ok, 0},
        {"-7", 0, S::Ok, -7},
        {"+7.5", 0, S::Ok, 7.5},
        {"1978-6", 0, S::Ok, 0.001978},  // sign-only exponent
        {"1.5e1", 0, S::Ok, 15},
        {"1.5D+1", 0, S::Ok, 15},
        {"25q-1", 0, S::Ok, 2.5},
        {"15e-1", 1, S::Ok, 0.15},  // implied decimals with an exponent
        {".5", 0, S::Ok, 0.5},
        {"5.", 0, S::Ok, 5},
        {"007", 0, S::Ok, 7},
        {"1e308", 0, S::Ok, 1e308},
        {"1e-400", 0, S::Ok, 0},
        {".", 0, S::Invalid, 0},
        {"+", 0, S::Invalid, 0},
        {"-", 0, S::Invalid, 0},
        {"e5", 0, S::Invalid, 0},
        {"5e", 0, S::Invalid, 0},
        {"5-", 0, S::Invalid, 0},
        {"5e+", 0, S::Invalid, 0},
        {"1.2.3", 0, S::Invalid, 0},
        {"1978,", 0, S::Invalid, 0},  // a comma does not end a field
        {"abc", 0, S::Invalid, 0},
        {"5\t", 0, S::Invalid, 0},
        {"1e400", 0, S::OutOfRange, 0},
        {"-1e-99999999999999999", 0, S::Ok, -0.0},
        {"-1e99999999999999999", 0, S::OutOfRange, 0},
        {"1e99999999999999999", 0, S::OutOfRange, 0},
    };
    for (const auto& c : cases) {
        double v = -123.0;
        const S st = io::read_f(c.field, c.d, v);
        EXPECT_EQ(static_cast<int>(st), static_cast<int>(c.status)) << "'" << c.field << "'";
        if (c.status == S::Ok) EXPECT_NEAR(v, c.want, 1e-15 * std::fabs(c.want)) << "'" << c.field << "'";
        else EXPECT_EQ(v, -123.0) << "nothing is stored for '" << c.field << "'";
    }
}

// The value as strtod reads the same digits, point and exponent: the path that every field once took.
TEST(FieldInput, SameValuesAsStrtod) {
    std::mt19937_64 g(16);
    // clang-format off
    std::vector<std::string> fields = {"9007199254740993", "9007199254740992", "9007199254740991.5",
                                       "123456789012345678901234567890", "0.000000000000000000000001",
                                       "1e22", "1e23", "123456789e-22", "123456789e-23", "4.9e-324",
                                       "2.2250738585072011e-308", "1.7976931348623157e308", "0.1", "0.3"};
    // clang-format on
    for (int i = 0; i < 50000; ++i) {
        std::string f;
        const int digits = 1 + static_cast<int>(g() % 22);
        const int point = static_cast<int>(g() % (digits + 2)) - 1;  // -1: no point
        for (int k = 0; k < digits; ++k) {
            if (k == point) f += '.';
            f += static_cast<char>('0' + g() % 10);
        }
        if (g() % 3 == 0) f += "e" + std::to_string(static_cast<int>(g() % 61) - 30);
        fields.push_back(f);
    }
    for (const std::string& f : fields)
        for (int d : {0, 2, 5}) {
            // The same number written plainly: digits with the point where D puts it when there is none.
            std::string plain = f;
            const std::size_t e = plain.find('e');
            std::string mantissa = plain.substr(0, e), exponent = e == std::string::npos ? "" : plain.substr(e);
            if (mantissa.find('.') == std::string::npos) {
                while (mantissa.size() <= static_cast<std::size_t>(d)) mantissa.insert(0, "0");
                mantissa.insert(mantissa.size() - static_cast<std::size_t>(d), ".");
            }
            const double want = std::strtod((mantissa + exponent).c_str(), nullptr);
            double v = -1.0;
            ASSERT_EQ(io::read_f(f, d, v), io::Status::Ok) << f;
            ASSERT_EQ(v, want) << f << " d=" << d;
            ASSERT_EQ(io::read_f("-" + f, d, v), io::Status::Ok) << f;
            ASSERT_EQ(v, -want) << f << " d=" << d;
        }
}

TEST(FieldInput, LongMantissaIsExact) {
    double v = 0.0;
    ASSERT_EQ(io::read_f(std::string(5000, '0') + "1" + std::string(300, '0'), 0, v), io::Status::Ok);
    EXPECT_EQ(v, 1e300);
}

}  // namespace
