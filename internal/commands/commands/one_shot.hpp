// one_shot.hpp  The one-shot commands as the program starts them.
#ifndef SOLARLON_COMMANDS_ONE_SHOT_HPP
#define SOLARLON_COMMANDS_ONE_SHOT_HPP

#include <iosfwd>

#include "console/console.hpp"

namespace solarlon::driver {

// one_shot  A one-shot command.
//  Given:    ARGS     the command's name and its arguments (the program's arguments from the name on)
//            TEXT_ENC encoding of the text output
//  Returned: OUT      the answer, lines ended by LF (CR LF on Windows); ERR one line on a bad
//                     argument, or on a failed write, or after a passage that falls past the year
//  Result:   0 answered, 1 the answer could not be written, 2 a bad command, option or value
//            (nothing is then written on OUT)
int one_shot(int argc, const char* const argv[], std::ostream& out, std::ostream& err, Encoding text_enc);

}  // namespace solarlon::driver

#endif
