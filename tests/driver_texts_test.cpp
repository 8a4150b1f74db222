// Every console text decodes from its Shift-JIS bytes to the UTF-8 text it was written from.
#include <gtest/gtest.h>

#include <cstring>

#include "driver/texts.hpp"
#include "support.hpp"

namespace {

struct Utf8Text {
    const char* name;
    const char* text;
};

const Utf8Text kUtf8[] = {
#include "texts_utf8.inc"
};

TEST(Texts, DecodeToTheirUtf8Originals) {
    using solarlon::texts::ALL;
    ASSERT_EQ(std::size(kUtf8), std::size(ALL));
    for (std::size_t i = 0; i < std::size(ALL); ++i) {
        EXPECT_STREQ(ALL[i].name, kUtf8[i].name);
        EXPECT_EQ(testsupport::utf8_of(std::string(ALL[i].text)), kUtf8[i].text) << ALL[i].name;
        EXPECT_EQ(std::string(ALL[i].text), testsupport::sjis(kUtf8[i].text)) << ALL[i].name;
    }
}

TEST(Texts, MenuRecordLengthsInBytes) {
    const std::size_t want[8] = {52, 44, 52, 44, 44, 52, 7, 52};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(solarlon::texts::MENU[i].size(), want[i]) << "menu record " << i + 1;
}

}  // namespace
