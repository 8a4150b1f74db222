// by_apparent::position, instant_of, solar_terms, refusal  The apparent theory behind the typed
//     interface: an instant of a zone as a UTC two-part Julian Date and back.
//
//  Method:   To a Julian Date: d1 is 0 h UTC of the date (DAYNUM of the whole year, month and day),
//            d2 the day's fraction and the time of day less the zone, in days. Back: the days in d2
//            plus the zone give the date from d1 by whole days (civil_from_days) and the
//            time of day from their fraction, to the microsecond without the roundings of printing.
//  Called:   DAYNUM, civil_from_days, apparent::place, apparent::instant_of, apparent::solar_terms,
//            apparent::coverage
#include "solar/sun_apparent.hpp"

#include <cmath>
#include <limits>

#include <solarlon/equinox.hpp>

#include "solar/apparent.hpp"
#include "solar/detail.hpp"

namespace solarlon::sun::by_apparent {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kJdOfDaynum = 1721059.5;  // JD at 0 h of day number 0
constexpr double kJd1970 = 2440587.5;      // JD at 0 h of 1970 January 1

apparent::Jd to_jd(const Instant& at) {
    const double day = std::floor(at.day);
    const double d1 = DAYNUM(at.year, at.month, day) + kJdOfDaynum;
    const double d2 = (at.day - day) + ((at.hour - at.zone) * 3600.0 + at.minute * 60.0 + at.second) / 86400.0;
    return {d1, d2};
}

// A UTC Julian Date whose d1 is a day boundary (x.5), as an instant of ZONE.
Instant from_jd(apparent::Jd t, double zone) {
    if (!std::isfinite(t.d1) || !std::isfinite(t.d2) || !std::isfinite(zone)) {
        return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone};
    }
    const double local = t.d2 + zone / 24.0;
    double whole = std::floor(local);
    // Microseconds of the day, so that the time of day never reaches 24 h.
    double us = std::round((local - whole) * 86400.0e6);
    if (us >= 86400.0e6) {
        whole += 1.0;
        us -= 86400.0e6;
    }
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(static_cast<std::int64_t>(t.d1 - kJd1970 + whole), y, m, d);
    const double hour = std::floor(us / 3600.0e6);
    const double minute = std::floor((us - hour * 3600.0e6) / 60.0e6);
    const double second = (us - hour * 3600.0e6 - minute * 60.0e6) / 1.0e6;
    return Instant{static_cast<double>(y), static_cast<double>(m), static_cast<double>(d), hour, minute, second, zone};
}

Refusal of_coverage(apparent::Coverage c) {
    switch (c) {
        case apparent::Coverage::ok: return Refusal::none;
        case apparent::Coverage::no_theory: return Refusal::no_theory;
        case apparent::Coverage::before_model: return Refusal::before_range;
        case apparent::Coverage::after_range: return Refusal::after_range;
        case apparent::Coverage::not_finite: return Refusal::not_finite;
    }
    return Refusal::none;
}

}  // namespace

Position position(const Instant& at) {
    const apparent::Jd t = to_jd(at);
    const apparent::Place p = apparent::place(t.d1, t.d2);
    return Position{p.longitude, p.radius, p.x, p.y, p.z, apparent::tt_minus_utc(t.d1, t.d2)};
}

Instant instant_of(std::int32_t year, double lon, double zone) {
    return from_jd(apparent::instant_of(year, zone, lon), zone);
}

std::array<Instant, 24> solar_terms(std::int32_t year, double zone) {
    const auto jds = apparent::solar_terms(year, zone);
    std::array<Instant, 24> r;
    for (std::size_t k = 0; k < r.size(); ++k) r[k] = from_jd(jds[k], zone);
    return r;
}

Refusal refusal(const Instant& at) {
    const apparent::Jd t = to_jd(at);
    return of_coverage(apparent::coverage(t.d1, t.d2));
}

Refusal refusal(std::int32_t year, double lon, double zone) {
    if (!apparent::available()) return Refusal::no_theory;
    if (!std::isfinite(lon) || !std::isfinite(zone)) return Refusal::not_finite;
    // In 1600 a zone east of UTC starts its year before 1600-01-01 00:00 UTC, and in 3000 a zone west
    // of it ends the year after 3001-01-01 00:00 UTC: only a crossing in those hours is refused there.
    if (year < 1600) return Refusal::before_range;
    if (year > 3000) return Refusal::after_range;
    if ((year == 1600 || year == 3000) && std::isnan(apparent::instant_of(year, zone, lon).d2)) {
        return year == 1600 ? Refusal::before_range : Refusal::after_range;
    }
    return Refusal::none;
}

}  // namespace solarlon::sun::by_apparent
