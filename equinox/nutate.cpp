// NUTATE  (placeholder: identity until the nutation lands)
#include "equinox/equinox.hpp"
namespace solarlon {
void NUTATE(const std::int32_t&, const double&, const double&, const double&, const double&,
            const double&, const double&, double&, double&, double&) {}
}  // namespace solarlon
