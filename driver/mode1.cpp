// Menu 1  Date and time in JST typed by hand to the Sun's longitude (F10.5, degrees).
#include <solarlon/sun.hpp>

#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

void mode_jst_to_longitude(Console& con, const sun::Equinox& eq) {
    double V[6];
    while (read_typed(con, con.T.MODE1_PROMPT, 6, V)) {
        // SUNLNG's longitude at the JST instant, as the classic theory gives it (the day carried by SUNLNG)
        const double LON = sun::Theory::classic.longitude(sun::jst(V[0], V[1], V[2], V[3], V[4], V[5]), eq);
        con.out.record(std::string(con.T.MODE1_RESULT) + io::format_f(LON, 10, 5));
    }
}

}  // namespace solarlon::driver
