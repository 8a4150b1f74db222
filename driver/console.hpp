// console.hpp  The driver's console, and the modes and screens it dispatches to.
#ifndef SOLARLON_DRIVER_CONSOLE_HPP
#define SOLARLON_DRIVER_CONSOLE_HPP

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>

namespace solarlon::driver {

struct Console {
    io::RecordReader in;
    io::RecordWriter out;
};

// EXPLAIN  The explanation screen; returns after the user has pressed Enter.
void EXPLAIN(Console& con);

// Conversion modes; each runs until its own end, then the program ends. EQX is the equinox choice.
void mode_jst_to_longitude(Console& con, const double& EQX);              // menu 1
void mode_dates_file(Console& con, const double& EQX);                    // menu 2
void mode_longitude_to_date(Console& con, const double& EQX, bool jst);   // menu 3 (JST), 4 (UT)
void mode_longitudes_file(Console& con, const double& EQX);               // menu 5

// READTYPED  The hand-typed modes' line: PROMPT, an (A80) line, GETNUM over 40 columns.
//  Returned: V   the six values (0 where not typed)
//  Result:   false when the line holds no number (the mode and the program end)
bool read_typed(Console& con, std::string_view prompt, double (&V)[6]);

// TOINT32  A whole number as a 32-bit integer, saturated at the type's limits (NaN gives 0).
std::int32_t to_int32(double whole);

// OUTPUTNAME  The output file name of a file mode.
//  Given:    FNAME   the 20-column name as typed (blank-padded)
//            EXT     ".SLG" or ".THJ"
//  Result:   FNAME with EXT written over the four columns from the first "." or blank after column 1
//  Notes:    a stem that leaves no room for EXT in 20 columns is a file failure.
std::string output_name(const std::string& FNAME, std::string_view EXT);

// Opens the input named FNAME and forms, replaces and creates the output; failures are reported
// before anything is removed or created.
struct FilePair {
    std::unique_ptr<std::istream> in;
    std::unique_ptr<std::ostream> out;
    std::string in_name, out_name;
};
FilePair open_file_pair(Console& con, std::string_view prompt, std::string_view ext);

}  // namespace solarlon::driver

#endif
