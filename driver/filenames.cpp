// OUTPUTNAME, open_file_pair  Naming, opening and replacing the files of the file modes.
#include <istream>
#include <ostream>

#include "driver/console.hpp"

namespace solarlon::driver {

std::string output_name(const std::string& FNAME, std::string_view EXT) {
    // The extension goes at the first "." or blank from column 2 on; column 1 is never examined.
    std::size_t p = std::string::npos;
    for (std::size_t i = 1; i < FNAME.size(); ++i) {
        if (FNAME[i] == '.' || FNAME[i] == ' ') {
            p = i;
            break;
        }
    }
    if (p == std::string::npos || p + EXT.size() > FNAME.size())
        throw io::Failure(io::Kind::File, "name too long to take the extension " + std::string(EXT) +
                                              " (at most 16 characters before it): " + io::shown(io::trimmed(FNAME)));
    std::string name = FNAME;
    name.replace(p, EXT.size(), EXT);
    return name;
}

FilePair open_file_pair(Console& con, std::string_view prompt, std::string_view ext) {
    con.out.prompt(prompt);
    const std::string FNAME = io::read_a(con.in, 20);
    FilePair f;
    f.in_name = io::trimmed(FNAME);
    f.in = io::open_old(FNAME);  // before the output name, so a missing input leaves the output alone
    f.out_name = io::trimmed(output_name(FNAME, ext));
    if (io::same_file(f.in_name, f.out_name))
        throw io::Failure(io::Kind::File, "the output would replace the input file " + io::shown(f.in_name));
    if (io::open_status(f.out_name) == 0) io::close_delete(f.out_name);  // an old output is replaced
    f.out = io::open_new(f.out_name);
    return f;
}

void say_done(Console& con, const FilePair& f, long records) {
    if (con.notes == nullptr) return;
    io::RecordWriter note(*con.notes, "standard error");
    try {
        note.record(f.out_name + ": " + std::to_string(records) + std::string(con.T.FILE_DONE_UNIT));
        note.flush();
    } catch (const io::Failure&) {
        // a word that cannot be said changes nothing of what was written
    }
}

}  // namespace solarlon::driver
