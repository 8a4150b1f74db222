// The real executable: exit status, the *ERR* line, files written in the current directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "support.hpp"

using testsupport::read_file;
using testsupport::run_program;
using testsupport::sjis;

namespace {

TEST(Program, NormalEndsExitZero) {
    testsupport::Scratch dir;
    const auto menu_only = run_program("\n");
    EXPECT_EQ(menu_only.status, 0);
    EXPECT_EQ(menu_only.out, testsupport::golden("menu_blank.sjis"));
    const auto mode1 = run_program(testsupport::golden("mode1_sample.in"));
    EXPECT_EQ(mode1.status, 0);
    EXPECT_EQ(mode1.out, testsupport::golden("mode1_sample.sjis"));
}

TEST(Program, FailuresExitOneWithOneErrLine) {
    testsupport::Scratch dir;
    const char* inputs[] = {
        "",                   // end of input at the menu
        "1\n",                // at the equinox prompt
        "1\nabc\n",           // not a number
        "1\n1e400\n",         // out of range
        "1\n0\n1978 6 10\n",  // at the second mode-1 prompt
        "3\n0\n",             // at the mode-3 prompt
        "?\n",                // at the Enter prompt
        "2\n0\n",             // at the file-name prompt
        "2\n0\nNOFILE.TXT\n",
    };
    for (const char* in : inputs) {
        const auto r = run_program(in);
        EXPECT_EQ(r.status, 1) << in;
        const std::size_t at = r.out.find("*ERR*");
        ASSERT_NE(at, std::string::npos) << in;
        EXPECT_TRUE(at == 0 || r.out.compare(at - 2, 2, "\r\n") == 0) << "fresh line: " << in;
        EXPECT_EQ(r.out.find("*ERR*", at + 1), std::string::npos) << "one report: " << in;
        EXPECT_EQ(r.out.substr(r.out.size() - 2), "\r\n") << in;
        EXPECT_EQ(r.out.find("\r\n", at), r.out.size() - 2) << "the report is the last line: " << in;
    }
}

TEST(Program, WritesItsFilesInTheCurrentDirectory) {
    testsupport::Scratch dir;
    testsupport::write_file("DATA.TXT", "531010.21\r\n521016.34\r\n521024.39\r\n");
    const auto r = run_program("2\n2000\nDATA.TXT\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read_file("DATA.SLG"), "531010.21 197.248\r\n521016.34 203.567\r\n521024.39 211.575\r\n");
}

}  // namespace

namespace {

// Options: what each prints, on which stream, with which status; the dialogue never starts.
TEST(Program, CommandLineOptions) {
    testsupport::Scratch dir;
    testsupport::write_file("DATA.TXT", "531010.21\r\n");
    const std::string help = testsupport::sjis("使い方: solarlon [オプション]\n");
    const struct {
        const char* args;
        int status;
        std::string out_has;  // empty: nothing on standard output
        std::string err_has;  // empty: nothing on standard error
    } cases[] = {
        {"--help", 0, help, ""},
        {"-h", 0, help, ""},
        {"--utf8 -h", 0, "使い方: solarlon [オプション]\r\n", ""},
        {"--version", 0, "solarlon " SOLARLON_VERSION_TEXT "\r\n", ""},
        {"-V", 0, "solarlon " SOLARLON_VERSION_TEXT "\r\n", ""},
        {"--bogus", 2, "", "'--bogus'"},
        {"DATA.TXT", 2, "", "'DATA.TXT'"},
        {"--sjis -x", 2, "", "'-x'"},
    };
    for (const auto& c : cases) {
        const auto r = run_program("2\n2000\nDATA.TXT\n", c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        if (c.out_has.empty()) EXPECT_EQ(r.out, "") << c.args;
        else EXPECT_NE(r.out.find(c.out_has), std::string::npos) << c.args << ": " << r.out;
        if (c.err_has.empty()) {
            EXPECT_EQ(r.err, "") << c.args;
        } else {
            EXPECT_NE(r.err.find(c.err_has), std::string::npos) << c.args;
            EXPECT_NE(r.err.find("--help"), std::string::npos) << c.args;
        }
        EXPECT_FALSE(testsupport::file_exists("DATA.SLG")) << c.args << ": no mode may run";
    }
}

// Through pipes the dialogue stays Shift-JIS byte for byte, whatever the locale; the usage text and the
// commands' text follow the locale's codeset, and --utf8 or --sjis decides over it.
TEST(Program, TextsOutsideDialoguesFollowTheLocale) {
    testsupport::Scratch dir;
    const std::string help = "使い方: solarlon [オプション]\n";
    const std::string term = "小寒  285°  2027-01-05 23:06:41 +09:00\n";
    auto crlf = [](std::string s) { return s.insert(s.size() - 1, "\r"); };
    auto lf = [](std::string s) { return s.erase(s.size() - 2, 1); };
    const struct {
        const char* args;
        const char* locale;
        std::string out_has;
    } cases[] = {
        {"--help", "C.UTF-8", crlf(help)},
        {"--help", "C", sjis(help)},
        {"--sjis --help", "C.UTF-8", sjis(help)},
        {"terms 2027 --theory classic", "C.UTF-8", term},  // the commands end lines with LF here
        {"terms 2027 --theory classic", "C", lf(sjis(term))},
        {"terms 2027 --theory classic --utf8", "C", term},
        {"", "C.UTF-8", testsupport::golden("mode1_sample.sjis")},
    };
    for (const auto& c : cases) {
        const auto r = run_program(c.args[0] ? "" : testsupport::golden("mode1_sample.in"), c.args, c.locale);
        EXPECT_EQ(r.status, 0) << c.args;
        EXPECT_NE(r.out.find(c.out_has), std::string::npos) << c.args << " " << c.locale;
        EXPECT_EQ(r.err, "");
    }
    // A bad value: one line on standard error, nothing on standard output, status 2.
    const auto bad = run_program("", "when 2027 400", "C.UTF-8");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "*ERR* argument error: when: bad longitude '400' (expected degrees from 0 to 360)\r\n");
}

// A C1 control or a byte of no character, typed or named, reaches the terminal as an escape in both
// encodings: in an argument, a typed line, the equinox answer and a file name.
TEST(Program, EchoedBytesAreEscaped) {
    testsupport::Scratch dir;
    const std::string csi = "$(printf '\\302\\2332J')";  // C2 9B: CSI in UTF-8
    const struct {
        const char* enc;
        std::string args, input, want;
    } cases[] = {
        {"--utf8", "terms \"" + csi + "\"", "", "'\\xC2\\x9B2J'"},
        {"--sjis", "terms \"" + csi + "\"", "", "'\xc2\\x9B2J'"},  // C2 is a half-width katakana there
        {"--utf8", "", "1\n0\n1978 6 \xff\xfe\n\n", "\\xFF\\xFE\r\n"},
        {"--sjis", "", "1\n0\n1978 6 \xff\xfe\n\n", "\\xFF\\xFE\r\n"},
        {"--utf8", "",
         "1\n\xc2\x9b"
         "2J\n0\n\n",
         "\\xC2\\x9B2J\r\n"},
        {"--sjis", "", "1\n\x9b\n0\n\n", "\\x9B\r\n"},
        {"--utf8", "",
         "2\n0\nD\xc2\x9b"
         "2J.TXT\n",
         "file not found: 'D\\xC2\\x9B2J.TXT'\r\n"},
        {"--sjis", "", "2\n0\nD\x80.TXT\n", "file not found: 'D\\x80.TXT'\r\n"},
    };
    for (const auto& c : cases) {
        const auto r = run_program(c.input, std::string(c.enc) + " " + c.args);
        const std::string all = r.out + r.err;
        EXPECT_NE(all.find(c.want), std::string::npos) << c.enc << " " << c.args << ": " << all;
        EXPECT_EQ(all.find("\x9b"
                           "2J"),
                  std::string::npos)
            << c.enc << " " << c.args;
    }
}

// --utf8 writes the same dialogue as UTF-8; through a pipe the file mode says nothing on standard error.
TEST(Program, Utf8ConsoleAndQuietPipes) {
    testsupport::Scratch dir;
    const auto u = run_program(testsupport::golden("mode1_sample.in"), "--utf8");
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.out, testsupport::utf8_of(testsupport::golden("mode1_sample.sjis")));
    testsupport::write_file("DATA.TXT", "531010.21\r\n");
    const auto f = run_program("2\n2000\nDATA.TXT\n");
    EXPECT_EQ(f.status, 0);
    EXPECT_EQ(f.err, "");
}

}  // namespace

namespace {

// A file-size limit mid-file: the failure is reported, not a silent kill, and the output holds only
// whole converted records.
TEST(Program, SizeLimitLeavesWholeRecords) {
    testsupport::Scratch dir;
    std::string dates;
    for (int i = 0; i < 20000; ++i) dates += "531010.21\r\n";
    testsupport::write_file("BIG.TXT", dates);
    testsupport::write_file(".stdin", "2\n2000\nBIG.TXT\n");
    const std::string cmd = std::string("ulimit -f 100; \"") + SOLARLON_EXE + "\" < .stdin > .stdout 2> .stderr";
    const int rc = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 1);
    EXPECT_NE(read_file(".stdout").find("\r\n*ERR* file error: cannot write to BIG.SLG: File too large\r\n"),
              std::string::npos);
    const std::string out = read_file("BIG.SLG");
    const std::string rec = "531010.21 197.248\r\n";
    ASSERT_GT(out.size(), 0u);
    EXPECT_LT(out.size(), 20000 * rec.size());
    EXPECT_EQ(out.size() % rec.size(), 0u) << "a record cut in two";
    EXPECT_EQ(out.substr(out.size() - rec.size()), rec);
}

}  // namespace
