// GETNUM over typed lines and PUTLIN's trimmed records.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <solarlon/io.hpp>
#include <solarlon/util.hpp>

namespace {

using solarlon::GETNUM;

// A line with each text placed so that its first character stands in the given column.
std::string at(std::initializer_list<std::pair<int, std::string>> parts) {
    std::string line;
    for (const auto& [col, text] : parts) {
        line.resize(static_cast<std::size_t>(col - 1), ' ');
        line += text;
    }
    return line;
}

struct Typed {
    std::string line;
    std::int32_t n;
    std::int32_t count;
    std::vector<double> values;  // value 1, 2, ...; the rest 0
    const char* fields;          // each described field: T took a value, F did not, E reaches column N
};

TEST(Getnum, TypedLines) {
    const Typed cases[] = {
        {"", 40, 0, {}, ""},
        {std::string(80, ' '), 40, 0, {}, ""},
        {"1978 6 10 21 20 0", 40, 6, {1978, 6, 10, 21, 20, 0}, "TTTTTT"},
        {"1978,6,10", 40, 3, {1978, 6, 10}, "TTT"},
        {"1978, 6, 10", 40, 3, {1978, 6, 10}, "TTT"},  // the failing second conversions undo nothing
        {"1978 , 6", 40, 3, {1978, 0, 6}, "TFT"},
        {"6,,7", 40, 3, {6, 0, 7}, "TFT"},
        {",6", 40, 2, {0, 6}, "FT"},
        {"1978 79.26941", 40, 2, {1978, 79.26941}, "TT"},
        {"1978 abc", 40, 2, {1978, 0}, "TF"},
        {"1978-6", 40, 1, {0.001978}, "T"},
        {"1.5e1 +5", 40, 2, {15, 5}, "TT"},
        {". + 5-", 40, 3, {0, 0, 0}, "FFF"},
        {"1978\t6", 40, 1, {0}, "F"},                                  // a tab separates nothing
        {"1e999 5", 40, 2, {0, 5}, "FT"},                              // out of range: the slot keeps 0
        {at({{1, "1978"}, {37, "2000"}}), 40, 2, {1978, 0}, "TE"},     // last character in column 40: not converted
        {at({{1, "1978"}, {36, "2000"}}), 40, 2, {1978, 2000}, "TT"},  // ends in column 39
        {at({{1, "1978"}, {40, "5"}}), 40, 1, {1978}, "TE"},           // a start in column 40 counts nothing
        {at({{1, "1978"}, {41, "55"}}), 40, 1, {1978}, "T"},           // column 41 on is never looked at
        {"1 2 3 4 5 6 7 8", 40, 8, {1, 2, 3, 4, 5, 6}, "TTTTTT"},      // fields 7 and 8 counted, values dropped
        {"1 2", 0, 0, {}, ""},
        {"1 2", -5, 0, {}, ""},
        {"1 2", 200, 2, {1, 2}, "TT"},
        {at({{78, "12 3"}}), 200, 1, {12}, "T"},  // taken as 80 columns: column 81 is ignored
        {at({{79, "12"}}), 200, 1, {0}, "E"},
    };
    for (const Typed& t : cases) {
        SCOPED_TRACE("line '" + t.line + "' n " + std::to_string(t.n));
        std::int32_t count = 99, count2 = 99;
        double v[6] = {99, 99, 99, 99, 99, 99}, v2[6];
        solarlon::NUMFLD f[6];
        GETNUM(t.line, t.n, count, v[0], v[1], v[2], v[3], v[4], v[5]);
        GETNUM(t.line, t.n, count2, v2[0], v2[1], v2[2], v2[3], v2[4], v2[5], f);
        EXPECT_EQ(count, t.count);
        EXPECT_EQ(count2, count);
        const std::string want_fields = t.fields;
        for (std::size_t k = 0; k < 6; ++k) {
            const double want = k < t.values.size() ? t.values[k] : 0.0;
            EXPECT_NEAR(v[k], want, 1e-12 * (1.0 + want)) << "value " << k + 1;
            EXPECT_EQ(v2[k], v[k]) << "value " << k + 1;
            const char got = f[k].START == 0 ? '-' : f[k].EDGE ? 'E' : f[k].TOOK ? 'T' : 'F';
            EXPECT_EQ(got, k < want_fields.size() ? want_fields[k] : '-') << "field " << k + 1;
        }
    }
}

TEST(Putlin, WritesUpToTheLastNonBlank) {
    const struct {
        std::string line;
        std::int32_t n;
        std::string bytes;
    } cases[] = {
        {std::string(80, ' '), 80, "\r\n"},
        {"ABCDEFG", 80, "ABCDEFG\r\n"},
        {"ABCDEFG" + std::string(73, ' '), 80, "ABCDEFG\r\n"},
        {"A  B   ", 80, "A  B\r\n"},
        {"ABCDEFG", 3, "ABC\r\n"},
        {"ABCDEFG", 0, "\r\n"},
        {"ABCDEFG", -4, "\r\n"},
        {std::string(79, 'x') + "yz", 500, std::string(79, 'x') + "y\r\n"},
    };
    for (const auto& t : cases) {
        std::ostringstream out;
        solarlon::io::RecordWriter unit(out, "test");
        solarlon::PUTLIN(t.line, t.n, unit);
        EXPECT_EQ(out.str(), t.bytes) << "line '" << t.line << "' n " << t.n;
    }
}

}  // namespace
