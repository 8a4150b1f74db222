// one_shot, kCommands  The one-shot commands by name, and one run of one: its answer on standard
//     output, or one line on standard error.
#include <ostream>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

// The line end of the commands' output: the platform's own.
#ifdef _WIN32
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

}  // namespace

// In the order the usage text and the messages list them.
const Command kCommands[kCommandCount] = {{"terms", terms},       {"kou", kou}, {"zassetsu", zassetsu},
                                          {"holidays", holidays}, {"at", at},   {"when", when}};

int one_shot(const Options& o, std::ostream& out, std::ostream& err, console::Encoding text_enc, Clock clock) {
    std::vector<std::string> lines, notes;
    const bool help = o.command_help;
    const bool crlf = o.format == Format::Ics && !help;  // RFC 5545 asks for CR LF whatever the platform
    try {
        // csv and json are always UTF-8; text follows the encoding chosen
        const console::Texts& T = help || o.format == Format::Text ? console::texts_of(text_enc) : console::UTF8;
        if (help) {
            for (const auto& line : T.HELP) lines.emplace_back(line);
        } else {
            for (const Command& c : kCommands)
                if (c.name == o.command) lines = c.run(Ask{o, T, clock, notes});
        }
    } catch (const Bad& b) {
        console::say(err, "*ERR* argument error: " + b.what, text_enc);
        return 2;
    }
    io::RecordWriter w(out, "standard output", kLineEnd);
    try {
        for (const auto& line : lines) crlf ? w.prompt(line + "\r\n") : w.record(line);
        w.flush();
    } catch (const io::Failure& f) {
        console::say(err, std::string("*ERR* file error: ") + f.what(), text_enc);
        return 1;
    }
    for (const auto& line : notes) console::say(err, line, text_enc, kLineEnd);  // a failure there: the answer is out
    return 0;
}

}  // namespace solarlon::commands
