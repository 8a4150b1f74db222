// pentads, seasonal_days, sexagenary  The Sun's calendar: the 72 pentads, the seasonal days (雑節)
//     and the sexagenary cycle of days.
//
//  Method:   Pentads: the 24 solar terms, each the first pentad of its term, and the two after each
//            term at 5 and 10 degrees more, each the instant of its longitude, except 280 degrees,
//            reached near January 1: the crossing after 275 degrees, so that each pentad is in one
//            year's list once.
//            Seasonal days, by the definitions of the national almanac: 節分 the day before 立春;
//            彼岸 from three days before the 春分 (秋分) day to three days after; 社日 the 戊 day
//            nearest the 春分 (秋分) day, and when that day is a 癸 day, five days from a 戊 day on
//            either side, the earlier one if the equinox falls before noon, the later one if at or
//            after it (the rule of the official calendar since 1881); 八十八夜, 二百十日 and
//            二百二十日 the 88th, 210th and 220th day counting the 立春 day as the first; 入梅 and 半夏生
//            the days the Sun reaches 80 and 100 degrees; 土用 from the Sun's reaching 297, 27, 117
//            and 207 degrees to the day before 立春, 立夏, 立秋 and 立冬, its 丑 days the days of
//            the 丑 branch within it.
//  Notes:    The sexagenary cycle runs unbroken by whole days: day K of it is (JDN + 49) mod 60 for the
//            Julian Day Number JDN of the day (noon to noon), so JDN 11 is 甲子; 2000-01-01 (JDN
//            2451545) is 戊午 and 2024-01-01 (JDN 2460311) 甲子, as the published almanacs have them.
//  Called:   solar_terms, instant_of, to_second, days_from_civil, civil_from_days
#include <algorithm>
#include <cmath>
#include <limits>

#include <solarlon/calendar.hpp>
#include <solarlon/constants.hpp>

#include "civil.hpp"
#include "names.hpp"

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int64_t kJdnOf1970 = 2440588;  // Julian Day Number of 1970-01-01

// Days from 1970-01-01 of the day of T in its zone, as printed (rounded to the second).
std::int64_t day_of(const Instant& t) {
    const Instant s = to_second(t);
    return detail::days_from_civil(static_cast<std::int64_t>(s.year), static_cast<std::int64_t>(s.month),
                                   static_cast<std::int64_t>(s.day));
}

// The date of day count DAYS from 1970-01-01.
Date date_of(std::int64_t days) {
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(days, y, m, d);
    return Date{static_cast<std::int32_t>(y), static_cast<int>(m), static_cast<int>(d)};
}

int cycle_of(std::int64_t days) { return static_cast<int>(((days + kJdnOf1970 + 49) % 60 + 60) % 60); }

}  // namespace

int sexagenary(const Date& d) { return cycle_of(detail::days_from_civil(d.year, d.month, d.day)); }

std::string_view sexagenary_name(int k) { return k >= 0 && k < 60 ? detail::kSexagenaryNames[k] : ""; }

std::string_view seasonal_day_name(int kind) { return kind >= 0 && kind < 24 ? detail::kSeasonalDayNames[kind] : ""; }

std::array<Pentad, 72> pentads(std::int32_t year, const Equinox& eq, double zone, const Theory& theory) {
    const auto terms = solar_terms(year, eq, zone, theory);
    std::array<Pentad, 72> out;
    for (std::size_t k = 0; k < 24; ++k) {
        // Term k is at 285 + 15k degrees; pentad number n begins at 315 + 5 (n - 1).
        for (int j = 0; j < 3; ++j) {
            const double lon = std::fmod(285.0 + 15.0 * static_cast<double>(k) + 5.0 * j, 360.0);
            const int n = static_cast<int>(std::fmod(lon + 45.0, 360.0) / 5.0) + 1;
            const detail::PentadName& nm = detail::kPentadNames[n - 1];
            const Instant at = j == 0 ? terms[k].instant : instant_of(year, lon, eq, zone, theory);
            out[3 * k + static_cast<std::size_t>(j)] = Pentad{n, nm.name, nm.reading, lon, at};
        }
    }
    // A year the theory does not answer whole: every instant NaN, none half-made.
    auto refused = [&out, zone]() {
        for (Pentad& p : out) p.instant = Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone};
        return out;
    };
    if (!std::all_of(out.begin(), out.end(), [](const Pentad& p) { return is_finite(p.instant); })) return refused();
    // 280 degrees, the last: the crossing after 275's. Where the year's first one came on January 1,
    // the next is some 365.24 days on: the first crossing from December 31, 0 h, found as the first
    // of the next year in the zone 24 hours ahead; where the theory does not answer the next year
    // (after the last of its span), the first from January 6, 0 h, as the year's own in the zone five
    // days behind. Either is moved back into the zone by whole days.
    if (day_of(out[71].instant) < day_of(out[70].instant)) {
        std::int64_t shift = -1;
        Instant t = instant_of(year + 1, 280.0, eq, zone + 24.0, theory);
        if (!is_finite(t)) {
            shift = 5;
            t = instant_of(year, 280.0, eq, zone - 24.0 * static_cast<double>(shift), theory);
        }
        if (!is_finite(t)) return refused();
        const Date d =
            date_of(detail::days_from_civil(static_cast<std::int64_t>(t.year), static_cast<std::int64_t>(t.month),
                                            static_cast<std::int64_t>(t.day)) +
                    shift);
        out[71].instant = Instant{static_cast<double>(d.year),
                                  static_cast<double>(d.month),
                                  static_cast<double>(d.day),
                                  t.hour,
                                  t.minute,
                                  t.second,
                                  zone};
    }
    auto key = [](const Instant& t) {
        return std::array<double, 6>{t.year, t.month, t.day, t.hour, t.minute, t.second};
    };
    std::stable_sort(out.begin(), out.end(),
                     [&](const Pentad& a, const Pentad& b) { return key(a.instant) < key(b.instant); });
    return out;
}

Refusal calendar_refusal(std::int32_t year, const Equinox& eq, double zone, const Theory& theory) {
    for (int k = 0; k < 72; ++k) {
        const Refusal r = refusal(year, 5.0 * k, eq, zone, theory);
        if (r != Refusal::none) return r;
    }
    if (is_finite(pentads(year, eq, zone, theory)[0].instant) && !seasonal_days(year, eq, zone, theory).empty())
        return Refusal::none;
    // Each longitude is answered, but not the whole year: a zone so far from UT that the year reaches
    // past the span's instants at the nearer end.
    return year - kFirstYear < kLastYear - year ? Refusal::before_range : Refusal::after_range;
}

std::vector<SeasonalDay> seasonal_days(std::int32_t year, const Equinox& eq, double zone, const Theory& theory) {
    std::vector<SeasonalDay> out;
    const auto terms = solar_terms(year, eq, zone, theory);
    for (const Term& t : terms) {
        if (!is_finite(t.instant)) return out;
    }
    const Instant none{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone};
    auto counted = [&](int kind, const char* key, std::int64_t days) {
        out.push_back(SeasonalDay{kind, key, detail::kSeasonalDayNames[kind], date_of(days), kNaN, none});
    };
    // An instant's day; false where the theory gives none.
    auto reached = [&](int kind, const char* key, double lon) {
        const Instant at = instant_of(year, lon, eq, zone, theory);
        if (!is_finite(at)) return false;
        out.push_back(SeasonalDay{kind, key, detail::kSeasonalDayNames[kind], date_of(day_of(at)), lon, at});
        return true;
    };
    // The 戊 day nearest the equinox's day.
    auto shanichi = [&](int kind, const char* key, const Instant& equinox) {
        const std::int64_t day = day_of(equinox);
        const int to_bo = ((4 - cycle_of(day) % 10) % 10 + 10) % 10;  // days on to the next 戊, [0, 9]
        int shift = to_bo < 5 ? to_bo : to_bo - 10;
        if (to_bo == 5) shift = to_second(equinox).hour < 12.0 ? -5 : 5;  // a 癸 day
        counted(kind, key, day + shift);
    };

    const std::int64_t risshun = day_of(terms[2].instant);
    counted(0, "setsubun", risshun - 1);
    const std::int64_t spring = day_of(terms[5].instant), autumn = day_of(terms[17].instant);
    counted(1, "higan-spring-start", spring - 3);
    shanichi(2, "shanichi-spring", terms[5].instant);
    counted(3, "higan-spring-end", spring + 3);
    counted(4, "hachijuhachiya", risshun + 87);
    if (!reached(5, "nyubai", 80.0) || !reached(6, "hangesho", 100.0)) return {};
    counted(7, "nihyakutoka", risshun + 209);
    counted(8, "nihyakuhatsuka", risshun + 219);
    counted(9, "higan-autumn-start", autumn - 3);
    shanichi(10, "shanichi-autumn", terms[17].instant);
    counted(11, "higan-autumn-end", autumn + 3);

    // Each 土用: where it begins, the term that ends it (立春, 立夏, 立秋, 立冬).
    const struct {
        double longitude;
        std::size_t next_term;
        const char* start;
        const char* ushi[3];
        const char* end;
    } doyo[] = {
        {297.0,
         2,
         "doyo-winter-start",
         {"doyo-winter-ushi-1", "doyo-winter-ushi-2", "doyo-winter-ushi-3"},
         "doyo-winter-end"},
        {27.0,
         8,
         "doyo-spring-start",
         {"doyo-spring-ushi-1", "doyo-spring-ushi-2", "doyo-spring-ushi-3"},
         "doyo-spring-end"},
        {117.0,
         14,
         "doyo-summer-start",
         {"doyo-summer-ushi-1", "doyo-summer-ushi-2", "doyo-summer-ushi-3"},
         "doyo-summer-end"},
        {207.0,
         20,
         "doyo-autumn-start",
         {"doyo-autumn-ushi-1", "doyo-autumn-ushi-2", "doyo-autumn-ushi-3"},
         "doyo-autumn-end"},
    };
    int kind = 12;
    for (const auto& d : doyo) {
        if (!reached(kind, d.start, d.longitude)) return {};
        const std::int64_t first = day_of(out.back().instant), last = day_of(terms[d.next_term].instant) - 1;
        int n = 0;  // 土用 lasts 17 to 19 days: one 丑 day or two
        for (std::int64_t day = first; day <= last && n < 3; ++day) {
            if (cycle_of(day) % 12 == 1) counted(kind + 1, d.ushi[n++], day);
        }
        counted(kind + 2, d.end, last);
        kind += 3;
    }

    std::stable_sort(out.begin(), out.end(), [](const SeasonalDay& a, const SeasonalDay& b) {
        return std::array<int, 3>{a.date.year, a.date.month, a.date.day} <
               std::array<int, 3>{b.date.year, b.date.month, b.date.day};
    });
    return out;
}

}  // namespace solarlon::sun
