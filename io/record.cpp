// RecordReader, RecordWriter  Text records in and out.
#include <istream>
#include <ostream>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {
constexpr int kEofMark = 26;  // a record beginning with this byte ends the file
}

RecordReader::RecordReader(std::istream& in, std::string what) : in_(in), what_(std::move(what)) {}

bool RecordReader::read(std::string& rec, std::size_t maxkeep, bool skipblanks) {
    rec.clear();
    cut_ = false;
    if (tied_ != nullptr) tied_->flush();
    if (ended_) return false;
    std::streambuf* sb = in_.rdbuf();
    if (sb == nullptr) {
        ended_ = true;
        return false;
    }
    using traits = std::streambuf::traits_type;
    int c = sb->sbumpc();
    if (c == traits::eof() || c == kEofMark) {
        ended_ = true;
        return false;
    }
    std::size_t n = 0;     // bytes of the record before its line end (or before a byte 26)
    bool marked = false;   // a byte 26 has ended the record; the rest up to LF is dropped
    if (skipblanks)
        while (c == ' ' || c == '\t') c = sb->sbumpc();
    while (c != traits::eof() && c != '\n') {
        if (c == kEofMark) marked = true;
        if (!marked) {
            if (n < maxkeep) rec.push_back(static_cast<char>(c));
            ++n;
        }
        c = sb->sbumpc();
    }
    // A CR directly before the LF belongs to the line end.
    if (c == '\n' && !marked && n <= maxkeep && !rec.empty() && rec.back() == '\r') {
        rec.pop_back();
        --n;
    }
    cut_ = n > maxkeep;
    if (c == traits::eof()) ended_ = true;  // a last record without a line end still counts
    return true;
}

RecordWriter::RecordWriter(std::ostream& out, std::string what) : out_(out), what_(std::move(what)) {}

void RecordWriter::record(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.write("\r\n", 2);
    open_line_ = false;
    check();
}

void RecordWriter::prompt(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    open_line_ = true;
    check();
}

void RecordWriter::fresh_line() {
    if (open_line_) record("");
}

void RecordWriter::flush() {
    out_.flush();
    check();
}

void RecordWriter::check() {
    if (!out_) throw Failure(Kind::File, "cannot write to " + what_);
}

}  // namespace solarlon::io
