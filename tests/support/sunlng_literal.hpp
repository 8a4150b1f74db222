// sunlng_literal.hpp  SUNLNG by its formulas taken literally: the reference for SUNLNG's faster
//                     evaluation in the tests and the benchmarks, built into their support library
//                     only (the program never calls it).
#ifndef SOLARLON_TESTS_SUPPORT_SUNLNG_LITERAL_HPP
#define SOLARLON_TESTS_SUPPORT_SUNLNG_LITERAL_HPP

namespace solarlon::detail {

// sunlng_literal  SUNLNG by its formulas taken literally.
//  Given and returned: as SUNLNG
void sunlng_literal(const double& EQ, const double& YEAR, const double& MON, const double& DAY, const double& HOUR,
                    const double& MINUTE, const double& SECOND, double& DELT, double& LON, double& RV, double& X,
                    double& Y, double& Z);

}  // namespace solarlon::detail

#endif
