// Menus 3 and 4  Year and longitude typed by hand to the instant the Sun reaches the longitude:
//                JST date and time (I5, 5I3), or UT date with a decimal day (I5, I3, F7.3).
#include <solarlon/solar.hpp>
#include <solarlon/sun.hpp>
#include <solarlon/util.hpp>

#include "driver/detail.hpp"
#include "driver/texts.hpp"

namespace solarlon::driver {

void mode_longitude_to_date(Console& con, double EQX, bool jst) {
    const std::int32_t IZONE = jst ? 9 : 0;
    double V[6];
    while (read_typed(con, con.T.MODE34_PROMPT, 2, V, true)) {
        const double YEAR = V[0];  // a whole number, as typed
        const double LON = V[1];
        const std::int32_t IYEAR = to_int32(YEAR);
        double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
        std::int32_t IYADD = 0;
        SUNTIM(EQX, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
        // The year printed is the typed year (the next one when the Sun reaches the longitude only
        // after the year's end); the date and time are printed as a valid instant.
        const sun::Instant at{YEAR + IYADD, MON, DAY, HOUR, MINUTE, SECOND, static_cast<double>(IZONE)};
        std::string rec(jst ? con.T.MODE3_RESULT : con.T.MODE4_RESULT);
        if (jst) {
            const sun::Instant t = sun::to_second(at);
            rec += io::format_i(t.year, 5);
            for (double v : {t.month, t.day, t.hour, t.minute, t.second}) rec += io::format_i(v, 3);
        } else {
            const sun::DecimalDate d = sun::decimal_date(at);
            rec += io::format_i(d.year, 5);
            rec += io::format_i(d.month, 3);
            rec += io::format_f(d.day, 7, 3);
        }
        con.out.record(rec);
    }
}

}  // namespace solarlon::driver
