// holidays, holiday_name, holiday_kind_name, weekday  Japan's national holidays of a year.
//
//  Method:   Each rule of kHolidayRules gives its day in the year (a date, the N-th Monday of a month,
//            or the JST day of the Sun's reaching 0 or 180 degrees, as the printed instant has it),
//            kept where the rule is in force on that day. Then, from 1973-04-12, each 国民の祝日 on a
//            Sunday gives a 振替休日: the next day, or from 2007 the nearest following day that is not
//            a 国民の祝日; and from 1985-12-27 a day that is no holiday between two 国民の祝日 (the
//            two days of 2019's special law counted as such) is a 国民の休日, until 2006 only where
//            it is not a Sunday.
//  Notes:    A 振替休日 or 国民の休日 is only added on a day that is no holiday yet: a day that is both
//            is listed once, as the 振替休日.
//  Called:   instant_of, to_second, days_from_civil, civil_from_days
#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include <solarlon/calendar.hpp>

#include "civil.hpp"
#include "holiday_rules.hpp"
#include "names.hpp"

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kHolidayCount = sizeof detail::kHolidayNames / sizeof detail::kHolidayNames[0];
constexpr int kSubstituteName = kHolidayCount - 2, kCitizensName = kHolidayCount - 1;  // 振替休日, 国民の休日

std::int64_t days_of(const Date& d) { return detail::days_from_civil(d.year, d.month, d.day); }

Date date_of(std::int64_t days) {
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(days, y, m, d);
    return Date{static_cast<std::int32_t>(y), static_cast<int>(m), static_cast<int>(d)};
}

// 0 Sunday ... 6 Saturday: 1970-01-01 was a Thursday.
int weekday_of(std::int64_t days) { return static_cast<int>(((days + 4) % 7 + 7) % 7); }

int name_index(const char* key) {
    for (int k = 0; k < kHolidayCount; ++k) {
        if (std::strcmp(detail::kHolidayNames[k].key, key) == 0) return k;
    }
    return -1;
}

// A holiday being listed, with its day count and whether it counts as a 国民の祝日 for the days between.
struct Entry {
    std::int64_t days;
    bool between;
    Holiday holiday;
};

}  // namespace

int weekday(const Date& d) { return weekday_of(days_of(d)); }

std::string_view holiday_kind_name(HolidayKind kind) {
    switch (kind) {
        case HolidayKind::national: return "national";
        case HolidayKind::substitute: return "substitute";
        case HolidayKind::citizens: return "citizens";
        case HolidayKind::special: return "special";
    }
    return "";
}

std::string_view holiday_name(int index) {
    return index >= 0 && index < kHolidayCount ? detail::kHolidayNames[index].name : "";
}

std::vector<Holiday> holidays(std::int32_t year) {
    if (year < kFirstHoliday.year) return {};
    const Instant none{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, 9.0};
    std::vector<Entry> all;
    auto add = [&](std::int64_t days, int index, HolidayKind kind, std::string key, bool between) -> Entry& {
        all.push_back(
            {days, between, Holiday{date_of(days), index, holiday_name(index), kind, std::move(key), kNaN, none}});
        return all.back();
    };
    for (const detail::HolidayRule& r : detail::kHolidayRules) {
        std::int64_t days = 0;
        Instant at = none;
        if (r.how == detail::HolidayDay::equinox) {
            at = instant_of(year, r.day, Equinox::of_date(), 9.0, Theory::apparent);
            if (!is_finite(at)) return {};
            const Instant s = to_second(at);
            days = detail::days_from_civil(static_cast<std::int64_t>(s.year), static_cast<std::int64_t>(s.month),
                                           static_cast<std::int64_t>(s.day));
        } else {
            days = days_of({year, r.month, r.how == detail::HolidayDay::fixed ? r.day : 1});
            if (r.how == detail::HolidayDay::monday) days += (8 - weekday_of(days)) % 7 + 7 * (r.day - 1);
        }
        if (days < days_of(r.first) || days > days_of(r.last)) continue;
        const int index = name_index(r.key);
        Entry& e =
            add(days, index, r.special ? HolidayKind::special : HolidayKind::national, r.key, !r.special || r.between);
        if (r.how == detail::HolidayDay::equinox) {
            e.holiday.longitude = r.day;
            e.holiday.instant = at;
        }
    }
    auto on = [&](std::int64_t days) -> const Entry* {
        for (const Entry& e : all) {
            if (e.days == days) return &e;
        }
        return nullptr;
    };
    auto national = [&](std::int64_t days) {
        const Entry* e = on(days);
        return e != nullptr && e->holiday.kind == HolidayKind::national;
    };

    const std::int64_t substitute_from = days_of(detail::kSubstituteFrom),
                       citizens_from = days_of(detail::kCitizensFrom), amended = days_of(detail::kAmended2007);
    const std::size_t listed = all.size();  // the entries added below are no 国民の祝日
    for (std::size_t k = 0; k < listed; ++k) {
        const Entry e = all[k];
        if (e.holiday.kind != HolidayKind::national || e.days < substitute_from || weekday_of(e.days) != 0) continue;
        std::int64_t next = e.days + 1;
        while (e.days >= amended && national(next)) ++next;
        if (on(next) == nullptr) add(next, kSubstituteName, HolidayKind::substitute, "furikae-" + e.holiday.key, false);
    }
    for (std::size_t k = 0; k < listed; ++k) {
        const Entry e = all[k];
        const std::int64_t day = e.days + 1;
        const Entry* after = on(day + 1);
        if (!e.between || day < citizens_from || on(day) != nullptr || after == nullptr || !after->between) continue;
        if (day < amended && weekday_of(day) == 0) continue;
        add(day, kCitizensName, HolidayKind::citizens, "kokumin-" + e.holiday.key, false);
    }

    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.days < b.days; });
    std::vector<Holiday> out;
    out.reserve(all.size());
    for (Entry& e : all) out.push_back(std::move(e.holiday));
    return out;
}

}  // namespace solarlon::sun
