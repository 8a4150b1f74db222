// output_name, open_file_pair, kept, say_done  Naming and opening the files of the file modes, and their closing word.
#include <algorithm>
#include <istream>
#include <ostream>

#include "detail.hpp"

namespace solarlon::driver {

namespace {

bool path_separator(char c) {
#ifdef _WIN32
    if (c == '\\' || c == ':') return true;
#endif
    return c == '/';
}

}  // namespace

std::string output_name(const std::string& FNAME, std::string_view EXT) {
    std::size_t base = FNAME.size();  // first character of the last component
    while (base > 0 && !path_separator(FNAME[base - 1])) --base;
    // The extension goes at the first "." after the component's first character.
    const std::size_t p = base + 1 < FNAME.size() ? FNAME.find('.', base + 1) : std::string::npos;
    if (p == std::string::npos) return FNAME + std::string(EXT);
    std::string name = FNAME;
    name.replace(p, std::min(EXT.size(), name.size() - p), EXT);
    return name;
}

FilePair open_file_pair(Console& con, std::string_view prompt, std::string_view ext) {
    con.out.prompt(prompt);
    std::string typed;
    if (!con.in.read(typed)) throw io::Failure(io::Kind::Input, "end of file on " + con.in.what());
    if (con.in.cut())
        throw io::Failure(io::Kind::File,
                          "file name longer than " + std::to_string(io::kMaxRecord) + " bytes: " + io::shown(typed));
    FilePair f;
    f.in_name = io::trimmed(typed);  // the whole line is the name, blanks inside it included
    if (f.in_name.find('\0') != std::string::npos)
        throw io::Failure(io::Kind::File, "file name holds a zero byte: " + io::shown(f.in_name));
    f.in = io::open_old(f.in_name);  // before the output name, so a missing input leaves the output alone
    if (f.in->is_standard_input())   // its read-ahead would lose records, or the answers be read as data
        throw io::Failure(io::Kind::File,
                          "cannot convert the console's own input " + io::shown(f.in_name) + ": name a file");
    f.out_name = output_name(f.in_name, ext);
    if (io::same_file(f.in_name, f.out_name))
        throw io::Failure(io::Kind::File, "the output would replace the input file " + io::shown(f.in_name));
    try {
        f.out = std::make_unique<io::OutputFile>(f.out_name);  // an old output is replaced when the new one is whole
    } catch (const io::Failure& e) {
        if (io::holds_file(f.out_name)) kept(e, f.out_name);  // a folder that takes no new file
        throw;
    }
    return f;
}

void kept(const io::Failure& e, const std::string& name) {
    throw io::Failure(e.kind(), std::string(e.what()) + "; the old " + io::shown(name) + " is kept");
}

void say_done(Console& con, const FilePair& f, const FileCounts& n, bool converted) {
    if (con.notes == nullptr) return;
    io::RecordWriter note(*con.notes, "standard error");
    note.show_as(con.notes_enc);
    try {
        std::string word =
            io::escaped(f.out_name) + ": " + std::to_string(n.records) + std::string(con.N.FILE_DONE_UNIT);
        if (converted)
            word += std::string(con.N.FILE_DONE_CONVERTED) + std::to_string(n.converted) +
                    std::string(con.N.FILE_DONE_UNIT) + ")";
        note.record(word);
        note.flush();
    } catch (const io::Failure&) {
        // a word that cannot be said changes nothing of what was written
    }
}

}  // namespace solarlon::driver
