// The defined routines, as they are called: the Sun's geometric longitude at 2000 January 1, 12 h UT,
// referred to the equinox of date, and the instant of the 2027 winter solstice (longitude 270, equinox
// of date) in JST. longitude.cpp does the same through <solarlon/sun.hpp>.
#include <cstdint>
#include <cstdio>

#include <solarlon/solar.hpp>

int main() {
    const double EQ = 0.0;  // the equinox of the instant itself
    double delt = 0, lon = 0, rv = 0, x = 0, y = 0, z = 0;
    solarlon::SUNLNG(EQ, 2000, 1, 1, 12, 0, 0, delt, lon, rv, x, y, z);
    std::printf("2000-01-01 12:00 UT  longitude %.5f\n", lon);

    const std::int32_t JST = 9, IYEAR = 2027;
    double mon = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::int32_t iyadd = 0;  // 1 when the instant falls on January 1 of the next year
    solarlon::SUNTIM(EQ, JST, IYEAR, 270.0, IYEAR, mon, day, hour, minute, second, iyadd);
    std::printf("2027 winter solstice %04d-%02d-%02d %02d:%02d:%04.1f JST\n", IYEAR + iyadd, static_cast<int>(mon),
                static_cast<int>(day), static_cast<int>(hour), static_cast<int>(minute), second);
    return 0;
}
