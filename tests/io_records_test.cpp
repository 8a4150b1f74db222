// Input and output records, free-form numbers, whole-line reads, error reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <streambuf>
#include <vector>

#include <solarlon/io.hpp>

using namespace solarlon;

namespace {

std::vector<std::string> records(const std::string& bytes, std::size_t keep = io::kMaxRecord) {
    std::istringstream in(bytes);
    io::RecordReader r(in, "test");
    std::vector<std::string> out;
    std::string rec;
    while (r.read(rec, keep)) out.push_back(rec);
    EXPECT_FALSE(r.read(rec)) << "the end stays the end";
    return out;
}

using V = std::vector<std::string>;

TEST(Records, LineEnds) {
    EXPECT_EQ(records("a\r\nb\r\n"), records("a\nb\n"));
    EXPECT_EQ(records("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(records("a\nlast"), (V{"a", "last"}));  // a last line without its end
    EXPECT_EQ(records(""), V{});
    EXPECT_EQ(records("\n\n"), (V{"", ""}));
    EXPECT_EQ(records("a\rb\r"), (V{"a\rb\r"}));  // CR alone is no line end
    EXPECT_EQ(records("a\r\r\n"), (V{"a\r"}));
    EXPECT_EQ(records(std::string("x\0y\n", 4)), (V{std::string("x\0y", 3)}));
}

TEST(Records, EndOfFileMark) {
    EXPECT_EQ(records("a\n\x1a\nb\n"), (V{"a"}));  // 26 at the start ends the file
    EXPECT_EQ(records("ab\x1a"
                      "cd\r\nef\n"),
              (V{"ab", "ef"}));  // 26 later ends that record only
    EXPECT_EQ(records("\x1a"), V{});
}

TEST(Records, LongRecordsAreCutNotOverrun) {
    const std::string longline(10000, 'x');
    const V got = records(longline + "\r\nnext\n", 78);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], std::string(78, 'x'));
    EXPECT_EQ(got[1], "next");
    // A CR that falls beyond the kept width is dropped with the rest.
    EXPECT_EQ(records("abc\r\n", 3), (V{"abc"}));
    EXPECT_EQ(records("abc\r\n", 4), (V{"abc"}));
}

// A stream buffer that hands its bytes over a few at a time (SIZE bytes per refill), or with no
// buffer at all (SIZE 0: every byte through uflow), as a pipe or a console may.
class Dribble : public std::streambuf {
  public:
    Dribble(std::string bytes, std::size_t size) : bytes_(std::move(bytes)), size_(size) {}

  protected:
    int_type underflow() override {
        if (at_ >= bytes_.size()) return traits_type::eof();
        if (size_ == 0) return traits_type::to_int_type(bytes_[at_]);
        const std::size_t n = std::min(size_, bytes_.size() - at_);
        bytes_.copy(buf_, n, at_);
        at_ += n;
        setg(buf_, buf_, buf_ + n);
        return traits_type::to_int_type(buf_[0]);
    }
    int_type uflow() override {
        if (size_ != 0) return std::streambuf::uflow();
        if (at_ >= bytes_.size()) return traits_type::eof();
        return traits_type::to_int_type(bytes_[at_++]);
    }

  private:
    std::string bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    char buf_[8];
};

TEST(Records, SameRecordsHoweverTheBytesArrive) {
    // Random lines of blanks, letters, CR, byte 26 and LF, read whole and in small pieces.
    std::mt19937 g(26);
    const char alphabet[] = {'a', 'b', ' ', '\t', '\r', '\r', '\x1a', '\n', '\n', '\n'};
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        const int n = static_cast<int>(g() % 60);
        for (int i = 0; i < n; ++i) bytes += alphabet[g() % sizeof alphabet];
        if (!bytes.empty() && bytes[0] == '\x1a') bytes[0] = 'c';
        for (std::size_t keep : {std::size_t{3}, std::size_t{6}, io::kMaxRecord})
            for (bool skip : {false, true})
                for (std::size_t size : {0, 1, 2, 3, 7}) {
                    std::istringstream again(bytes);
                    io::RecordReader w(again, "w");
                    Dribble pieces(bytes, size);
                    std::istream in(&pieces);
                    io::RecordReader r(in, "r");
                    std::string x, y;
                    for (;;) {
                        const bool gx = w.read(x, keep, skip), gy = r.read(y, keep, skip);
                        ASSERT_EQ(gx, gy) << io::shown(bytes) << " in pieces of " << size;
                        if (!gx) break;
                        ASSERT_EQ(x, y) << io::shown(bytes) << " in pieces of " << size;
                        ASSERT_EQ(w.cut(), r.cut()) << io::shown(bytes) << " in pieces of " << size;
                    }
                }
    }
    // A CR LF split between two refills is still a line end.
    Dribble split("ab\r\ncd\r\n", 3);
    std::istream in(&split);
    io::RecordReader r(in, "split");
    std::string rec;
    ASSERT_TRUE(r.read(rec));
    EXPECT_EQ(rec, "ab");
    ASSERT_TRUE(r.read(rec));
    EXPECT_EQ(rec, "cd");
}

TEST(Records, OutputEndsWithCrLfAndPromptsStayOpen) {
    std::ostringstream os;
    io::RecordWriter w(os, "test");
    w.record("one");
    w.prompt(" ask :");
    w.record("answer");
    w.fresh_line();  // nothing open: no empty record
    w.prompt("p");
    w.fresh_line();
    w.record("");
    EXPECT_EQ(os.str(), "one\r\n ask :answer\r\np\r\n\r\n");
}

// A stream buffer with a put area of SIZE bytes that passes what it holds on to OUT, and fails once
// LIMIT bytes have gone.
class Small : public std::streambuf {
  public:
    Small(std::size_t size, std::size_t limit) : size_(size), limit_(limit) { setp(buf_, buf_ + size_); }
    std::string out;

  protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        out.append(pbase(), pptr());
        setp(buf_, buf_ + size_);
        return out.size() > limit_ ? -1 : 0;
    }

  private:
    char buf_[16];
    std::size_t size_, limit_;
};

TEST(Records, OutputThroughAnySizeOfBufferAndItsFailure) {
    const std::string longline(3000, 'x');
    for (std::size_t size : {1, 5, 16}) {
        Small sb(size, 1000000);
        std::ostream os(&sb);
        io::RecordWriter w(os, "test");
        for (const std::string& r : {std::string("one"), std::string(), longline, std::string(14, 'y')}) w.record(r);
        w.flush();
        EXPECT_EQ(sb.out, "one\r\n\r\n" + longline + "\r\n" + std::string(14, 'y') + "\r\n") << size;
    }
    Small full(16, 40);
    std::ostream os(&full);
    io::RecordWriter w(os, "FULL.SLG");
    try {
        for (int i = 0; i < 100; ++i) w.record("531010.21 197.248");
        w.flush();
        ADD_FAILURE() << "a full device went unnoticed";
    } catch (const io::Failure& f) {
        EXPECT_EQ(f.kind(), io::Kind::File);
        EXPECT_NE(std::string(f.what()).find("FULL.SLG"), std::string::npos) << f.what();
    }
}

struct FreeCase {
    const char* input;
    io::Free result;
    double want;
    const char* rest;  // next record after the read
};

TEST(FreeForm, OneNumber) {
    using F = io::Free;
    const FreeCase cases[] = {
        {"\n1950\nz\n", F::Stored, 1950, "z"},  // empty lines are passed over
        {"   \n \t 1950\nz\n", F::Stored, 1950, "z"},
        {"2000 1950\nz\n", F::Stored, 2000, "z"},  // the rest of the line is dropped
        {"2000,1950\nz\n", F::Stored, 2000, "z"},
        {"2000/\nz\n", F::Stored, 2000, "z"},
        {"2000)\nz\n", F::Stored, 2000, "z"},
        {"2000\tx\nz\n", F::Stored, 2000, "z"},
        {"-1.5e1\nz\n", F::Stored, -15, "z"},
        {"0.0\nz\n", F::Stored, 0, "z"},
        {"/\nz\n", F::Kept, 7, "z"},  // slash: the value stays
        {"  / 5\nz\n", F::Kept, 7, "z"},
        {",5\nz\n", F::Kept, 7, "z"},  // null value
        {"", F::End, 7, nullptr},
        {"\n  \n", F::End, 7, nullptr},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        io::RecordReader r(in, "test");
        double v = 7.0;
        EXPECT_EQ(static_cast<int>(io::read_free(r, v)), static_cast<int>(c.result)) << c.input;
        EXPECT_EQ(v, c.want) << c.input;
        std::string next;
        if (c.rest) {
            ASSERT_TRUE(r.read(next));
            EXPECT_EQ(next, c.rest);
        }
    }
}

TEST(FreeForm, LeadingBlanksDoNotCountTowardTheKeptWidth) {
    std::istringstream in(std::string(3 * io::kMaxRecord, ' ') + "15\n" + std::string(2 * io::kMaxRecord, '7') + "\n");
    io::RecordReader r(in, "L.TXT");
    double v = 0.0;
    ASSERT_EQ(io::read_free(r, v), io::Free::Stored);
    EXPECT_EQ(v, 15.0);
    EXPECT_THROW(io::read_free(r, v), io::Failure) << "a number cut by the kept width is not read short";
    EXPECT_EQ(v, 15.0);
}

TEST(FreeForm, BadNumbersAreInputFailures) {
    for (const char* bad : {"abc\n", "1950x\n", ")\n", "1e400\n", "+\n", "1..2\n"}) {
        std::istringstream in(bad);
        io::RecordReader r(in, "console");
        double v = 7.0;
        try {
            io::read_free(r, v);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const io::Failure& f) {
            EXPECT_EQ(f.kind(), io::Kind::Input);
            EXPECT_NE(std::string(f.what()).find("console"), std::string::npos) << f.what();
        }
        EXPECT_EQ(v, 7.0);
    }
}

TEST(WholeLine, AwReads) {
    std::istringstream in("\n2abc\n" + std::string(100, 'y') + "\n");
    io::RecordReader r(in, "console");
    EXPECT_EQ(io::read_a(r, 80), std::string(80, ' '));
    EXPECT_EQ(io::read_a(r, 1), "2");
    EXPECT_EQ(io::read_a(r, 20), std::string(20, 'y'));
    EXPECT_THROW(io::read_a(r, 1), io::Failure);
}

// What a terminal of each character set is shown: its characters as they are, every other byte escaped.
TEST(ErrorText, EscapedForTheTerminalsCharset) {
    using io::Charset;
    const struct {
        Charset cs;
        std::string text, want;
    } cases[] = {
        {Charset::UTF8, "\xe5\xb9\xb4 a\xf0\x9f\x8c\x9e", "\xe5\xb9\xb4 a\xf0\x9f\x8c\x9e"},  // 年, U+1F31E
        {Charset::UTF8,
         "\xc2\x9b"
         "2J",
         "\\xC2\\x9B2J"},                                           // CSI, a C1 control
        {Charset::UTF8, "\xc2\xa0\xc2\x80", "\xc2\xa0\\xC2\\x80"},  // NBSP stays
        {Charset::UTF8, "\xff\xfe\x1b", "\\xFF\\xFE\\x1B"},
        {Charset::UTF8, "\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80", "\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80"},
        {Charset::UTF8, "\xe5\xb9", "\\xE5\\xB9"},                                              // a character cut short
        {Charset::ShiftJIS, "\x94\x4e\x82\x51 \xb1\x81\x80", "\x94\x4e\x82\x51 \xb1\x81\x80"},  // 年２ ｱ, a trail 80
        {Charset::ShiftJIS, "\x81\x7f", "\\x81\\x7F"},                                          // 7F is no trail
        {Charset::ShiftJIS, "\x80\xa0\xfd\x7f", "\\x80\\xA0\\xFD\\x7F"},
        {Charset::ShiftJIS,
         "\x9b"
         "2J\x81",
         "\\x9B2J\\x81"},                                       // a lead byte without its trail
        {Charset::ShiftJIS, "\xc2\x9b\x1b", "\xc2\\x9B\\x1B"},  // half-width katakana, then a lone lead
    };
    for (const auto& c : cases)
        EXPECT_EQ(io::escaped(c.text, c.cs), c.want)
            << io::shown(c.text) << (c.cs == Charset::UTF8 ? " UTF-8" : " SJIS");
}

TEST(ErrorText, ShownQuotesAndEscapes) {
    EXPECT_EQ(io::shown("DATA.TXT"), "'DATA.TXT'");
    EXPECT_EQ(io::shown(std::string("a\0b\x1a", 4)), "'a\\x00b\\x1A'");
    EXPECT_EQ(io::shown(std::string(100, 'z')), "'" + std::string(60, 'z') + "...'");
}

}  // namespace
