// commands.hpp  The one-shot commands (terms, at, when, kou, zassetsu, holidays): their values read from the
//               command line, their answers as records. Private to the commands.
#ifndef SOLARLON_COMMANDS_COMMANDS_HPP
#define SOLARLON_COMMANDS_COMMANDS_HPP

#include <cstddef>
#include <cstdint>
#include <functional>
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
// Passage  The Sun's reaching a longitude as the answers show it: the longitude (degrees_text) and
//          the instant, in ISO and for people (shown_instant, to the printed second).
struct Passage {
    std::string lon, iso, shown;
};
// passage  LONGITUDE reached at AT; all empty where LONGITUDE or AT is not finite (a day that is
//          counted, not reached).
Passage passage(double longitude, const sun::Instant& at);
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

// An all-day event of an iCalendar file.
struct IcsEvent {
    std::string uid;          // stable: the same event of the same year has the same UID
    sun::Date date;           // the day, in the zone
    std::string summary;      // UTF-8
    std::string description;  // UTF-8
};

// Ask  What a command is given: the options read, the texts of its text output's encoding, the clock
//      (at now, DTSTAMP), and the lines it leaves to say on standard error after its answer (NOTES).
struct Ask {
    const Options& o;
    const console::Texts& T;
    Clock clock;
    std::vector<std::string>& notes;
};

// Listing  A command's answer, its values computed once: COUNT entries, and how each format shows
//          entry K. OUTPUT makes the one format asked, and nothing of the others.
struct Listing {
    const sun::Theory& theory;  // named by the heading of text and the column "theory"
    sun::Scale scale;           // the instants' scale: TT in the heading, the column "scale"
    int zone_minutes;           // the instants' zone, in the heading of text
    std::vector<Column> columns;
    std::size_t count;
    std::function<std::vector<std::string>(std::size_t)> cells = {};  // csv and json, one cell a column
    std::function<std::string(std::size_t)> line = {};                // text
    std::string ics_name = {};                                        // the calendar's name in ics
    std::function<IcsEvent(std::size_t)> event = {};                  // ics; none where the command has no ics
};

// output  L in the format of A.o: text (a heading naming the theory and the zone, then a line an
//         entry), csv (a header line), one json array of objects, or an iCalendar file; csv and json
//         end with the columns theory and scale. Result: the records, each without its line end.
std::vector<std::string> output(const Ask& a, const Listing& l);

// The commands, each a file: the answer to A as records, or Bad for a value it does not take.
std::vector<std::string> terms(const Ask& a);     // the 24 solar terms of a year
std::vector<std::string> kou(const Ask& a);       // the 72 pentads of a year
std::vector<std::string> zassetsu(const Ask& a);  // the seasonal days of a year
std::vector<std::string> holidays(const Ask& a);  // Japan's national holidays of a year
std::vector<std::string> at(const Ask& a);        // the longitude at an instant
std::vector<std::string> when(const Ask& a);      // the instant of a longitude in a year

// kCommands  Each command's name and its routine, in the order the usage text and the messages list
//            them: the one table that options and one_shot read.
struct Command {
    std::string_view name;
    std::vector<std::string> (*run)(const Ask& a);
};
inline constexpr std::size_t kCommandCount = 6;
extern const Command kCommands[kCommandCount];

// The refusals every command makes, said one way (a Bad naming the command):
// arity  O has exactly N words, or Bad with USAGE.
void arity(std::string_view command, const Options& o, std::size_t n, const std::string& usage);
// refuse  A value the theory does not answer: why (R), and what to do. WHAT names the value (the year,
//         the instant as typed); a refusal of range names the theory's span (Theory::span_text).
[[noreturn]] void refuse(std::string_view command, const Options& o, sun::Refusal r, const std::string& what);
// refuse_equinox  Bad where the theory answers nothing referred to the equinox asked (or this build
//                 lacks it), whatever the value.
void refuse_equinox(std::string_view command, const Options& o);
// year_of  TEXT as a year of the commands' span, kFirstYear to kLastYear; else Bad.
std::int32_t year_of(std::string_view command, const Options& o, std::string_view text);
// degrees_of  TEXT as a longitude, 0 to 360 degrees; else Bad.
double degrees_of(std::string_view command, std::string_view text);
// in_span  Whether AT lies from 1600-01-01 00:00 to 3000-12-31 24:00 of its scale (UTC, or UT for
//          the classic theory); a fraction of a second counts against it at either end.
bool in_span(const sun::Instant& at);
// calendar_year  The year of a calendar command (kou, zassetsu): one word, no --scale tt, in the
//                span, an equinox the theory takes.
std::int32_t calendar_year(std::string_view command, const Options& o);

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
