// Menus 2 and 5: the file conversions, the output names, replacing and protecting files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include <solarlon/io.hpp>
#include <solarlon/solar.hpp>

#include "dialogue.hpp"
#include "io/files.hpp"
#include "support.hpp"

using testsupport::file_exists;
using testsupport::read_file;
using testsupport::sjis;
using testsupport::write_file;

namespace {

using testsupport::dialogue;
using testsupport::Outcome;

// The console output after the menu and the equinox dialogue.
std::string after_equinox(const std::string& out) {
    const std::string eqx = sjis(" 分点 (1950 or 2000 or etc. or 0:瞬時) :");
    const std::size_t at = out.find(eqx);
    return at == std::string::npos ? out : out.substr(at + eqx.size());
}

std::string F73(double lon) { return solarlon::io::format_f(lon, 7, 3); }

double lon_at(double eq, double y, double m, double d, double h) {
    double delt, lon, rv, x, yy, z;
    const double zero = 0.0;
    solarlon::SUNLNG(eq, y, m, d, h, zero, zero, delt, lon, rv, x, yy, z);
    return lon;
}

TEST(DatesFile, ConvertsDateLinesAndCopiesTheRest) {
    testsupport::Scratch dir;
    const std::string longline(100, 'L');
    write_file("DATA.TXT",
               "HEADING LINE\r\n"
               "------.--\r\n"
               "531010.21\r\n"
               "521016.34XABCDEFGtail after column 17\n"
               "521024.39       \n"
               "\n"
               "   \r\n" +
                   longline +
                   "\r\n"
                   "290101.00\n"
                   "300101.00\n"
                   "HEAD.1 is a heading that looks like a date line? no: column 7 is ' '\n"
                   "\x1a\r\n"
                   "531010.21\r\n");
    const Outcome o = dialogue("2\n2000\nDATA.TXT\n");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(after_equinox(o.out), sjis(" 年月日(UT)ファイル名 :")) << "nothing after the file-name prompt";
    // clang-format off
    const std::string want =
        "HEADING LINE\r\n"
        "------.--\r\n"
        "531010.21 197.248\r\n"
        "521016.34X203.567tail after column 17\r\n"
        "521024.39 211.575\r\n"
        "\r\n"
        "\r\n" +
        std::string(78, 'L') + "\r\n"
        "290101.00 " + F73(lon_at(2000, 2029, 1, 1, 0)) + "\r\n"
        "300101.00 " + F73(lon_at(2000, 1930, 1, 1, 0)) + "\r\n"
        "HEAD.1 is a heading that looks like a date line? no: column 7 is ' '\r\n";
    // clang-format on
    EXPECT_EQ(read_file("DATA.SLG"), want);
    EXPECT_NE(F73(lon_at(2000, 2029, 1, 1, 0)), F73(lon_at(2000, 1929, 1, 1, 0)));
}

TEST(DatesFile, BadDateLineStopsWithEverythingBeforeItWritten) {
    testsupport::Scratch dir;
    const std::string input = "531010.21\nxx1010.21\n521024.39\n";
    write_file("D.TXT", input);
    const Outcome o = dialogue("2\n2000\nD.TXT\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("\r\n*ERR* input error: invalid date in line 2 of 'D.TXT': 'xx1010.21'\r\n"),
              std::string::npos)
        << o.out;
    EXPECT_EQ(read_file("D.SLG"), "531010.21 197.248\r\n");
    EXPECT_EQ(read_file("D.TXT"), input);
}

TEST(LongitudesFile, ConvertsEachValue) {
    testsupport::Scratch dir;
    write_file("L.TXT", "/\n270\n280 and some text\n  \n/\n1000\n-100\n15,\n");
    const Outcome o = dialogue("5\n2000\nL.TXT\n");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(after_equinox(o.out), sjis(" 太陽黄経ファイル名 :"));
    const std::string THJ = read_file("L.THJ");
    std::istringstream lines(THJ);
    std::vector<std::string> recs;
    for (std::string r; std::getline(lines, r);) {
        ASSERT_FALSE(r.empty());
        ASSERT_EQ(r.back(), '\r');
        r.pop_back();
        recs.push_back(r);
    }
    ASSERT_EQ(recs.size(), 7u) << THJ;  // a slash converts the value before it (0 at first)
    EXPECT_EQ(recs[0].substr(0, 10), "  0.0 2000");
    EXPECT_EQ(recs[1], "270.0 2000 12 21 13");
    EXPECT_EQ(recs[2], "280.0 2000  1  1  3");
    EXPECT_EQ(recs[3], recs[2]);
    EXPECT_EQ(recs[4].substr(0, 5), "*****");  // 1000 does not fit F5.1
    EXPECT_EQ(recs[5].substr(0, 5), "*****");  // nor does -100
    EXPECT_EQ(recs[6].substr(0, 5), " 15.0");
    for (const auto& r : recs) EXPECT_EQ(r.size(), 19u) << r;
    // 1000 is 280 after two whole turns.
    EXPECT_EQ(recs[4].substr(5), recs[2].substr(5));
}

TEST(LongitudesFile, NotANumberStopsTheRun) {
    testsupport::Scratch dir;
    write_file("L.TXT", "15\nabc\n30\n");
    const Outcome o = dialogue("5\n2000\nL.TXT\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("*ERR* input error: invalid character in the number 'abc' read from L.TXT"),
              std::string::npos);
    EXPECT_EQ(read_file("L.THJ").substr(0, 5), " 15.0");
    EXPECT_EQ(read_file("L.THJ").size(), 21u);
}

struct NameCase {
    const char* typed;
    const char* mode;
    const char* output;  // nullptr: refused with a file error
};

TEST(FileNames, OutputNames) {
    const NameCase cases[] = {
        {"DATA.TXT", "2", "DATA.SLG"},
        {"DATA.TXT", "5", "DATA.THJ"},
        {"DATA", "2", "DATA.SLG"},
        {"DATA.TEXT", "2", "DATA.SLGT"},  // the tail of a longer extension stays
        {"DATA.T", "5", "DATA.THJ"},
        {".hidden", "2", ".hidden.SLG"},                          // the first character is never examined
        {"  DATA.TXT  ", "2", "DATA.SLG"},                        // blanks around the name are not part of it
        {"MY DATA.TXT", "2", "MY DATA.SLG"},                      // a blank inside it is
        {"ABCDEFGHIJKLMNOPQ.TXT", "2", "ABCDEFGHIJKLMNOPQ.SLG"},  // no limit of 20 columns
        {"DATC.TXT.oldversion12", "5", "DATC.THJ.oldversion12"},
        {"my.dir/DATA.TXT", "2", "my.dir/DATA.SLG"},  // only the last component is looked at
        {"../w2/DATA.TXT", "2", "../w2/DATA.SLG"},
        {"my.dir/DATA", "5", "my.dir/DATA.THJ"},
        {"my.dir/.rc", "5", "my.dir/.rc.THJ"},
        {"DATA.SLG", "2", nullptr},  // would replace its own input
        {"DATA.THJ", "5", nullptr},
    };
    for (const auto& c : cases) {
        testsupport::Scratch dir;
        std::filesystem::create_directories("w1/my.dir");
        std::filesystem::create_directories("w2");
        std::filesystem::current_path("w1");
        const std::string in_name = solarlon::io::trimmed(c.typed);
        const std::string content = "521024.39\n";
        write_file(in_name, content);
        const Outcome o = dialogue(std::string(c.mode) + "\n2000\n" + c.typed + "\n");
        EXPECT_EQ(read_file(in_name), content) << c.typed;
        if (c.output) {
            EXPECT_EQ(o.status, 0) << c.typed << o.out;
            EXPECT_TRUE(file_exists(solarlon::io::trimmed(c.output))) << c.typed << " -> " << c.output;
        } else {
            EXPECT_EQ(o.status, 1) << c.typed;
            EXPECT_NE(o.out.find("\r\n*ERR* file error: "), std::string::npos) << c.typed << o.out;
            EXPECT_NE(o.out.find(in_name), std::string::npos) << "the report names the file: " << o.out;
        }
    }
}

// The whole typed line names the file: a longer name is never cut to a shorter one that exists, an
// absolute path opens, and a zero byte is refused instead of cutting the name there.
TEST(FileNames, TheWholeNameIsUsed) {
    testsupport::Scratch dir;
    write_file("DATC.TXT.oldversion1", "531010.21\n");
    write_file("DATC.TXT.oldversion12", "521016.34\n");
    EXPECT_EQ(dialogue("2\n2000\nDATC.TXT.oldversion12\n").status, 0);
    EXPECT_EQ(read_file("DATC.SLG.oldversion12"), "521016.34 203.567\r\n");
    EXPECT_FALSE(file_exists("DATC.SLG.oldversion1"));

    const std::string abs = (std::filesystem::current_path() / "DATC.TXT.oldversion1").string();
    EXPECT_EQ(dialogue("2\n2000\n" + abs + "\n").status, 0);
    EXPECT_EQ(read_file("DATC.SLG.oldversion1"), "531010.21 197.248\r\n");

    write_file("DATA.TXT", "531010.21\n");
    const Outcome nul = dialogue(std::string("2\n2000\nDATA.TXT\0x\n", 17));
    EXPECT_EQ(nul.status, 1);
    EXPECT_NE(nul.out.find("*ERR* file error: file name holds a zero byte: 'DATA.TXT\\x00x'"), std::string::npos)
        << nul.out;
    EXPECT_FALSE(file_exists("DATA.SLG"));
}

TEST(FileNames, OldOutputIsReplacedAndMissingInputLeavesItAlone) {
    testsupport::Scratch dir;
    write_file("DATA.SLG", "old contents\n");
    const Outcome missing = dialogue("2\n2000\nDATA.TXT\n");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("*ERR* file error: file not found: 'DATA.TXT'"), std::string::npos);
    EXPECT_EQ(read_file("DATA.SLG"), "old contents\n");

    write_file("DATA.TXT", "531010.21\n");
    EXPECT_EQ(dialogue("2\n2000\nDATA.TXT\n").status, 0);
    EXPECT_EQ(read_file("DATA.SLG"), "531010.21 197.248\r\n");
}

TEST(FileNames, OutputThatCannotBeCreated) {
    testsupport::Scratch dir;
    write_file("DATA.TXT", "531010.21\n");
    std::filesystem::create_directory("DATA.SLG");
    const Outcome o = dialogue("2\n2000\nDATA.TXT\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("*ERR* file error: "), std::string::npos);
    EXPECT_NE(o.out.find("DATA.SLG"), std::string::npos);
    EXPECT_EQ(read_file("DATA.TXT"), "531010.21\n");
}

}  // namespace
