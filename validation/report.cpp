// The comparison written out: CSV files for plotting, the summary tables in Markdown between two
// markers, and the check of a document's figures against a new comparison.
//
//  Notes:  1 The summary shows arc seconds with two decimals and seconds of time with one; the
//            check reads the decimals from each documented figure and allows half a unit of the
//            last one, so a figure that only rounds the same way again passes.
//          2 A block, row or figure that cannot be read fails the check: a regression guard that
//            passes on a document it did not understand would guard nothing.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "validation/validation.hpp"

namespace solarlon::validation {

namespace {

const char* const BEGIN = "<!-- accuracy-figures:begin -->";
const char* const END = "<!-- accuracy-figures:end -->";
const char* const APPARENT_BEGIN = "<!-- apparent-figures:begin -->";
const char* const APPARENT_END = "<!-- apparent-figures:end -->";

std::string fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string cell(const Stat& s, bool rms, int decimals) {
    if (s.n == 0) return "n/a";
    return fixed(rms ? s.rms : s.max, decimals);
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Cells of a Markdown table line "| a | b |"; empty when the line is not one.
std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> v;
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '|' || t.back() != '|') return v;
    std::size_t p = 1;
    for (;;) {
        const std::size_t q = t.find('|', p);
        if (q == std::string::npos) break;
        v.push_back(trim(t.substr(p, q - p)));
        p = q + 1;
    }
    return v;
}

// The text between the markers.
bool block_of(const std::string& doc, std::string& block, const char* begin = BEGIN, const char* end = END) {
    const auto b = doc.find(begin);
    if (b == std::string::npos) return false;
    const auto e = doc.find(end, b);
    if (e == std::string::npos) return false;
    block = doc.substr(b, e - b);
    return true;
}

// The table lines of a documented block, as cells, the bold marks of a first cell dropped.
std::vector<std::vector<std::string>> documented(const std::string& block) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream is(block);
    for (std::string line; std::getline(is, line);) {
        std::vector<std::string> c = cells(line);
        if (c.empty()) continue;
        std::string& label = c[0];
        if (label.size() > 4 && label.compare(0, 2, "**") == 0 && label.compare(label.size() - 2, 2, "**") == 0)
            label = label.substr(2, label.size() - 4);
        lines.push_back(c);
    }
    return lines;
}

// A documented figure and the allowance of half a unit of its last decimal.
bool figure(const std::string& text, double& value, double& allow) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(v)) return false;
    const auto dot = text.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(text.size() - dot - 1);
    value = v;
    allow = 0.5 * std::pow(10.0, -decimals) + 1.0e-9;
    return true;
}

void check_cell(const std::string& where, const std::string& doc_cell, const Stat& s, std::vector<std::string>& msgs) {
    if (doc_cell == "n/a") {
        if (s.n > 0) msgs.push_back(where + ": documented n/a, now " + fixed(s.max, 3));
        return;
    }
    double v = 0.0, allow = 0.0;
    if (!figure(doc_cell, v, allow)) {
        msgs.push_back(where + ": cannot read the documented figure '" + doc_cell + "'");
    } else if (s.n == 0) {
        msgs.push_back(where + ": documented " + doc_cell + ", now no figure");
    } else if (s.max > v + allow) {
        msgs.push_back(where + ": " + fixed(s.max, 3) + " exceeds the documented maximum " + doc_cell);
    }
}

}  // namespace

void write_samples_csv(std::ostream& os, const Report& r) {
    os << "year,jd_tt,lon_erfa_deg,lon_program_deg,err_theory_arcsec,deltat_program_s,"
          "deltat_table_s,err_with_deltat_arcsec,err_eq1950_arcsec,err_eq2000_arcsec\n";
    for (const Sample& s : r.samples) {
        os << fixed(s.year, 5) << ',' << fixed(s.jd, 1) << ',' << fixed(s.lon_ref, 7) << ',' << fixed(s.lon_prog, 7)
           << ',' << fixed(s.err, 4) << ',' << fixed(s.dt_prog, 3) << ',';
        if (s.has_dt) os << fixed(s.dt_tab, 3) << ',' << fixed(s.err_dt, 4);
        else os << ',';
        os << ',' << fixed(s.err1950, 4) << ',' << fixed(s.err2000, 4) << '\n';
    }
}

void write_terms_csv(std::ostream& os, const Report& r) {
    os << "year,lon_deg,ut_year,ut_month,ut_day,ut_hour,ut_minute,ut_second,decimal_year,"
          "err_theory_s,err_with_deltat_s\n";
    for (const Term& t : r.terms) {
        const double dy = decimal_year(t.jd_ut, 0.0);
        os << t.year << ',' << fixed(t.lon, 0) << ',' << (t.year + t.iyadd) << ',' << fixed(t.mon, 0) << ','
           << fixed(t.day, 0) << ',' << fixed(t.hour, 0) << ',' << fixed(t.minute, 0) << ',' << fixed(t.second, 2)
           << ',' << fixed(dy, 5) << ',' << fixed(t.err, 2) << ',';
        if (t.has_dt) os << fixed(t.err_dt, 2);
        os << '\n';
    }
}

std::string summary_markdown(const Report& r) {
    std::ostringstream os;
    os << BEGIN << "\n\n";
    os << "| years | theory alone: max (\") | rms (\") | max (s) | rms (s) "
          "| with the Delta T estimate: max (\") | rms (\") | max (s) | rms (s) |\n";
    os << "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const Row& row : r.rows) {
        const bool whole = &row == &r.rows.back();
        const std::string label = whole ? "**" + row.label + "**" : row.label;
        os << "| " << label << " | " << cell(row.lon, false, 2) << " | " << cell(row.lon, true, 2) << " | "
           << cell(row.time, false, 1) << " | " << cell(row.time, true, 1) << " | " << cell(row.lon_dt, false, 2)
           << " | " << cell(row.lon_dt, true, 2) << " | " << cell(row.time_dt, false, 1) << " | "
           << cell(row.time_dt, true, 1) << " |\n";
    }
    os << "\n| equinox answered | compared with ERFA's mean ecliptic and equinox of | max (\") | rms (\") |\n";
    os << "|---|---|---:|---:|\n";
    os << "| 1950 | B1950.0 | " << cell(r.eq1950, false, 2) << " | " << cell(r.eq1950, true, 2) << " |\n";
    os << "| 2000 | B2000.0 | " << cell(r.eq2000, false, 2) << " | " << cell(r.eq2000, true, 2) << " |\n";
    const Row& all = r.rows.back();
    os << "| 0 | the date | " << cell(all.lon, false, 2) << " | " << cell(all.lon, true, 2) << " |\n";
    os << "\n"
       << r.samples.size() << " instants every 10 days (12 h TT) and " << r.terms.size()
       << " solar terms; Delta T table " << fixed(tabdt_first(), 0) << "-" << fixed(tabdt_last(), 0) << ".\n\n";
    os << END;
    return os.str();
}

std::string replace_block(const std::string& doc, const std::string& block) {
    // The new block's markers are its first and last lines.
    const std::string begin = block.substr(0, block.find('\n'));
    const auto last = block.rfind('\n');
    const std::string end = last == std::string::npos ? block : block.substr(last + 1);
    const auto b = doc.find(begin);
    const auto e = b == std::string::npos ? b : doc.find(end, b);
    if (begin.empty() || e == std::string::npos)
        throw std::runtime_error("markers " + begin + " ... " + end + " not found");
    return doc.substr(0, b) + block + doc.substr(e + end.size());
}

std::string first_difference(const std::string& doc, const std::string& block) {
    std::string now;
    try {
        now = replace_block(doc, block);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    if (now == doc) return "";
    std::istringstream a(doc), b(now);
    std::string da, db;
    while (std::getline(a, da) && std::getline(b, db) && da == db) {}
    return "documented '" + da + "', now '" + db + "'";
}

bool check(const Report& r, const std::string& doc, std::vector<std::string>& out) {
    std::vector<std::string> msgs;
    std::string block;
    if (!block_of(doc, block)) {
        msgs.push_back(std::string("no figures between ") + BEGIN + " and " + END);
        out = msgs;
        return false;
    }

    const std::vector<std::vector<std::string>> lines = documented(block);
    auto find = [&lines](const std::string& label, std::size_t ncells) -> const std::vector<std::string>* {
        for (const auto& c : lines)
            if (c[0] == label && c.size() == ncells) return &c;
        return nullptr;
    };

    for (const Row& row : r.rows) {
        const auto* c = find(row.label, 9);
        if (c == nullptr) {
            msgs.push_back("row " + row.label + " not documented");
            continue;
        }
        check_cell(row.label + " theory alone, arc seconds", (*c)[1], row.lon, msgs);
        check_cell(row.label + " theory alone, seconds of time", (*c)[3], row.time, msgs);
        check_cell(row.label + " with Delta T, arc seconds", (*c)[5], row.lon_dt, msgs);
        check_cell(row.label + " with Delta T, seconds of time", (*c)[7], row.time_dt, msgs);
    }
    const std::pair<const char*, const Stat*> eqs[] = {{"1950", &r.eq1950}, {"2000", &r.eq2000}};
    for (const auto& eq : eqs) {
        const auto* c = find(eq.first, 4);
        if (c == nullptr) msgs.push_back(std::string("equinox ") + eq.first + " not documented");
        else check_cell(std::string("equinox ") + eq.first, (*c)[2], *eq.second, msgs);
    }
    out = msgs;
    return msgs.empty();
}

std::string apparent_markdown(const ApparentReport& r) {
    std::ostringstream os;
    os << APPARENT_BEGIN << "\n\n";
    os << "| years | solar terms | max (s) | rms (s) |\n|---|---:|---:|---:|\n";
    for (const Row& row : r.rows) {
        const bool whole = &row == &r.rows.back();
        const std::string label = whole ? "**" + row.label + "**" : row.label;
        os << "| " << label << " | " << row.time.n << " | " << cell(row.time, false, 3) << " | "
           << cell(row.time, true, 3) << " |\n";
    }
    os << "\n| published (UT) | longitude | this theory (UT) | seconds after the printed minute |\n"
          "|---|---:|---|---:|\n";
    std::size_t reproduced = 0;
    for (const PublishedCheck& c : r.published) {
        char when[64], got[64];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d", static_cast<int>(c.p.year),
                      static_cast<int>(c.p.month), static_cast<int>(c.p.day), static_cast<int>(c.p.hour),
                      static_cast<int>(c.p.minute));
        // The theory's instant, to the second, as the printed minute plus the seconds found.
        const double s = std::floor(c.second + 0.5);
        const double m = c.p.hour * 60.0 + c.p.minute + std::floor(s / 60.0);
        std::snprintf(got, sizeof got, "%02d:%02d:%02d", static_cast<int>(std::floor(m / 60.0)) % 24,
                      static_cast<int>(std::fmod(m, 60.0)), static_cast<int>(s - 60.0 * std::floor(s / 60.0)));
        os << "| " << when << " | " << fixed(c.p.lon, 0) << " | " << got << " | " << fixed(c.second, 1) << " |\n";
        if (c.reproduced) ++reproduced;
    }
    os << "\n"
       << reproduced << " of " << r.published.size() << " published times reproduced to the printed minute; "
       << r.missing << " solar terms unanswered.\n\n";
    os << APPARENT_END;
    return os.str();
}

bool check_apparent(const ApparentReport& r, const std::string& doc, std::vector<std::string>& msgs) {
    std::vector<std::string> out;
    std::string block;
    if (!block_of(doc, block, APPARENT_BEGIN, APPARENT_END)) {
        out.push_back(std::string("no figures between ") + APPARENT_BEGIN + " and " + APPARENT_END);
        msgs = out;
        return false;
    }
    const std::vector<std::vector<std::string>> lines = documented(block);
    for (const Row& row : r.rows) {
        const std::vector<std::string>* found = nullptr;
        for (const auto& c : lines)
            if (c[0] == row.label && c.size() == 4) found = &c;
        if (found == nullptr) out.push_back("apparent row " + row.label + " not documented");
        else check_cell("apparent " + row.label + ", seconds of time", (*found)[2], row.time, out);
    }
    if (r.missing > 0) out.push_back(std::to_string(r.missing) + " apparent solar terms unanswered");
    for (const PublishedCheck& c : r.published)
        if (!c.reproduced)
            out.push_back("published " + std::to_string(c.p.year) + " " + fixed(c.p.lon, 0) +
                          " not reproduced: " + fixed(c.second, 1) + " s from the printed minute");
    msgs = out;
    return out.empty();
}

}  // namespace solarlon::validation
