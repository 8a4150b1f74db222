// RUN  (placeholder)
#include "driver/driver.hpp"
namespace solarlon::driver {
int run(std::istream&, std::ostream&) { return 0; }
}  // namespace solarlon::driver
