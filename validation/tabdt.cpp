// tabdt  Delta T = TT - UT1 from a table of values at five-year steps, interpolated linearly.
//
//  Notes:  1 1600.0 to 1950.0: the expressions of F. Espenak and J. Meeus, Five Millennium Canon of
//            Solar Eclipses (NASA/TP-2006-214141), which represent the historical values of
//            L. V. Morrison and F. R. Stephenson (2004) to about a second, evaluated at the years
//            shown and rounded to 0.1 s. Before 1800 the values rest on timings of eclipses and
//            occultations and are uncertain by several seconds (some 20 s in 1600).
//          2 1955.0 to 2020.0: observed TT - UT1 from the IERS, as tabulated in the Astronomical
//            Almanac.
//          3 Linear interpolation between entries five years apart departs from the underlying
//            curve by less than 1 s (worst about 1870, where Delta T fell fastest); a second of Delta
//            T is 0.04 arc second of solar longitude.
//  Called:   none
#include <cmath>
#include <cstddef>

#include "validation/validation.hpp"

namespace solarlon::validation {

namespace {

struct Entry {
    double year;  // at the start of the year
    double dt;    // seconds
};

constexpr Entry TABLE[] = {
    {1600, 120.0}, {1605, 114.7}, {1610, 108.8}, {1615, 102.3}, {1620, 95.4},  {1625, 88.1},  {1630, 80.6},
    {1635, 72.9},  {1640, 65.2},  {1645, 57.6},  {1650, 50.2},  {1655, 43.1},  {1660, 36.3},  {1665, 30.0},
    {1670, 24.4},  {1675, 19.4},  {1680, 15.3},  {1685, 12.1},  {1690, 9.9},   {1695, 8.8},   {1700, 8.8},
    {1705, 9.5},   {1710, 10.0},  {1715, 10.3},  {1720, 10.6},  {1725, 10.9},  {1730, 11.2},  {1735, 11.6},
    {1740, 12.1},  {1745, 12.7},  {1750, 13.4},  {1755, 14.1},  {1760, 14.9},  {1765, 15.6},  {1770, 16.3},
    {1775, 16.8},  {1780, 17.1},  {1785, 17.1},  {1790, 16.6},  {1795, 15.5},  {1800, 13.7},  {1805, 12.5},
    {1810, 12.5},  {1815, 12.6},  {1820, 11.9},  {1825, 10.0},  {1830, 7.7},   {1835, 5.9},   {1840, 5.5},
    {1845, 6.2},   {1850, 7.1},   {1855, 7.3},   {1860, 7.6},   {1865, 6.0},   {1870, 0.9},   {1875, -3.1},
    {1880, -5.0},  {1885, -5.6},  {1890, -6.1},  {1895, -6.2},  {1900, -2.8},  {1905, 3.8},   {1910, 10.4},
    {1915, 17.1},  {1920, 21.2},  {1925, 23.8},  {1930, 24.1},  {1935, 23.8},  {1940, 24.4},  {1945, 26.9},
    {1950, 29.1},  {1955, 31.07}, {1960, 33.15}, {1965, 35.73}, {1970, 40.18}, {1975, 45.48}, {1980, 50.54},
    {1985, 54.34}, {1990, 56.86}, {1995, 60.78}, {2000, 63.83}, {2005, 64.69}, {2010, 66.07}, {2015, 67.64},
    {2020, 69.36},
};

constexpr std::size_t N = sizeof(TABLE) / sizeof(TABLE[0]);

}  // namespace

bool tabdt(double year, double& dt) {
    const double y = year;
    if (!(y >= TABLE[0].year && y <= TABLE[N - 1].year)) return false;  // also NaN
    std::size_t i = static_cast<std::size_t>((y - TABLE[0].year) / 5.0);
    if (i > N - 2) i = N - 2;
    const double f = (y - TABLE[i].year) / (TABLE[i + 1].year - TABLE[i].year);  // 0..1
    dt = TABLE[i].dt + f * (TABLE[i + 1].dt - TABLE[i].dt);
    return true;
}

double tabdt_first() { return TABLE[0].year; }
double tabdt_last() { return TABLE[N - 1].year; }

const char* tabdt_source() {
    return "1600-1950: Espenak and Meeus (2006) expressions for the Morrison and Stephenson (2004) "
           "values; 1955-2020: observed TT - UT1 (IERS, Astronomical Almanac); five-year steps, "
           "linear interpolation";
}

}  // namespace solarlon::validation
