// The one-shot commands, in-process: each answer against the dialogue mode that gives it, the output
// formats byte for byte, and the refusals of bad commands, options and values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <solarlon/io.hpp>
#include <solarlon/sun.hpp>

#include "apparent/apparent.hpp"
#include "commands/options.hpp"
#include "console/texts.hpp"
#include "driver/dialogue.hpp"
#include "support.hpp"

namespace {

struct Answer {
    int status;
    std::string out, err;
};

// The command line ARGS, read and answered as the program does, where the locale's codeset is UTF-8
// or not (--utf8 and --sjis decide over it), by the clock CLOCK.
Answer command(std::vector<const char*> args, bool locale_utf8 = true,
               solarlon::commands::Clock clock = solarlon::commands::system_seconds) {
    using solarlon::console::Encoding;
    args.insert(args.begin(), "solarlon");
    std::ostringstream out, err;
    try {
        const auto o = solarlon::commands::read_options(static_cast<int>(args.size()), args.data());
        const Encoding enc = o.utf8.value_or(locale_utf8) ? Encoding::UTF8 : Encoding::ShiftJIS;
        const int status = solarlon::commands::one_shot(o, out, err, enc, clock);
        return {status, out.str(), err.str()};
    } catch (const solarlon::commands::Bad& b) {
        return {2, "", "*ERR* argument error: " + b.what + "\r\n"};
    }
}

// The result record of a dialogue (UTF-8), from its "=" on, without the line end.
std::string mode_answer(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(solarlon::driver::run(in, out, solarlon::console::Encoding::UTF8), 0) << input;
    const std::string s = out.str();
    const std::size_t eq = s.find('=');
    if (eq == std::string::npos) return "";
    return s.substr(eq + 1, s.find("\r\n", eq) - eq - 1);
}

// Mode 3's " 2027  1  5 23  6 41" as the commands write it, 2027-01-05T23:06:41.
std::string iso_of_mode3(const std::string& rec) {
    int y, mo, d, h, mi, s;
    if (std::sscanf(rec.c_str(), "%d %d %d %d %d %d", &y, &mo, &d, &h, &mi, &s) != 6) return "?" + rec;
    char buf[64];
    std::snprintf(buf, sizeof buf, y < 0 ? "%05d-%02d-%02dT%02d:%02d:%02d" : "%04d-%02d-%02dT%02d:%02d:%02d", y, mo, d,
                  h, mi, s);
    return buf;
}

// The lines of TEXT, each without its LF (the commands' line end here).
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        v.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return v;
}

// Field K of a csv line.
std::string field(const std::string& line, int k) {
    std::size_t at = 0;
    for (int i = 0; i < k; ++i) at = line.find(',', at) + 1;
    return line.substr(at, line.find(',', at) - at);
}

// terms: every term's instant is what mode 3 prints for its longitude with the same equinox.
TEST(Commands, TermsAgreeWithMode3) {
    const struct {
        const char* year;
        const char* equinox;  // the option's value
        const char* eqx;      // the same equinox answered in the dialogue
    } cases[] = {{"2027", "date", "0"}, {"1978", "1950", "1950"}, {"2000", "2000", "2000"}, {"1600", "date", "0"}};
    for (const auto& c : cases) {
        const Answer a = command({"terms", c.year, "--theory", "classic", "--equinox", c.equinox, "--format", "csv"});
        ASSERT_EQ(a.status, 0) << a.err;
        const auto rows = lines(a.out);
        ASSERT_EQ(rows.size(), 25u);
        EXPECT_EQ(rows[0], "name,longitude,instant,theory,scale");
        for (std::size_t k = 1; k < rows.size(); ++k) {
            const std::size_t c1 = rows[k].find(','), c2 = rows[k].find(',', c1 + 1);
            const std::string lon = rows[k].substr(c1 + 1, c2 - c1 - 1);
            EXPECT_EQ(std::to_string((285 + 15 * (k - 1)) % 360), lon) << "calendar order";
            const std::string want =
                iso_of_mode3(mode_answer(std::string("3\n") + c.eqx + "\n" + c.year + " " + lon + "\n\n"));
            EXPECT_EQ(rows[k].substr(c2 + 1), want + "+09:00,classic,utc") << c.year << " " << lon;
        }
    }
}

// when equals mode 3 in JST and, in UT, mode 4's decimal day; at equals mode 1.
TEST(Commands, WhenAndAtAgreeWithModes) {
    const struct {
        const char* year;
        const char* lon;
        const char* equinox;
        const char* eqx;
    } whens[] = {{"1978", "79.26941", "date", "0"},  {"2000", "270", "2000", "2000"},
                 {"2000", "280", "2000", "2000"},    {"1978", "0", "date", "0"},
                 {"2027", "359.99", "1950", "1950"}, {"2030", "123.456", "1995.5", "1995.5"}};
    for (const auto& c : whens) {
        const Answer j =
            command({"when", c.year, c.lon, "--theory", "classic", "--equinox", c.equinox, "--format", "csv"});
        ASSERT_EQ(j.status, 0) << j.err;
        const std::string m3 =
            iso_of_mode3(mode_answer(std::string("3\n") + c.eqx + "\n" + c.year + " " + c.lon + "\n\n"));
        const std::string row = lines(j.out).at(1);
        EXPECT_EQ(field(row, 0) + "," + field(row, 1), std::string(c.lon) + "," + m3 + "+09:00");

        const Answer u = command(
            {"when", c.year, c.lon, "--theory=classic", "--equinox", c.equinox, "--zone", "UTC", "--format", "json"});
        ASSERT_EQ(u.status, 0) << u.err;
        int y, mo;
        double d;
        const std::size_t at = u.out.find("\"decimal_day\": \"");
        ASSERT_EQ(std::sscanf(u.out.c_str() + at + 16, "%d-%d-%lf", &y, &mo, &d), 3) << u.out;
        char m4[64];
        std::snprintf(m4, sizeof m4, "%5d%3d%7.3f", y, mo, d);
        EXPECT_EQ(mode_answer(std::string("4\n") + c.eqx + "\n" + c.year + " " + c.lon + "\n\n"), m4)
            << c.year << " " << c.lon;
    }
    const struct {
        const char* datetime;
        const char* equinox;
        const char* eqx;
        const char* typed;  // the same instant typed in mode 1 (JST)
    } ats[] = {
        {"1978-06-10T21:20", "date", "0", "1978 6 10 21 20 0"},
        {"1978-06-10T12:20Z", "1950", "1950", "1978 6 10 21 20 0"},
        {"2027-12-22T02:40:30.5+00:00", "2000", "2000", "2027 12 22 11 40 30.5"},
        {"1952-10-24T05:30+05:30", "2000", "2000", "1952 10 24 9 0 0"},
        {"2000-01-01", "date", "0", "2000 1 1 0 0 0"},
        {"2027-12-22T24:00", "date", "0", "2027 12 22 24 0 0"},
        {"2024-02-29T12:00-03:00", "date", "0", "2024 3 1 0 0 0"},
    };
    for (const auto& c : ats) {
        const Answer a = command({"at", c.datetime, "--theory", "classic", "--equinox", c.equinox, "--format", "csv"});
        ASSERT_EQ(a.status, 0) << a.err;
        std::string m1 = mode_answer(std::string("1\n") + c.eqx + "\n" + c.typed + "\n\n");
        m1.erase(0, m1.find_first_not_of(' '));
        EXPECT_EQ(field(lines(a.out).at(1), 1), m1) << c.datetime;
    }
}

// The formats byte for byte, lines ended by LF; text follows the locale's codeset unless --utf8 or
// --sjis says, csv and json are UTF-8 always; each names the theory and the scale.
// clang-format off
TEST(Commands, FormatsAndEncodings) {
    const std::string head = std::string(solarlon::console::heading(solarlon::console::UTF8, "classic")) + std::string(solarlon::console::UTF8.TIME_HEAD) + "+09:00\n";
    const std::string text = head + "79.26941°  1978-06-10 21:20:00 +09:00\n";
    auto sjis = [](const std::string& utf8) {
        std::string s = testsupport::sjis(utf8);
        for (std::size_t at; (at = s.find('\r')) != std::string::npos;) s.erase(at, 1);
        return s;
    };
    const struct {
        std::vector<const char*> args;
        bool locale_utf8;
        std::string out;
    } cases[] = {
        {{"when", "1978", "79.26941", "--theory", "classic"}, true, text},
        {{"when", "1978", "79.26941", "--theory", "classic"}, false, sjis(text)},
        {{"when", "1978", "79.26941", "--utf8", "--theory", "classic"}, false, text},
        {{"--sjis", "when", "1978", "79.26941", "--theory", "classic"}, true, sjis(text)},
        {{"when", "1978", "79.26941", "--format=csv", "--theory", "classic"}, false, "longitude,instant,decimal_day,in_year,theory,scale\n79.26941,1978-06-10T21:20:00+09:00,1978-06-10.889,true,classic,utc\n"},
        {{"when", "1978", "79.26941", "--format", "json", "--sjis", "--theory", "classic"}, false,
         "[\n  {\"longitude\": 79.26941, \"instant\": \"1978-06-10T21:20:00+09:00\", \"decimal_day\": \"1978-06-10.889\", \"in_year\": true, \"theory\": \"classic\", \"scale\": \"utc\"}\n]\n"},
        {{"at", "1978-06-10T21:20", "--theory", "classic"}, true, head + "1978-06-10 21:20:00 +09:00  79.26941°\n"},
        {{"at", "1978-06-10T12:20:00.25Z", "--format", "json", "--theory", "classic"}, true,
         "[\n  {\"instant\": \"1978-06-10T12:20:00.25+00:00\", \"longitude\": 79.26941, \"theory\": \"classic\", \"scale\": \"utc\"}\n]\n"},
        {{"at", "1978-06-10T12:20Z", "--theory", "classic"}, true,  // the header names the zone of the times
         std::string(solarlon::console::heading(solarlon::console::UTF8, "classic")) + std::string(solarlon::console::UTF8.TIME_HEAD) + "UTC\n1978-06-10 12:20:00 +00:00  79.26941°\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Answer a = command(c.args, c.locale_utf8);
        EXPECT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(a.err, "");
        if (!c.out.empty()) {
            EXPECT_EQ(a.out, c.out) << c.args[0];
        }
    }
    EXPECT_EQ(field(lines(command({"when", "2027", "-0", "--theory", "classic", "--format", "csv"}).out).at(1), 0),
              "0");
    const auto rows = lines(command({"terms", "2027", "--format", "json", "--theory", "classic"}, false).out);
    EXPECT_EQ(
        rows.at(1),
        "  {\"name\": \"小寒\", \"longitude\": 285, \"instant\": \"2027-01-05T23:06:41+09:00\", \"theory\": \"classic\", \"scale\": \"utc\"},");
    EXPECT_EQ(
        rows.at(24),
        "  {\"name\": \"冬至\", \"longitude\": 270, \"instant\": \"2027-12-22T11:40:06+09:00\", \"theory\": \"classic\", \"scale\": \"utc\"}");
    EXPECT_EQ(lines(command({"terms", "2027", "--theory", "classic"}).out).at(6),
              "春分    0°  2027-03-21 05:21:29 +09:00");
    // UIDs from the year as a number, however it is typed.
    EXPECT_NE(
        command({"terms", "+2027", "--format", "ics", "--theory", "classic"}).out.find("UID:2027-term-285@solarlon"),
        std::string::npos);
    // A zone with minutes: the JST instants moved by 14 h 30 min, to the second.
    EXPECT_EQ(lines(command({"terms", "2027", "--zone", "-05:30", "--format", "csv", "--theory", "classic"}).out).at(1),
              "小寒,285,2027-01-05T08:36:41-05:30,classic,utc");
}

// A fixed clock, S seconds from 1970.
template <std::int64_t S>
std::int64_t fixed_clock() {
    return S;
}

// at now takes whole seconds of the clock, floored, and refuses them outside the span as at does;
// SOURCE_DATE_EPOCH is the DTSTAMP where it is a whole number of seconds a DTSTAMP holds.
TEST(Commands, ClockAndSourceDateEpoch) {
    using solarlon::commands::Clock;
    const struct {
        Clock clock;
        int status;
        const char* instant;  // csv
    } nows[] = {
        {fixed_clock<9223372037>, 0, "2262-04-11T23:47:17+00:00"},  // past a nanosecond clock's end
        {fixed_clock<-1>, 0, "1969-12-31T23:59:59+00:00"},
        {fixed_clock<32535215999>, 0, "3000-12-31T23:59:59+00:00"},
        {fixed_clock<32535216001>, 2, ""},  // 3001-01-01T00:00:01Z
    };
    for (const auto& n : nows) {
        const Answer a =
            command({"at", "now", "--zone", "UTC", "--format", "csv", "--theory", "classic"}, true, n.clock);
        EXPECT_EQ(a.status, n.status) << n.instant << a.err;
        if (n.status == 0) {
            EXPECT_EQ(field(lines(a.out).at(1), 0), n.instant);
        }
    }
    const struct {
        const char* value;
        const char* stamp;  // nullptr: refused
    } epochs[] = {{"0", "DTSTAMP:19700101T000000Z"},
                  {"253402300799", "DTSTAMP:99991231T235959Z"},
                  {"253402300800", nullptr},
                  {"999999999999999", nullptr},
                  {"99999999999999999999", nullptr},
                  {"-1", nullptr},
                  {"1e9", nullptr},
                  {"x", nullptr},
                  {"1.5", nullptr}};
    for (const auto& e : epochs) {
        setenv("SOURCE_DATE_EPOCH", e.value, 1);
        const Answer a = command({"terms", "2027", "--format", "ics", "--theory", "classic"});
        EXPECT_EQ(a.status, e.stamp ? 0 : 2) << e.value;
        const std::string& where = e.stamp ? a.out : a.err;
        EXPECT_NE(where.find(e.stamp ? e.stamp : "SOURCE_DATE_EPOCH '"), std::string::npos) << e.value;
    }
    unsetenv("SOURCE_DATE_EPOCH");
}

// Bad commands, options and values: one line on standard error naming what is wrong, status 2,
// nothing on standard output.
TEST(Commands, Refusals) {
    const struct {
        std::vector<const char*> args;
        const char* names;
    } cases[] = {
        {{"term", "2027"}, "unknown command 'term' (expected terms, kou, zassetsu, holidays, at or when"},
        {{"terms"}, "terms: missing argument (usage: solarlon terms YEAR"},
        {{"terms", "2027", "1"}, "terms: unexpected argument '1'"},
        {{"terms", "20x7"}, "terms: bad year '20x7' (expected a whole year from 1600 to 3000)"},
        {{"terms", "14001"},
         "terms: year 14001 is out of range: the apparent theory answers from 1600-01-01 00:00 UTC"},
        {{"when", "-500", "0", "--theory", "classic"},
         "when: year -500 is out of range: the classic theory answers here"},
        {{"terms", "2027.5"}, "bad year '2027.5'"},
        {{"terms", "2027", "--zone", "+9:00"},
         "terms: bad zone '+9:00' (expected JST, UTC, Z, +H, +HH, +HHMM or +HH:MM, or the same with -)"},
        {{"terms", "2027", "--scale", "ut"}, "terms: bad scale 'ut' (expected utc or tt)"},
        {{"terms", "2027", "--scale", "tt", "--zone", "JST"}, "terms: --zone is not taken with --scale tt"},
        {{"at", "2027-12-22", "--scale", "tt", "--theory", "classic"}, "at: --scale tt is not taken by the classic"},
        {{"at", "2027-12-22T11:40+09:00", "--scale", "tt"}, "at: '2027-12-22T11:40+09:00' has an offset, which TT"},
        {{"at", "now", "--scale", "tt"}, "at: now is an instant of the system clock (UTC), not taken with --scale tt"},
        {{"terms", "2027", "--zone", "+09:60"}, "bad zone '+09:60'"},
        {{"terms", "2027", "--zone"}, "terms: option --zone needs a value"},
        {{"terms", "2027", "--equinox", "0"}, "terms: bad equinox '0' (expected date, 1950, 2000 or a year"},
        {{"terms", "2027", "--equinox", "Date"}, "bad equinox 'Date'"},
        {{"terms", "2027", "--format", "xml"}, "terms: bad format 'xml' (expected text, csv, json or ics)"},
        {{"terms", "2027", "--theory", "newcomb"}, "terms: bad theory 'newcomb' (expected apparent or classic)"},
        {{"terms", "2027", "--zon=UTC"}, "terms: unknown option '--zon=UTC'"},
        {{"at", "2027-13-01"}, "at: bad date and time '2027-13-01' (expected now, or ISO 8601"},
        {{"at", "2027-12-32"}, "'2027-12-32'"},
        {{"at", "2027-02-29"}, "'2027-02-29'"},
        {{"at", "2027-12-22T24:01"}, "'2027-12-22T24:01'"},
        {{"at", "2027-12-22T11:60"}, "'2027-12-22T11:60'"},
        {{"at", "2016-12-30T23:59:60Z", "--theory", "classic"},
         "at: '2016-12-30T23:59:60Z' is not a leap second: a second"},
        {{"at", "2017-01-01T00:59:60+09:00", "--theory", "classic"}, "'2017-01-01T00:59:60+09:00' is not a leap"},
        {{"at", "2016-12-31T23:59:61Z"}, "at: bad date and time '2016-12-31T23:59:61Z'"},
        {{"at", "3001-01-01T00:00:00.5Z", "--theory", "classic"},
         "at: '3001-01-01T00:00:00.5Z' is out of range: the classic theory answers here from 1600-01-01 00:00 UT to "
         "3000-12-31 24:00 UT"},
        {{"at", "2027-12-22T11:40+9"}, "'2027-12-22T11:40+9'"},
        {{"at", "2027-12-22T11"}, "'2027-12-22T11'"},
        {{"at", "27-12-22"}, "'27-12-22'"},
        {{"at", "2027-12-22", "--zone", "UTC"}, "at: option --zone is not taken here"},
        {{"when", "2027"}, "when: missing argument"},
        {{"when", "2027", "361"}, "when: bad longitude '361' (expected degrees from 0 to 360)"},
        {{"when", "2027", "nan"}, "bad longitude 'nan'"},
        {{"when", "2027", "0x10"}, "bad longitude '0x10'"},
        {{"when", "2027", "1e999"}, "bad longitude '1e999'"},
        {{"when", "2027", "90\x1b[A"}, "bad longitude '90\\x1B[A'"},
        {{"kou"}, "kou: missing argument (usage: solarlon kou YEAR"},
        {{"at", "2027-12-22", "--format", "ics"}, "at: bad format 'ics' (expected text, csv, json or, for a year's"},
        {{"holidays", "1947"}, "holidays: year 1947 has no national holidays: the first are those from 1948-07-20"},
        {{"holidays", "3001"}, "holidays: year 3001 is out of range: the apparent theory answers from 1600-01-01"},
        {{"holidays", "2027", "--theory", "classic"}, "holidays: --theory classic is not taken (by law the equinox"},
        {{"holidays", "2027", "--zone", "JST"}, "holidays: --zone is not taken (the holidays are days of JST"},
    };
    for (const auto& c : cases) {
        const Answer a = command(c.args);
        EXPECT_EQ(a.status, 2) << c.names;
        EXPECT_EQ(a.out, "") << c.names;
        EXPECT_EQ(a.err.rfind("*ERR* argument error: ", 0), 0u) << a.err;
        EXPECT_NE(a.err.find(c.names), std::string::npos) << a.err;
        EXPECT_EQ(a.err.find("\r\n"), a.err.size() - 2) << "one line: " << a.err;
    }
}

// The apparent theory answers by default: the 24 terms of 2027 are the apparent core's to the printed
// second, equinoxes and solstices are the U.S. Naval Observatory's ("Earth's Seasons and Apsides", UT)
// to their printed minute, and every format names the theory.
TEST(Commands, ApparentTheoryIsTheDefault) {
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    const Answer a = command({"terms", "2027", "--format", "csv"});
    ASSERT_EQ(a.status, 0) << a.err;
    const auto rows = lines(a.out);
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows[0], "name,longitude,instant,theory,scale");
    const auto core = solarlon::apparent::solar_terms(2027, 9.0);
    for (std::size_t k = 0; k < 24; ++k) {
        // The core's UTC instant in JST, rounded to the second.
        const double s = std::round(((core[k].d1 - 2440587.5) + core[k].d2) * 86400.0) + 9 * 3600.0;
        const std::int64_t days = static_cast<std::int64_t>(std::floor(s / 86400.0));
        const std::int64_t sod = static_cast<std::int64_t>(s) - days * 86400;
        const std::int64_t doy = days - 20819;  // days from 2027-01-01
        static const int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int mo = 0;
        std::int64_t d = doy;
        while (d >= month_days[mo]) d -= month_days[mo++];
        char want[64];
        std::snprintf(want, sizeof want, ",%d,2027-%02d-%02dT%02d:%02d:%02d+09:00,apparent,utc",
                      static_cast<int>(solarlon::apparent::term_longitude(static_cast<int>(k))), mo + 1,
                      static_cast<int>(d + 1), static_cast<int>(sod / 3600), static_cast<int>(sod / 60 % 60),
                      static_cast<int>(sod % 60));
        EXPECT_EQ(rows[k + 1], std::string(solarlon::console::UTF8.TERMS[k]) + want) << k;
    }
    const struct {
        const char* year;
        const char* lon;
        // UT to the minute, as published by the U.S. Naval Observatory, Astronomical Applications
        // Department, Earth's Seasons and Apsides (yearly tables).
        int month, day, hour, minute;
    } published[] = {{"2000", "0", 3, 20, 7, 35}, {"2000", "270", 12, 21, 13, 37}, {"2021", "180", 9, 22, 19, 21},
                     {"2024", "0", 3, 20, 3, 6},  {"2024", "90", 6, 20, 20, 51},   {"2025", "270", 12, 21, 15, 3},
                     {"2026", "180", 9, 23, 0, 5}};
    for (const auto& p : published) {
        const auto row = lines(command({"when", p.year, p.lon, "--zone", "UTC", "--format", "csv"}).out).at(1);
        int y, mo, d, h, mi, sec;
        ASSERT_EQ(std::sscanf(row.c_str() + row.find(',') + 1, "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &sec), 6)
            << row;
        EXPECT_EQ(mo * 100 + d, p.month * 100 + p.day) << row;
        EXPECT_LE(std::abs((h * 3600 + mi * 60 + sec) - (p.hour * 3600 + p.minute * 60)), 30) << row;
    }
    const auto text = lines(command({"terms", "2027"}).out);
    EXPECT_EQ(text.at(0), std::string(solarlon::console::heading(solarlon::console::UTF8, "apparent")) +
                              std::string(solarlon::console::UTF8.TIME_HEAD) + "+09:00");
    // 359.999996 degrees prints as 0, never as 360.
    EXPECT_EQ(lines(command({"at", "2027-03-21T05:24:41", "--format", "csv"}).out).at(1),
              "2027-03-21T05:24:41+09:00,0.00000,apparent,utc");
    EXPECT_EQ(text.at(1), "小寒  285°  2027-01-05 23:09:58 +09:00");
    EXPECT_EQ(lines(command({"holidays", "2027", "--format", "csv"}).out).at(5),
              "春分の日,2027-03-21,national,0,2027-03-21T05:24:41+09:00,apparent,utc");
    EXPECT_EQ(lines(command({"holidays", "2027"}).out).at(6), "2027-03-22  月  振替休日");
    EXPECT_EQ(
        command({"at", "2027-12-22T11:42", "--format", "json", "--theory", "apparent"}).out,
        "[\n  {\"instant\": \"2027-12-22T11:42:00+09:00\", \"longitude\": 269.99989, \"theory\": \"apparent\", \"scale\": "
        "\"utc\"}\n]\n");
}

// What the apparent theory does not answer: another equinox, an instant before 1600-01-01 00:00 UTC
// or after 3000-12-31 24:00 UTC (or TT; the year's first hours of a zone east of UTC, last hours of a
// zone west of it, included); in a build without ERFA, anything.
TEST(Commands, ApparentTheoryRefusals) {
    const bool erfa = solarlon::apparent::available();
    const char* equinox =
        "equinox '2000' is not taken by the apparent theory (true equinox of date only): "
        "other equinoxes belong to the classic theory (--theory classic)";
    const std::string range =
        " is out of range: the apparent theory answers from 1600-01-01 00:00 UTC to 3000-12-31 24:00 UTC";
    const struct {
        std::vector<const char*> args;
        std::string says;  // with ERFA
    } cases[] = {
        {{"when", "2027", "90", "--equinox", "2000"}, std::string("when: ") + equinox},
        {{"terms", "2027", "--theory", "apparent", "--equinox", "2000"}, std::string("terms: ") + equinox},
        {{"terms", "1599"}, std::string("terms: year 1599") + range},
        {{"at", "1599-12-31T23:59:59Z"}, std::string("at: '1599-12-31T23:59:59Z'") + range},
        {{"when", "1600", "279.7"}, ""},  // 1599-12-31 17:16 UTC: the first hours of JST's 1600
        {{"terms", "3001"}, "terms: year 3001" + range},
        {{"at", "3001-01-01T09:00:01+09:00"}, "at: '3001-01-01T09:00:01+09:00'" + range},
        {{"when", "3000", "280", "--zone", "-10:00"}, ""},
        {{"at", "3000-12-31T24:00Z"}, ""},
        {{"at", "1599-12-31T23:59:59", "--scale", "tt"},
         "at: '1599-12-31T23:59:59' is out of range: the apparent theory answers from 1600-01-01 00:00 TT to "
         "3000-12-31 24:00 TT"},
        {{"at", "1600-01-01T00:00", "--scale", "tt"}, ""},
        {{"zassetsu", "1599"}, "zassetsu: year 1599" + range},
        {{"kou", "3000", "--zone", "-10:00"}, ""},  // 雪下出麦 in 3001's first hours
        {{"kou", "3001"}, "kou: year 3001" + range},
        {{"terms", "2027"}, ""},  // answered, but not without ERFA
    };
    for (const auto& c : cases) {
        const Answer a = command(c.args);
        const std::string says =
            erfa ? c.says
                 : std::string(c.args[0]) +
                       ": this build has no apparent theory (built without ERFA); --theory classic gives the "
                       "program's own geometric longitude";
        if (says.empty()) {
            EXPECT_EQ(a.status, 0) << a.err;
            continue;
        }
        EXPECT_EQ(a.status, 2) << says;
        EXPECT_EQ(a.out, "");
        EXPECT_EQ(a.err, "*ERR* argument error: " + says + "\r\n");
    }
    // Every year of the span is whole in every zone: its first and last by each command.
    for (const char* year : {"1600", "3000"})
        for (const char* zone : {"JST", "+14:00", "-12:00", "UTC"})
            for (const char* cmd : {"terms", "kou", "zassetsu"})
                EXPECT_EQ(command({cmd, year, "--zone", zone}).status, erfa ? 0 : 2)
                    << cmd << " " << year << " " << zone;
    for (const char* lon : {"274", "279", "280"}) EXPECT_EQ(command({"when", "1600", lon}).status, erfa ? 0 : 2) << lon;
    // The classic theory answers all of these.
    EXPECT_EQ(command({"terms", "1600", "--theory", "classic"}).status, 0);
    EXPECT_EQ(command({"when", "2027", "90", "--equinox", "2000", "--theory", "classic"}).status, 0);
    if (erfa) {
        EXPECT_EQ(command({"at", "1600-01-01T00:00Z"}).status, 0);
    }
}

// Time at its edges: the leap second of 2016 (in UTC and in JST, typed and found), the span's last
// instant, TT, a passage after the year's end (said on standard error, in_year false), the zone
// spellings.
TEST(Commands, EdgesOfTime) {
    if (!solarlon::apparent::available()) GTEST_SKIP() << "built without ERFA: no apparent theory";
    namespace sun = solarlon::sun;
    char leap[32], late[32];  // the longitudes at 2016-12-31 23:59:60.25 and 23:59:59.75 UTC
    for (auto [text, second] : {std::pair<char*, double>{leap, 60.25}, {late, 59.75}}) {
        const double lon =
            sun::longitude(sun::utc(2016, 12, 31, 23, 59, second), sun::Equinox::of_date(), sun::Theory::apparent);
        std::snprintf(text, 32, "%.15g", lon);
    }
    const struct {
        std::vector<const char*> args;
        std::string row;       // the csv row (or the text line after the first)
        std::string err = {};  // standard error
    } cases[] = {
        {{"at", "2016-12-31T23:59:59Z"}, "2016-12-31T23:59:59+00:00,280.75527,apparent,utc"},
        {{"at", "2016-12-31T23:59:60Z"}, "2016-12-31T23:59:60+00:00,280.75528,apparent,utc"},
        {{"at", "2017-01-01T08:59:60.5+09:00"}, "2017-01-01T08:59:60.5+09:00,280.75528,apparent,utc"},
        {{"at", "2017-01-01T00:00Z"}, "2017-01-01T00:00:00+00:00,280.75529,apparent,utc"},
        {{"when", "2017", leap, "--zone", "+1"},
         std::string(leap) + ",2017-01-01T00:59:60+01:00,2017-01-01.042,true,apparent,utc"},
        {{"when", "2017", late, "--zone", "+1"},
         std::string(late) + ",2017-01-01T00:59:60+01:00,2017-01-01.042,true,apparent,utc"},
        {{"at", "3000-12-31T24:00Z", "--theory", "classic"}, "3000-12-31T24:00:00+00:00,279.96727,classic,utc"},
        {{"when", "2027", "270", "--scale", "tt"}, "270,2027-12-22T02:43:19,2027-12-22.113,true,apparent,tt"},
        {{"when", "2010", "280"}, "280,2011-01-01T04:13:12+09:00,2011-01-01.176,false,apparent,utc"},
        {{"when", "2010", "280", "--format", "text"},
         "280°  2011-01-01 04:13:12 +09:00",
         "2010 年のうちには達しません（年明けの最初の通過です）\n"},
        {{"when", "2027", "270", "--scale", "tt", "--format", "text"}, "270°  2027-12-22 02:43:19 TT"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> args = c.args;
        if (c.row.find("°") == std::string::npos) args.insert(args.end(), {"--format", "csv"});  // else text
        const Answer a = command(args);
        EXPECT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(lines(a.out).at(1), c.row) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(a.err, c.err);
    }
    const std::pair<const char*, const char*> zones[] = {{"JST", "+09:00"},   {"+9", "+09:00"},  {"+09", "+09:00"},
                                                         {"+0900", "+09:00"}, {"UTC", "+00:00"}, {"Z", "+00:00"},
                                                         {"-0330", "-03:30"}, {"-3", "-03:00"}};
    for (const auto& z : zones) {
        const Answer a = command({"terms", "2027", "--zone", z.first, "--theory", "classic", "--format", "csv"});
        EXPECT_EQ(field(lines(a.out).at(1), 2).substr(19), z.second) << z.first;
    }
    EXPECT_EQ(field(lines(command({"at", "now", "--zone", "-3", "--format", "csv"}).out).at(1), 0).substr(19),
              "-03:00");
}

// The names of the terms that the library gives are the texts the commands print.
TEST(Commands, TermNamesAreTheTextTable) {
    const auto terms =
        solarlon::sun::solar_terms(2027, solarlon::sun::Equinox::of_date(), 9.0, solarlon::sun::Theory::classic);
    for (std::size_t k = 0; k < terms.size(); ++k) EXPECT_EQ(terms[k].name, solarlon::console::UTF8.TERMS[k]) << k;
}

}  // namespace
