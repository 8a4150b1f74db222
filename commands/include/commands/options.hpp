// options.hpp  The command line, read once: the program's options, the one-shot command and its
//              options; and the commands as the program starts them.
#ifndef SOLARLON_COMMANDS_OPTIONS_HPP
#define SOLARLON_COMMANDS_OPTIONS_HPP

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <solarlon/sun.hpp>

#include "console/console.hpp"

namespace solarlon::commands {

// The answer's form: text lines for people, csv with a header line, one json array of objects, or an
// iCalendar file of all-day events (terms, kou, zassetsu and holidays).
enum class Format { Text, Csv, Json, Ics };

// A bad command line: what is wrong, and what is expected.
struct Bad {
    std::string what;
};

// What the command line asks.
struct Options {
    std::optional<bool> utf8;  // --utf8 (true) or --sjis (false) anywhere, the last one deciding
    bool help = false;         // --help or -h before a command: the usage text
    bool version = false;      // --version or -V before a command
    std::string_view command;  // terms, kou, zassetsu, holidays, at or when; empty for the dialogue
    // The command's own, from its name on.
    bool command_help = false;            // --help or -h after the command: the usage text
    std::vector<std::string_view> words;  // the positional arguments after the command's name
    sun::Equinox equinox = sun::Equinox::of_date();
    std::string_view equinox_text = "date";  // as typed
    int zone_minutes = 9 * 60;
    bool zone_given = false;
    bool scale_given = false, equinox_given = false;  // --scale, --equinox given
    Format format = Format::Text;
    const sun::Theory* theory = *sun::theories().begin();
    sun::Scale scale = sun::Scale::utc;
};

// read_options  The arguments ARGV[1..ARGC-1]. Before the command word only --help, -h, --version,
//               -V, --utf8 and --sjis are taken; after --help or --version the rest is not read.
//  Result:   the options; a bad argument, option or value throws Bad, saying what is wrong and what
//            is expected
Options read_options(int argc, const char* const argv[]);

// Clock  Now, as whole seconds of UTC from 1970-01-01 00:00 (negative before): the system's
//        (system_seconds), or a fixed one.
using Clock = std::int64_t (*)();

// system_seconds  The system clock, whole seconds floored (clock_gettime; time on Windows).
std::int64_t system_seconds();

// one_shot  The command of O (O.command not empty).
//  Given:    TEXT_ENC encoding of the text output
//            CLOCK    now, for at now and the DTSTAMP of ics (unless SOURCE_DATE_EPOCH is set)
//  Returned: OUT      the answer, lines ended by LF (CR LF on Windows); ERR one line on a bad value,
//                     or on a failed write, or after a passage that falls past the year
//  Result:   0 answered, 1 the answer could not be written, 2 a bad value (nothing is then written
//            on OUT)
int one_shot(const Options& o, std::ostream& out, std::ostream& err, console::Encoding text_enc,
             Clock clock = system_seconds);

}  // namespace solarlon::commands

#endif
