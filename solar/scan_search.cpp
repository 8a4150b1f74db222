// scan_search  SUNTIM's search, literally: every span of each level tested in order.
//
//  Method:   The search described in solar/search.hpp, each level's spans tested in order from the
//            first (December, the month's last day, the day's last hour the fall-backs). The two ends
//            of the hour found are evaluated afresh for the interpolation (the end of the last hour
//            is 0 h of the next day).
//  Called:   LAMBDA
#include <cstdint>

#include "detail.hpp"
#include "search.hpp"

namespace solarlon::detail {

namespace {

// The levels of the scan, for search_year.
class ScanLevels {
  public:
    ScanLevels(const LongitudeFn& lambda, double year, double z, double x)
        : lambda_(lambda), year_(year), z_(z), x_(x) {}

    int month() const {
        double l0 = lambda_(year_, 1.0, 1.0, -z_);
        for (int i = 2; i <= 12; ++i) {
            const double l1 = lambda_(year_, static_cast<double>(i), 1.0, -z_);
            if (in_span(l0, l1, x_)) return i - 1;
            l0 = l1;
        }
        return 12;
    }

    int day(int mon, int ndays) const {
        const double m = static_cast<double>(mon);
        double l0 = lambda_(year_, m, 1.0, -z_);
        for (int j = 2; j <= ndays; ++j) {
            const double l1 = lambda_(year_, m, static_cast<double>(j), -z_);
            if (in_span(l0, l1, x_)) return j - 1;
            l0 = l1;
        }
        return ndays;
    }

    HourFit hours(double year, int mon, int day) const {
        const double m = static_cast<double>(mon), d = static_cast<double>(day);
        double l0 = lambda_(year, m, d, -z_);
        double hour = 23.0 - z_;
        bool found = false;
        for (int k = 1; k <= 23; ++k) {
            const double h = static_cast<double>(k) - z_;
            const double l1 = lambda_(year, m, d, h);
            if (in_span(l0, l1, x_)) {
                hour = h - 1.0;
                found = true;
                break;
            }
            l0 = l1;
        }
        l0 = lambda_(year, m, d, hour);
        const double l2 = lambda_(year, m, d, hour + 1.0);
        return HourFit{hour, hour_fraction(l0, l2, x_), found};
    }

  private:
    const LongitudeFn& lambda_;
    const double year_, z_, x_;
};

}  // namespace

void scan_search(const LongitudeFn& LAMBDA, std::int32_t IZONE, std::int32_t IYEAR, double LON, double YEAR,
                 double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = static_cast<double>(IZONE);
    const std::int32_t iyear = IYEAR;
    const double year = YEAR;
    ScanLevels scan(LAMBDA, year, z, wanted_longitude(LON));
    search_year(scan, z, iyear, year, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
}

}  // namespace solarlon::detail
