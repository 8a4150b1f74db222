// answer  The one-shot commands' answers as records: instants, days and longitudes as text, and the
//         rows of an answer as text lines, csv or json.
#include <cstdio>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"
#include "console/texts.hpp"

namespace solarlon::commands {

namespace {

// Whole numbers of an instant, zero-padded to WIDTH; NaN and the like print as they are.
std::string padded(double v, int width) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0*.0f", width, v);
    return buf;
}

// A year as four digits, or signed (-0500, +10000) outside 0 to 9999.
std::string year_text(double y) {
    char buf[64];
    std::snprintf(buf, sizeof buf, y >= 0.0 && y <= 9999.0 ? "%04.0f" : "%+05.0f", y);
    return buf;
}

// A JSON string of UTF-8 bytes without quotes or controls, as every text here is.
std::string json_string(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace

std::string instant_text(const sun::Instant& t, const std::string& second, int zone_minutes, bool iso) {
    const bool tt = t.scale == sun::Scale::tt;
    return year_text(t.year) + "-" + padded(t.month, 2) + "-" + padded(t.day, 2) + (iso ? "T" : " ") +
           padded(t.hour, 2) + ":" + padded(t.minute, 2) + ":" + second + (iso ? "" : " ") +
           (tt ? (iso ? "" : "TT") : sun::zone_offset(zone_minutes / 60.0));
}

std::string shown_instant(const sun::Instant& t, bool iso) {
    std::string s = sun::to_string(t);
    if (iso || s.empty()) return s;
    const std::size_t clock = s.find('T');  // 2027-01-05T23:06:41+09:00: the year is digits and a sign
    s[clock] = ' ';
    const std::size_t end = clock + 9;
    return s.substr(0, end) + " " + (t.scale == sun::Scale::tt ? std::string("TT") : s.substr(end));
}

std::string day_text(const sun::DecimalDate& d) {
    const std::string f = io::format_f(d.day, 7, 3);
    const std::string day = f.substr(f.find_first_not_of(' '));
    return year_text(d.year) + "-" + padded(d.month, 2) + "-" + (day.size() < 6 ? "0" : "") + day;
}

std::string degrees_text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v == 0.0 || v == 360.0 ? 0.0 : v);  // -0 and 360 as 0
    return buf;
}

std::string longitude_text(double lon) {
    const std::string f = io::format_f(lon, 10, 5);
    // A longitude a hair under 360 rounds to the same direction as 0.
    if (f == " 360.00000") return "0.00000";
    return f.substr(f.find_first_not_of(' '));
}

std::vector<std::string> table(Format format, const sun::Theory& theory, sun::Scale scale, int zone_minutes,
                               const console::Texts& T, std::vector<Column> cols,
                               std::vector<std::vector<std::string>> rows, std::vector<std::string> text_lines) {
    std::vector<std::string> out;
    const bool tt = scale == sun::Scale::tt;
    const std::string zone = tt ? "TT" : zone_minutes == 0 ? "UTC" : sun::zone_offset(zone_minutes / 60.0);
    text_lines.insert(text_lines.begin(),
                      std::string(console::heading(T, theory.name())) + std::string(T.TIME_HEAD) + zone);
    cols.push_back({"theory", true});
    cols.push_back({"scale", true});
    for (auto& r : rows) {
        r.push_back(std::string(theory.name()));
        r.push_back(tt ? "tt" : "utc");
    }
    if (format == Format::Text) return text_lines;
    if (format == Format::Csv) {
        std::string head;
        for (const auto& c : cols) head += (head.empty() ? "" : ",") + std::string(c.name);
        out.push_back(head);
        for (const auto& r : rows) {
            std::string line;
            for (std::size_t i = 0; i < r.size(); ++i) line += (i ? "," : "") + r[i];
            out.push_back(line);
        }
        return out;
    }
    out.push_back("[");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::string line = "  {";
        for (std::size_t i = 0; i < cols.size(); ++i) {
            line += (i ? ", " : "") + json_string(cols[i].name) + ": " +
                    (rows[k][i].empty() ? "null"
                     : cols[i].string   ? json_string(rows[k][i])
                                        : rows[k][i]);
        }
        out.push_back(line + (k + 1 < rows.size() ? "}," : "}"));
    }
    out.push_back("]");
    return out;
}

}  // namespace solarlon::commands
