// calendar.hpp  The Sun's calendar as values, beside the solar terms of <solarlon/sun.hpp>: the 72
//               pentads (七十二候) of a year, the seasonal days (雑節) of the Japanese calendar, and
//               the sexagenary cycle of days (十干十二支) they are counted with; and Japan's national
//               holidays, whose equinox days are the Sun's.
//
// Angles in degrees, zone offsets in hours ahead of UT; names are UTF-8. Days are calendar days of
// the zone, taken from the instant rounded to the second as the commands print it.
#ifndef SOLARLON_CALENDAR_HPP
#define SOLARLON_CALENDAR_HPP

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <solarlon/sun.hpp>

namespace solarlon::sun {

// A calendar day, proleptic Gregorian.
struct Date {
    std::int32_t year;
    int month;  // 1..12
    int day;    // 1..31
};

// sexagenary  Place of the day D in the sexagenary cycle, 0 (甲子) to 59 (癸亥); its stem is the value
//             mod 10 (0 甲 ... 4 戊 ... 9 癸), its branch the value mod 12 (0 子, 1 丑 ... 11 亥).
int sexagenary(const Date& d);
// sexagenary_name  The two characters of place K (0..59), "甲子" for 0; "" outside.
std::string_view sexagenary_name(int k);
// weekday  Day of the week of D, 0 (Sunday) to 6 (Saturday).
int weekday(const Date& d);

// One of the 72 pentads: each solar term divided in three (初候, 次候, 末候).
struct Pentad {
    int number;                // 1 (東風解凍, 315 degrees, the first of 立春) to 72 (鶏始乳, 310)
    std::string_view name;     // kanji, as the Japanese calendar of 1874 names it
    std::string_view reading;  // hiragana
    double longitude;          // degrees where it begins, a multiple of 5
    Instant instant;           // as instant_of(YEAR, longitude, ...)
};

// pentads  The 72 pentads of the calendar year YEAR of the zone ZONE, in calendar order: from 285
//          degrees (芹乃栄, the first crossing from 0 h of January 1) to 280 (雪下出麦, the crossing
//          after 275, on December 30 or 31 or in the first hours of the next January 1). Each third
//          one (the first of each term) has the instant of solar_terms.
//          Where THEORY does not answer the whole year every instant is NaN (calendar_refusal says
//          why) and the order is that of longitude.
std::array<Pentad, 72> pentads(std::int32_t year, const Equinox& eq, double zone, const Theory& theory);

// One seasonal day.
struct SeasonalDay {
    int kind;               // index into the list of seasonal days (0 節分 ... 23 土用明け（秋）)
    std::string_view key;   // ASCII and stable, e.g. "setsubun", "doyo-summer-ushi-2"
    std::string_view name;  // 節分, 彼岸の入り（春）, ...
    Date date;              // the day in the zone
    double longitude;  // degrees where the day is the Sun's reaching it (入梅, 半夏生, 土用の入り), else NaN
    Instant instant;   // that instant, as instant_of; NaN fields for a counted day
};

// seasonal_day_name  Name of KIND (0..23); "" outside.
std::string_view seasonal_day_name(int kind);

// seasonal_days  The 雑節 of the calendar year YEAR of the zone, in calendar order (ties in the order
//                of the list): 節分, the equinoxes' 彼岸 and 社日, 八十八夜, 入梅, 半夏生, 二百十日,
//                二百二十日, and each 土用 with its 丑 days and its end. Empty where THEORY does not
//                answer the whole year (calendar_refusal says why).
std::vector<SeasonalDay> seasonal_days(std::int32_t year, const Equinox& eq, double zone, const Theory& theory);

// calendar_refusal  Why pentads(YEAR, EQ, ZONE, THEORY) has NaN instants and seasonal_days(...) is
//                   empty, or none: the theory's refusal of the equinox or of one of the year's
//                   longitudes (before_range, after_range for a year outside the apparent theory's
//                   span), or of the crossings just past the year's end that its last pentad needs.
Refusal calendar_refusal(std::int32_t year, const Equinox& eq, double zone, const Theory& theory);

// What makes a day a holiday.
enum class HolidayKind {
    national,    // a 国民の祝日 of the law
    substitute,  // a 振替休日: the day a 国民の祝日 on a Sunday moves to
    citizens,    // a 国民の休日: a day between two 国民の祝日
    special,     // made a holiday by a special law (the ceremonies of 1959, 1989, 1990, 1993, 2019)
};

// holiday_kind_name  "national", "substitute", "citizens" or "special".
std::string_view holiday_kind_name(HolidayKind kind);

// One holiday.
struct Holiday {
    Date date;              // the day in JST
    int index;              // its name's place in the list of holiday names (holiday_name)
    std::string_view name;  // as the law names it (元日, 春分の日, ...); 振替休日 and 国民の休日 for those kinds
    HolidayKind kind;
    std::string key;   // ASCII, stable within its year: "ganjitsu", "shunbun"; a 振替休日 "furikae-" and the
                       // key of the holiday it stands in for, a 国民の休日 "kokumin-" and that of the day before
    double longitude;  // 0 for 春分の日 and 180 for 秋分の日, NaN for the others
    Instant instant;   // the Sun's reaching it, JST, as instant_of by the apparent theory; else NaN fields
};

// The first holidays: those from 1948-07-20, when the law on them was promulgated and came into force.
inline constexpr Date kFirstHoliday{1948, 7, 20};

// holiday_name  Name of INDEX (0 元日 ... the last two 振替休日 and 国民の休日); "" outside.
std::string_view holiday_name(int index);

// holidays  Japan's national holidays of the calendar year YEAR, JST days, sorted by date: every 国民の祝日,
//           振替休日 and 国民の休日 by the law as amended, each rule from the day it came into force,
//           and the days special laws made holidays. 春分の日 and 秋分の日 are the days on which the
//           Sun's apparent longitude reaches 0 and 180 degrees (Theory::apparent). Years after the
//           last amendment follow the law as it stands.
//           Empty for a year before 1948 (nothing before kFirstHoliday is listed in 1948) and where
//           the apparent theory refuses the year's equinoxes: refusal(YEAR, 0, Equinox::of_date(), 9,
//           Theory::apparent) says why.
std::vector<Holiday> holidays(std::int32_t year);

}  // namespace solarlon::sun

#endif
