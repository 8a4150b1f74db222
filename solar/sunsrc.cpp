// SUNSRC, SUNFST  The grid search behind SUNTIM, literally and with few evaluations.
//
// Both search one calendar year of the zone for the instant at which the longitude supplied by
// LAMBDA reaches LON: the month by the longitudes at 0 h of the 1st of each month, the day by those at
// 0 h of each day of that month, the hour by those at each hour of that day; then a linear
// interpolation inside the hour. At each level a span runs from one grid value (inclusive) to the next
// (exclusive), a span whose end is below its start crossing 0 degrees; the last span of a level is not
// tested and is taken when no other holds the longitude. SUNSRC tests the spans in order; SUNFST
// predicts the span and confirms it with its two ends. What follows the searches (the day's end, the
// year's end) is one piece of code for both.
//
//  Called:   LAMBDA, SINCOSD
#include <cmath>
#include <cstdint>

#include "solar/tables.hpp"
#include "solar/trig.hpp"

namespace solarlon {

namespace {

// Whether the longitude X lies in the span from L0 (inclusive) to L1 (exclusive); a span whose end is
// below its start crosses 0 degrees and is taken from L0 - 360.
bool inspan(double l0, const double& l1, const double& x) {
    if (l0 > l1) l0 = l0 - 360.0;
    return (l0 <= x && x < l1) || (l0 <= x - 360.0 && x - 360.0 < l1);
}

// Fraction of the hour from the longitude L0 at its start to L2 at its end at which X is reached; 1 or
// more past its end.
double fraction(const double& l0, const double& l2, const double& x) {
    double dl = l2 - l0;
    if (dl < 0.0) dl = dl + 360.0;
    double dx = x - l0;
    if (dx < 0.0) dx = dx + 360.0;
    if (dx >= 360.0) dx = dx - 360.0;  // 360 wanted where the hour opens at exactly 0
    return dx / dl;
}

// The outcome of the hour search and the interpolation on one day of the zone.
struct HourFit {
    double hour;  // UT hour that opens the interpolated hour: -z (0 h of the zone) .. 23 - z
    double fr;    // fraction of that hour at which the longitude is reached; 1 or more past its end
    bool found;   // a tested span held the longitude (else the day's last hour was taken)
};

// The wanted longitude in [0, 360]: whole turns off a value outside it (NaN stays NaN).
double wanted(const double& lon) {
    double x = lon;
    if (!(x >= 0.0 && x <= 360.0)) {
        x = std::fmod(x, 360.0);
        if (x < 0.0) x = x + 360.0;
    }
    return x;
}

// The search, with the levels found by FIND: FIND.month() gives the month, FIND.day(MON, NDAYS) the
// day, FIND.hours(YEAR, MON, DAY) the hour and its fraction.
template <class Finder>
void search(Finder& find, const double& z, const std::int32_t& iyear, const double& year, double& MON,
            double& DAY, double& HOUR, double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const int mon = find.month();
    const int leap = (iyear % 4 == 0) ? 1 : 0;
    const int ndays = MONTH[leap][mon - 1];
    const int day = find.day(mon, ndays);

    HourFit fit = find.hours(year, mon, day);
    double omon = static_cast<double>(mon), oday = static_cast<double>(day);
    double ohour = fit.hour + z;  // hour of the zone
    double fr = fit.fr;
    std::int32_t iyadd = 0;

    if (fr >= 1.0) {
        if (fit.found) {
            // Inside the day, past the hour's end by rounding only: the start of the next hour.
            ohour = ohour + 1.0;
            fr = fr - 1.0;
        } else if (!(mon == 12 && day == ndays)) {
            // Past the day's end in the gap before the next day's 0 h: 0 h of the next day.
            ohour = 0.0;
            fr = fr - 1.0;
            if (day < ndays) {
                oday = static_cast<double>(day + 1);
            } else {
                omon = static_cast<double>(mon + 1);
                oday = 1.0;
            }
        } else {
            // Not reached within the year: the first hours of January 1 of the next year.
            iyadd = 1;
            omon = 1.0;
            oday = 1.0;
            const double next = year + 1.0;
            fit = find.hours(next, 1, 1);
            if (fit.found) {
                ohour = fit.hour + z;
                fr = fit.fr;
                if (fr >= 1.0) {  // rounding at the hour's end
                    ohour = ohour + 1.0;
                    fr = fr - 1.0;
                }
            } else {
                // Below the first value of the day by rounding: the turn of the year itself (a YEAR
                // with a fraction may also leave a wider gap).
                ohour = 0.0;
                fr = 0.0;
            }
        }
    }

    const double minute = std::trunc(60.0 * fr);
    const double second = (fr - minute / 60.0) * 3600.0;

    MON = omon;
    DAY = oday;
    HOUR = ohour;
    MINUTE = minute;
    SECOND = second;
    IYADD = iyadd;
}

// ---------------------------------------------------------------- every span in order

class Scan {
public:
    Scan(const detail::SUNFN& lam, const double& year, const double& z, const double& x)
        : lam_(lam), year_(year), z_(z), x_(x) {}

    // Spans between 0 h (zone) of the 1st of consecutive months; December is the fall-back.
    int month() const {
        double l0 = lam_(year_, 1.0, 1.0, -z_);
        for (int i = 2; i <= 12; ++i) {
            const double l1 = lam_(year_, static_cast<double>(i), 1.0, -z_);
            if (inspan(l0, l1, x_)) return i - 1;
            l0 = l1;
        }
        return 12;
    }

    // Spans between 0 h of consecutive days; the month's last day is the fall-back.
    int day(const int& mon, const int& ndays) const {
        const double m = static_cast<double>(mon);
        double l0 = lam_(year_, m, 1.0, -z_);
        for (int j = 2; j <= ndays; ++j) {
            const double l1 = lam_(year_, m, static_cast<double>(j), -z_);
            if (inspan(l0, l1, x_)) return j - 1;
            l0 = l1;
        }
        return ndays;
    }

    // Spans between whole hours of the zone, the last hour the fall-back; then the interpolation, its
    // two ends evaluated afresh (the end of the last hour is 0 h of the next day).
    HourFit hours(const double& year, const int& mon, const int& day) const {
        const double m = static_cast<double>(mon), d = static_cast<double>(day);
        double l0 = lam_(year, m, d, -z_);
        double hour = 23.0 - z_;
        bool found = false;
        for (int k = 1; k <= 23; ++k) {
            const double h = static_cast<double>(k) - z_;
            const double l1 = lam_(year, m, d, h);
            if (inspan(l0, l1, x_)) {
                hour = h - 1.0;
                found = true;
                break;
            }
            l0 = l1;
        }
        l0 = lam_(year, m, d, hour);
        const double l2 = lam_(year, m, d, hour + 1.0);
        return HourFit{hour, fraction(l0, l2, x_), found};
    }

private:
    const detail::SUNFN& lam_;
    const double year_, z_, x_;
};

// ---------------------------------------------------------------- predicted spans

// Days from JD 2440000.0 of 0 h of a date of the grid, by the calendar arithmetic of SUNLNG (January
// and February as months 13 and 14 of the year before); UT, so some seconds off dynamical time.
double epochday(const double& year, const double& mon, const double& day) {
    double y = year, m = mon;
    if (!(m > 2.5)) {
        y = y - 1.0;
        m = m + 12.0;
    }
    return std::trunc(365.25 * y + 0.000001) + std::trunc(y / 400.0 + 0.000001) -
           std::trunc(y / 100.0 + 0.000001) + std::trunc(30.59 * (m - 2.0) + 0.000001) + day - 678912.0 -
           39999.5;
}

// Days that the Sun takes to advance by U degrees (0 to 360) from the instant D days after
// JD 2440000.0: the mean motion in longitude with the equation of the centre in M and 2M, solved by
// two Newton steps. Good to some 0.005 day, the lunar and planetary terms left out.
double advance(const double& d, const double& u) {
    static constexpr double N = 0.985609104;  // mean motion in longitude, degrees a day
    static constexpr double K = 0.9856003;    // mean motion in anomaly
    const double m0 = 138.77 + K * d;
    double s = 0.0, c = 0.0;
    detail::SINCOSD(m0, s, c);
    const double c0 = 1.91618 * s + 0.02003 * 2.0 * s * c;
    double t = u / N;
    for (int i = 0; i < 2; ++i) {
        detail::SINCOSD(m0 + K * t, s, c);
        const double f = N * t + 1.91618 * s + 0.02003 * 2.0 * s * c - c0 - u;
        const double fp = N + (1.91618 * c + 0.04006 * (c - s) * (c + s)) * K * detail::RAD;
        t = t - f / fp;
    }
    return t;
}

// Forward arc from the longitude A to B, degrees, [0, 360).
double arc(const double& a, const double& b) {
    double r = b - a;
    if (r < 0.0) r = r + 360.0;
    if (r >= 360.0) r = r - 360.0;
    return r;
}

// Whether X lies on the arc from A (inclusive) forward to B (exclusive), by comparisons alone (360 is
// 0). For an arc shorter than 180 degrees this is the span test: there L0 - 360 is exact where it
// counts. The long arc that closes a level must be tested so, since L0 - 360 rounds when L0 is below
// 180.
bool inarc(double a, double b, double x) {
    if (a == 360.0) a = 0.0;
    if (b == 360.0) b = 0.0;
    if (x == 360.0) x = 0.0;
    return (a <= b) ? (a <= x && x < b) : (a <= x || x < b);
}

// Whole number in LO..HI nearest below V (LO for NaN).
int clampdown(const double& v, const int& lo, const int& hi) {
    const double f = std::floor(v);
    if (!(f >= static_cast<double>(lo))) return lo;
    if (f > static_cast<double>(hi)) return hi;
    return static_cast<int>(f);
}

// The grid values of one level, evaluated once each on demand. Points LO..HI; P(I) is the longitude
// at point I.
class Chain {
public:
    static constexpr int SIZE = 32;
    void reset() {
        for (bool& k : known_) k = false;
    }
    bool known(const int& i) const { return known_[i]; }
    void set(const int& i, const double& v) {
        val_[i] = v;
        known_[i] = true;
    }
    const double& value(const int& i) const { return val_[i]; }

private:
    double val_[SIZE] = {};
    bool known_[SIZE] = {};
};

class Fast {
public:
    Fast(const detail::SUNFN& lam, const double& year, const double& z, const double& x)
        : lam_(lam), year_(year), z_(z), x_(x) {
        months_.reset();
        days_.reset();
        hours_.reset();
    }

    // False when a value came out of [0, 360] (or NaN); the answer must then come from the scan.
    bool ok() const { return ok_; }

    int month() {
        mon_ = 0;
        const auto p = [this](const int& i) { return mpoint(i); };
        // Predicted from January 1 by the mean motion and the equation of the centre.
        const double jan = epochday(year_, 1.0, 1.0);
        const double t = advance(jan - z_ / 24.0, arc(mpoint(1), x_));
        int guess = 1;
        for (int i = 2; i <= 12; ++i) {
            if (epochday(year_, static_cast<double>(i), 1.0) - jan <= t) guess = i;
        }
        return level(p, 1, 12, guess);
    }

    int day(const int& mon, const int& ndays) {
        mon_ = mon;
        days_.reset();
        if (months_.known(mon)) days_.set(1, months_.value(mon));  // the same point, (mon, 1, -z)
        const auto p = [this](const int& j) { return dpoint(j); };
        const double m = static_cast<double>(mon);
        const double t = advance(epochday(year_, m, 1.0) - z_ / 24.0, arc(dpoint(1), x_));
        return level(p, 1, ndays, 1 + clampdown(t, 0, ndays - 1));
    }

    HourFit hours(const double& year, const int& mon, const int& day) {
        hyear_ = year;
        hmon_ = static_cast<double>(mon);
        hday_ = static_cast<double>(day);
        hours_.reset();
        const bool sameday = (year == year_ && mon == mon_);
        if (sameday && days_.known(day)) hours_.set(0, days_.value(day));  // (mon, day, -z)
        const auto p = [this](const int& k) { return hpoint(k); };

        // Predicted by the line between this day's 0 h and the next day's, or else by the motion.
        const double l0 = hpoint(0);
        double t = 0.0;
        if (sameday && day + 1 < Chain::SIZE && days_.known(day + 1)) {
            const double len = arc(l0, days_.value(day + 1));
            t = 24.0 * arc(l0, x_) / len;
        } else {
            t = 24.0 * advance(epochday(year, hmon_, hday_) - z_ / 24.0, arc(l0, x_));
        }
        const int s = level(p, 0, 23, clampdown(t, 0, 23));

        // The scan's hour for the span found, and the interpolation between its two ends.
        const bool found = s < 23;
        const double hour = found ? (static_cast<double>(s + 1) - z_) - 1.0 : 23.0 - z_;
        return HourFit{hour, fraction(hpoint(s), hpoint(s + 1), x_), found};
    }

private:
    double check(const double& v) {
        if (!(v >= 0.0 && v <= 360.0)) ok_ = false;
        return v;
    }
    double mpoint(const int& i) {
        if (!months_.known(i)) months_.set(i, check(lam_(year_, static_cast<double>(i), 1.0, -z_)));
        return months_.value(i);
    }
    double dpoint(const int& j) {
        if (!days_.known(j))
            days_.set(j, check(lam_(year_, static_cast<double>(mon_), static_cast<double>(j), -z_)));
        return days_.value(j);
    }
    double hpoint(const int& k) {
        if (!hours_.known(k)) {
            const double h = (k == 0) ? -z_ : static_cast<double>(k) - z_;
            hours_.set(k, check(lam_(hyear_, hmon_, hday_, h)));
        }
        return hours_.value(k);
    }

    // The start S (LO..HI-1) of the span from P(S) to P(S+1) that holds X, or HI when none does, the
    // arc from P(HI) round to P(LO) holding it. The longitude grows along a level by less than a turn,
    // so these arcs part the circle: the span that holds X is the only one, hence the first that the
    // scan would meet. GUESS (LO..HI) is tried first; then jumps by the length of the span missed,
    // and when they fail, the literal scan of the level.
    template <class P>
    int level(const P& p, const int& lo, const int& hi, const int& guess) {
        int s = guess;
        for (int tries = 0; tries < 6 && ok_; ++tries) {
            const double a = p(s);
            const double b = (s < hi) ? p(s + 1) : p(lo);
            if (!ok_) break;
            if (s < hi) {
                // A tested span is short, or the longitude does not behave as the Sun's.
                const double len = arc(a, b);
                if (!(len > 0.0 && len < 90.0)) {
                    ok_ = false;
                    break;
                }
                if (inspan(a, b, x_)) return s;

                // Ahead by so many spans of this length, or behind.
                double off = x_ - a;
                if (off > 180.0) off = off - 360.0;
                if (off <= -180.0) off = off + 360.0;
                const double n = std::floor(off / len);
                const int t = (n >= static_cast<double>(hi - s + 1))   ? hi + 1
                              : (n <= static_cast<double>(lo - s - 1)) ? lo - 1
                              : s + (n == 0.0 ? (off < 0.0 ? -1 : 1) : static_cast<int>(n));
                s = (t < lo || t > hi) ? hi : t;  // past either end: the closing arc
            } else {
                if (inarc(a, b, x_)) return s;

                // Not on the closing arc: among the tested spans, by their mean length.
                const double len = arc(b, a) / static_cast<double>(hi - lo);
                if (!(len > 0.0)) break;
                s = lo + clampdown(arc(b, x_) / len, 0, hi - lo - 1);
            }
        }
        for (int i = lo + 1; i <= hi && ok_; ++i) {
            if (inspan(p(i - 1), p(i), x_)) return i - 1;
        }
        return hi;
    }

    const detail::SUNFN& lam_;
    const double year_, z_, x_;
    bool ok_ = true;
    int mon_ = 0;
    double hyear_ = 0.0, hmon_ = 0.0, hday_ = 0.0;
    Chain months_, days_, hours_;
};

}  // namespace

namespace detail {

void SUNSRC(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = static_cast<double>(IZONE);
    const std::int32_t iyear = IYEAR;
    const double year = YEAR;
    Scan scan(LAMBDA, year, z, wanted(LON));
    search(scan, z, iyear, year, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
}

void SUNFST(const SUNFN& LAMBDA, const std::int32_t& IZONE, const std::int32_t& IYEAR,
            const double& LON, const double& YEAR, double& MON, double& DAY, double& HOUR,
            double& MINUTE, double& SECOND, std::int32_t& IYADD) {
    const double z = static_cast<double>(IZONE);
    const std::int32_t iyear = IYEAR;
    const double year = YEAR;
    const double x = wanted(LON);
    if (x >= 0.0 && x <= 360.0 && std::isfinite(year)) {
        Fast fast(LAMBDA, year, z, x);
        double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;
        std::int32_t iyadd = 0;
        search(fast, z, iyear, year, mon, day, hour, minute, second, iyadd);
        if (fast.ok()) {
            MON = mon;
            DAY = day;
            HOUR = hour;
            MINUTE = minute;
            SECOND = second;
            IYADD = iyadd;
            return;
        }
    }
    Scan scan(LAMBDA, year, z, x);
    search(scan, z, iyear, year, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
}

}  // namespace detail

}  // namespace solarlon
