// predict_search  The answer of scan_search from some 7 evaluations of the longitude.
//
//  Method:   At each level the span that holds the wanted longitude X is predicted and then confirmed
//            by the span test on its two ends; a miss jumps by as many spans as X lies ahead or behind,
//            and a level whose prediction misses six times is scanned in order. The month and the day
//            are predicted from the first point of their grid by the Sun's motion (days_to_advance), the
//            hour by the line between the day's 0 h and the next day's, when the day level left that,
//            or else by the motion. Each point is evaluated once and a point that two levels share once
//            for both (Memo): January 1, the ends of the month, day and hour found, and 0 h of the next
//            day for the last hour of a day, some 7 evaluations.
//  Notes:  1 Why the answer is the scan's: where LAMBDA grows along each grid by less than a full turn
//            from the first point to the last, with every value in [0, 360] (360 being 0), the spans of
//            a level part the circle, so the one span that holds X is also the first that the scan
//            meets; the prediction only chooses which span is tested first. LAMBDA is handed the
//            scan's own arguments at each point of a grid, and the interpolation takes the instants
//            that the scan evaluates afresh, so each value is the scan's where LAMBDA gives one value
//            to one instant.
//          2 What can be checked is checked on every value (each in [0, 360], each tested span between
//            0 and 90 degrees long), and a failed check gives up: SUNTIM then scans. Where the rest
//            holds for SUNLNG's longitude is said in solar/suntim.cpp (predictable).
//  Called:   LAMBDA, SINCOSD
#include <cmath>
#include <cstdint>

#include "detail.hpp"
#include "search.hpp"
#include "tables.hpp"
#include "trig.hpp"

namespace solarlon::detail {

namespace {

// grid_day  Days from the epoch JD 2440000.0 to 0 h of a date of the grid: the day count of the series
//           (time_arguments) in UT, so some seconds off its dynamical time.
double grid_day(double year, double mon, double day) { return mjd_at_0h(year, mon, day) - kEpochMjd; }

// days_to_advance  Days that the Sun takes to advance by U degrees (0 to 360) from the instant D days
//                  after the epoch: the mean motion in longitude with the series' equation of the
//                  centre in M and 2M at the epoch, solved by two Newton steps. Good to some 0.005 day;
//                  the lunar and planetary terms are left out.
double days_to_advance(double d, double u) {
    const double n = kMeanLongitudeRate;  // degrees a day
    const double k = DAT[0][1];           // mean anomaly, degrees a day
    const double m0 = DAT[0][0] + k * d;
    double s = 0.0, c = 0.0;
    SINCOSD(m0, s, c);
    const double e1 = kCentre[0][0], e2 = kCentre[1][0];  // at the epoch
    const double c0 = e1 * s + e2 * 2.0 * s * c;
    double t = u / n;
    for (int i = 0; i < 2; ++i) {
        SINCOSD(m0 + k * t, s, c);
        const double f = n * t + e1 * s + e2 * 2.0 * s * c - c0 - u;
        const double fp = n + (e1 * c + 2.0 * e2 * (c - s) * (c + s)) * k * RAD;
        t = t - f / fp;
    }
    return t;
}

// forward_arc  Arc from the longitude A forward to B, degrees, [0, 360).
double forward_arc(double a, double b) {
    double r = b - a;
    if (r < 0.0) r = r + 360.0;
    if (r >= 360.0) r = r - 360.0;
    return r;
}

// on_arc  Whether X lies on the arc from A (inclusive) forward to B (exclusive), by comparisons alone
//         (360 is 0). For an arc shorter than 180 degrees this is in_span: there L0 - 360 is exact
//         where it counts. The long arc that closes a level must be tested so, since L0 - 360 rounds
//         when L0 is below 180.
bool on_arc(double a, double b, double x) {
    if (a == 360.0) a = 0.0;
    if (b == 360.0) b = 0.0;
    if (x == 360.0) x = 0.0;
    return (a <= b) ? (a <= x && x < b) : (a <= x || x < b);
}

// floor_within  The whole number in LO..HI nearest below V (LO for NaN).
int floor_within(double v, int lo, int hi) {
    const double f = std::floor(v);
    if (!(f >= static_cast<double>(lo))) return lo;
    if (f > static_cast<double>(hi)) return hi;
    return static_cast<int>(f);
}

// Memo  The longitudes at the points 0..kSize-1 of one level, each stored when first evaluated.
class Memo {
  public:
    static constexpr int kSize = 32;
    void clear() {
        for (bool& k : known_) k = false;
    }
    bool known(int i) const { return known_[i]; }
    void set(int i, double v) {
        val_[i] = v;
        known_[i] = true;
    }
    double value(int i) const { return val_[i]; }

  private:
    double val_[kSize] = {};
    bool known_[kSize] = {};
};

// The levels of the predictor, for search_year; ok() is false once a check has failed.
class PredictedLevels {
  public:
    PredictedLevels(const LongitudeFn& lambda, double year, double z, double x)
        : lambda_(lambda), year_(year), z_(z), x_(x) {
        months_.clear();
        days_.clear();
        hours_.clear();
    }

    bool ok() const { return ok_; }

    int month() {
        mon_ = 0;
        const auto p = [this](int i) { return month_point(i); };
        // From January 1 by the Sun's motion: the last month whose 1st comes before it reaches X.
        const double jan = grid_day(year_, 1.0, 1.0);
        const double t = days_to_advance(jan - z_ / 24.0, forward_arc(month_point(1), x_));
        int guess = 1;
        for (int i = 2; i <= 12; ++i) {
            if (grid_day(year_, static_cast<double>(i), 1.0) - jan <= t) guess = i;
        }
        return level(p, 1, 12, guess);
    }

    int day(int mon, int ndays) {
        mon_ = mon;
        days_.clear();
        if (months_.known(mon)) days_.set(1, months_.value(mon));  // the same point, (mon, 1, -z)
        const auto p = [this](int j) { return day_point(j); };
        const double m = static_cast<double>(mon);
        const double t = days_to_advance(grid_day(year_, m, 1.0) - z_ / 24.0, forward_arc(day_point(1), x_));
        return level(p, 1, ndays, 1 + floor_within(t, 0, ndays - 1));
    }

    HourFit hours(double year, int mon, int day) {
        hyear_ = year;
        hmon_ = static_cast<double>(mon);
        hday_ = static_cast<double>(day);
        hours_.clear();
        const bool sameday = (year == year_ && mon == mon_);
        if (sameday && days_.known(day)) hours_.set(0, days_.value(day));  // (mon, day, -z)
        const auto p = [this](int k) { return hour_point(k); };

        // By the line between this day's 0 h and the next day's, or else by the motion.
        const double l0 = hour_point(0);
        double t = 0.0;
        if (sameday && day + 1 < Memo::kSize && days_.known(day + 1)) {
            const double len = forward_arc(l0, days_.value(day + 1));
            t = 24.0 * forward_arc(l0, x_) / len;
        } else {
            t = 24.0 * days_to_advance(grid_day(year, hmon_, hday_) - z_ / 24.0, forward_arc(l0, x_));
        }
        const int s = level(p, 0, 23, floor_within(t, 0, 23));

        // The hour found, formed by the scan's own operations so as to be its double: the scan takes
        // h = k - z for the hour k that closes the span and returns h - 1, hence (s + 1) - z, then
        // less 1 (23 - z when no tested span held X). The plainer s - z is the same number only by
        // an argument about exact small whole numbers; this needs none. The two ends of the hour
        // are the memo's: the instants at which the scan evaluates them afresh (as doubles the same
        // hours, but that the scan's 0 h may be +0 where hour_point passes -0).
        const bool found = s < 23;
        const double hour = found ? (static_cast<double>(s + 1) - z_) - 1.0 : 23.0 - z_;
        return HourFit{hour, hour_fraction(hour_point(s), hour_point(s + 1), x_), found};
    }

  private:
    double check(double v) {
        if (!(v >= 0.0 && v <= 360.0)) ok_ = false;
        return v;
    }
    double month_point(int i) {
        if (!months_.known(i)) months_.set(i, check(lambda_(year_, static_cast<double>(i), 1.0, -z_)));
        return months_.value(i);
    }
    double day_point(int j) {
        if (!days_.known(j))
            days_.set(j, check(lambda_(year_, static_cast<double>(mon_), static_cast<double>(j), -z_)));
        return days_.value(j);
    }
    double hour_point(int k) {
        if (!hours_.known(k)) {
            // The scan's arguments, so that LAMBDA sees the very same doubles: -z for 0 h (the
            // scan's first point; -0 when z is 0, where 0.0 - z would give +0), k - z for hour k.
            const double h = (k == 0) ? -z_ : static_cast<double>(k) - z_;
            hours_.set(k, check(lambda_(hyear_, hmon_, hday_, h)));
        }
        return hours_.value(k);
    }

    // The start S (LO..HI-1) of the span from P(S) to P(S+1) that holds X, or HI when none does, the
    // arc from P(HI) round to P(LO) holding it. GUESS (LO..HI) is tried first; then jumps by the
    // length of the span missed, and when six tries fail, the scan of the level in order.
    template <class P>
    int level(const P& p, int lo, int hi, int guess) {
        int s = guess;
        for (int tries = 0; tries < 6 && ok_; ++tries) {
            const double a = p(s);
            const double b = (s < hi) ? p(s + 1) : p(lo);
            if (!ok_) break;
            if (s < hi) {
                // A tested span is short, or the longitude does not behave as the Sun's.
                const double len = forward_arc(a, b);
                if (!(len > 0.0 && len < 90.0)) {
                    ok_ = false;
                    break;
                }
                if (in_span(a, b, x_)) return s;

                // X lies N spans of this length ahead (behind when N is negative): try that span, at
                // least the next one either way, and the closing arc when it is past either end.
                double off = x_ - a;
                if (off > 180.0) off = off - 360.0;
                if (off <= -180.0) off = off + 360.0;
                const double n = std::floor(off / len);
                int next = hi;
                if (n > static_cast<double>(lo - s - 1) && n < static_cast<double>(hi - s + 1)) {
                    int step = static_cast<int>(n);
                    if (step == 0) step = (off < 0.0) ? -1 : 1;
                    if (s + step >= lo && s + step <= hi) next = s + step;
                }
                s = next;
            } else {
                if (on_arc(a, b, x_)) return s;

                // Not on the closing arc: among the tested spans, by their mean length.
                const double len = forward_arc(b, a) / static_cast<double>(hi - lo);
                if (!(len > 0.0)) break;
                s = lo + floor_within(forward_arc(b, x_) / len, 0, hi - lo - 1);
            }
        }
        for (int i = lo + 1; i <= hi && ok_; ++i) {
            if (in_span(p(i - 1), p(i), x_)) return i - 1;
        }
        return hi;
    }

    const LongitudeFn& lambda_;
    const double year_, z_, x_;
    bool ok_ = true;
    int mon_ = 0;
    double hyear_ = 0.0, hmon_ = 0.0, hday_ = 0.0;
    Memo months_, days_, hours_;
};

}  // namespace

bool predict_search(const LongitudeFn& LAMBDA, std::int32_t IZONE, std::int32_t IYEAR, double LON, double YEAR,
                    double& MON, double& DAY, double& HOUR, double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = static_cast<double>(IZONE);
    const std::int32_t iyear = IYEAR;
    const double year = YEAR;
    const double x = wanted_longitude(LON);
    if (!(x >= 0.0 && x <= 360.0 && std::isfinite(year))) return false;

    PredictedLevels levels(LAMBDA, year, z, x);
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
    std::int32_t iyadd = 0;
    search_year(levels, z, iyear, year, mon, day, hour, minute, second, iyadd);
    if (!levels.ok()) return false;

    MON = mon;
    DAY = day;
    HOUR = hour;
    MINUTE = minute;
    SECOND = second;
    IYADD = iyadd;
    return true;
}

}  // namespace solarlon::detail
