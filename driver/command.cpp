// command  Options of the command line, then the program.
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/driver.hpp>
#include <solarlon/io.hpp>

#include "driver/texts.hpp"

#ifndef SOLARLON_VERSION
#define SOLARLON_VERSION "unknown"
#endif

namespace solarlon::driver {

int command(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
            const Terminal& term) {
    bool help = false, version = false, utf8 = term.utf8;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--version" || a == "-V") {
            version = true;
        } else if (a == "--utf8") {
            utf8 = true;
        } else if (a == "--sjis") {
            utf8 = false;
        } else {
            io::RecordWriter e(err, "standard error");
            try {
                e.record("*ERR* argument error: unknown argument " + io::shown(a) +
                         " (solarlon --help lists the options)");
                e.flush();
            } catch (const io::Failure&) {
                // standard error is gone; the status still tells
            }
            return 2;
        }
    }
    const Encoding enc = utf8 ? Encoding::UTF8 : Encoding::ShiftJIS;
    if (help || version) {
        io::RecordWriter o(out, "console");
        try {
            if (help) {
                const texts::Texts& T = enc == Encoding::UTF8 ? texts::UTF8 : texts::SJIS;
                for (const auto& line : T.HELP) o.record(line);
            } else {
                o.record("solarlon " SOLARLON_VERSION);
            }
            o.flush();
        } catch (const io::Failure&) {
            return 1;
        }
        return 0;
    }
    return run(in, out, enc, term.err_terminal ? &err : nullptr, &err);
}

}  // namespace solarlon::driver
