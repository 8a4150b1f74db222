// calendar.hpp  The Sun's calendar as values, beside the solar terms of <solarlon/sun.hpp>: the 72
//               pentads (七十二候) of a year, the seasonal days (雑節) of the Japanese calendar, and
//               the sexagenary cycle of days (十干十二支) they are counted with.
//
// Angles in degrees, zone offsets in hours ahead of UT; names are UTF-8. Days are calendar days of
// the zone, taken from the instant rounded to the second as the commands print it.
#ifndef SOLARLON_CALENDAR_HPP
#define SOLARLON_CALENDAR_HPP

#include <array>
#include <cstdint>
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

}  // namespace solarlon::sun

#endif
