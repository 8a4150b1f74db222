// DELTAT  (placeholder)
#include "solar/solar.hpp"
namespace solarlon {
void DELTAT(const double&, const double&, const double&, double& DELT) { DELT = 0.0; }
}  // namespace solarlon
