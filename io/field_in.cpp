// read_f  Fw.d input of one numeric field.
//
// Accepted: optional sign, digits with at most one decimal point, optional exponent (E, D or Q in either
// case with an optionally signed integer, or a sign directly followed by an integer: 1978-6 is
// 1978e-6). Blanks anywhere are ignored; a field of blanks is 0. Without a decimal point the last D
// digits are decimals. Anything else makes the field invalid.
//
// The value is the mantissa's digits times 10^(exponent - decimals), correctly rounded. When the digits
// make a whole number of at most 2^53 and the power is 10^-22 to 10^22, both are exact doubles and one
// multiplication or division rounds correctly; other fields go through strtod on the digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits of MANTISSA (blanks and the point left out, leading zeros too) times 10^POWER by strtod.
double general(std::string_view mantissa, long long power) {
    char small[64];  // most fields: no heap
    std::string large;
    char* text = small;
    if (mantissa.size() + 24 > sizeof small) {
        large.resize(mantissa.size() + 24);
        text = &large[0];
    }
    std::size_t n = 0;
    for (char c : mantissa)
        if (digit(c) && !(n == 0 && c == '0')) text[n++] = c;
    if (n == 0) return 0.0;
    std::snprintf(text + n, 24, "e%lld", power);
    return std::strtod(text, nullptr);  // digits and an exponent only: the same in every locale
}

// The exponent that stands from P to END: a letter E, D or Q (either case) with an optionally signed
// integer, or a sign and an integer. False when it is not one.
bool read_exponent(const char* p, const char* end, long long& exponent) {
    const auto skip = [&p, end] {
        while (p != end && *p == ' ') ++p;
    };
    const char c = *p;
    const bool letter = c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
    if (!letter && c != '+' && c != '-') return false;
    if (letter) {
        ++p;
        skip();
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p++ == '-';
        skip();
    }
    if (p == end) return false;
    long long e = 0;
    for (; p != end; ++p) {
        if (*p == ' ') continue;
        if (!digit(*p)) return false;
        if (e < 1000000000LL) e = e * 10 + (*p - '0');
    }
    exponent = negative ? -e : e;
    return true;
}

}  // namespace

Status read_f(std::string_view field, int d, double& value) {
    const char* p = field.data();
    const char* const end = p + field.size();
    const auto skip = [&p, end] {  // blanks are left out wherever they stand
        while (p != end && *p == ' ') ++p;
    };
    skip();
    if (p == end) {
        value = 0.0;
        return Status::Ok;
    }

    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p++ == '-';
        skip();
    }

    const char* const first = p;
    std::uint64_t m = 0;   // the digits as a whole number; past 10^18 it only tells that it is large
    long long count = 0;   // digits of the mantissa
    long long point = -1;  // digits before the point; -1 without a point
    for (; p != end; ++p) {
        const char c = *p;
        if (digit(c)) {
            ++count;
            if (m < 1000000000000000000ULL) m = m * 10 + static_cast<unsigned>(c - '0');
        } else if (c == '.' && point < 0) {
            point = count;
        } else if (c != ' ') {
            break;
        }
    }
    if (count == 0) return Status::Invalid;  // a lone sign or point, or an exponent with no mantissa
    const std::string_view mantissa(first, static_cast<std::size_t>(p - first));

    long long exponent = 0;
    if (p != end && !read_exponent(p, end, exponent)) return Status::Invalid;

    const long long decimals = point >= 0 ? count - point : static_cast<long long>(d > 0 ? d : 0);
    const long long power = exponent - decimals;
    double v = 0.0;
    if (m == 0) {
        v = 0.0;  // all digits zero
    } else if (m <= (std::uint64_t{1} << 53) && power >= -22 && power <= 22) {
        const double whole = static_cast<double>(m);
        v = power >= 0 ? whole * kPow10[power] : whole / kPow10[-power];
    } else {
        v = general(mantissa, power);
        if (std::isinf(v)) return Status::OutOfRange;
    }
    value = negative ? -v : v;
    return Status::Ok;
}

}  // namespace solarlon::io
