// holiday_rules.hpp  The rules of Japan's national holidays as the law and its amendments give them,
//                    and the days special laws made holidays. Private to sun/.
#ifndef SOLARLON_SUN_HOLIDAY_RULES_HPP
#define SOLARLON_SUN_HOLIDAY_RULES_HPP

#include <cstdint>
#include <limits>

#include <solarlon/calendar.hpp>

namespace solarlon::sun::detail {

// How a rule finds its day in a year.
enum class HolidayDay {
    fixed,    // MONTH-DAY
    monday,   // the DAY-th Monday of MONTH
    equinox,  // the JST day on which the Sun's apparent longitude reaches DAY degrees (0 or 180; MONTH 3
              // or 9 for the reader)
};

// One holiday's rule while it was in force.
struct HolidayRule {
    const char* key;  // the holiday's key in kHolidayNames
    HolidayDay how;
    int month, day;
    sun::Date first, last;  // the days on which the rule is in force, both included
    bool special;           // a special law's holiday, not a 国民の祝日
    bool between;           // special: counted as a 国民の祝日 where a day between two is judged
};

// The last day of a rule still in force.
inline constexpr sun::Date kInForce{std::numeric_limits<std::int32_t>::max(), 12, 31};

// A 国民の祝日 on a Sunday makes a later day a holiday (振替休日) from 1973-04-12; a day between two
// 国民の祝日 is a holiday (国民の休日) from 1985-12-27. From 2007-01-01 the 振替休日 is the nearest
// following day that is not a 国民の祝日, and a 国民の休日 may be a Sunday (until then Sundays and
// 振替休日 were not).
inline constexpr sun::Date kSubstituteFrom{1973, 4, 12};
inline constexpr sun::Date kCitizensFrom{1985, 12, 27};
inline constexpr sun::Date kAmended2007{2007, 1, 1};

// The rules, by the date of the year each holiday falls on.
extern const HolidayRule kHolidayRules[38];

}  // namespace solarlon::sun::detail

#endif
