// Whole dialogues, in-process, byte for byte.
#include <gtest/gtest.h>

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

TEST(Dialogue, EndOfInputAtTheEnterPromptIsReportedOnAFreshLine) {
    const Outcome o = dialogue("?\n");
    EXPECT_EQ(o.status, 1);
    const std::string tail = sjis(" Enterで続き :") + "\r\n" + kEofErr;
    ASSERT_GE(o.out.size(), tail.size());
    EXPECT_EQ(o.out.substr(o.out.size() - tail.size()), tail);
}

}  // namespace
