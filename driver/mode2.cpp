// Menu 2  A file of UT dates ("YYMMDD.dd" in columns 1-9) copied to ".SLG" with the Sun's longitude
//         (F7.3, degrees) in columns 11-17 of each date line; other lines are copied unchanged.
#include <cmath>
#include <cstring>

#include <solarlon/solar.hpp>
#include <solarlon/util.hpp>

#include "console/texts.hpp"
#include "detail.hpp"

namespace solarlon::driver {

namespace {

constexpr std::size_t kLine = 78;  // columns of a line that are read and copied

// FLINE is the line as read; the columns past its end are blanks.
bool is_date_line(const std::string& FLINE) {
    return FLINE.size() >= 8 && FLINE[6] == '.' && FLINE[7] >= '0' && FLINE[7] <= '9';
}

// The (2F2.0,F5.2) fields of a date line (columns past its end are blanks, which a field ignores).
void read_date(const std::string& FLINE, const std::string& file, long line_no, double& YY, double& MM, double& DD) {
    double y = 0.0, m = 0.0, d = 0.0;
    if (io::read_f(std::string_view(FLINE).substr(0, 2), 0, y) != io::Status::Ok ||
        io::read_f(std::string_view(FLINE).substr(2, 2), 0, m) != io::Status::Ok ||
        io::read_f(std::string_view(FLINE).substr(4, 5), 2, d) != io::Status::Ok)
        throw io::Failure(io::Kind::Input, "invalid date in line " + std::to_string(line_no) + " of " +
                                               io::shown(file) + ": " + io::shown(io::trimmed(FLINE)));
    YY = y;
    MM = m;
    DD = d;
}

}  // namespace

void mode_dates_file(Console& con, const sun::Equinox& eq) {
    const double EQX = eq.eq();
    std::string FLINE;  // one buffer for every line
    FLINE.reserve(kLine);
    convert_file(con, con.T.MODE2_PROMPT, ".SLG", true,
                 [&](io::RecordReader& in, io::RecordWriter& out, FileCounts& n) {
                     if (!in.read(FLINE, kLine)) return false;
                     ++n.records;
                     if (is_date_line(FLINE)) {
                         double YEAR = 0.0, MON = 0.0, DAY = 0.0;
                         read_date(FLINE, in.what(), n.records, YEAR, MON, DAY);
                         static constexpr double kCentury[2] = {2000.0, 1900.0};  // an index, not a guessed branch
                         YEAR += kCentury[YEAR > 29.999];  // 30..99 are 1930..1999, 0..29 are 2000..2029
                         const double whole = std::trunc(DAY);
                         const double HOUR = (DAY - whole) * 24.0;
                         double LON = 0.0;
                         SUNLON(EQX, YEAR, MON, whole, HOUR, 0.0, 0.0, LON);  // SUNLNG's longitude, nothing else
                         const std::string field = io::format_f(LON, 7, 3);   // 7 bytes: no allocation
                         if (FLINE.size() < 17) FLINE.resize(17, ' ');
                         std::memcpy(&FLINE[10], field.data(), 7);
                         ++n.converted;
                     }
                     PUTLIN(FLINE, static_cast<std::int32_t>(kLine),
                            out);  // without its trailing blanks; a blank line is an empty record
                     return true;
                 });
}

}  // namespace solarlon::driver
