// Whole dialogues, in-process, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
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
        {"menu_blank", 0}, {"explain_twice", 0}, {"mode1_sample", 0},
        {"mode3_sample", 0}, {"equinox_abc", 1}, {"eof_at_menu", 1},
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(testsupport::golden(std::string(c.name) + ".in"));
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.out, testsupport::golden(std::string(c.name) + ".sjis")) << c.name;
    }
}

TEST(Dialogue, MenuAnswers) {
    const struct {
        const char* input;
        std::string want;
        int status;
    } cases[] = {
        {"\n", kMenu, 0},
        {" 1\n", kMenu, 0},                                  // a leading blank ends, digit or not
        {"x\n2000\n", kMenu + kEqx, 0},                      // no mode: equinox read, then the end
        {"6\n1950\n", kMenu + kEqx, 0},
        {"\x82\x50\n1950\n", kMenu + kEqx, 0},               // full-width 1: its first byte names no mode
        {"x\n0\n", kMenu + kEqx + kOfDate, 0},
        {"x\n0.0\n", kMenu + kEqx + kOfDate, 0},
        {"x\n/\n", kMenu + kEqx + kOfDate, 0},               // a slash leaves the equinox of date
        {"x\n\n  \n2000 1950\n", kMenu + kEqx, 0},           // blank lines passed over
        {"12\n0\n\n", kMenu + kEqx + kOfDate + sjis(" (JST) 年,月,日,時,分,秒 :"), 0},
        {"5abc\n0\n", kMenu + kEqx + kOfDate + sjis(" 太陽黄経ファイル名 :") + "\r\n" + kEofErr, 1},
        {"x\n", kMenu + kEqx + "\r\n" + kEofErr, 1},         // end of input at the equinox prompt
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(c.input);
        EXPECT_EQ(o.status, c.status) << c.input;
        EXPECT_EQ(o.out, c.want) << c.input;
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
        {"1", "1978 6 1O 21 20 0", bad + "1O\r\n"},            // a letter O for a zero
        {"1", "1978 6 10 21 20 x 7", bad + "x\r\n"},
        {"1", "1978 q, 10 x", bad + "q\r\n"},                  // the first in typed order, without its comma
        {"1", "1978 , 6", bad + ",\r\n"},                      // a lone comma is shown
        {"1", "1978 6 10 21 20 00 junk", lon},                 // a seventh field is not used
        {"1", "1978, 6, 10, 21, 20, 00", lon},
        {"3", "2000 abc", bad + "abc\r\n"},
        {"3", "2000 \x82\x51\x82\x56\x82\x4f", bad + "\x82\x51\x82\x56\x82\x4f\r\n"},  // full-width digits
        {"3", "2000" + std::string(33, ' ') + "270", past + "270\r\n"},
        {"3", "2000" + std::string(35, ' ') + "5", past + "5\r\n"},
        {"4", "1990" + std::string(30, ' ') + "1234567", past + "123456\r\n"},
        {"3", "2000 270 abc", sjis(" (JST) 年,月,日,時,分,秒 = 2000 12 21 22 42 43\n")},
        {"3", "2000", sjis(" (JST) 年,月,日,時,分,秒 = 2000  3 20 16 25 50\n")},  // a longitude not typed is 0
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

// Instants are printed as valid dates and times: no second or minute of 60, no 32nd day.
TEST(Dialogue, PrintedInstantsCarry) {
    const struct {
        const char* input;
        const char* want;  // the result after " = "
    } cases[] = {
        {"3\n2000\n1990 110.63\n", "1990  7 13 12 23  0"},    // 22 min 59.5 s and more
        {"3\n2000\n1990 142.82\n", "1990  8 16  4  3  0"},
        {"3\n2000\n1978.5 156.9957\n", "1979  3  1 19 18 53"},  // minutes past the hour carried
        {"4\n2000\n2000 311.42666\n", "2000  2  1.000"},        // would read 1 32.000
        {"3\n2000\n2000 311.42666\n", "2000  2  1  8 59 40"},
    };
    for (const auto& c : cases) {
        const Outcome o = dialogue(std::string(c.input) + "\n");
        const std::size_t at = o.out.find(" = ");
        ASSERT_NE(at, std::string::npos) << c.input;
        EXPECT_EQ(o.out.substr(at + 3, o.out.find('\r', at) - at - 3), c.want) << c.input;
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
