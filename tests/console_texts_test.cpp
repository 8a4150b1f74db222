// Every console text: its Shift-JIS bytes decode to the UTF-8 text of the other table, name by name.
#include <gtest/gtest.h>

#include "support.hpp"
#include "tests/support/texts_entries.hpp"

namespace {

using solarlon::console::Entry;
using solarlon::console::kTextCount;

TEST(Texts, ShiftJisAndUtf8TablesHoldTheSameTexts) {
    Entry sjis[kTextCount], utf8[kTextCount];
    solarlon::console::entries(solarlon::console::SJIS, sjis);
    solarlon::console::entries(solarlon::console::UTF8, utf8);
    for (std::size_t i = 0; i < kTextCount; ++i) {
        EXPECT_EQ(testsupport::utf8_of(std::string(sjis[i].text)), std::string(utf8[i].text)) << sjis[i].name;
        EXPECT_EQ(std::string(sjis[i].text), testsupport::sjis(std::string(utf8[i].text))) << sjis[i].name;
    }
}

TEST(Texts, MenuRecordLengthsInBytes) {
    const std::size_t want[8] = {52, 44, 52, 44, 44, 52, 7, 52};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(solarlon::console::SJIS.MENU[i].size(), want[i]) << "menu record " << i + 1;
}

}  // namespace
