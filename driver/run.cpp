// run  Menu, equinox prompt and dispatch to one conversion mode; failures end with an "*ERR*" line.
#include <cstddef>
#include <exception>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/util.hpp>

#include "console/texts.hpp"
#include "detail.hpp"
#include "driver/dialogue.hpp"
#include "io/scan.hpp"

namespace solarlon::driver {

namespace {

// Menu answers until one that is blank or names a mode: "?" shows the explanation screen and the
// menu again; any other answer is named, and the menu comes again.
char menu(Console& con) {
    static const std::size_t kShown = 20;  // bytes of an answer named in the notice
    for (;;) {
        for (const auto& line : con.T.MENU) con.out.record(line);
        std::string ans = io::read_a(con.in, kShown);  // only the first byte selects
        const char c = ans[0];
        if (c == ' ' || (c >= '1' && c <= '5')) return c;
        if (c == '?') {
            EXPLAIN(con);
            continue;
        }
        ans.erase(ans.find_last_not_of(' ') + 1);  // the padding of the field, not typed
        con.out.record(std::string(con.T.MENU_NO_MODE) + io::escaped(ans));
    }
}

// The equinox answer, one number: a blank line asks again, and so does a text that is not a number,
// after a notice naming it. A slash or a leading comma keeps the equinox of date.
double equinox(Console& con) {
    double EQX = 0.0;
    for (;;) {
        con.out.prompt(con.T.EQX_PROMPT);
        std::string_view rec, token;
        if (!con.in.next(rec, io::kMaxRecord, true)) throw io::Failure(io::Kind::Input, "end of file on console");
        const io::Scan scan = io::scan_free(rec, con.in.cut(), EQX, token);
        if (scan == io::Scan::Stored || scan == io::Scan::Kept) return EQX;
        if (scan == io::Scan::TooLong) io::free_failure(scan, token, con.in.what());
        if (scan != io::Scan::Blank) {
            // A ')' alone ends an empty number: the notice shows it.
            if (token.empty()) token = rec.substr(rec.find_first_not_of(" \t"), 1);
            con.out.record(std::string(con.T.NOT_A_NUMBER) + io::escaped(token));
        }
    }
}

void dispatch(Console& con) {
    const char ans = menu(con);
    if (ans == ' ') return;

    const sun::Equinox eq = sun::Equinox::from_eq(equinox(con));
    if (eq.is_of_date()) con.out.record(con.T.EQX_OF_DATE);

    switch (ans) {
        case '1': mode_jst_to_longitude(con, eq); break;
        case '2': mode_dates_file(con, eq); break;
        case '3': mode_longitude_to_date(con, eq, true); break;
        case '4': mode_longitude_to_date(con, eq, false); break;
        default: mode_longitudes_file(con, eq); break;  // '5'
    }
}

// The "*ERR*" line on the console; on ERR when the console cannot be written.
void report(Console& con, std::ostream* err, console::Encoding enc, const char* what, const std::string& detail) {
    const std::string line = std::string("*ERR* ") + what + ": " + detail;
    try {
        con.out.fresh_line();
        con.out.record(line);
        con.out.flush();
        return;
    } catch (...) {
        // the console is gone
    }
    if (err != nullptr) console::say(*err, line, enc);
}

}  // namespace

int run(std::istream& in, std::ostream& out, console::Encoding enc, std::ostream* notes, console::Encoding notes_enc,
        std::ostream* err) {
    Console con{io::RecordReader(in, "console"),
                io::RecordWriter(out, "console"),
                enc == console::Encoding::UTF8 ? console::UTF8 : console::SJIS,
                notes,
                notes_enc == console::Encoding::UTF8 ? console::UTF8 : console::SJIS,
                notes_enc};
    con.in.tie(con.out);
    con.out.show_as(enc);  // the user's bytes come back in notices and names
    try {
        dispatch(con);
        con.out.flush();
        return 0;
    } catch (const io::Failure& f) {
        report(con, err, enc, f.kind() == io::Kind::File ? "file error" : "input error", f.what());
    } catch (const std::exception& e) {
        report(con, err, enc, "internal error", e.what());
    }
    return 1;
}

}  // namespace solarlon::driver
