// RecordReader, RecordWriter  Text records in and out.
#include <cstring>
#include <exception>
#include <ios>
#include <istream>
#include <ostream>

#include <solarlon/io.hpp>

#include "detail.hpp"
#include "io/files.hpp"

namespace solarlon::io {

namespace {

constexpr char kEofMark = 26;               // a record beginning with this byte ends the file
constexpr std::size_t kBuffer = 64 * 1024;  // bytes a reader takes at a time

// A stream as a source: one byte through sbumpc (which waits, and may refill the stream's buffer),
// then as many as the stream holds already, so that a console is never asked for more than it has.
class StreamSource : public ByteSource {
  public:
    StreamSource(std::istream& in, const std::string& what) : in_(in), what_(what) {}
    std::size_t fill(char* to, std::size_t cap) override {
        std::streambuf* sb = in_.rdbuf();
        if (sb == nullptr) return 0;
        using traits = std::streambuf::traits_type;
        try {
            const int c = sb->sbumpc();
            if (c == traits::eof()) return 0;
            to[0] = traits::to_char_type(c);
            const std::streamsize held = sb->in_avail();
            std::size_t n = 1;
            if (held > 0) {
                const std::size_t want =
                    static_cast<std::size_t>(held) < cap - 1 ? static_cast<std::size_t>(held) : cap - 1;
                n += static_cast<std::size_t>(sb->sgetn(to + 1, static_cast<std::streamsize>(want)));
            }
            return n;
        } catch (const std::ios_base::failure& e) {
            throw Failure(Kind::Input, "cannot read " + named() + ": " +
                                           (e.code().value() != 0 ? detail::why_code(e.code().value()) : e.what()));
        }
    }

  private:
    std::string named() const { return what_ == "console" ? "the console" : shown(what_); }
    std::istream& in_;
    const std::string& what_;
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

RecordReader::RecordReader(std::istream& in, std::string what)
    : own_(std::make_unique<StreamSource>(in, what_)), src_(*own_), what_(std::move(what)) {}

RecordReader::RecordReader(ByteSource& in, std::string what) : src_(in), what_(std::move(what)) {}

RecordReader::~RecordReader() = default;

bool RecordReader::refill() {
    if (!buf_) buf_ = std::make_unique<char[]>(kBuffer);
    pos_ = 0;
    end_ = src_.fill(buf_.get(), kBuffer);
    return end_ > 0;
}

void RecordReader::lone_cr() const {
    throw Failure(Kind::Input, "line " + std::to_string(records_ + 1) + " of " + shown(what_) +
                                   " ends with a carriage return alone; convert the file to CR LF or LF line ends");
}

bool RecordReader::read(std::string& rec, std::size_t maxkeep, bool skipblanks) {
    rec.clear();
    cut_ = false;
    if (tied_ != nullptr) tied_->flush();
    if (ended_) return false;
    if (pos_ == end_ && !refill()) {
        ended_ = true;
        return false;
    }
    if (buf_[pos_] == kEofMark) {
        ++pos_;
        ended_ = true;
        return false;
    }
    if (skipblanks)
        for (;;) {
            if (pos_ == end_ && !refill()) break;
            if (buf_[pos_] != ' ' && buf_[pos_] != '\t') break;
            ++pos_;
        }
    Taker t(rec, maxkeep);
    bool crlf = false;     // the CR before the LF is dropped already
    bool pending = false;  // a CR ended the last chunk: its LF must come first in the next
    bool lf = false;       // the record ended at its LF
    for (;;) {
        if (pos_ == end_ && !refill()) break;
        const char* const p = buf_.get() + pos_;
        const char* const e = buf_.get() + end_;
        const char* q = p;
        if (!t.marked()) {
            while (q != e && *q != '\n' && *q != kEofMark) ++q;
            if (refuse_cr_) {
                if (pending && !(q == p && q != e && *q == '\n')) lone_cr();
                pending = false;
                for (const char* r = p;
                     (r = static_cast<const char*>(std::memchr(r, '\r', static_cast<std::size_t>(q - r)))) != nullptr;
                     ++r) {
                    if (r + 1 == q && q == e) pending = true;
                    else if (!(r + 1 == q && *q == '\n')) lone_cr();
                }
            }
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
            pos_ += static_cast<std::size_t>(q - p) + 1;
            lf = true;
            break;
        }
        pos_ = end_;
    }
    if (pending) lone_cr();  // a CR as the file's last byte
    // A CR directly before the LF belongs to the line end.
    if (lf && !crlf && !t.marked() && t.count() <= maxkeep && !rec.empty() && rec.back() == '\r') t.drop_last();
    cut_ = t.count() > maxkeep;
    if (!lf) ended_ = true;  // a last record without a line end still counts
    ++records_;
    return true;
}

bool RecordReader::next(std::string_view& rec, std::size_t maxkeep, bool skipblanks) {
    const bool got = read(held_, maxkeep, skipblanks);
    rec = held_;
    return got;
}

RecordWriter::RecordWriter(std::ostream& out, std::string what) : out_(&out), what_(std::move(what)) {}

RecordWriter::RecordWriter(std::ostream& out, std::string what, std::string_view line_end)
    : out_(&out), what_(std::move(what)), end_(line_end) {}

RecordWriter::RecordWriter(OutputFile& out) : file_(&out), what_(out.name()) {}

void RecordWriter::record(std::string_view text) {
    open_line_ = false;
    if (file_ != nullptr) {
        file_->record(text);
        return;
    }
    put(text);
    out_->write(end_.data(), static_cast<std::streamsize>(end_.size()));
    check();
}

void RecordWriter::put(std::string_view text) {
    if (!shown_) {
        out_->write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    const std::string s = escaped(text, cs_);
    out_->write(s.data(), static_cast<std::streamsize>(s.size()));
}

void RecordWriter::prompt(std::string_view text) {
    if (file_ != nullptr) throw Failure(Kind::File, "a prompt cannot go to the file " + what_);
    put(text);
    open_line_ = true;
    check();
}

void RecordWriter::fresh_line() {
    if (open_line_) record("");
}

void RecordWriter::flush() {
    if (file_ != nullptr) return;  // the file's buffer is written when it is full and at its commit
    out_->flush();
    check();
}

void RecordWriter::check() {
    if (!*out_) throw Failure(Kind::File, "cannot write to " + what_);
}

}  // namespace solarlon::io
