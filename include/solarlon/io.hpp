// io.hpp  Record, field and error-report conventions of every console and file exchange.
//
// A record is one line of bytes. Input records end at LF (a CR just before the LF is dropped); a record
// that begins with byte 26 is the end of the file, and a byte 26 later in a record ends that record.
// Output records end with CR LF, written here and never by the platform. Widths count bytes, so a
// Shift-JIS full-width character takes two columns.
//
// Failures that end the program are thrown as io::Failure (a kind and a detail naming the object);
// the driver catches them and writes the "*ERR*" line. Nothing in this library calls exit().
#ifndef SOLARLON_IO_HPP
#define SOLARLON_IO_HPP

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace solarlon::io {

// ---------------------------------------------------------------- failures

enum class Kind { File, Input };

class Failure : public std::runtime_error {
  public:
    Failure(Kind kind, const std::string& detail);
    Kind kind() const noexcept { return kind_; }

  private:
    Kind kind_;
};

// Charset  The character set a terminal reads: Shift-JIS (code page 932) or UTF-8.
enum class Charset { ShiftJIS, UTF8 };

// escaped  A typed text as it may be echoed to a terminal: every byte below 0x20 and 0x7F written
//          as \xNN (upper-case hex), every other byte as it is. These are the bytes that no
//          character set shows as text.
std::string escaped(std::string_view text);

// escaped  TEXT as a terminal reading CS may show it: each character of CS stays as it is; a control
//          (C0, DEL, and in UTF-8 U+0080-U+009F) and each byte that begins no character of CS (in
//          UTF-8 a byte outside a well-formed sequence; in Shift-JIS 80, A0, FD-FF and a lead byte
//          81-9F or E0-FC without its trail byte 40-7E or 80-FC) is written as \xNN, byte by byte.
std::string escaped(std::string_view text, Charset cs);

// shown  A text quoted for an error report: escaped, at most 60 bytes kept.
std::string shown(std::string_view text);

// ---------------------------------------------------------------- records

// Longest record kept by a reader; the rest of a longer record is read and dropped.
inline constexpr std::size_t kMaxRecord = 4096;

class RecordWriter;
class OutputFile;

// ByteSource  Where a reader's bytes come from.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // fill  Up to CAP (> 0) bytes into TO, waiting for at least one.
    //  Result:   the number of bytes; 0 at the end of the source
    //  Notes:    a read that fails is an input failure naming the source
    virtual std::size_t fill(char* to, std::size_t cap) = 0;
};

class RecordReader {
  public:
    // IN is read as raw bytes through its public interface; WHAT names the source in error reports
    // ("console" or a file name). Bytes are taken ahead only as far as IN holds them already.
    RecordReader(std::istream& in, std::string what);
    // A file of the file modes (InputFile), or any other source.
    RecordReader(ByteSource& in, std::string what);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // read  Next record.
    //  Returned: REC   the record's bytes without its line end, at most MAXKEEP of them
    //  Result:   false at the end of the file (nothing left, or a record beginning with byte 26);
    //            every later call is false too.
    //  Given:    SKIPBLANKS  leading blanks and tabs are dropped first and do not count toward MAXKEEP
    bool read(std::string& rec, std::size_t maxkeep = kMaxRecord, bool skipblanks = false);

    // next  read into the reader's own buffer, kept from record to record.
    //  Returned: REC   a view of the record, valid until the next read of this reader
    bool next(std::string_view& rec, std::size_t maxkeep = kMaxRecord, bool skipblanks = false);

    // cut  Whether the last record read was longer than its MAXKEEP (the rest was dropped).
    bool cut() const noexcept { return cut_; }

    // refuse_lone_cr  From now on a record holding a CR that is not followed by its LF (a file with
    //                 the line ends of old Macintosh systems) is an input failure naming its line.
    void refuse_lone_cr() noexcept { refuse_cr_ = true; }

    const std::string& what() const noexcept { return what_; }

    // tie  OUT is flushed before every read, so that all written so far (records and prompts) is on
    //      the screen before the program waits for an answer. The console's reader is tied to its writer.
    void tie(RecordWriter& out) noexcept { tied_ = &out; }

  private:
    bool refill();
    void lone_cr() const;
    std::unique_ptr<ByteSource> own_;  // the stream's source, when given a stream
    ByteSource& src_;
    RecordWriter* tied_ = nullptr;
    std::string what_;
    std::string held_;  // the record of NEXT
    std::unique_ptr<char[]> buf_;
    std::size_t pos_ = 0, end_ = 0;  // the bytes of BUF_ not yet taken
    long records_ = 0;               // records read so far
    bool ended_ = false;
    bool cut_ = false;
    bool refuse_cr_ = false;
};

class RecordWriter {
  public:
    // OUT receives raw bytes; WHAT names the destination in error reports.
    RecordWriter(std::ostream& out, std::string what);
    // The same with LINE_END after each record instead of CR LF (a string literal).
    RecordWriter(std::ostream& out, std::string what, std::string_view line_end);
    // The output file of a file mode: records go to its own buffer.
    explicit RecordWriter(OutputFile& out);

    // record  Writes TEXT and the line end, CR LF unless the writer was given another. A write that
    //         fails is a file failure.
    void record(std::string_view text);
    // prompt  Writes TEXT with no line end: the answer is typed on the same line.
    void prompt(std::string_view text);
    // fresh_line  Ends a prompt line left open, so that the next record starts in column 1.
    void fresh_line();
    void flush();
    // show_as  From now on every record and prompt is written as escaped(text, CS), as a terminal
    //          reading CS may show it; the writer's own line end is not.
    void show_as(Charset cs) noexcept {
        shown_ = true;
        cs_ = cs;
    }

  private:
    void check();
    void put(std::string_view text);
    std::ostream* out_ = nullptr;
    OutputFile* file_ = nullptr;
    std::string what_;
    std::string_view end_ = "\r\n";
    bool open_line_ = false;
    bool shown_ = false;  // escaped for a terminal reading CS_
    Charset cs_ = Charset::ShiftJIS;
};

// ---------------------------------------------------------------- field output

// format_i  Iw: the whole number WHOLE (rounded by the caller) right-justified in W columns, '-' before negative values;
//          W asterisks when it does not fit (or is not finite).
std::string format_i(double whole, int w);

// format_f  Fw.d: V rounded to D decimals (exact binary value, ties to even), right-justified in W
//          columns; the 0 before the point is dropped when the field is one column short and D is
//          above 0 (Fw.0 keeps its only digit); W asterisks when the value still does not fit (or
//          is not finite).
std::string format_f(double v, int w, int d);

// ---------------------------------------------------------------- field input

enum class Status { Ok, Invalid, OutOfRange };

// read_f  Fw.d input of one numeric field (the whole of FIELD, blanks ignored, all blanks = 0).
//  Given:    FIELD  the field's characters
//            D      implied decimals when the field has no decimal point
//  Returned: VALUE  the number; unchanged unless the status is Ok
//  Result:   Ok, Invalid (a character that is not part of a number) or OutOfRange (beyond double)
Status read_f(std::string_view field, int d, double& value);

enum class Free { Stored, Kept, End };

// read_free  Free-form input of one number: blank lines passed over; the number ends at a blank,
//           comma, tab, slash or ')'; the rest of its record is dropped.
//  Given and returned: VALUE  stored when the result is Stored; kept as it was for a slash or a
//                             leading comma (null value) and at the end of the file
//  Result:   Stored, Kept, or End at the end of the file. Anything else where the number should
//            stand is an input failure (invalid character, out of range).
Free read_free(RecordReader& in, double& value);

// read_a  Aw input of a whole record: its first W bytes, blank-padded. The end of the file is an
//        input failure.
std::string read_a(RecordReader& in, std::size_t w);

}  // namespace solarlon::io

#endif
