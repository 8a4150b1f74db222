// output  The one output step of every command: its answer in the one format asked, text for people
//         (after a heading), csv with a header line, one json array, or an iCalendar file.
#include <string>
#include <vector>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

// A JSON string of UTF-8 bytes without quotes or controls, as every text here is.
std::string json_string(std::string_view s) { return "\"" + std::string(s) + "\""; }

// The first line of text: the theory's heading and the zone of the times below it, or TT.
std::string heading(const Listing& l, const console::Texts& T) {
    const std::string zone = l.scale == sun::Scale::tt ? "TT"
                             : l.zone_minutes == 0     ? "UTC"
                                                       : sun::zone_offset(l.zone_minutes / 60.0);
    return std::string(console::heading(T, l.theory.name())) + std::string(T.TIME_HEAD) + zone;
}

}  // namespace

std::vector<std::string> output(const Ask& a, const Listing& l) {
    std::vector<std::string> out;
    switch (a.o.format) {
        case Format::Ics: {
            if (!l.event) throw Bad{std::string(a.o.command) + ": --format ics is not taken here"};
            std::vector<IcsEvent> events;
            for (std::size_t k = 0; k < l.count; ++k) events.push_back(l.event(k));
            return ics(l.ics_name, events, ics_stamp(a.clock));
        }
        case Format::Text:
            out.push_back(heading(l, a.T));
            for (std::size_t k = 0; k < l.count; ++k) out.push_back(l.line(k));
            return out;
        case Format::Csv:
        case Format::Json: break;
    }
    // csv and json end with the theory and the scale.
    std::vector<Column> cols = l.columns;
    cols.push_back({"theory", true});
    cols.push_back({"scale", true});
    auto row = [&](std::size_t k) {
        std::vector<std::string> r = l.cells(k);
        r.push_back(std::string(l.theory.name()));
        r.push_back(l.scale == sun::Scale::tt ? "tt" : "utc");
        return r;
    };
    if (a.o.format == Format::Csv) {
        std::string head;
        for (const auto& c : cols) head += (head.empty() ? "" : ",") + std::string(c.name);
        out.push_back(head);
        for (std::size_t k = 0; k < l.count; ++k) {
            const std::vector<std::string> r = row(k);
            std::string line;
            for (std::size_t i = 0; i < r.size(); ++i) line += (i ? "," : "") + r[i];
            out.push_back(line);
        }
        return out;
    }
    out.push_back("[");
    for (std::size_t k = 0; k < l.count; ++k) {
        const std::vector<std::string> r = row(k);
        std::string line = "  {";
        for (std::size_t i = 0; i < cols.size(); ++i) {
            line += (i ? ", " : "") + json_string(cols[i].name) + ": " +
                    (r[i].empty()     ? "null"
                     : cols[i].string ? json_string(r[i])
                                      : r[i]);
        }
        out.push_back(line + (k + 1 < l.count ? "}," : "}"));
    }
    out.push_back("]");
    return out;
}

}  // namespace solarlon::commands
