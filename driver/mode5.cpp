// Menu 5  A file of longitudes (degrees, one per line) to ".THJ" records (F5.1,I5,3I3): longitude,
//         year, month, day and hour (UT) at which the Sun reaches it in 2000.
#include "driver/detail.hpp"
#include "driver/texts.hpp"
#include <solarlon/solar.hpp>

namespace solarlon::driver {

void mode_longitudes_file(Console& con, const double& EQX) {
    FilePair f = open_file_pair(con, con.T.MODE5_PROMPT, ".THJ");
    io::RecordReader in(*f.in, f.in_name);
    io::RecordWriter out(*f.out, f.out_name);
    static const std::int32_t IZONE = 0, IYEAR = 2000;
    static const double YEAR = 2000.0;
    double LON = 0.0;  // a slash on the first line converts 0
    long records = 0;
    std::string rec;   // one buffer for every record
    try {
    while (io::read_free(in, LON) != io::Free::End) {
        double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
        std::int32_t IYADD = 0;
        SUNTIM(EQX, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
        rec.clear();
        rec += io::format_f(LON, 5, 1);
        rec += io::format_i(YEAR + IYADD, 5);
        for (double v : {MON, DAY, HOUR}) rec += io::format_i(io::nint(v), 3);
        out.record(rec);
        ++records;
    }
    out.flush();
    } catch (...) {
        abandon(f);
        throw;
    }
    say_done(con, f, records);
}

}  // namespace solarlon::driver
