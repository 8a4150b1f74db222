// Hostile input through the real executable: every row states the end of the console output (the
// *ERR* line or the defined result), the exit status and the files left behind; the files the user
// named as input keep their bytes whatever happens.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <solarlon/io.hpp>

#include "io/files.hpp"
#include "support.hpp"

using testsupport::read_file;
using testsupport::run_program;
using testsupport::sjis;
using testsupport::write_file;

namespace {

namespace fs = std::filesystem;

const std::string kMenuEnd = std::string(52, '-') + "\r\n";
const std::string kEqx = sjis(" 分点 (1950 or 2000 or etc. or 0:瞬時) :");
const std::string kOfDate = sjis("瞬時分点\n");
const std::string kMode1 = sjis(" (JST) 年,月,日,時,分,秒 :");
const std::string kLon = sjis(" 太陽黄経 =");
const std::string kMode34 = sjis(" 年,太陽黄経 :");
const std::string kMode2 = sjis(" 年月日(UT)ファイル名 :");
const std::string kMode5 = sjis(" 太陽黄経ファイル名 :");
const std::string kEnter = sjis(" Enterで続き :");
const std::string kNotNumber = sjis(" 数値として読めません: ");
const std::string kPast40 = sjis(" 40桁目までに収めてください: ");

std::string err(const std::string& kind, const std::string& detail) { return "*ERR* " + kind + ": " + detail + "\r\n"; }
const std::string kEof = err("input error", "end of file on console");
const std::string kLoneCr = "ends with a carriage return alone; convert the file to CR LF or LF line ends";

struct Entry {
    std::string name;
    std::string bytes;
    bool dir = false;
};
Entry file(std::string name, std::string bytes) { return {std::move(name), std::move(bytes), false}; }
Entry dir(std::string name) { return {std::move(name), "", true}; }

enum class Left { Bytes, Absent, SameAsClean };
struct After {
    std::string name;
    Left how;
    std::string bytes;  // Bytes: the file's bytes; SameAsClean: the input file that gives the same output
};
After out(std::string name, std::string bytes) { return {std::move(name), Left::Bytes, std::move(bytes)}; }
After absent(std::string name) { return {std::move(name), Left::Absent, ""}; }
// The output holds exactly what the same dialogue makes of CLEAN as its input file.
After clean(std::string name, std::string clean_input) {
    return {std::move(name), Left::SameAsClean, std::move(clean_input)};
}

struct Row {
    const char* what;
    std::string console;
    std::vector<Entry> before;
    int status;
    std::string tail;  // the last bytes of the console output
    std::vector<After> after;
};

std::string with_zero(const char* text, std::size_t n) { return std::string(text, n); }

const std::string k10k(10000, 'x');
const std::string kDigits10k = "1" + std::string(9999, '0');

// clang-format off
std::vector<Row> rows() {
    const std::string mode1 = "1\n0\n";  // mode 1 at the equinox of date
    const std::string sample = kLon + "  79.26941\r\n";
    return {
        // End of console input at every prompt, including a byte 26 at the start of a line.
        {"end at the menu", "", {}, 1, kMenuEnd + kEof, {}},
        {"end at the Enter prompt", "?\n", {}, 1, kEnter + "\r\n" + kEof, {}},
        {"end at the equinox prompt", "1\n", {}, 1, kEqx + "\r\n" + kEof, {}},
        {"only blank lines at the equinox prompt", "1\n\n  \n\t\n", {}, 1, kEqx + "\r\n" + kEof, {}},
        {"end at the mode 1 prompt", mode1, {}, 1, kOfDate + kMode1 + "\r\n" + kEof, {}},
        {"end after one conversion", mode1 + "1978 6 10 21 20 00\n", {}, 1, sample + kMode1 + "\r\n" + kEof, {}},
        {"end at the mode 3 prompt", "3\n2000\n", {}, 1, kEqx + kMode34 + "\r\n" + kEof, {}},
        {"end at the mode 4 prompt", "4\n0\n", {}, 1, kOfDate + kMode34 + "\r\n" + kEof, {}},
        {"end at the mode 2 file name", "2\n0\n", {}, 1, kOfDate + kMode2 + "\r\n" + kEof, {}},
        {"end at the mode 5 file name", "5\n1950\n", {}, 1, kEqx + kMode5 + "\r\n" + kEof, {}},
        {"byte 26 opening a console line", mode1 + "\x1a" "1978 6 10\n", {}, 1, kOfDate + kMode1 + "\r\n" + kEof, {}},

        // Numbers that cannot be read where the program needs one.
        // At the equinox prompt, a text that is not a number is named and the prompt comes again.
        {"letters at the equinox prompt", "1\nabc\n", {}, 1, kNotNumber + "abc\r\n" + kEqx + "\r\n" + kEof, {}},
        {"1e400 at the equinox prompt", "1\n1e400\n", {}, 1, kNotNumber + "1e400\r\n" + kEqx + "\r\n" + kEof, {}},
        {"a zero byte inside the equinox", "1\n20" + with_zero("\0", 1) + "00\n", {}, 1,
         kNotNumber + "20\\x0000\r\n" + kEqx + "\r\n" + kEof, {}},
        // A typed field that takes no value is named, and the prompt comes again.
        {"1e400 in a typed line", mode1 + "1e400 6 10 21 20 0\n\n", {}, 0, kNotNumber + "1e400\r\n" + kMode1, {}},
        {"1e400 in the longitude file", "5\n0\nL.TXT\n", {file("L.TXT", "15\n1e400\n30\n")}, 1,
         kMode5 + "\r\n" + err("input error", "number out of range '1e400' read from L.TXT"), {clean("L.THJ", "15\n")}},

        // Names that cannot be used.
        {"input name is a directory", "2\n0\nDIR.TXT\n", {dir("DIR.TXT")}, 1,
         kMode2 + "\r\n" + err("file error", "is a directory, not a file: 'DIR.TXT'"), {absent("DIR.SLG")}},
        {"output name is a directory", "2\n0\nD.TXT\n", {file("D.TXT", "531010.21\n"), dir("D.SLG")}, 1,
         kMode2 + "\r\n" + err("file error", "cannot create 'D.SLG': a directory of that name exists"), {}},
        {"output in a directory that is gone", "5\n0\nx.dir/f\n", {dir("x.dir"), dir("x.dir/f.THJ"), file("x.dir/f", "15\n")}, 1,
         kMode5 + "\r\n" + err("file error", "cannot create 'x.dir/f.THJ': a directory of that name exists"), {}},
        {"output equal to the input (mode 2)", "2\n0\nD.SLG\n", {file("D.SLG", "531010.21 197.248\r\n")}, 1,
         kMode2 + "\r\n" + err("file error", "the output would replace the input file 'D.SLG'"), {}},
        {"output equal to the input (mode 5)", "5\n0\nL.THJ\n", {file("L.THJ", "15\n")}, 1,
         kMode5 + "\r\n" + err("file error", "the output would replace the input file 'L.THJ'"), {}},
        {"a 10,000-byte file name", "2\n0\n" + k10k + k10k + "\n", {}, 1,
         kMode2 + "\r\n" + err("file error", "file name longer than 4096 bytes: '" + k10k.substr(0, 60) + "...'"), {}},

        // Lines of 10,000 bytes: only their first columns count.
        {"10,000-byte menu answer", "1" + k10k + "\n0\n\n", {}, 0, kOfDate + kMode1, {}},
        {"10,000-byte equinox line", "1\n2000" + std::string(9996, ' ') + "\n\n", {}, 0, kEqx + kMode1, {}},
        {"10,000-digit equinox", "1\n" + kDigits10k + "\n", {}, 1,
         kEqx + "\r\n" + err("input error", "number too long '" + kDigits10k.substr(0, 60) + "...' read from console"), {}},
        // The sixth field runs into column 40: named up to there.
        {"10,000-byte typed line", mode1 + "1978 6 10 21 20 00" + k10k + "\n\n", {}, 0,
         kPast40 + "00" + k10k.substr(0, 22) + "\r\n" + kMode1, {}},
        {"10,000-byte date line", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21" + std::string(9991, 'X') + "\n")}, 0, kMode2,
         {out("D.SLG", "531010.21X197.248" + std::string(61, 'X') + "\r\n")}},
        {"10,000-byte longitude line", "5\n0\nL.TXT\n", {file("L.TXT", "15 " + k10k + "\r\n")}, 0, kMode5,
         {clean("L.THJ", "15\n")}},

        // Zero bytes and byte 26 inside lines.
        {"byte 26 inside a typed line", mode1 + "1978 6 10 21 20 0\x1a garbage\n\n", {}, 0, sample + kMode1, {}},
        {"zero byte inside a typed field", mode1 + with_zero("1978\0 6 10 21 20 0\n\n", 20), {}, 0,
         kNotNumber + "1978\\x00\r\n" + kMode1, {}},
        {"zero byte in column 10 of a date line", "2\n2000\nD.TXT\n", {file("D.TXT", with_zero("531010.21\0XYZ\r\n", 15))}, 0,
         kMode2, {out("D.SLG", with_zero("531010.21\0" "197.248\r\n", 19))}},
        {"byte 26 inside a date line", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21 X\x1aYZ\r\n521016.34\r\n")}, 0, kMode2,
         {out("D.SLG", "531010.21 197.248\r\n521016.34 203.567\r\n")}},
        {"byte 26 opening a date-file line", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21\r\n\x1a" "521016.34\r\n")}, 0, kMode2,
         {out("D.SLG", "531010.21 197.248\r\n")}},
        {"zero byte after a longitude", "5\n0\nL.TXT\n", {file("L.TXT", with_zero("15\0\n", 4))}, 1,
         kMode5 + "\r\n" + err("input error", "invalid character in the number '15\\x00' read from L.TXT"), {out("L.THJ", "")}},

        // A carriage return without its line feed: refused, with the lines before it written.
        {"date file with CR-only line ends", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21\r521016.34\r521024.39\r")}, 1,
         kMode2 + "\r\n" + err("input error", "line 1 of 'D.TXT' " + kLoneCr), {out("D.SLG", "")}},
        {"lone CR in the second line of a date file", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21\r\nHEAD\rX\r\n521016.34\n")}, 1,
         kMode2 + "\r\n" + err("input error", "line 2 of 'D.TXT' " + kLoneCr), {out("D.SLG", "531010.21 197.248\r\n")}},
        {"CR as the last byte of a date file", "2\n2000\nD.TXT\n", {file("D.TXT", "531010.21\r\n521016.34\r")}, 1,
         kMode2 + "\r\n" + err("input error", "line 2 of 'D.TXT' " + kLoneCr), {out("D.SLG", "531010.21 197.248\r\n")}},
        {"longitude file with CR-only line ends", "5\n0\nL.TXT\n", {file("L.TXT", "15\r\n\n30\r45\r")}, 1,
         kMode5 + "\r\n" + err("input error", "line 3 of 'L.TXT' " + kLoneCr), {clean("L.THJ", "15\n")}},

        // Empty input files give empty outputs.
        {"empty date file", "2\n0\nD.TXT\n", {file("D.TXT", "")}, 0, kMode2, {out("D.SLG", "")}},
        {"date file of one byte 26", "2\n0\nD.TXT\n", {file("D.TXT", "\x1a")}, 0, kMode2, {out("D.SLG", "")}},
        {"empty longitude file", "5\n0\nL.TXT\n", {file("L.TXT", "")}, 0, kMode5, {out("L.THJ", "")}},

        // A date line that does not read as numbers: the lines before it are in the output, whole.
        {"letters in the month columns", "2\n2000\nD.TXT\n", {file("D.TXT", "HEADER\r\n531010.21\r\n53AB10.21\r\n521024.39\r\n")}, 1,
         kMode2 + "\r\n" + err("input error", "invalid date in line 3 of 'D.TXT': '53AB10.21'"),
         {out("D.SLG", "HEADER\r\n531010.21 197.248\r\n")}},
        {"a letter in the day columns", "2\n2000\nD.TXT\n", {file("D.TXT", "5310x0.21 first line\n")}, 1,
         kMode2 + "\r\n" + err("input error", "invalid date in line 1 of 'D.TXT': '5310x0.21 first line'"), {out("D.SLG", "")}},
    };
    // clang-format on
}

void lay_out(const std::vector<Entry>& entries) {
    for (const auto& e : entries) {
        if (e.dir) fs::create_directories(e.name);
        else write_file(e.name, e.bytes);
    }
}

std::size_t err_lines(const std::string& out) {
    std::size_t n = 0;
    for (std::size_t i = out.find("*ERR*"); i != std::string::npos; i = out.find("*ERR*", i + 1))
        if (i == 0 || out[i - 1] == '\n') ++n;
    return n;
}

TEST(BadInput, EachEndsAsDefined) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.what);
        // Outputs that must equal those of a clean input file, made first in a directory of their own.
        std::vector<std::string> clean_out;
        for (const After& a : row.after) {
            if (a.how != Left::SameAsClean) continue;
            testsupport::Scratch ref;
            std::vector<Entry> entries = row.before;
            for (Entry& e : entries)
                if (!e.dir) e.bytes = a.bytes;
            lay_out(entries);
            EXPECT_EQ(run_program(row.console).status, 0);
            clean_out.push_back(read_file(a.name));
        }

        testsupport::Scratch dir;
        lay_out(row.before);
        const auto r = run_program(row.console);
        EXPECT_EQ(r.status, row.status);
        ASSERT_GE(r.out.size(), row.tail.size()) << r.out;
        EXPECT_EQ(r.out.substr(r.out.size() - row.tail.size()), row.tail);
        EXPECT_EQ(err_lines(r.out), row.status == 0 ? 0u : 1u);

        for (const Entry& e : row.before) {
            if (e.dir) EXPECT_TRUE(fs::is_directory(e.name)) << e.name;
            else EXPECT_EQ(read_file(e.name), e.bytes) << "input changed: " << e.name;
        }
        std::size_t k = 0;
        for (const After& a : row.after) {
            switch (a.how) {
                case Left::Absent: EXPECT_FALSE(testsupport::file_exists(a.name)) << a.name; break;
                case Left::Bytes:
                    ASSERT_TRUE(testsupport::file_exists(a.name)) << a.name;
                    EXPECT_EQ(read_file(a.name), a.bytes) << a.name;
                    break;
                case Left::SameAsClean:
                    ASSERT_TRUE(testsupport::file_exists(a.name)) << a.name;
                    EXPECT_EQ(read_file(a.name), clean_out[k++]) << a.name;
                    break;
            }
        }
    }
}

// Without read permission the open fails before any output is formed; meaningless for a user whom
// permissions do not stop (root).
TEST(BadInput, UnreadableInputFile) {
    testsupport::Scratch dir;
    write_file("D.TXT", "531010.21\n");
    fs::permissions("D.TXT", fs::perms::none);
    if (std::ifstream("D.TXT").is_open()) {
        fs::permissions("D.TXT", fs::perms::owner_read | fs::perms::owner_write);
        GTEST_SKIP() << "permissions do not stop this user from reading a file";
    }
    const auto r = run_program("2\n0\nD.TXT\n");
    fs::permissions("D.TXT", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(r.status, 1);
    const std::string tail = kMode2 + "\r\n" + err("file error", "cannot open for reading: 'D.TXT'");
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(read_file("D.TXT"), "531010.21\n");
    EXPECT_FALSE(testsupport::file_exists("D.SLG"));
}

// A free-form number behind more blanks or digits than a record keeps is never lost silently: the
// leading blanks do not count toward the kept width, and a number cut by it is an input error.
TEST(BadInput, LongitudeBeyondTheKeptRecordIsNotLost) {
    struct Case {
        const char* what;
        std::string line;
    } cases[] = {{"blanks before the number", std::string(5000, ' ') + "15"},
                 {"zeros before the number", std::string(5000, '0') + "15"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string clean;
        {
            testsupport::Scratch ref;
            write_file("L.TXT", "15\r\n30\r\n");
            ASSERT_EQ(run_program("5\n0\nL.TXT\n").status, 0);
            clean = read_file("L.THJ");
        }
        testsupport::Scratch dir;
        write_file("L.TXT", c.line + "\r\n30\r\n");
        const auto r = run_program("5\n0\nL.TXT\n");
        if (c.line[0] == ' ') {
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(read_file("L.THJ"), clean);
        } else {
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(err_lines(r.out), 1u);
            EXPECT_NE(r.out.find("*ERR* input error: number too long"), std::string::npos);
        }
    }
}

}  // namespace
