// MONTH  Days in each month of a common year and of a leap year.
#include "tables.hpp"

namespace solarlon {

extern const std::int32_t MONTH[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // common year
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // leap year
};

}  // namespace solarlon
