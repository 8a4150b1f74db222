// GETNUM  (placeholder)
#include "util/util.hpp"
namespace solarlon {
void GETNUM(const std::string&, const std::int32_t&, std::int32_t& COUNT, double& V1, double& V2,
            double& V3, double& V4, double& V5, double& V6) {
    COUNT = 0;
    V1 = V2 = V3 = V4 = V5 = V6 = 0.0;
}
}  // namespace solarlon
