// driver.hpp  The interactive program: menu, equinox prompt, the five conversion modes and the
//             explanation screen, over a console input and output byte stream.
#ifndef SOLARLON_DRIVER_DRIVER_HPP
#define SOLARLON_DRIVER_DRIVER_HPP

#include <iosfwd>

namespace solarlon::driver {

// RUN  One run of the program.
//  Given:    IN    console input, raw bytes (Shift-JIS)
//  Returned: OUT   console output, raw bytes (Shift-JIS records ending CR LF)
//  Result:   exit status: 0 at a normal end, 1 after a failure reported on a "*ERR*" line
//  Notes:    files named by the user are opened relative to the current directory.
int run(std::istream& in, std::ostream& out);

}  // namespace solarlon::driver

#endif
