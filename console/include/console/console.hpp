// console.hpp  What the dialogue and the one-shot commands share about the console: the encoding of
//              the texts, what the platform says about the standard streams, and one line on standard
//              error.
#ifndef SOLARLON_CONSOLE_CONSOLE_HPP
#define SOLARLON_CONSOLE_CONSOLE_HPP

#include <iosfwd>
#include <string_view>

#include <solarlon/io.hpp>

#include "console/texts.hpp"

namespace solarlon::console {

// Console encoding of every text the program writes. What the user types is used as typed, and
// echoed as a terminal of that encoding may show it (io::escaped).
using Encoding = io::Charset;

// texts_of  The texts in the encoding ENC.
inline const console::Texts& texts_of(Encoding enc) { return enc == Encoding::UTF8 ? console::UTF8 : console::SJIS; }

// heading  The first line of the commands' text output when the theory named THEORY answers, in the
//          texts T; "" for a theory the texts name no heading for.
std::string_view heading(const Texts& T, std::string_view theory);

// What the platform says about the standard streams.
struct Terminal {
    bool utf8 = false;          // standard input and output are terminals and the character set is UTF-8
    bool err_terminal = false;  // standard error is a terminal
    bool locale_utf8 = false;   // the character set is UTF-8, terminals or not
};

// terminal  Asks the platform. POSIX: isatty, and the codeset of the locale of the environment
//           (LC_CTYPE, left as "C" afterwards). Windows: console handles, and the console's output code
//           page (65001 is UTF-8; without a console, the process's ANSI code page).
Terminal terminal();

// say  LINE as one record on ERR (standard error), shown as a terminal reading ENC may show it and
//      ended by LINE_END; a failing write is swallowed, since nothing is left to report it on and the
//      exit status still tells.
void say(std::ostream& err, std::string_view line, Encoding enc, std::string_view line_end = "\r\n");

}  // namespace solarlon::console

#endif
