// Theory::classic  Newcomb's theory as SUNLNG and SUNTIM compute it: the geometric longitude referred to
//                  the equinox chosen, at an instant of UT.
//
//  Method:   The instant of a zone is given to SUNLNG as UT by taking the zone from the hour (SUNLNG
//            carries the day). SUNTIM searches whole hours of a zone; a zone with minutes is searched
//            in the whole-hour zone west of it, and the answer moved by the minutes left over.
//  Called:   SUNLNG, SUNLON, SUNTIM
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include <solarlon/constants.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>

namespace solarlon::sun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class Classic final : public Theory {
  public:
    constexpr Classic() = default;

    std::string_view name() const override { return "classic"; }

    bool is_apparent() const override { return false; }

    // Any year; the commands take the apparent theory's span of years with it too.
    std::string span_text(Scale) const override {
        return "the classic theory answers here from " + std::to_string(kFirstYear) + "-01-01 00:00 UT to " +
               std::to_string(kLastYear) + "-12-31 24:00 UT";
    }

    Refusal refusal(const Equinox&) const override { return Refusal::none; }

    Refusal refusal(const Instant& at, const Equinox&) const override {
        return at.scale == Scale::tt ? Refusal::scale_not_ut : Refusal::none;
    }

    Refusal refusal(std::int32_t, double, const Equinox&, double, Scale scale) const override {
        return scale == Scale::tt ? Refusal::scale_not_ut : Refusal::none;
    }

    Position position(const Instant& at, const Equinox& eq) const override {
        if (at.scale == Scale::tt) return Position{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
        const double hour = at.hour - at.zone;
        Position p{};
        SUNLNG(eq.eq(), at.year, at.month, at.day, hour, at.minute, at.second, p.delta_t, p.longitude, p.radius, p.x,
               p.y, p.z);
        return p;
    }

    double longitude(const Instant& at, const Equinox& eq) const override {
        if (at.scale == Scale::tt) return kNaN;
        const double hour = at.hour - at.zone;
        double LON = 0.0;
        SUNLON(eq.eq(), at.year, at.month, at.day, hour, at.minute, at.second, LON);
        return LON;
    }

    Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, Scale scale) const override {
        if (scale == Scale::tt) return Instant{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, zone, scale};
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
};

constexpr Classic kClassic;

}  // namespace

const Theory& Theory::classic = kClassic;

}  // namespace solarlon::sun
