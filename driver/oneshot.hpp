// oneshot.hpp  The one-shot commands (terms, at, when): their values read from the command line, and
//              the commands themselves. Private to the driver.
#ifndef SOLARLON_DRIVER_ONESHOT_HPP
#define SOLARLON_DRIVER_ONESHOT_HPP

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <solarlon/driver.hpp>
#include <solarlon/sun.hpp>

namespace solarlon::driver {

// Years the commands take, for dates and equinoxes: those for which the longitude stays in [0, 360].
inline constexpr std::int32_t kFirstYear = -2000;
inline constexpr std::int32_t kLastYear = 14000;

// A date and time as typed: the instant, and its seconds as typed ("05.5") for showing it again.
struct TypedInstant {
    sun::Instant at;
    int zone_minutes = 9 * 60;
    std::string second_text;  // empty when no seconds were typed
};

// Each reader takes the whole TEXT or nothing (no value).
std::optional<std::int32_t> read_year(std::string_view text);     // [+-]digits, kFirstYear..kLastYear
std::optional<double> read_degrees(std::string_view text);        // decimal number, 0..360
std::optional<int> read_zone(std::string_view text);              // UTC, Z, +HH:MM, -HH:MM: minutes ahead of UT
std::optional<sun::Equinox> read_equinox(std::string_view text);  // date, or a year in kFirstYear..kLastYear
// read_instant  ISO 8601: YYYY-MM-DD, then optionally THH:MM[:SS[.s...]] and Z or +HH:MM or -HH:MM
//               (JST when no offset is given); month, day, hour, minute and second in their ranges,
//               24:00 as the end of the day.
std::optional<TypedInstant> read_instant(std::string_view text);

// one_shot  A one-shot command.
//  Given:    ARGS     the command's name and its arguments (the program's arguments from the name on)
//            TEXT_ENC encoding of the text output
//  Returned: OUT      the answer; ERR one line on a bad argument, or on a failed write
//  Result:   0 answered, 1 the answer could not be written, 2 a bad command, option or value
//            (nothing is then written on OUT)
int one_shot(int argc, const char* const argv[], std::ostream& out, std::ostream& err, Encoding text_enc);

}  // namespace solarlon::driver

#endif
