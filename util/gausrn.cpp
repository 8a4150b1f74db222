// GAUSRN  Approximately normal deviate from a sum of uniform deviates.
#include <cstdint>

#include <solarlon/util.hpp>

namespace solarlon {

void GAUSRN(const double& SIGMA, double& E) {
    // The sum of 50 uniform deviates has mean 25 and standard deviation sqrt(50/12) = 2.04; the
    // centred sum over 5 has a standard deviation of about 0.4072, which the last step removes.
    constexpr std::int32_t kCount = 50;
    const double sigma = SIGMA;  // read before E is drawn into, in case they are one variable
    double sum = 0.0;
    for (std::int32_t i = 0; i < kCount; ++i) {
        double u = 0.0;
        URAND(u);
        sum = sum + u;
    }
    double e = (sum - 25.0) / 5.0;
    e = e * sigma / 0.4072;
    E = e;
}

}  // namespace solarlon
