// Theory::apparent, is_leap_second  The apparent theory behind the typed interface: an instant of a
//     zone as a two-part Julian Date of its scale, to TT and back; the true equinox of date only.
//
//  Method:   To a Julian Date: d1 is 0 h of the date (DAYNUM of the whole year, month and day),
//            d2 the day's fraction and the time of day less the zone, in days. A second from 60 up to
//            61 of UTC is the leap second: the instant one second before it, flagged, which
//            apparent::to_tt takes on by one second. Back: the days in d2 plus the zone give the
//            date from d1 by whole days (civil_from_days) and the time of day from their fraction,
//            to the microsecond without the roundings of printing; a flagged instant gets its second
//            back (23:59:60.x).
//  Called:   DAYNUM, civil_from_days, apparent::place_tt, apparent::crossing, apparent::solar_terms_tt,
//            apparent::to_tt, apparent::from_tt, apparent::coverage
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include <solarlon/constants.hpp>
#include <solarlon/equinox.hpp>
#include <solarlon/sun.hpp>

#include "apparent/apparent.hpp"
#include "civil.hpp"

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kJdOfDaynum = 1721059.5;  // JD at 0 h of day number 0
constexpr double kJd1970 = 2440587.5;      // JD at 0 h of 1970 January 1

apparent::Scale core(Scale s) { return s == Scale::tt ? apparent::Scale::tt : apparent::Scale::utc; }
apparent::Scale scale_of(const Instant& at) { return core(at.scale); }

// A second of UTC from 60 up to 61 names a leap second.
bool leap(const Instant& at) { return at.scale == Scale::utc && at.second >= 60.0 && at.second < 61.0; }

// The instant as a Julian Date of its scale; a leap second as the second before it.
apparent::Jd to_jd(const Instant& at) {
    const double day = std::floor(at.day);
    const double d1 = DAYNUM(at.year, at.month, day) + kJdOfDaynum;
    const double second = leap(at) ? at.second - 1.0 : at.second;
    const double d2 = (at.day - day) + ((at.hour - at.zone) * 3600.0 + at.minute * 60.0 + second) / 86400.0;
    return {d1, d2};
}

apparent::Jd to_tt(const Instant& at) { return apparent::to_tt(to_jd(at), scale_of(at), leap(at)); }

// A TT Julian Date whose d1 is a day boundary (x.5), as an instant of ZONE in SCALE.
Instant from_tt(apparent::Jd tt, double zone, Scale scale) {
    if (!std::isfinite(tt.d1) || !std::isfinite(tt.d2) || !std::isfinite(zone)) {
        return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale};
    }
    const apparent::Civil c = apparent::from_tt(tt, core(scale));
    const apparent::Jd t = c.t;
    const double local = t.d2 + zone / 24.0;
    double whole = std::floor(local);
    // Microseconds of the day, so that the time of day never reaches 24 h.
    double us = std::round((local - whole) * 86400.0e6);
    if (us >= 86400.0e6 && c.leap) us = 86400.0e6 - 1.0;  // still inside the leap second
    if (us >= 86400.0e6) {
        whole += 1.0;
        us -= 86400.0e6;
    }
    std::int64_t y = 0, m = 0, d = 0;
    detail::civil_from_days(static_cast<std::int64_t>(t.d1 - kJd1970 + whole), y, m, d);
    const double hour = std::floor(us / 3600.0e6);
    const double minute = std::floor((us - hour * 3600.0e6) / 60.0e6);
    const double second = (us - hour * 3600.0e6 - minute * 60.0e6) / 1.0e6 + (c.leap ? 1.0 : 0.0);
    return Instant{
        static_cast<double>(y), static_cast<double>(m), static_cast<double>(d), hour, minute, second, zone, scale};
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

bool leap_second_at(const Instant& at) {
    if (!leap(at)) return false;
    const apparent::Jd t = to_jd(at);
    return apparent::coverage(t, apparent::Scale::utc) == apparent::Coverage::ok &&
           apparent::leap_second_follows(t.d1, t.d2);
}

// Why the instant, or the crossing of the year, is refused; the equinox is not looked at.
Refusal refusal_at(const Instant& at) {
    const apparent::Jd t = to_jd(at);
    const Refusal r = of_coverage(apparent::coverage(t, scale_of(at)));
    if (r != Refusal::none || !leap(at) || leap_second_at(at)) return r;
    return Refusal::not_a_leap_second;
}

bool in_span(std::int32_t year) { return year >= kFirstYear && year <= kLastYear; }

Refusal refusal_of_year(std::int32_t year, double lon, double zone, Scale scale) {
    if (!apparent::available()) return Refusal::no_theory;
    if (!std::isfinite(lon) || !std::isfinite(zone)) return Refusal::not_finite;
    // In the first year a zone east of UTC starts its year before 1600-01-01 00:00, and in the last a
    // zone west of it ends the year after 3000-12-31 24:00: the search computes those hours too, and
    // only a zone so far out that a crossing lies beyond what it computes is refused.
    if (year < kFirstYear) return Refusal::before_range;
    if (year > kLastYear) return Refusal::after_range;
    if ((year == kFirstYear || year == kLastYear) && std::isnan(apparent::crossing(year, zone, lon, core(scale)).d2)) {
        return year == kFirstYear ? Refusal::before_range : Refusal::after_range;
    }
    return Refusal::none;
}

class Apparent final : public Theory {
  public:
    constexpr Apparent() = default;

    std::string_view name() const override { return "apparent"; }

    bool is_apparent() const override { return true; }

    std::string span_text(Scale scale) const override { return refusal_text(Refusal::after_range, scale); }

    Refusal refusal(const Equinox& eq) const override {
        if (!apparent::available()) return Refusal::no_theory;
        return eq.is_of_date() ? Refusal::none : Refusal::equinox_not_of_date;
    }

    // A build without the theory says so first; then the equinox, then the instant.
    Refusal refusal(const Instant& at, const Equinox& eq) const override {
        const Refusal r = refusal_at(at);
        return r != Refusal::no_theory && !eq.is_of_date() ? Refusal::equinox_not_of_date : r;
    }

    Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, Scale scale) const override {
        const Refusal r = refusal_of_year(year, lon, zone, scale);
        return r != Refusal::no_theory && !eq.is_of_date() ? Refusal::equinox_not_of_date : r;
    }

    Position position(const Instant& at, const Equinox& eq) const override {
        if (!eq.is_of_date()) return Position{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
        const apparent::Jd tt = to_tt(at);
        const apparent::Place p = apparent::place_tt(tt.d1, tt.d2);
        // TT - UTC of the table (or the model) at the instant's UTC.
        const apparent::Jd utc = at.scale == Scale::tt ? apparent::from_tt(tt, apparent::Scale::utc).t : to_jd(at);
        const double dt = std::isnan(p.longitude) ? kNaN : apparent::tt_minus_utc(utc.d1, utc.d2);
        return Position{p.longitude, p.radius, p.x, p.y, p.z, dt};
    }

    // A year outside the span is refused whole, though its first days may be computed.
    Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, Scale scale) const override {
        if (!eq.is_of_date() || !in_span(year)) return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale};
        return from_tt(apparent::crossing(year, zone, lon, core(scale)), zone, scale);
    }

    // Found in calendar order from 小寒.
    std::array<TermInstant, 24> term_instants(std::int32_t year, const Equinox& eq, double zone,
                                              Scale scale) const override {
        std::array<TermInstant, 24> r;
        std::array<apparent::Jd, 24> jds;
        jds.fill(apparent::Jd{kNaN, kNaN});
        if (eq.is_of_date() && in_span(year)) jds = apparent::solar_terms_tt(year, zone, core(scale));
        for (std::size_t k = 0; k < r.size(); ++k) r[k] = {k, from_tt(jds[k], zone, scale)};
        return r;
    }
};

constexpr Apparent kApparent;

}  // namespace

const Theory& Theory::apparent = kApparent;

bool is_leap_second(const Instant& at) { return leap_second_at(at); }

}  // namespace solarlon::sun
