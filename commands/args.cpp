// read_year, read_degrees, read_zone, read_equinox, read_instant  Values of the one-shot commands,
// each taken from a whole command-line word.
#include <cmath>
#include <cstdlib>
#include <string>

#include <solarlon/equinox.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// N digits at TEXT[AT...] as a number, or -1.
int digits(std::string_view text, std::size_t at, std::size_t n) {
    if (at + n > text.size()) return -1;
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (!digit(text[i])) return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

// A decimal number: [+-]digits[.digits][(e|E)[+-]digits], at least one digit before the exponent.
bool decimal(std::string_view t) {
    std::size_t i = 0, n = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    while (i < t.size() && digit(t[i])) ++i, ++n;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && digit(t[i])) ++i, ++n;
    }
    if (n == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t e = 0;
        while (i < t.size() && digit(t[i])) ++i, ++e;
        if (e == 0) return false;
    }
    return i == t.size();
}

std::optional<double> number(std::string_view text) {
    if (!decimal(text)) return std::nullopt;
    const double v = std::strtod(std::string(text).c_str(), nullptr);  // the "C" locale's point
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// An offset ±HH, ±HHMM or ±HH:MM (and ±H where ONE_DIGIT) at TEXT[AT...] to its end, in minutes.
std::optional<int> offset(std::string_view text, std::size_t at, bool one_digit) {
    if (text.size() <= at || (text[at] != '+' && text[at] != '-')) return std::nullopt;
    const std::size_t n = text.size() - at - 1;
    int h = -1, m = 0;
    if (n == 1 && one_digit) h = digits(text, at + 1, 1);
    else if (n == 2) h = digits(text, at + 1, 2);
    else if (n == 4) h = digits(text, at + 1, 2), m = digits(text, at + 3, 2);
    else if (n == 5 && text[at + 3] == ':') h = digits(text, at + 1, 2), m = digits(text, at + 4, 2);
    if (h < 0 || h > 23 || m < 0 || m > 59) return std::nullopt;
    return (text[at] == '-' ? -1 : 1) * (h * 60 + m);
}

}  // namespace

std::optional<std::int32_t> read_year(std::string_view text) {
    std::size_t i = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (text.size() <= i || text.size() - i > 5) return std::nullopt;
    const int v = digits(text, i, text.size() - i);
    if (v < 0) return std::nullopt;
    return text[0] == '-' ? -v : v;
}

std::optional<double> read_degrees(std::string_view text) {
    const auto v = number(text);
    if (!v || *v < 0.0 || *v > 360.0) return std::nullopt;
    return *v;
}

std::optional<int> read_zone(std::string_view text) {
    if (text == "UTC" || text == "utc" || text == "Z" || text == "z") return 0;
    if (text == "JST" || text == "jst") return 9 * 60;
    return offset(text, 0, true);
}

std::optional<sun::Equinox> read_equinox(std::string_view text) {
    if (text == "date") return sun::Equinox::of_date();
    const auto y = number(text);
    if (!y || *y < kFirstEquinoxYear || *y > kLastEquinoxYear) return std::nullopt;
    const sun::Equinox e = sun::Equinox::of_year(*y);
    if (std::isnan(e.eq())) return std::nullopt;  // a year that reads as the equinox of date
    return e;
}

std::optional<TypedInstant> read_instant(std::string_view text) {
    // The year: a sign where given, then 4 or 5 digits up to the "-" before the month.
    const std::size_t sign = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t i = sign;
    while (i < text.size() && digit(text[i])) ++i;
    if (i - sign < 4 || i - sign > 5) return std::nullopt;
    const auto year = read_year(text.substr(0, i));
    if (!year || text.size() < i + 6 || text[i] != '-' || text[i + 3] != '-') return std::nullopt;
    const int month = digits(text, i + 1, 2), day = digits(text, i + 4, 2);
    if (month < 1 || month > 12 || day < 1 || day > solarlon::month_days(*year, month)) return std::nullopt;
    i += 6;
    TypedInstant r;
    int hour = 0, minute = 0;
    double second = 0.0;
    if (i < text.size() && (text[i] == 'T' || text[i] == 't' || text[i] == ' ')) {
        hour = digits(text, i + 1, 2);
        minute = text.size() > i + 3 && text[i + 3] == ':' ? digits(text, i + 4, 2) : -1;
        if (hour < 0 || hour > 24 || minute < 0 || minute > 59) return std::nullopt;
        i += 6;
        if (i < text.size() && text[i] == ':') {
            const std::size_t s0 = i + 1;
            if (digits(text, s0, 2) < 0) return std::nullopt;
            std::size_t e = s0 + 2;
            if (e < text.size() && text[e] == '.') {
                ++e;
                const std::size_t f0 = e;
                while (e < text.size() && digit(text[e])) ++e;
                if (e == f0) return std::nullopt;
            }
            r.second_text = std::string(text.substr(s0, e - s0));
            second = std::strtod(r.second_text.c_str(), nullptr);
            if (second >= 61.0) return std::nullopt;  // 60 only in a leap second, which the caller checks
            i = e;
        }
        if (hour == 24 && (minute != 0 || second != 0.0)) return std::nullopt;  // 24:00 ends the day
    }
    if (i < text.size()) {
        r.offset_typed = true;
        if (text.size() == i + 1 && (text[i] == 'Z' || text[i] == 'z')) {
            r.zone_minutes = 0;
        } else {
            const auto z = offset(text, i, false);
            if (!z) return std::nullopt;
            r.zone_minutes = *z;
        }
    }
    r.at = sun::Instant{static_cast<double>(*year), static_cast<double>(month),  static_cast<double>(day),
                        static_cast<double>(hour),  static_cast<double>(minute), second,
                        r.zone_minutes / 60.0};
    return r;
}

}  // namespace solarlon::commands
