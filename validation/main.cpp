// solarlon-accuracy  The program's solar longitude against ERFA over 1600-3000, and its apparent
//                    theory's solar terms over 1972-2100 against a second reduction through ERFA and
//                    published equinox and solstice times.
//
//   solarlon-accuracy [--out DIR] [--update DOC] [--check DOC]
//
//   Without options the summary tables are written to standard output.
//   --out DIR     also write DIR/longitude.csv (every 10 days), DIR/terms.csv (24 solar terms a
//                 year) and DIR/summary.md
//   --update DOC  replace the figures between the markers of DOC by the new ones
//   --check DOC   compare the new figures with those documented in DOC; exit status 1 when a maximum
//                 is exceeded or cannot be read, or when the marked blocks are not, to the letter,
//                 what --update would write (a figure grown or shrunk)
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "validation/validation.hpp"

namespace {

constexpr std::int32_t FIRST = 1600, LAST = 3000, STEP = 10, WIDTH = 100;  // years, days, years a row
constexpr std::int32_t APPARENT_FIRST = 1972, APPARENT_LAST = 2100;        // years of the leap seconds on

std::string slurp(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void spill(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + name);
}

int usage() {
    std::cerr << "usage: solarlon-accuracy [--out DIR] [--update DOC] [--check DOC]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace solarlon::validation;
    std::string out_dir, update_doc, check_doc;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return usage();
        if (a == "--out") out_dir = argv[++i];
        else if (a == "--update") update_doc = argv[++i];
        else if (a == "--check") check_doc = argv[++i];
        else return usage();
    }

    try {
        Report r;
        compare(FIRST, LAST, STEP, WIDTH, r);
        ApparentReport a;
        compare_apparent(APPARENT_FIRST, APPARENT_LAST, a);
        const std::string summary = summary_markdown(r);
        const std::string apparent = apparent_markdown(a);

        if (!out_dir.empty()) {
            std::ostringstream lon, terms;
            write_samples_csv(lon, r);
            write_terms_csv(terms, r);
            spill(out_dir + "/longitude.csv", lon.str());
            spill(out_dir + "/terms.csv", terms.str());
            spill(out_dir + "/summary.md", summary + "\n\n" + apparent + "\n");
        }
        if (!update_doc.empty()) spill(update_doc, replace_block(replace_block(slurp(update_doc), summary), apparent));
        if (check_doc.empty()) {
            if (update_doc.empty()) std::cout << summary << "\n\n" << apparent << '\n';
            return 0;
        }

        std::vector<std::string> msgs, more;
        const std::string doc = slurp(check_doc);
        const bool classic_ok = check(r, doc, msgs);
        const bool ok = check_apparent(a, doc, more) && classic_ok;
        msgs.insert(msgs.end(), more.begin(), more.end());
        for (const std::string& m : msgs) std::cout << "exceeded or unreadable: " << m << '\n';
        // Either way: a figure that has shrunk is as stale as one that has grown.
        bool same = true;
        for (const std::string* block : {&summary, &apparent}) {
            const std::string d = first_difference(doc, *block);
            if (!d.empty()) std::cout << "not what the tool writes now (--update " << check_doc << "): " << d << '\n';
            same = same && d.empty();
        }
        std::cout << "accuracy check against " << check_doc << ": "
                  << (ok && same ? "every documented figure is what the tool writes now" : "FAILED") << '\n';
        return ok && same ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "solarlon-accuracy: " << e.what() << '\n';
        return 1;
    }
}
