// format_i, format_f  The Iw and Fw.d output fields.
//
// Both fields start from the text that printf's "%.*f" gives: the exact binary value rounded to the
// decimals, an exact half to the even digit, a minus sign whenever the sign bit is set. Most values
// (below 2^64, with their mantissa times 10^d within 64 bits) are rounded here in integers; the others
// go through std::to_chars, which rounds the same way.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {

static_assert(std::numeric_limits<double>::is_iec559, "the direct path reads IEEE binary64 fields");

constexpr int kMaxDecimals = 40;
// Longest text of a finite double: a sign, 309 whole digits, the point and the decimals.
constexpr std::size_t kFixedMax = 1 + 309 + 1 + kMaxDecimals;

// clang-format off
constexpr std::uint64_t kPow10[20] = {
    1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL, 100000000ULL,
    1000000000ULL, 10000000000ULL, 100000000000ULL, 1000000000000ULL, 10000000000000ULL,
    100000000000000ULL, 1000000000000000ULL, 10000000000000000ULL, 100000000000000000ULL,
    1000000000000000000ULL, 10000000000000000000ULL};
// clang-format on

// Largest mantissa that can be multiplied by 10^D within 64 bits.
constexpr std::uint64_t kMaxScaled[20] = {
    ~0ULL / kPow10[0],  ~0ULL / kPow10[1],  ~0ULL / kPow10[2],  ~0ULL / kPow10[3],  ~0ULL / kPow10[4],
    ~0ULL / kPow10[5],  ~0ULL / kPow10[6],  ~0ULL / kPow10[7],  ~0ULL / kPow10[8],  ~0ULL / kPow10[9],
    ~0ULL / kPow10[10], ~0ULL / kPow10[11], ~0ULL / kPow10[12], ~0ULL / kPow10[13], ~0ULL / kPow10[14],
    ~0ULL / kPow10[15], ~0ULL / kPow10[16], ~0ULL / kPow10[17], ~0ULL / kPow10[18], ~0ULL / kPow10[19]};

// A field's text, built in a buffer that leaves room for the blanks in front of it.
struct Text {
    char buf[kFixedMax + 2];
    char* first = buf;  // the text is [first, last)
    char* last = buf;
};

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The COUNT last digits of Q written backwards before P (zeros where Q has fewer); Q keeps the rest.
char* low_digits(char* p, std::uint64_t& Q, int count) {
    for (; count >= 2; count -= 2) {
        const std::size_t r = static_cast<std::size_t>(Q % 100);
        Q /= 100;
        p -= 2;
        p[0] = kPairs[2 * r];
        p[1] = kPairs[2 * r + 1];
    }
    if (count == 1) {
        *--p = static_cast<char>('0' + Q % 10);
        Q /= 10;
    }
    return p;
}

// The text in integers: V = M 2^E with M below 2^53, and M 10^D 2^E rounded to a whole number Q,
// whose last D digits are the decimals. Written from the end of the buffer backwards. False when
// that needs more than 64 bits.
bool fixed_direct(double v, int d, bool point, Text& t) {
    if (d > 19) return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t M = bits & ((std::uint64_t{1} << 52) - 1);
    int E = -1074;  // subnormal
    if (biased != 0) {
        M |= std::uint64_t{1} << 52;
        E = biased - 1075;
    }
    if (E < 0 && M > kMaxScaled[d]) {
        while ((M & 1) == 0 && E < 0) {  // fewer mantissa bits leave room for more decimals
            M >>= 1;
            ++E;
        }
        if (E < 0 && M > kMaxScaled[d]) return false;
    }
    std::uint64_t Q = 0;  // the rounded value times 10^D
    int zeros = 0;        // decimals that are zero without being in Q
    if (E >= 0) {
        if (E > 11) return false;  // 2^64 or more
        Q = M << E;
        zeros = d;
    } else {
        const std::uint64_t P = M * kPow10[d];  // the value times 10^D is P / 2^S
        const int S = -E;
        if (S < 64) {
            Q = P >> S;
            const std::uint64_t r = P & ((std::uint64_t{1} << S) - 1);
            const std::uint64_t half = std::uint64_t{1} << (S - 1);
            Q += static_cast<std::uint64_t>((r > half) | ((r == half) & ((Q & 1) != 0)));  // no guessed branch
        } else if (S == 64 && P > (std::uint64_t{1} << 63)) {
            Q = 1;  // just above half a unit of the last decimal
        }
    }
    char* p = t.buf + sizeof t.buf;
    t.last = p;
    for (int i = 0; i < zeros; ++i) *--p = '0';
    p = low_digits(p, Q, d - zeros);
    if (point) *--p = '.';
    while (Q >= 10000) p = low_digits(p, Q, 4);
    // The last one to four whole digits (at least one), written as four and then cut, without a
    // guessed branch on their number.
    const std::size_t hi = static_cast<std::size_t>(Q / 100), lo = static_cast<std::size_t>(Q % 100);
    p[-4] = kPairs[2 * hi];
    p[-3] = kPairs[2 * hi + 1];
    p[-2] = kPairs[2 * lo];
    p[-1] = kPairs[2 * lo + 1];
    p -= 1 + (Q >= 10) + (Q >= 100) + (Q >= 1000);
    if (negative) *--p = '-';
    t.first = p;
    return true;
}

// FIXED  printf's "%.*f" text of the finite V with D decimals (0 to kMaxDecimals) in T; with POINT
//        the point stands even without decimals, as in "%#.*f".
void fixed(double v, int d, bool point, Text& t) {
    if (fixed_direct(v, d, point, t)) return;
    const std::to_chars_result r = std::to_chars(t.buf, t.buf + kFixedMax, v, std::chars_format::fixed, d);
    t.first = t.buf;
    t.last = r.ptr;  // the buffer holds every finite value
    if (point && d == 0) *t.last++ = '.';
}

std::string stars(int w) { return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

// The text right-justified in W columns (W at least its length).
std::string right(Text& t, int w) {
    const std::size_t n = static_cast<std::size_t>(t.last - t.first);
    const std::size_t pad = static_cast<std::size_t>(w) - n;
    if (pad <= 16 && t.first - t.buf >= 16) {  // a few blanks in front, always sixteen written
        std::memset(t.first - 16, ' ', 16);
        t.first -= pad;
        return std::string(t.first, static_cast<std::size_t>(w));
    }
    std::string s(static_cast<std::size_t>(w), ' ');
    std::memcpy(&s[pad], t.first, n);
    return s;
}

}  // namespace

std::string format_i(double whole, int w) {
    if (w <= 0) return std::string();
    if (!std::isfinite(whole)) return stars(w);
    Text t;
    fixed(whole, 0, false, t);
    if (t.last - t.first == 2 && t.first[0] == '-' && t.first[1] == '0') ++t.first;  // no sign before 0
    if (t.last - t.first > w) return stars(w);
    return right(t, w);
}

std::string format_f(double v, int w, int d) {
    if (w <= 0) return std::string();
    if (d < 0) d = 0;
    if (d > kMaxDecimals) d = kMaxDecimals;
    if (!std::isfinite(v)) return stars(w);
    Text t;
    fixed(v, d, true, t);
    char* s = t.first;
    if (d > 0 && t.last - s == static_cast<std::ptrdiff_t>(w) + 1) {
        // One column short: the 0 before the point goes, where a decimal is left to show the value.
        if (s[0] == '0' && s[1] == '.') {
            ++t.first;
        } else if (s[0] == '-' && s[1] == '0' && s[2] == '.') {
            s[1] = '-';
            ++t.first;
        }
    }
    if (t.last - t.first > w) return stars(w);
    return right(t, w);
}

}  // namespace solarlon::io
