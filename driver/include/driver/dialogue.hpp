// dialogue.hpp  The interactive program: menu, equinox prompt, the five conversion modes and the
//               explanation screen, over a console input and output byte stream.
#ifndef SOLARLON_DRIVER_DIALOGUE_HPP
#define SOLARLON_DRIVER_DIALOGUE_HPP

#include <iosfwd>

#include "console/console.hpp"

namespace solarlon::driver {

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
int run(std::istream& in, std::ostream& out, console::Encoding enc = console::Encoding::ShiftJIS,
        std::ostream* notes = nullptr, console::Encoding notes_enc = console::Encoding::ShiftJIS,
        std::ostream* err = nullptr);

}  // namespace solarlon::driver

#endif
