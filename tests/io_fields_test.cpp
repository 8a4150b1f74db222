// Iw and Fw.d output, Fw.d numeric input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
        {0.26, 5, 1, "  0.3"},       // rounded, leading 0 kept
        {0.25, 3, 2, ".25"},         // no room for the 0
        {-0.25, 4, 2, "-.25"},
        {-0.25, 5, 2, "-0.25"},
        {123456.0, 5, 1, "*****"},
        {-0.26, 6, 1, "  -0.3"},
        {999.95, 5, 1, "*****"},     // rounds up out of the field
        {999.94, 5, 1, "999.9"},
        {-99.9, 5, 1, "-99.9"},
        {-100.0, 5, 1, "*****"},
        {1000.0, 5, 1, "*****"},
        {360.0, 7, 3, "360.000"},
        {0.0, 7, 3, "  0.000"},
        {10.5, 7, 3, " 10.500"},
        {0.125, 4, 2, "0.12"},       // exact halfway: ties to even
        {0.375, 4, 2, "0.38"},
        {2.5, 3, 0, " 2."},
        {inf, 6, 2, "******"},
        {std::nan(""), 4, 1, "****"},
    };
    for (const auto& c : cases) EXPECT_EQ(io::format_f(c.v, c.w, c.d), c.want) << c.v << " F" << c.w << "." << c.d;
}

TEST(FieldOutput, Integer) {
    const struct {
        double v;
        int w;
        const char* want;
    } cases[] = {
        {5, 3, "  5"}, {-12, 3, "-12"}, {123, 2, "**"}, {0, 3, "  0"}, {-0.0, 3, "  0"},
        {1978, 5, " 1978"}, {-1000, 5, "-1000"}, {-10000, 5, "*****"}, {1e12, 5, "*****"},
        {std::nan(""), 3, "***"}, {std::numeric_limits<double>::infinity(), 3, "***"},
    };
    for (const auto& c : cases) EXPECT_EQ(io::format_i(c.v, c.w), c.want) << c.v;
}

TEST(FieldOutput, RoundingToWhole) {
    EXPECT_EQ(io::nint(2.5), 3.0);
    EXPECT_EQ(io::nint(59.5), 60.0);
    EXPECT_EQ(io::nint(1978.4), 1978.0);
    EXPECT_EQ(io::nint(1978.6), 1979.0);
    EXPECT_EQ(io::nint(-0.4), 0.0);   // truncation toward zero after adding 0.5
    EXPECT_EQ(io::nint(-1.5), -1.0);
    EXPECT_EQ(io::nint(-1.6), -1.0);
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
        {"2439", 2, S::Ok, 24.39},     // implied decimals
        {"24.39", 2, S::Ok, 24.39},    // a point overrides them
        {"10.21", 2, S::Ok, 10.21},
        {"1021 ", 2, S::Ok, 10.21},    // blanks ignored, anywhere
        {" 5", 0, S::Ok, 5},
        {"5 3", 0, S::Ok, 53},
        {"     ", 2, S::Ok, 0},        // all blank is 0
        {"", 0, S::Ok, 0},
        {"-7", 0, S::Ok, -7},
        {"+7.5", 0, S::Ok, 7.5},
        {"1978-6", 0, S::Ok, 0.001978},  // sign-only exponent
        {"1.5e1", 0, S::Ok, 15},
        {"1.5D+1", 0, S::Ok, 15},
        {"25q-1", 0, S::Ok, 2.5},
        {"15e-1", 1, S::Ok, 0.15},     // implied decimals with an exponent
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
        {"1978,", 0, S::Invalid, 0},   // a comma does not end a field
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
        if (c.status == S::Ok)
            EXPECT_NEAR(v, c.want, 1e-15 * std::fabs(c.want)) << "'" << c.field << "'";
        else
            EXPECT_EQ(v, -123.0) << "nothing is stored for '" << c.field << "'";
    }
}

TEST(FieldInput, LongMantissaIsExact) {
    double v = 0.0;
    ASSERT_EQ(io::read_f(std::string(5000, '0') + "1" + std::string(300, '0'), 0, v), io::Status::Ok);
    EXPECT_EQ(v, 1e300);
}

}  // namespace
