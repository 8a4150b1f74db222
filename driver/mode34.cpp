// Menus 3 and 4  Year and longitude typed by hand to the instant the Sun reaches the longitude:
//                JST date and time (I5, 5I3), or UT date with a decimal day (I5, I3, F7.3).
#include <cmath>
#include <cstdlib>
#include <string>

#include <solarlon/equinox.hpp>
#include <solarlon/io.hpp>
#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>
#include <solarlon/util.hpp>

#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

namespace {

// How far the longitude at the instant found may be from the one asked, degrees: about 9 s of the
// Sun's motion. The interpolation inside the hour errs by under 1e-6 degree (with the step that Delta T
// takes at midnight, some 0.4 s of time even 20,000 years out); where the series or the precession no
// longer give a longitude that grows through the year, the search's answer misses by degrees.
constexpr double kMiss = 1.0e-4;

// reaches  Whether the Sun's longitude at the instant found is LON.
//  Given:    EQX, IZONE, YEAR, LON   as SUNTIM
//            MON..SECOND, IYADD      SUNTIM's instant, in the zone, in the year YEAR + IYADD
//  Notes:    one more SUNLON, at the instant as found, so a fraction of a second is not rounded away.
bool reaches(double EQX, std::int32_t IZONE, double YEAR, double LON, double MON, double DAY, double HOUR,
             double MINUTE, double SECOND, std::int32_t IYADD) {
    const double year = YEAR + IYADD, hour = HOUR - IZONE;
    double lon = 0.0;
    SUNLON(EQX, year, MON, DAY, hour, MINUTE, SECOND, lon);
    return std::fabs(std::remainder(lon - LON, 360.0)) <= kMiss;  // false for NaN
}

// days_in_month  Days of month M (1..12, a whole number) of the Gregorian year Y (a whole number).
double days_in_month(double Y, double M) { return month_days(Y, static_cast<int>(M)); }

bool whole_in(double v, double lo, double hi) { return v == std::floor(v) && v >= lo && v <= hi; }

// Whether the record's fields name a date (the day as printed, F7.3, for menu 4) and a time of day.
bool shows_date(const sun::Instant& t) {
    return whole_in(t.month, 1.0, 12.0) && whole_in(t.day, 1.0, days_in_month(t.year, t.month)) &&
           whole_in(t.hour, 0.0, 23.0) && whole_in(t.minute, 0.0, 59.0) && whole_in(t.second, 0.0, 59.0);
}

bool shows_date(const sun::DecimalDate& d, const std::string& day) {
    const double printed = std::strtod(day.c_str(), nullptr);  // 0 for a field of asterisks
    return whole_in(d.month, 1.0, 12.0) && printed >= 1.0 && printed < days_in_month(d.year, d.month) + 1.0;
}

// Found  One answer of menu 3 or 4: its record, and whether the instant is the longitude's passage.
struct Found {
    std::string rec;
    bool placed;
};

// found  The instant of LON (degrees, [0, 360]) in YEAR (whole) as menu 3 (JST) or 4 (UT) prints it.
Found found(const Console& con, double EQX, std::int32_t IZONE, double YEAR, double LON, bool jst) {
    const std::int32_t IYEAR = to_int32(YEAR);
    double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
    std::int32_t IYADD = 0;
    SUNTIM(EQX, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
    // The year printed is the typed year (the next one when the Sun reaches the longitude only after
    // the year's end); the date and time are printed as a valid instant.
    const sun::Instant at{YEAR + IYADD, MON, DAY, HOUR, MINUTE, SECOND, static_cast<double>(IZONE)};
    Found f{std::string(jst ? con.T.MODE3_RESULT : con.T.MODE4_RESULT),
            reaches(EQX, IZONE, YEAR, LON, MON, DAY, HOUR, MINUTE, SECOND, IYADD)};
    if (jst) {
        const sun::Instant t = sun::to_second(at);
        f.placed = f.placed && shows_date(t);
        f.rec += io::format_i(t.year, 5);
        for (double v : {t.month, t.day, t.hour, t.minute, t.second}) f.rec += io::format_i(v, 3);
    } else {
        const sun::DecimalDate d = sun::decimal_date(at);
        const std::string day = io::format_f(d.day, 7, 3);
        f.placed = f.placed && shows_date(d, day);
        f.rec += io::format_i(d.year, 5);
        f.rec += io::format_i(d.month, 3);
        f.rec += day;
    }
    return f;
}

}  // namespace

void mode_longitude_to_date(Console& con, const sun::Equinox& eq, bool jst) {
    const double EQX = eq.eq();
    const std::int32_t IZONE = jst ? 9 : 0;
    double V[6];
    std::string typed_year, typed_lon;
    while (read_typed(con, con.T.MODE34_PROMPT, 2, V, true, &typed_year, &typed_lon)) {
        const double YEAR = V[0];  // a whole number, as typed
        double LON = V[1];
        // A longitude beyond a turn is its remainder, which fmod gives exactly (1e20 is 280 degrees).
        if (!(LON >= 0.0 && LON <= 360.0)) {
            LON = std::fmod(LON, 360.0);
            if (LON < 0.0) LON += 360.0;
        }
        Found f = found(con, EQX, IZONE, YEAR, LON, jst);
        // A year in which the search finds no passage (the theory's longitude no longer runs through
        // the year there) is named; where the year places another longitude, this longitude is. The
        // prompt comes again.
        if (!f.placed) {
            const bool year_at_fault = !found(con, EQX, IZONE, YEAR, 0.0, jst).placed;
            f.rec = year_at_fault ? std::string(con.T.YEAR_OUT_OF_RANGE) + io::escaped(typed_year)
                                  : std::string(con.T.LONGITUDE_NOT_PLACED) + io::escaped(typed_lon);
        }
        con.out.record(f.rec);
    }
}

}  // namespace solarlon::driver
