// escaped, shown  Texts as they may be echoed to a terminal, and quoted in an error report.
#include <cstdio>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {

// Whether B is a UTF-8 continuation byte within [LO, HI].
bool in(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

// The bytes of the well-formed UTF-8 character at P (N > 0 bytes left) that a terminal shows as a
// character: 0 for a control (C0, DEL, U+0080-U+009F) and for a byte that begins no character.
std::size_t utf8_length(const unsigned char* p, std::size_t n) {
    const unsigned char b = p[0];
    if (b < 0x80) return b < 0x20 || b == 0x7f ? 0 : 1;
    // The second byte's range, by the first (overlong forms, surrogates and beyond U+10FFFF excluded).
    unsigned lo = 0x80, hi = 0xbf;
    std::size_t len = 0;
    if (b >= 0xc2 && b <= 0xdf) len = 2;
    else if (b >= 0xe0 && b <= 0xef) len = 3;
    else if (b >= 0xf0 && b <= 0xf4) len = 4;
    else return 0;
    if (b == 0xc2) lo = 0xa0;  // C2 80-9F are the C1 controls
    if (b == 0xe0) lo = 0xa0;
    if (b == 0xed) hi = 0x9f;
    if (b == 0xf0) lo = 0x90;
    if (b == 0xf4) hi = 0x8f;
    if (n < len || !in(p[1], lo, hi)) return 0;
    for (std::size_t i = 2; i < len; ++i)
        if (!in(p[i], 0x80, 0xbf)) return 0;
    return len;
}

// The same for Shift-JIS (code page 932): ASCII less the controls, half-width katakana A1-DF, and a
// lead byte 81-9F or E0-FC with its trail byte 40-7E or 80-FC.
std::size_t sjis_length(const unsigned char* p, std::size_t n) {
    const unsigned char b = p[0];
    if (b < 0x80) return b < 0x20 || b == 0x7f ? 0 : 1;
    if (in(b, 0xa1, 0xdf)) return 1;
    if (!in(b, 0x81, 0x9f) && !in(b, 0xe0, 0xfc)) return 0;
    if (n < 2 || !(in(p[1], 0x40, 0x7e) || in(p[1], 0x80, 0xfc))) return 0;
    return 2;
}

// TEXT with each byte that does not begin a character of LENGTH written as \xNN.
template <class Length>
std::string escape(std::string_view text, Length length) {
    std::string s;
    s.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t k = length(p + i, text.size() - i);
        if (k > 0) {
            s.append(text.data() + i, k);
            i += k;
            continue;
        }
        // A C1 control is two bytes of UTF-8, each shown; any other refusal is its first byte.
        const std::size_t bad = p[i] == 0xc2 && i + 1 < text.size() && in(p[i + 1], 0x80, 0x9f) ? 2 : 1;
        for (std::size_t j = 0; j < bad; ++j) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", p[i + j]);
            s += buf;
        }
        i += bad;
    }
    return s;
}

}  // namespace

std::string escaped(std::string_view text) {
    return escape(
        text, [](const unsigned char* p, std::size_t) -> std::size_t { return p[0] < 0x20 || p[0] == 0x7f ? 0 : 1; });
}

std::string escaped(std::string_view text, Charset cs) {
    if (cs == Charset::UTF8) return escape(text, utf8_length);
    return escape(text, sjis_length);
}

std::string shown(std::string_view text) {
    constexpr std::size_t kMax = 60;
    std::string s = "'" + escaped(text.substr(0, kMax));
    if (text.size() > kMax) s += "...";
    s += "'";
    return s;
}

}  // namespace solarlon::io
