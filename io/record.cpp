// RecordReader, RecordWriter  Text records in and out.
#include <cstring>
#include <istream>
#include <ostream>

#include <solarlon/io.hpp>

namespace solarlon::io {

namespace {

constexpr int kEofMark = 26;  // a record beginning with this byte ends the file

// The buffers of a stream buffer, used in place. A pointer to a protected member, formed in a derived
// class, may be applied to any stream buffer: bytes are taken as by sbumpc() and put as by sputn().
struct Area : std::streambuf {
    static const char* next(std::streambuf& sb) { return (sb.*&Area::gptr)(); }
    static const char* end(std::streambuf& sb) { return (sb.*&Area::egptr)(); }
    static void skip(std::streambuf& sb, std::size_t n) { (sb.*&Area::gbump)(static_cast<int>(n)); }

    // put  TEXT and CR LF into the put area when they fit there; false (nothing put) otherwise.
    static bool put(std::streambuf& sb, std::string_view text) {
        char* const to = (sb.*&Area::pptr)();
        const std::size_t n = text.size();
        if (to == nullptr || n > 1024 || static_cast<std::size_t>((sb.*&Area::epptr)() - to) < n + 2) return false;
        std::memcpy(to, text.data(), n);
        to[n] = '\r';
        to[n + 1] = '\n';
        (sb.*&Area::pbump)(static_cast<int>(n + 2));
        return true;
    }
};

// The bytes of one record as they arrive, up to the line end.
class Taker {
public:
    Taker(std::string& rec, std::size_t maxkeep) : rec_(rec), maxkeep_(maxkeep) {}

    // keep  The next N bytes of the record, at P (no LF or byte 26 among them); nothing is kept once
    //       a byte 26 has ended the record.
    void keep(const char* p, std::size_t n) {
        if (marked_) return;
        if (kept_ < maxkeep_) {
            const std::size_t k = n < maxkeep_ - kept_ ? n : maxkeep_ - kept_;
            rec_.append(p, k);
            kept_ += k;
        }
        count_ += n;
    }
    // mark  A byte 26: the record ends here.
    void mark() { marked_ = true; }

    std::size_t count() const { return count_; }
    bool marked() const { return marked_; }
    void drop_last() {
        rec_.pop_back();
        --count_;
        --kept_;
    }

private:
    std::string& rec_;
    std::size_t maxkeep_;
    std::size_t kept_ = 0;
    std::size_t count_ = 0;  // bytes of the record before its line end (or before a byte 26)
    bool marked_ = false;    // a byte 26 has ended the record; the rest up to LF is dropped
};

}  // namespace

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
    int c = sb->sgetc();
    if (c == traits::eof() || c == kEofMark) {
        if (c == kEofMark) sb->sbumpc();
        ended_ = true;
        return false;
    }
    if (skipblanks)
        while (c == ' ' || c == '\t') c = sb->snextc();
    Taker t(rec, maxkeep);
    bool crlf = false;  // the CR before the LF is dropped already
    for (;;) {
        const char* p = Area::next(*sb);
        const char* e = Area::end(*sb);
        if (p == e) {  // nothing buffered: one byte, which may refill the buffer
            c = sb->sbumpc();
            if (c == traits::eof() || c == '\n') break;
            const char one = traits::to_char_type(c);
            if (c == kEofMark) t.mark();
            t.keep(&one, 1);
            continue;
        }
        const char* q = p;
        if (!t.marked()) {
            while (q != e && *q != '\n' && *q != kEofMark) ++q;
            std::size_t n = static_cast<std::size_t>(q - p);
            if (q != e && *q == '\n' && n > 0 && q[-1] == '\r' && t.count() + n <= maxkeep) {
                --n;  // the CR of a CR LF is not kept at all
                crlf = true;
            }
            t.keep(p, n);
            if (q != e && *q == kEofMark) t.mark();
        }
        while (q != e && *q != '\n') ++q;
        if (q != e) {
            Area::skip(*sb, static_cast<std::size_t>(q - p) + 1);
            c = '\n';
            break;
        }
        Area::skip(*sb, static_cast<std::size_t>(q - p));
    }
    // A CR directly before the LF belongs to the line end.
    if (c == '\n' && !crlf && !t.marked() && t.count() <= maxkeep && !rec.empty() && rec.back() == '\r') t.drop_last();
    cut_ = t.count() > maxkeep;
    if (c == traits::eof()) ended_ = true;  // a last record without a line end still counts
    return true;
}

bool RecordReader::next(std::string_view& rec, std::size_t maxkeep, bool skipblanks) {
    const bool got = read(held_, maxkeep, skipblanks);
    rec = held_;
    return got;
}

RecordWriter::RecordWriter(std::ostream& out, std::string what) : out_(out), what_(std::move(what)) {}

void RecordWriter::record(std::string_view text) {
    // Straight into the buffer when the stream is good, tied to nothing and not unit-buffered: what
    // the writes below would do then, without their per-write checks.
    if (out_.good() && out_.tie() == nullptr && (out_.flags() & std::ios::unitbuf) == 0 &&
        out_.rdbuf() != nullptr && Area::put(*out_.rdbuf(), text)) {
        open_line_ = false;
        return;
    }
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
