// driver.hpp  The interactive program: menu, equinox prompt, the five conversion modes and the
//             explanation screen, over a console input and output byte stream; and its command line.
#ifndef SOLARLON_DRIVER_DRIVER_HPP
#define SOLARLON_DRIVER_DRIVER_HPP

#include <iosfwd>

namespace solarlon::driver {

// Console encoding of every text the program writes. What the user types is used as typed.
enum class Encoding { ShiftJIS, UTF8 };

// run  One run of the program.
//  Given:    IN     console input, raw bytes
//            ENC    console encoding (Shift-JIS unless chosen otherwise)
//            NOTES  where the file modes say, when done, what they wrote ("DATA.SLG: 3 行");
//                   null for no word at all
//            NOTES_ENC  the encoding of what is said on NOTES
//            ERR    where the "*ERR*" line goes when OUT cannot be written; null for nowhere
//  Returned: OUT    console output, raw bytes (records ending CR LF)
//  Result:   exit status: 0 at a normal end, 1 after a failure reported on a "*ERR*" line
//  Notes:    files named by the user are opened relative to the current directory. Everything
//            written to OUT is flushed before each read of IN.
int run(std::istream& in, std::ostream& out, Encoding enc = Encoding::ShiftJIS, std::ostream* notes = nullptr,
        Encoding notes_enc = Encoding::ShiftJIS, std::ostream* err = nullptr);

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

// command  The program as started from a command line.
//  Given:    ARGC, ARGV  the arguments (ARGV[0] the program's name)
//            IN, OUT     console input and output; ERR standard error
//            TERM        what the platform says (TERMINAL)
//  Result:   --help, -h: a usage text on OUT, 0. --version, -V: "solarlon VERSION" on OUT, 0.
//            --utf8, --sjis: the encoding of every text. Otherwise the dialogue is in UTF-8 where
//            TERM.utf8, and the texts that are no dialogue (the usage text, the commands' text
//            output, the file modes' closing word on ERR) where TERM.locale_utf8; else Shift-JIS.
//            terms, at, when (the first word that is no option): a one-shot command on the words
//            from it on, its answer on OUT (0), or one line on ERR for a bad value (2); the menu
//            never starts. With no other argument the program runs (RUN's result). Any other argument: one line on ERR naming it, status 2, and
//            nothing else happens.
int command(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
            const Terminal& term);

}  // namespace solarlon::driver

#endif
