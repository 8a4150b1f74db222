// Menu 5  A file of longitudes (degrees, one per line) to ".THJ" records (F5.1,I5,3I3): longitude,
//         year, month, day and hour (UT) at which the Sun reaches it in 2000.
#include <solarlon/solar.hpp>
#include <solarlon/util.hpp>

#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

void mode_longitudes_file(Console& con, const sun::Equinox& eq) {
    const double EQX = eq.eq();
    static const std::int32_t IZONE = 0, IYEAR = 2000;
    static const double YEAR = 2000.0;
    double LON = 0.0;  // a slash on the first line converts 0
    std::string rec;   // one buffer for every record
    // Every record is one conversion: the closing word gives one count.
    convert_file(con, con.T.MODE5_PROMPT, ".THJ", false,
                 [&](io::RecordReader& in, io::RecordWriter& out, FileCounts& n) {
                     if (io::read_free(in, LON) == io::Free::End) return false;
                     double MON = 0.0, DAY = 0.0, HOUR = 0.0, MINUTE = 0.0, SECOND = 0.0;
                     std::int32_t IYADD = 0;
                     SUNTIM(EQX, IZONE, IYEAR, LON, YEAR, MON, DAY, HOUR, MINUTE, SECOND, IYADD);
                     rec.clear();
                     rec += io::format_f(LON, 5, 1);
                     rec += io::format_i(YEAR + IYADD, 5);
                     for (double v : {MON, DAY, HOUR}) rec += io::format_i(nint(v), 3);
                     out.record(rec);
                     ++n.records;
                     ++n.converted;
                     return true;
                 });
}

}  // namespace solarlon::driver
