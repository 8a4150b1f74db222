// detail.hpp  The driver's private header: the console, the modes and screens it dispatches to, and
//             the rules they share.
#ifndef SOLARLON_DRIVER_DETAIL_HPP
#define SOLARLON_DRIVER_DETAIL_HPP

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>
#include <solarlon/sun.hpp>

#include "console/console.hpp"
#include "console/texts.hpp"
#include "io/files.hpp"

namespace solarlon::driver {

// The console: its reader is tied to its writer (all output is on the screen before each read).
struct Console {
    io::RecordReader in;
    io::RecordWriter out;
    const console::Texts& T;      // every text in the console's encoding
    std::ostream* notes;          // where a file mode says what it wrote when done; null for no word
    const console::Texts& N;      // the texts said on NOTES, in their encoding
    console::Encoding notes_enc;  // the encoding of NOTES
};

// EXPLAIN  The explanation screen; returns after the user has pressed Enter.
void EXPLAIN(Console& con);

// Conversion modes; each runs until its own end, then the program ends. EQ is the equinox chosen, its
// EQX the value the routines are given.
void mode_jst_to_longitude(Console& con, const sun::Equinox& eq);             // menu 1
void mode_dates_file(Console& con, const sun::Equinox& eq);                   // menu 2
void mode_longitude_to_date(Console& con, const sun::Equinox& eq, bool jst);  // menu 3 (JST), 4 (UT)
void mode_longitudes_file(Console& con, const sun::Equinox& eq);              // menu 5

// read_typed  The hand-typed modes' line: PROMPT, an (A80) line, GETNUM over 40 columns.
//  Given:    USED  how many of the fields the mode uses (6 in menu 1, 2 in menus 3 and 4)
//            WHOLE_YEAR  the first field, the year, must be a whole number (menus 3 and 4)
//  Returned: V     the six values (0 where not typed)
//            FIRST, SECOND  the first and second fields as typed, where given (empty when not typed)
//  Result:   false when the line holds no number (the mode and the program end)
//  Notes:    a line on which a used field took no value (not a number, or reaching column 40), or
//            with WHOLE_YEAR a year with a fraction, is not converted: one notice names the first
//            such field as typed (control bytes escaped), and the prompt comes again.
bool read_typed(Console& con, std::string_view prompt, int used, double (&V)[6], bool whole_year = false,
                std::string* first = nullptr, std::string* second = nullptr);

// output_name  The output file name of a file mode, beside the input.
//  Given:    FNAME   the input name (a path; leading and trailing blanks already removed)
//            EXT     ".SLG" or ".THJ"
//  Result:   FNAME with EXT written over the four characters from the first "." after the first
//            character of its last component (after the last "/"), or appended where there is none:
//            DATA.TXT -> DATA.SLG, DATA -> DATA.SLG, DATA.TEXT -> DATA.SLGT, ../w2/D.TXT -> ../w2/D.SLG.
std::string output_name(const std::string& FNAME, std::string_view EXT);

// kept  E again, its report saying that the old output NAME is kept as it was.
[[noreturn]] void kept(const io::Failure& e, const std::string& name);

// Opens the input named FNAME and forms the output name; the output is created as a temporary beside
// it, so an old output stays as it was until the new one is whole. Failures are reported before
// anything is created.
struct FilePair {
    std::unique_ptr<io::InputFile> in;
    std::unique_ptr<io::OutputFile> out;
    std::string in_name, out_name;
};
FilePair open_file_pair(Console& con, std::string_view prompt, std::string_view ext);

// What a file mode has done: records written, and of them those that hold a conversion.
struct FileCounts {
    long records = 0;
    long converted = 0;
};

// say_done  The file mode's closing word on CON.notes, where there is one: the output name and the
//          number of records written ("DATA.THJ: 3 行"); with CONVERTED also the number of them that
//          hold a conversion ("DATA.SLG: 3 行 (黄経 2 行)").
void say_done(Console& con, const FilePair& f, const FileCounts& n, bool converted);

// convert_file  One file mode: the file-name PROMPT, the input and the output of extension EXT, STEP
//              until it returns false, then the output put in place and the closing word.
//  Given:    STEP  bool(io::RecordReader& in, io::RecordWriter& out, FileCounts& n): one step of the
//                  conversion; false at the end of the input
//            CONVERTED  whether the closing word gives the count of converted records too
//  Notes:    after a failure (a bad line, a full disk, a size limit) an old output stays as it was,
//            and the failure's report says so; where there was none, the output holds the whole
//            records written up to it. The failure goes on to the caller. A record holding a CR
//            without its LF is such a bad line.
template <class Step>
void convert_file(Console& con, std::string_view prompt, std::string_view ext, bool converted, Step&& step) {
    FilePair f = open_file_pair(con, prompt, ext);
    io::RecordReader in(*f.in, f.in_name);
    in.refuse_lone_cr();
    io::RecordWriter out(*f.out);
    FileCounts n;
    try {
        while (step(in, out, n)) {}
        f.out->commit();
    } catch (const io::Failure& e) {
        f.out->keep_whole();
        if (!f.out->replaces() || f.out->placed()) throw;
        kept(e, f.out_name);
    } catch (...) {
        f.out->keep_whole();
        throw;
    }
    say_done(con, f, n, converted);
}

}  // namespace solarlon::driver

#endif
