// sun  The typed interface over the theories: instants, equinoxes, and the longitude at an instant, the
//      instant of a longitude and the solar terms of a year, each asked of the theory given.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include <solarlon/constants.hpp>
#include <solarlon/sun.hpp>

#include "names.hpp"

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The solar terms from 小寒 on: names (UTF-8 bytes) and longitudes, degrees.
const detail::TermName (&kTerms)[24] = detail::kTermNames;

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
    // A year that the routines would read as the equinox of date names no mean equinox.
    return Equinox(equinox_kind(year) == EquinoxKind::of_date ? kNaN : year);
}

double Theory::longitude(const Instant& at, const Equinox& eq) const { return position(at, eq).longitude; }

std::array<Theory::TermInstant, 24> Theory::term_instants(std::int32_t year, const Equinox& eq, double zone,
                                                          Scale scale) const {
    std::array<TermInstant, 24> r;
    for (std::size_t k = 0; k < r.size(); ++k) r[k] = {k, instant_of(year, kTerms[k].longitude, eq, zone, scale)};
    // Calendar order; only far from the present could the Gregorian calendar move a term past another.
    // Instants with a NaN (a NaN equinox) stay in the order of the longitudes.
    for (const TermInstant& t : r) {
        if (!is_finite(t.instant)) return r;
    }
    auto key = [](const Instant& t) {
        return std::array<double, 6>{t.year, t.month, t.day, t.hour, t.minute, t.second};
    };
    std::stable_sort(r.begin(), r.end(),
                     [&](const TermInstant& a, const TermInstant& b) { return key(a.instant) < key(b.instant); });
    return r;
}

Position position(const Instant& at, const Equinox& eq, const Theory& theory) { return theory.position(at, eq); }

double longitude(const Instant& at, const Equinox& eq, const Theory& theory) { return theory.longitude(at, eq); }

Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory) {
    return theory.instant_of(year, lon, eq, zone, Scale::utc);
}

Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory, Scale scale) {
    return theory.instant_of(year, lon, eq, zone, scale);
}

Instant instant_of_to_second(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory) {
    return to_second(theory.instant_of(year, lon, eq, zone, Scale::utc));
}

std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, const Theory& theory) {
    return solar_terms(year, eq, zone, theory, Scale::utc);
}

std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, const Theory& theory, Scale scale) {
    const auto found = theory.term_instants(year, eq, zone, scale);
    std::array<Term, 24> terms;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const detail::TermName& n = kTerms[found[i].term];
        terms[i] = Term{n.name, n.longitude, found[i].instant};
    }
    return terms;
}

namespace {

// The apparent theory's span of instants in the scale named SCALE, from the constants.
std::string span_in(const char* scale) {
    return "the apparent theory answers from " + std::to_string(kFirstYear) + "-01-01 00:00 " + scale + " to " +
           std::to_string(kLastYear) + "-12-31 24:00 " + scale;
}

}  // namespace

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
        case Refusal::after_range: {
            static const std::string utc = span_in("UTC"), tt_span = span_in("TT");  // made once, never written
            return (tt ? tt_span : utc).c_str();
        }
        case Refusal::not_finite: return "a value given is not a finite number";
        case Refusal::not_a_leap_second:
            return "a second of 60 is a leap second, which UTC inserts only at 23:59:60 of the days of its "
                   "table";
        case Refusal::scale_not_ut: return "the classic theory takes UT instants, not TT";
    }
    return "";
}

Refusal refusal(const Instant& at, const Equinox& eq, const Theory& theory) { return theory.refusal(at, eq); }

Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory) {
    return theory.refusal(year, lon, eq, zone, Scale::utc);
}

Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory, Scale scale) {
    return theory.refusal(year, lon, eq, zone, scale);
}

}  // namespace solarlon::sun
