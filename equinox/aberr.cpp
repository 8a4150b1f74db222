// ABERR  (placeholder: identity until the aberration lands)
#include "equinox/equinox.hpp"
namespace solarlon {
void ABERR(const std::int32_t&, const double&, const double&, const double&, const double&,
           const double&, const double&, double&, double&, double&, const double&) {}
}  // namespace solarlon
