// commands.hpp  The one-shot commands (terms, at, when, kou, zassetsu, holidays): their values read from the
//               command line, their answers as records. Private to the commands.
#ifndef SOLARLON_COMMANDS_COMMANDS_HPP
#define SOLARLON_COMMANDS_COMMANDS_HPP

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <solarlon/calendar.hpp>
#include <solarlon/constants.hpp>
#include <solarlon/sun.hpp>

#include "commands/options.hpp"
#include "console/console.hpp"

namespace solarlon::commands {

// A date and time as typed: the instant, and its seconds as typed ("05.5") for showing it again.
struct TypedInstant {
    sun::Instant at;
    int zone_minutes = 9 * 60;
    std::string second_text;  // empty when no seconds were typed
    bool offset_typed = false;
};

// Each reader takes the whole TEXT or nothing (no value).
std::optional<std::int32_t> read_year(std::string_view text);  // [+-]up to 5 digits
std::optional<double> read_degrees(std::string_view text);     // decimal number, 0..360
// read_zone  JST, UTC, Z, or an offset +H, +HH, +HHMM, +HH:MM (or with -), hours up to 23: minutes
//            ahead of UT.
std::optional<int> read_zone(std::string_view text);
std::optional<sun::Equinox> read_equinox(
    std::string_view text);  // date, or a year in kFirstEquinoxYear..kLastEquinoxYear
// read_instant  ISO 8601: [+-]YYYY[Y]-MM-DD, then optionally THH:MM[:SS[.s...]] and Z or +HH, +HHMM or
//               +HH:MM (or with -) (JST when no offset is given); month, day, hour, minute and
//               second in their ranges, a second from 60 up to 61 for a leap second, 24:00 as the
//               end of the day. The year is not checked against the commands' span.
std::optional<TypedInstant> read_instant(std::string_view text);

// instant_text  An instant as ISO 8601, 2027-01-05T23:06:41+09:00 (ISO), or with blanks between the
//               parts for people, 2027-01-05 23:06:41 +09:00; SECOND as it is to be shown. A TT
//               instant has no offset: 2027-01-05T14:08:05 (ISO), 2027-01-05 14:08:05 TT.
std::string instant_text(const sun::Instant& t, const std::string& second, int zone_minutes, bool iso);
// shown_instant  T as sun::to_string prints it (ISO), or in the same form for people; T's own zone.
std::string shown_instant(const sun::Instant& t, bool iso);
// day_text  A date with a decimal day as the longitude-to-UT mode prints it (F7.3): 1978-03-20.976.
std::string day_text(const sun::DecimalDate& d);
// degrees_text  A longitude as given: the shortest of up to 15 significant digits (0 for -0 and 360).
std::string degrees_text(double v);
// longitude_text  A longitude as the date-to-longitude mode prints it (F10.5), without leading blanks,
//                 in [0, 360): one that rounds to 360 prints as 0.00000.
std::string longitude_text(double lon);

// A column of an answer: its name, and whether its cells are json strings (quoted) or numbers.
struct Column {
    const char* name;
    bool string;
};

// table  The records of an answer.
//  Given:    FORMAT       text, csv or json
//            THEORY       the theory that answered, and SCALE the time scale of the instants: named
//                         on a first line of text (T's APPARENT_HEAD or CLASSIC_HEAD, then TIME_HEAD
//                         and the zone of the times, UTC, +09:00, or TT) and in the last columns
//                         "theory" and "scale" of csv and json
//            ZONE_MINUTES the zone of the instants, minutes ahead of UT
//            COLS, ROWS   the answer's cells, for csv and json
//            TEXT_LINES   the answer for people
//  Result:   the records, each without its line end
std::vector<std::string> table(Format format, const sun::Theory& theory, sun::Scale scale, int zone_minutes,
                               const console::Texts& T, std::vector<Column> cols,
                               std::vector<std::vector<std::string>> rows, std::vector<std::string> text_lines);

// A year's calendar asked for: kou (the 72 pentads) or zassetsu (the seasonal days).
struct CalendarAsk {
    std::int32_t year;
    sun::Equinox equinox;
    int zone_minutes;
    Format format;
    const sun::Theory& theory;
    std::int64_t stamp;  // DTSTAMP of ics, seconds from 1970-01-01 00:00 UTC
};

// kou, zassetsu  The answer to ASK as records (as TABLE gives them, or as ICS for Format::Ics);
//                no value when the theory gives an instant of the year as NaN (out of its range).
std::optional<std::vector<std::string>> kou(const CalendarAsk& ask, const console::Texts& T);
std::optional<std::vector<std::string>> zassetsu(const CalendarAsk& ask, const console::Texts& T);

// holidays  The command holidays: Japan's national holidays of the year of O (its one word), as records
//           (as TABLE gives them, or as ICS); a bad value, or a year not answered, throws Bad.
std::vector<std::string> holidays(const Options& o, const console::Texts& T, Clock clock);

// An all-day event of an iCalendar file.
struct IcsEvent {
    std::string uid;          // stable: the same event of the same year has the same UID
    sun::Date date;           // the day, in the zone
    std::string summary;      // UTF-8
    std::string description;  // UTF-8
};

// ics  An iCalendar file (RFC 5545) of EVENTS: one VCALENDAR named NAME, DTSTAMP at STAMP (seconds
//      from 1970-01-01 00:00 UTC), lines folded at 75 octets between UTF-8 characters, TEXT values
//      escaped. Result: the lines, each to be ended with CR LF.
std::vector<std::string> ics(std::string_view name, const std::vector<IcsEvent>& events, std::int64_t stamp);
// ics_passage  An event's description of the Sun's passage: "太陽黄経 LON°  INSTANT  (theory T)".
//  Given:    LON      the longitude as printed (degrees); INSTANT the instant as printed for people
std::string ics_passage(const std::string& lon, const std::string& instant, const sun::Theory& theory);
// ics_stamp  CLOCK's now, or SOURCE_DATE_EPOCH where it is set (reproducible output): a value that is
//            not a whole number from 0 to 253402300799 throws Bad naming the variable.
std::int64_t ics_stamp(Clock clock);

}  // namespace solarlon::commands

#endif
