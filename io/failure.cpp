// Failure, SHOWN  The failure that ends the program, and texts quoted in its report.
#include <solarlon/io.hpp>

#include <cstdio>

namespace solarlon::io {

Failure::Failure(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}

std::string shown(std::string_view text) {
    constexpr std::size_t kMax = 60;
    std::string s = "'";
    for (std::size_t i = 0; i < text.size() && i < kMax; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            s += buf;
        } else {
            s += static_cast<char>(c);
        }
    }
    if (text.size() > kMax) s += "...";
    s += "'";
    return s;
}

}  // namespace solarlon::io
