// The Sun's geometric longitude at 2000 January 1, 12 h UT, referred to the equinox of date, and the
// instant of the 2027 winter solstice (longitude 270, equinox of date) in JST, through the typed
// interface, by the classic theory (Theory::apparent gives the almanac's apparent longitude instead).
// routines.cpp does the same with the routines it stands on.
#include <cstdio>

#include <solarlon/sun.hpp>

int main() {
    namespace sun = solarlon::sun;
    const sun::Equinox of_date = sun::Equinox::of_date();  // the mean equinox of date, for this theory
    const sun::Theory& classic = sun::Theory::classic;
    std::printf("2000-01-01 12:00 UT  longitude %.5f\n", sun::longitude(sun::utc(2000, 1, 1, 12), of_date, classic));

    const sun::Instant t = sun::instant_of(2027, 270.0, of_date, 9.0, classic);  // JST
    std::printf("2027 winter solstice %04.0f-%02.0f-%02.0f %02.0f:%02.0f:%04.1f JST\n", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
    return 0;
}
