// READF  Fw.d input of one numeric field.
//
// Accepted: optional sign, digits with at most one decimal point, optional exponent (E, D or Q in either
// case with an optionally signed integer, or a sign directly followed by an integer: 1978-6 is
// 1978e-6). Blanks anywhere are ignored; a field of blanks is 0. Without a decimal point the last D
// digits are decimals. Anything else makes the field invalid.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Status read_f(std::string_view field, int d, double& value) {
    std::string s;
    s.reserve(field.size());
    for (char c : field)
        if (c != ' ') s.push_back(c);
    if (s.empty()) {
        value = 0.0;
        return Status::Ok;
    }

    std::size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') negative = (s[i++] == '-');

    std::string digits;         // mantissa digits, point removed
    long long fraction = -1;    // digits after the point; -1 without a point
    for (; i < s.size(); ++i) {
        if (digit(s[i])) {
            digits.push_back(s[i]);
            if (fraction >= 0) ++fraction;
        } else if (s[i] == '.' && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    if (digits.empty()) return Status::Invalid;  // a lone sign or point, or an exponent with no mantissa

    long long exponent = 0;
    if (i < s.size()) {
        const char c = s[i];
        const bool letter = c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == 'Q' || c == 'q';
        if (!letter && c != '+' && c != '-') return Status::Invalid;
        if (letter) ++i;
        bool eneg = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) eneg = (s[i++] == '-');
        if (i >= s.size()) return Status::Invalid;
        for (; i < s.size(); ++i) {
            if (!digit(s[i])) return Status::Invalid;
            if (exponent < 1000000000LL) exponent = exponent * 10 + (s[i] - '0');
        }
        if (eneg) exponent = -exponent;
    }

    // value = digits x 10^(exponent - decimals), converted once (correctly rounded by strtod).
    const long long decimals = fraction >= 0 ? fraction : static_cast<long long>(d > 0 ? d : 0);
    const std::size_t first = digits.find_first_not_of('0');
    double v = 0.0;
    if (first != std::string::npos) {
        std::string text = digits.substr(first);
        text += 'e';
        text += std::to_string(exponent - decimals);
        errno = 0;
        v = std::strtod(text.c_str(), nullptr);
        if (std::isinf(v)) return Status::OutOfRange;
    }
    value = negative ? -v : v;
    return Status::Ok;
}

}  // namespace solarlon::io
