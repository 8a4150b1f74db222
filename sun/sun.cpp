// sun  The typed interface over SUNLNG and SUNTIM (classic) and the apparent theory: equinoxes, the
//      longitude at an instant, the instant of a longitude and the solar terms of a year.
#include <algorithm>
#include <cmath>
#include <limits>

#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>
#include <solarlon/util.hpp>

#include "names.hpp"
#include "theory_apparent.hpp"

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The solar terms from 小寒 on: names (UTF-8 bytes) and longitudes, degrees.
constexpr const detail::TermName (&kTerms)[24] = detail::kTermNames;

}  // namespace

Instant utc(double year, double month, double day, double hour, double minute, double second) {
    return Instant{year, month, day, hour, minute, second, 0.0};
}

Instant jst(double year, double month, double day, double hour, double minute, double second) {
    return Instant{year, month, day, hour, minute, second, 9.0};
}

Equinox Equinox::mean_1950() { return Equinox(1950.0); }
Equinox Equinox::mean_2000() { return Equinox(2000.0); }
Equinox Equinox::of_date() { return Equinox(0.0); }
Equinox Equinox::from_eq(double EQ) { return Equinox(EQ); }

Equinox Equinox::of_year(double year) {
    // EQ above -1.5 and below 0.5 rounds to 0, which the routines read as the equinox of date.
    return Equinox(year > -1.5 && year < 0.5 ? std::nan("") : year);
}

bool Equinox::is_of_date() const { return nint(eq_) == 0.0; }

Position position(const Instant& at, const Equinox& eq, Theory theory) {
    if (at.scale == Scale::tt && theory == Theory::classic) return Position{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
    if (theory == Theory::apparent) {
        // The true equinox of date only.
        if (!eq.is_of_date()) return Position{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
        return by_apparent::position(at);
    }
    const double hour = at.hour - at.zone;  // UT; SUNLNG carries the day
    Position p{};
    SUNLNG(eq.eq(), at.year, at.month, at.day, hour, at.minute, at.second, p.delta_t, p.longitude, p.radius, p.x, p.y,
           p.z);
    return p;
}

double longitude(const Instant& at, const Equinox& eq, Theory theory) {
    if (theory == Theory::apparent || at.scale == Scale::tt) return position(at, eq, theory).longitude;
    const double hour = at.hour - at.zone;
    double LON = 0.0;
    SUNLON(eq.eq(), at.year, at.month, at.day, hour, at.minute, at.second, LON);
    return LON;
}

Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, Theory theory) {
    return instant_of(year, lon, eq, zone, theory, Scale::utc);
}

Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, Theory theory, Scale scale) {
    if (theory == Theory::apparent) {
        if (!eq.is_of_date()) return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale};
        return by_apparent::instant_of(year, lon, zone, scale);
    }
    if (scale == Scale::tt) return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale};
    // SUNTIM searches whole hours of a zone; a zone with minutes is searched in the whole-hour zone
    // west of it, and the answer moved by the minutes left over.
    const double whole = std::isfinite(zone) ? std::floor(zone) : 0.0;
    const std::int32_t IZONE = static_cast<std::int32_t>(std::max(-48.0, std::min(48.0, whole)));
    const double YEAR = year;
    double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
    std::int32_t IYADD = 0;
    SUNTIM(eq.eq(), IZONE, year, lon, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    Instant r{YEAR + IYADD, MON, DAY, HOUR, MINUTE, SECOND, zone};
    if (zone != static_cast<double>(IZONE)) r.minute += (zone - IZONE) * 60.0;  // NaN for a NaN zone
    return r;
}

Instant instant_of_to_second(std::int32_t year, double lon, const Equinox& eq, double zone, Theory theory) {
    return to_second(instant_of(year, lon, eq, zone, theory));
}

std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, Theory theory) {
    return solar_terms(year, eq, zone, theory, Scale::utc);
}

std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, Theory theory, Scale scale) {
    std::array<Term, 24> terms;
    if (theory == Theory::apparent || scale == Scale::tt) {
        // Found in calendar order from 小寒.
        std::array<Instant, 24> found;
        found.fill(Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale});
        if (eq.is_of_date() && theory == Theory::apparent) found = by_apparent::solar_terms(year, zone, scale);
        for (std::size_t i = 0; i < terms.size(); ++i) {
            terms[i] = Term{kTerms[i].name, kTerms[i].longitude, found[i]};
        }
        return terms;
    }
    for (std::size_t i = 0; i < terms.size(); ++i) {
        terms[i] = Term{kTerms[i].name, kTerms[i].longitude, instant_of(year, kTerms[i].longitude, eq, zone, theory)};
    }
    // Calendar order; only far from the present could the Gregorian calendar move a term past another.
    // Instants with a NaN (a NaN equinox) stay in the order of the longitudes.
    for (const Term& t : terms) {
        const Instant& i = t.instant;
        if (!std::isfinite(i.year + i.month + i.day + i.hour + i.minute + i.second)) return terms;
    }
    auto key = [](const Instant& t) {
        return std::array<double, 6>{t.year, t.month, t.day, t.hour, t.minute, t.second};
    };
    std::stable_sort(terms.begin(), terms.end(),
                     [&](const Term& a, const Term& b) { return key(a.instant) < key(b.instant); });
    return terms;
}

const char* refusal_text(Refusal r) { return refusal_text(r, Scale::utc); }

const char* refusal_text(Refusal r, Scale scale) {
    const bool tt = scale == Scale::tt;
    switch (r) {
        case Refusal::none: return "";
        case Refusal::equinox_not_of_date:
            return "the apparent theory has the true equinox of date only; other equinoxes belong to the "
                   "classic theory";
        case Refusal::no_theory: return "this build has no apparent theory (built without ERFA)";
        case Refusal::before_range:
        case Refusal::after_range:
            return tt ? "the apparent theory answers from 1600-01-01 00:00 TT to 3000-12-31 24:00 TT"
                      : "the apparent theory answers from 1600-01-01 00:00 UTC to 3000-12-31 24:00 UTC";
        case Refusal::not_finite: return "a value given is not a finite number";
        case Refusal::not_a_leap_second:
            return "a second of 60 is a leap second, which UTC inserts only at 23:59:60 of the days of its "
                   "table";
        case Refusal::scale_not_ut: return "the classic theory takes UT instants, not TT";
    }
    return "";
}

// A build without the theory says so first; then the equinox, then the instant.
bool is_leap_second(const Instant& at) { return by_apparent::is_leap_second(at); }

Refusal refusal(const Instant& at, const Equinox& eq, Theory theory) {
    if (theory == Theory::classic) return at.scale == Scale::tt ? Refusal::scale_not_ut : Refusal::none;
    const Refusal r = by_apparent::refusal(at);
    return r != Refusal::no_theory && !eq.is_of_date() ? Refusal::equinox_not_of_date : r;
}

Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, Theory theory) {
    return refusal(year, lon, eq, zone, theory, Scale::utc);
}

Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, Theory theory, Scale scale) {
    if (theory == Theory::classic) return scale == Scale::tt ? Refusal::scale_not_ut : Refusal::none;
    const Refusal r = by_apparent::refusal(year, lon, zone, scale);
    return r != Refusal::no_theory && !eq.is_of_date() ? Refusal::equinox_not_of_date : r;
}

}  // namespace solarlon::sun
