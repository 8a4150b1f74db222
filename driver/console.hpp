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

#include "driver/texts.hpp"

namespace solarlon::driver {

// The console: its reader is tied to its writer (all output is on the screen before each read).
struct Console {
    io::RecordReader in;
    io::RecordWriter out;
    const texts::Texts& T;  // every text in the console's encoding
    std::ostream* notes;    // where a file mode says what it wrote when done; null for no word
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

// SAYDONE  The file mode's closing word on CON.notes, where there is one: the output name and the
//          number of RECORDS written ("DATA.SLG: 3 行").
void say_done(Console& con, const FilePair& f, long records);

}  // namespace solarlon::driver

#endif
