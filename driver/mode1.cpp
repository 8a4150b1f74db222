// Menu 1  Date and time in JST typed by hand to the Sun's longitude (F10.5, degrees).
#include "driver/console.hpp"
#include "driver/texts.hpp"
#include "solar/solar.hpp"

namespace solarlon::driver {

void mode_jst_to_longitude(Console& con, const double& EQX) {
    double V[6];
    while (read_typed(con, texts::MODE1_PROMPT, V)) {
        const double hour = V[3] - 9.0;  // JST to UT; the day is carried by SUNLNG
        double DELT = 0.0, LON = 0.0, RV = 0.0, X = 0.0, Y = 0.0, Z = 0.0;
        SUNLNG(EQX, V[0], V[1], V[2], hour, V[4], V[5], DELT, LON, RV, X, Y, Z);
        con.out.record(std::string(texts::MODE1_RESULT) + io::format_f(LON, 10, 5));
    }
}

}  // namespace solarlon::driver
