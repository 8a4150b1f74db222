// Whole dialogues, in-process, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "dialogue.hpp"
#include "support.hpp"

using testsupport::sjis;

namespace {

using testsupport::dialogue;
using testsupport::Outcome;

const std::string kMenu = sjis(
    "------------------------------------2013.02.02 TULVE\n"
    "1  年,月,日,時,分,秒 --> 太陽黄経     手入力\n"
    "2  年,月,日（ＵＴ）  --> 太陽黄経     ファイルデータ\n"
    "3  年,太陽黄経 --> 年,月,日,時,分,秒  手入力\n"
    "4  年,太陽黄経 --> 年,月,日(小数点)   手入力\n"
    "5     太陽黄経 --> 月,日（2000年固定）ファイルデータ\n"
    "?  説明\n"
    "----------------------------------------------------\n");
const std::string kEqx = sjis(" 分点 (1950 or 2000 or etc. or 0:瞬時) :");
const std::string kOfDate = sjis("瞬時分点\n");
const std::string kEofErr = "*ERR* input error: end of file on console\r\n";

TEST(Dialogue, GoldenSessions) {
    const struct {
        const char* name;
        int status;
    } cases[] = {
        {"menu_blank", 0},   {"explain_twice", 0}, {"mode1_sample", 0},
        {"mode3_sample", 0}, {"equinox_abc", 1},   {"eof_at_menu", 1},
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(testsupport::golden(std::string(c.name) + ".in"));
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.out, testsupport::golden(std::string(c.name) + ".sjis")) << c.name;
    }
}

TEST(Dialogue, MenuAnswers) {
    const std::string no_mode = sjis(" メニューにない答えです: ");
    const std::string m1 = sjis(" (JST) 年,月,日,時,分,秒 :");
    const struct {
        const char* input;
        std::string want;
        int status;
    } cases[] = {
        {"\n", kMenu, 0},
        {" 1\n", kMenu, 0},  // a leading blank ends, digit or not
        // An answer that names no mode is named, and the menu comes again.
        {"x\n\n", kMenu + no_mode + "x\r\n" + kMenu, 0},
        {"6\n\n", kMenu + no_mode + "6\r\n" + kMenu, 0},
        {"0\n\n", kMenu + no_mode + "0\r\n" + kMenu, 0},
        {"\x82\x50\n\n", kMenu + no_mode + "\x82\x50\r\n" + kMenu, 0},  // full-width 1
        {"\t1\n\n", kMenu + no_mode + "\\x091\r\n" + kMenu, 0},
        {"q\x1b[A\x1b]0;t\x07 \n\n", kMenu + no_mode + "q\\x1B[A\\x1B]0;t\\x07\r\n" + kMenu, 0},
        {"quit, then anything else\n\n", kMenu + no_mode + "quit, then anything\r\n" + kMenu, 0},  // 20 bytes
        {"x\n1\n2000\n\n", kMenu + no_mode + "x\r\n" + kMenu + kEqx + m1, 0},
        {"x\n", kMenu + no_mode + "x\r\n" + kMenu + kEofErr, 1},
        // The equinox: 瞬時分点 for every answer that selects the equinox of date.
        {"1\n0\n\n", kMenu + kEqx + kOfDate + m1, 0},
        {"1\n0.0\n\n", kMenu + kEqx + kOfDate + m1, 0},
        {"1\n0.3\n\n", kMenu + kEqx + kOfDate + m1, 0},
        {"1\n-0.4\n\n", kMenu + kEqx + kOfDate + m1, 0},
        {"1\n0.5\n\n", kMenu + kEqx + m1, 0},          // rounds to 1: the mean equinox of year 0.5
        {"1\n/\n\n", kMenu + kEqx + kOfDate + m1, 0},  // a slash leaves the equinox of date
        {"1\n1950\n\n", kMenu + kEqx + m1, 0},
        {"1\n2000 1950\n\n", kMenu + kEqx + m1, 0},
        // A blank line, or a text that is not a number, asks again.
        {"1\n\n  \n2000\n\n", kMenu + kEqx + kEqx + kEqx + m1, 0},
        {"1\nabc\n2000\n\n", kMenu + kEqx + sjis(" 数値として読めません: ") + "abc\r\n" + kEqx + m1, 0},
        {"1\n1e400\n0\n\n", kMenu + kEqx + sjis(" 数値として読めません: ") + "1e400\r\n" + kEqx + kOfDate + m1, 0},
        {"1\n)\n0\n\n", kMenu + kEqx + sjis(" 数値として読めません: ") + ")\r\n" + kEqx + kOfDate + m1, 0},
        {"12\n0\n\n", kMenu + kEqx + kOfDate + m1, 0},
        {"5abc\n0\n", kMenu + kEqx + kOfDate + sjis(" 太陽黄経ファイル名 :") + "\r\n" + kEofErr, 1},
        {"3\n", kMenu + kEqx + "\r\n" + kEofErr, 1},  // end of input at the equinox prompt
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(c.input);
        EXPECT_EQ(o.status, c.status) << c.input;
        EXPECT_EQ(o.out, c.want) << c.input;
    }
}

// Typed control bytes never reach the terminal: the notices show them as \xHH, in either encoding.
TEST(Dialogue, NoticesEscapeControlBytesInEitherEncoding) {
    const std::string input = "x\x1b[A\n3\n2000\n2027 9\x1b]0;t\x07\n2027.5 0\n\n";
    const std::string no_mode = " メニューにない答えです: x\\x1B[A";
    const std::string bad = " 数値として読めません: 9\\x1B]0;t\\x07";
    const std::string year = " 年は整数で入力してください: 2027.5";
    for (const auto enc : {solarlon::console::Encoding::ShiftJIS, solarlon::console::Encoding::UTF8}) {
        const bool utf8 = enc == solarlon::console::Encoding::UTF8;
        SCOPED_TRACE(utf8 ? "UTF-8" : "Shift-JIS");
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_EQ(solarlon::driver::run(in, out, enc), 0);
        const std::string o = out.str();
        for (const std::string& want : {no_mode, bad, year})
            EXPECT_NE(o.find((utf8 ? want : sjis(want)) + "\r\n"), std::string::npos) << want;
        EXPECT_EQ(o.find_first_of("\x1b\x07"), std::string::npos);
    }
}

// A typed line whose used field takes no value converts nothing: one notice names the field as typed
// and the prompt comes again. Fields the mode does not use, and values not typed, still pass as 0.
TEST(Dialogue, TypedLineNotices) {
    const std::string m1 = sjis(" (JST) 年,月,日,時,分,秒 :"), m34 = sjis(" 年,太陽黄経 :");
    const std::string bad = sjis(" 数値として読めません: "), past = sjis(" 40桁目までに収めてください: ");
    const std::string lon = sjis(" 太陽黄経 =") + "  79.57047\r\n";
    const struct {
        const char* mode;
        std::string line;
        std::string want;  // what follows the prompt of the line
    } cases[] = {
        {"1", "1978-06-10 21:20:00", bad + "1978-06-10\r\n"},
        {"1", "1978/6/10 21:20", bad + "1978/6/10\r\n"},
        {"1", "q", bad + "q\r\n"},
        {"1", "1978 6 1O 21 20 0", bad + "1O\r\n"},  // a letter O for a zero
        {"1", "1978 6 10 21 20 x 7", bad + "x\r\n"},
        {"1", "1978 q, 10 x", bad + "q\r\n"},   // the first in typed order, without its comma
        {"1", "1978 , 6", bad + ",\r\n"},       // a lone comma is shown
        {"1", "1978 6 10 21 20 00 junk", lon},  // a seventh field is not used
        {"1", "1978, 6, 10, 21, 20, 00", lon},
        {"3", "2000 abc", bad + "abc\r\n"},
        {"3", "2000 \x82\x51\x82\x56\x82\x4f", bad + "\x82\x51\x82\x56\x82\x4f\r\n"},  // full-width digits
        {"3", "2000" + std::string(33, ' ') + "270", past + "270\r\n"},
        {"3", "2000" + std::string(35, ' ') + "5", past + "5\r\n"},
        {"4", "1990" + std::string(30, ' ') + "1234567", past + "123456\r\n"},
        // Control bytes are escaped: they would move the cursor or set the terminal's title.
        {"1", "2027 12 22 11 4\x1b[D\x1b[D1\x1b[A", bad + "4\\x1B[D\\x1B[D1\\x1B[A\r\n"},
        {"3", "2027 9\x1b]0;title\x07", bad + "9\\x1B]0;title\\x07\r\n"},
        {"1", "1978 6 10 21 20 0\x7f", bad + "0\\x7F\r\n"},
        // The year of menus 3 and 4 is whole: a fraction would shift the date off the passage.
        {"3", "2027.5 0", sjis(" 年は整数で入力してください: ") + "2027.5\r\n"},
        {"4", "1978.4, 90", sjis(" 年は整数で入力してください: ") + "1978.4\r\n"},
        {"3", "1978.5 abc", sjis(" 年は整数で入力してください: ") + "1978.5\r\n"},  // first in typed order
        {"3", "2027.0 0", sjis(" (JST) 年,月,日,時,分,秒 = 2027  3 21 14 32 42\n")},
        {"3", "2000 270 abc", sjis(" (JST) 年,月,日,時,分,秒 = 2000 12 21 22 42 43\n")},
        {"3", "2000", sjis(" (JST) 年,月,日,時,分,秒 = 2000  3 20 16 25 50\n")},  // a longitude not typed is 0
        // A year so far out that the search's instant is no passage of the longitude is refused.
        {"3", "2147483648 0", sjis(" 年が範囲外です: ") + "2147483648\r\n"},
        {"4", "5000000, 90", sjis(" 年が範囲外です: ") + "5000000\r\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(std::string(c.mode) + "\n2000\n" + c.line + "\n\n");
        const std::string prompt = c.mode[0] == '1' ? m1 : m34;
        EXPECT_EQ(o.status, 0) << c.line;
        const std::size_t at = o.out.find(prompt);
        ASSERT_NE(at, std::string::npos) << c.line;
        EXPECT_EQ(o.out.substr(at), prompt + c.want + prompt) << c.line;
    }
}

// A longitude beyond a turn is its exact remainder (1e20 and 1e17 are 280 degrees), with every equinox.
TEST(Dialogue, LongitudeBeyondATurnIsItsRemainder) {
    for (const char* eqx : {"0", "1950", "2000"})
        for (const char* mode : {"3", "4"})
            for (const char* lon : {"1e20", "1e17", "-80"}) {
                const std::string head = std::string(mode) + "\n" + eqx + "\n2051 ";
                EXPECT_EQ(dialogue(head + lon + "\n\n").out, dialogue(head + "280\n\n").out) << eqx << " " << lon;
            }
}

// Instants are printed as valid dates and times: no second or minute of 60, no 32nd day.
TEST(Dialogue, PrintedInstantsCarry) {
    const struct {
        const char* input;
        const char* want;  // the result after " = "
    } cases[] = {
        {"3\n2000\n1990 110.63\n", "1990  7 13 12 23  0"},  // 22 min 59.5 s and more
        {"3\n2000\n1990 142.82\n", "1990  8 16  4  3  0"},
        {"3\n2000\n-1000 90\n", "-1000  5 10 23 26 43"},  // negative years as typed
        {"3\n2000\n-1 90\n", "-1  5 24 19 24 53"},
        {"4\n2000\n2000 311.42666\n", "2000  2  1.000"},  // would read 1 32.000
        {"3\n2000\n2000 311.42666\n", "2000  2  1  8 59 40"},
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(std::string(c.input) + "\n");
        const std::size_t at = o.out.find(" =");
        ASSERT_NE(at, std::string::npos) << c.input;
        const std::size_t from = o.out.find_first_not_of(' ', at + 2);  // past the blanks of I5
        EXPECT_EQ(o.out.substr(from, o.out.find('\r', at) - from), c.want) << c.input;
    }
}

// The instant that menus 3 and 4 print is a passage of the longitude: menu 1 at that instant gives the
// longitude back, before the era as after it. Menu 4's decimal day is given as the day with 9 h JST.
TEST(Dialogue, PrintedInstantIsAPassageOfTheLongitude) {
    const std::string lon_text = sjis(" 太陽黄経 =");
    for (const char* mode : {"3", "4"})
        for (const char* year : {"-1000", "-1", "0", "1", "2027"})
            for (const double lon : {0.0, 90.0, 279.5}) {
                char line[64];
                std::snprintf(line, sizeof line, "%s %.1f", year, lon);
                SCOPED_TRACE(std::string("mode ") + mode + ": " + line);
                const Outcome r = dialogue(std::string(mode) + "\n2000\n" + line + "\n\n");
                const std::size_t at = r.out.find(" =");
                ASSERT_NE(at, std::string::npos) << r.out;
                std::string instant = r.out.substr(at + 2, r.out.find('\r', at) - at - 2);
                if (mode[0] == '4') instant += " 9 0 0";
                const Outcome f = dialogue("1\n2000\n" + instant + "\n\n");
                const std::size_t got = f.out.find(lon_text);
                ASSERT_NE(got, std::string::npos) << f.out;
                const double back = std::strtod(f.out.c_str() + got + lon_text.size(), nullptr);
                // A second of time is 1.1e-5 degrees; 0.0005 day is 5e-4 degrees.
                EXPECT_NEAR(std::remainder(back - lon, 360.0), 0.0, mode[0] == '3' ? 2e-5 : 6e-4) << instant;
            }
}

// Every field that modes 3 and 4 print lies in its range, 1900-2100, at irregular longitudes.
TEST(Dialogue, PrintedFieldsInRange1900To2100) {
    auto days_in = [](int y, int m) {
        static const int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        return len[m - 1] + (m == 2 && leap ? 1 : 0);
    };
    std::string lines;
    for (int y = 1900; y <= 2100; ++y)
        for (int k = 0; k < 24; ++k) {
            char buf[48];
            std::snprintf(buf, sizeof buf, "%d %.4f\n", y, std::fmod(k * 15.0 + y * 0.3719 + k * k * 0.0173, 360.0));
            lines += buf;
        }
    for (const char* mode : {"3", "4"}) {
        SCOPED_TRACE(std::string("mode ") + mode);
        const Outcome o = dialogue(std::string(mode) + "\n2000\n" + lines + "\n");
        ASSERT_EQ(o.status, 0);
        std::size_t n = 0;
        for (std::size_t at = o.out.find(" = "); at != std::string::npos; at = o.out.find(" = ", at + 1), ++n) {
            const std::string rec = o.out.substr(at + 3, o.out.find('\r', at) - at - 3);
            int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0;
            double day = 0.0;
            if (mode[0] == '3') {
                ASSERT_EQ(std::sscanf(rec.c_str(), "%d %d %d %d %d %d", &y, &m, &d, &h, &mi, &s), 6) << rec;
            } else {
                ASSERT_EQ(std::sscanf(rec.c_str(), "%d %d %lf", &y, &m, &day), 3) << rec;
                d = static_cast<int>(day);
            }
            ASSERT_TRUE(y >= 1900 && y <= 2101 && m >= 1 && m <= 12) << rec;
            EXPECT_TRUE(d >= 1 && d <= days_in(y, m)) << rec;
            EXPECT_TRUE(h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59) << rec;
        }
        EXPECT_EQ(n, 201u * 24u);
    }
}

TEST(Dialogue, EndOfInputAtTheEnterPromptIsReportedOnAFreshLine) {
    const Outcome o = dialogue("?\n");
    EXPECT_EQ(o.status, 1);
    const std::string tail = sjis(" Enterで続き :") + "\r\n" + kEofErr;
    ASSERT_GE(o.out.size(), tail.size());
    EXPECT_EQ(o.out.substr(o.out.size() - tail.size()), tail);
}

}  // namespace
