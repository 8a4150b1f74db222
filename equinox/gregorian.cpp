// leap_year, month_days  The Gregorian calendar's rule of leap years, written once.
#include <cmath>

#include <solarlon/equinox.hpp>

namespace solarlon {

bool leap_year(double year) {
    return std::fmod(year, 4.0) == 0.0 && (std::fmod(year, 100.0) != 0.0 || std::fmod(year, 400.0) == 0.0);
}

int month_days(double year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[month - 1] + (month == 2 && leap_year(year) ? 1 : 0);
}

}  // namespace solarlon
