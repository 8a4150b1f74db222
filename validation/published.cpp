// PUBLISHED  Equinoxes and solstices as published, UT to the minute.
//
// U.S. Naval Observatory, Astronomical Applications Department, "Earth's Seasons and Apsides"
// (the yearly tables of equinoxes and solstices, UT rounded to the minute), years 2000 and 2020-2026.
// The September equinox of 2000 is left out: its printed minute could not be confirmed.
#include "validation/validation.hpp"

namespace solarlon::validation {

extern const Published PUBLISHED[] = {
    {2000, 3, 20, 7, 35, 0.0},     {2000, 6, 21, 1, 48, 90.0},    {2000, 12, 21, 13, 37, 270.0},
    {2020, 3, 20, 3, 50, 0.0},     {2020, 6, 20, 21, 44, 90.0},   {2020, 9, 22, 13, 31, 180.0},
    {2020, 12, 21, 10, 2, 270.0},  {2021, 3, 20, 9, 37, 0.0},     {2021, 6, 21, 3, 32, 90.0},
    {2021, 9, 22, 19, 21, 180.0},  {2021, 12, 21, 15, 59, 270.0}, {2022, 3, 20, 15, 33, 0.0},
    {2022, 6, 21, 9, 14, 90.0},    {2022, 9, 23, 1, 4, 180.0},    {2022, 12, 21, 21, 48, 270.0},
    {2023, 3, 20, 21, 24, 0.0},    {2023, 6, 21, 14, 58, 90.0},   {2023, 9, 23, 6, 50, 180.0},
    {2023, 12, 22, 3, 27, 270.0},  {2024, 3, 20, 3, 6, 0.0},      {2024, 6, 20, 20, 51, 90.0},
    {2024, 9, 22, 12, 44, 180.0},  {2024, 12, 21, 9, 21, 270.0},  {2025, 3, 20, 9, 1, 0.0},
    {2025, 6, 21, 2, 42, 90.0},    {2025, 9, 22, 18, 19, 180.0},  {2025, 12, 21, 15, 3, 270.0},
    {2026, 3, 20, 14, 46, 0.0},    {2026, 6, 21, 8, 24, 90.0},    {2026, 9, 23, 0, 5, 180.0},
    {2026, 12, 21, 20, 50, 270.0},
};
extern const std::size_t PUBLISHED_COUNT = sizeof PUBLISHED / sizeof PUBLISHED[0];

const char* published_source() {
    return "U.S. Naval Observatory, Astronomical Applications Department, Earth's Seasons and Apsides";
}

}  // namespace solarlon::validation
