// command  The command line read once, then the usage text, the version, a one-shot command or the
//          dialogue.
#include <ostream>
#include <string>

#include <solarlon/io.hpp>

#include "program.hpp"

#ifndef SOLARLON_VERSION
#define SOLARLON_VERSION "unknown"
#endif

namespace solarlon::program {

int command(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
            const console::Terminal& term) {
    commands::Options o;
    try {
        o = commands::read_options(argc, argv);
    } catch (const commands::Bad& b) {
        // The options are not known: the terminal's character set shows the argument.
        console::say(err, "*ERR* argument error: " + b.what,
                     term.locale_utf8 ? console::Encoding::UTF8 : console::Encoding::ShiftJIS);
        return 2;
    }
    // --utf8 and --sjis choose the encoding of every text; otherwise the terminal does.
    const console::Encoding dialogue =
        o.utf8.value_or(term.utf8) ? console::Encoding::UTF8 : console::Encoding::ShiftJIS;
    const console::Encoding text =
        o.utf8.value_or(term.locale_utf8) ? console::Encoding::UTF8 : console::Encoding::ShiftJIS;
    if (o.help || o.version) {
        io::RecordWriter w(out, "console");
        try {
            if (o.help) {
                for (const auto& line : console::texts_of(text).HELP) w.record(line);
            } else {
                w.record("solarlon " SOLARLON_VERSION);
            }
            w.flush();
        } catch (const io::Failure& f) {
            console::say(err, std::string("*ERR* file error: ") + f.what(), text);
            return 1;
        }
        return 0;
    }
    if (!o.command.empty()) return commands::one_shot(o, out, err, text);
    return driver::run(in, out, dialogue, term.err_terminal ? &err : nullptr, text, &err);
}

}  // namespace solarlon::program
