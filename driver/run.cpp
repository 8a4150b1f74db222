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

// The "*ERR*" line on the console; on ERR when the console cannot be written.
void report(Console& con, std::ostream* err, const char* what, const std::string& detail) {
    const std::string line = std::string("*ERR* ") + what + ": " + detail;
    try {
        con.out.fresh_line();
        con.out.record(line);
        con.out.flush();
        return;
    } catch (...) {
        // the console is gone
    }
    if (err == nullptr) return;
    try {
        io::RecordWriter e(*err, "standard error");
        e.record(line);
        e.flush();
    } catch (...) {
        // standard error is gone too; the status still tells
    }
}

}  // namespace

int run(std::istream& in, std::ostream& out, Encoding enc, std::ostream* notes, std::ostream* err) {
    Console con{io::RecordReader(in, "console"), io::RecordWriter(out, "console"),
                enc == Encoding::UTF8 ? texts::UTF8 : texts::SJIS, notes};
    con.in.tie(con.out);
    try {
        dispatch(con);
        con.out.flush();
        return 0;
    } catch (const io::Failure& f) {
        report(con, err, f.kind() == io::Kind::File ? "file error" : "input error", f.what());
    } catch (const std::exception& e) {
        report(con, err, "internal error", e.what());
    }
    return 1;
}

}  // namespace solarlon::driver
