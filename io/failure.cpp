// Failure, escaped, shown  The failure that ends the program, and texts quoted in its report.
#include <cstdio>

#include <solarlon/io.hpp>

namespace solarlon::io {

Failure::Failure(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}

std::string escaped(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            s += buf;
        } else {
            s += ch;
        }
    }
    return s;
}

std::string shown(std::string_view text) {
    constexpr std::size_t kMax = 60;
    std::string s = "'" + escaped(text.substr(0, kMax));
    if (text.size() > kMax) s += "...";
    s += "'";
    return s;
}

}  // namespace solarlon::io
