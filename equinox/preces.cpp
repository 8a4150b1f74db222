// PRECES  (placeholder: identity until the precession lands)
#include "equinox/equinox.hpp"
namespace solarlon {
void PRECES(const double&, const double&, double&, double&, double&) {}
}  // namespace solarlon
