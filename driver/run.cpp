// run  Menu, equinox prompt and dispatch to one conversion mode; failures end with an "*ERR*" line.
#include <exception>
#include <istream>
#include <ostream>

#include <solarlon/driver.hpp>

#include "driver/detail.hpp"
#include "driver/texts.hpp"

namespace solarlon::driver {

namespace {

// Menu answers until one that is not "?"; the explanation screen shows the menu again.
char menu(Console& con) {
    for (;;) {
        for (const auto& line : con.T.MENU) con.out.record(line);
        const std::string ans = io::read_a(con.in, 1);  // only the first byte counts
        if (ans[0] != '?') return ans[0];
        EXPLAIN(con);
    }
}

void dispatch(Console& con) {
    const char ans = menu(con);
    if (ans == ' ') return;

    con.out.prompt(con.T.EQX_PROMPT);
    double EQX = 0.0;  // a slash stores nothing: the equinox of date
    if (io::read_free(con.in, EQX) == io::Free::End) throw io::Failure(io::Kind::Input, "end of file on console");
    if (EQX == 0.0) con.out.record(con.T.EQX_OF_DATE);

    switch (ans) {
        case '1': mode_jst_to_longitude(con, EQX); break;
        case '2': mode_dates_file(con, EQX); break;
        case '3': mode_longitude_to_date(con, EQX, true); break;
        case '4': mode_longitude_to_date(con, EQX, false); break;
        case '5': mode_longitudes_file(con, EQX); break;
        default: break;  // an answer that names no mode ends the program
    }
}

void report(Console& con, const char* what, const std::string& detail) {
    try {
        con.out.fresh_line();
        con.out.record(std::string("*ERR* ") + what + ": " + detail);
        con.out.flush();
    } catch (...) {
        // The console itself is gone; the status still tells.
    }
}

}  // namespace

int run(std::istream& in, std::ostream& out, Encoding enc, std::ostream* notes, Encoding notes_enc) {
    Console con{io::RecordReader(in, "console"), io::RecordWriter(out, "console"),
                enc == Encoding::UTF8 ? texts::UTF8 : texts::SJIS, notes,
                notes_enc == Encoding::UTF8 ? texts::UTF8 : texts::SJIS};
    con.in.tie(con.out);
    try {
        dispatch(con);
        con.out.flush();
        return 0;
    } catch (const io::Failure& f) {
        report(con, f.kind() == io::Kind::File ? "file error" : "input error", f.what());
    } catch (const std::exception& e) {
        report(con, "internal error", e.what());
    }
    return 1;
}

}  // namespace solarlon::driver
