// Menu 1  Date and time in JST typed by hand to the Sun's longitude (F10.5, degrees).
#include <solarlon/solar.hpp>

#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

void mode_jst_to_longitude(Console& con, const sun::Equinox& eq) {
    const double EQX = eq.eq();
    double V[6];
    while (read_typed(con, con.T.MODE1_PROMPT, 6, V)) {
        const double hour = V[3] - 9.0;  // JST to UT; the day is carried by SUNLNG
        double LON = 0.0;
        SUNLON(EQX, V[0], V[1], V[2], hour, V[4], V[5], LON);  // SUNLNG's longitude, nothing else
        con.out.record(std::string(con.T.MODE1_RESULT) + io::format_f(LON, 10, 5));
    }
}

}  // namespace solarlon::driver
