// command  Options of the command line, the one-shot commands, then the program.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>

#include "program.hpp"

#ifndef SOLARLON_VERSION
#define SOLARLON_VERSION "unknown"
#endif

namespace solarlon::driver {

namespace {

void argument_error(std::ostream& err, const std::string& what) { say(err, "*ERR* argument error: " + what); }

bool is_command(std::string_view a) {
    return a == "terms" || a == "at" || a == "when" || a == "kou" || a == "zassetsu";
}

}  // namespace

int command(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
            const Terminal& term) {
    // --utf8 and --sjis anywhere, the last one deciding, choose the encoding of every text.
    std::optional<bool> utf8;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a == "--utf8") utf8 = true;
        if (a == "--sjis") utf8 = false;
    }
    const Encoding dialogue = utf8.value_or(term.utf8) ? Encoding::UTF8 : Encoding::ShiftJIS;
    const Encoding text = utf8.value_or(term.locale_utf8) ? Encoding::UTF8 : Encoding::ShiftJIS;

    bool help = false, version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--version" || a == "-V") {
            version = true;
        } else if (a == "--utf8" || a == "--sjis") {
            // chosen above
        } else if (is_command(a)) {
            if (help || version) break;  // the usage text says more than the command would
            return one_shot(argc - i, argv + i, out, err, text);
        } else if (!a.empty() && a[0] != '-') {
            argument_error(err, "unknown command " + io::shown(a) +
                                    " (expected terms, kou, zassetsu, at or when; solarlon --help lists them)");
            return 2;
        } else {
            argument_error(err, "unknown argument " + io::shown(a) + " (solarlon --help lists the options)");
            return 2;
        }
    }
    if (help || version) {
        io::RecordWriter o(out, "console");
        try {
            if (help) {
                const texts::Texts& T = text == Encoding::UTF8 ? texts::UTF8 : texts::SJIS;
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
    return run(in, out, dialogue, term.err_terminal ? &err : nullptr, text, &err);
}

}  // namespace solarlon::driver
