// program.hpp  The program as started from a command line: the options read once, then a one-shot
//              command or the dialogue.
#ifndef SOLARLON_PROGRAM_PROGRAM_HPP
#define SOLARLON_PROGRAM_PROGRAM_HPP

#include <iosfwd>

#include "commands/options.hpp"
#include "console/console.hpp"
#include "driver/dialogue.hpp"

namespace solarlon::program {

// command  The program as started from a command line.
//  Given:    ARGC, ARGV  the arguments (ARGV[0] the program's name)
//            IN, OUT     console input and output; ERR standard error
//            TERM        what the platform says (TERMINAL)
//  Result:   --help, -h: a usage text on OUT, 0. --version, -V: "solarlon VERSION" on OUT, 0.
//            --utf8, --sjis: the encoding of every text. Otherwise the dialogue is in UTF-8 where
//            TERM.utf8, and the texts that are no dialogue (the usage text, the commands' text
//            output, the file modes' closing word on ERR) where TERM.locale_utf8; else Shift-JIS.
//            terms, kou, zassetsu, at, when (the first word that is no option): a one-shot command
//            on the words from it on, its answer on OUT (0), or one line on ERR for a bad value (2);
//            the menu never starts. With no other argument the program runs (RUN's result). Any other
//            argument: one line on ERR naming it, status 2, and nothing else happens.
int command(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err,
            const console::Terminal& term);

}  // namespace solarlon::program

#endif
