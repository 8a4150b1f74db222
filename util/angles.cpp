// HMSDEG, DMSDEG, DEGDMS, DEGHMS  Sexagesimal angles to and from decimal degrees.
#include <cmath>
#include <cstdint>

#include <solarlon/util.hpp>

namespace solarlon {

double HMSDEG(const std::int32_t& H, const std::int32_t& M, const double& S) {
    const double hours = static_cast<double>(M) / 60.0 + static_cast<double>(H) + S / 3600.0;
    return hours * 15.0;
}

double DMSDEG(const std::int32_t& D, const std::int32_t& M, const double& S) {
    const double d =
        std::fabs(static_cast<double>(D)) + std::fabs(static_cast<double>(M)) / 60.0 + std::fabs(S) / 3600.0;
    return (D < 0 || M < 0 || S < 0.0) ? -d : d;
}

void DEGDMS(const double& DEG, std::int32_t& D, std::int32_t& M, double& S) {
    // The sign stays on the first non-zero part: later parts are made positive.
    double s = DEG;
    const std::int32_t d = to_int32(s);
    s = (s - static_cast<double>(d)) * 60.0;  // arcminutes with fraction
    if (d != 0) s = std::fabs(s);
    const std::int32_t m = to_int32(s);
    s = (s - static_cast<double>(m)) * 60.0;  // arcseconds
    if (m != 0) s = std::fabs(s);
    D = d;
    M = m;
    S = s;
}

void DEGHMS(const double& DEG, std::int32_t& H, std::int32_t& M, double& S) {
    double s = DEG / 15.0;  // hours
    if (s < 0.0) s = s + 24.0;
    const std::int32_t h = to_int32(s);
    s = (s - static_cast<double>(h)) * 60.0;  // minutes with fraction
    const std::int32_t m = to_int32(s);
    s = (s - static_cast<double>(m)) * 60.0;  // seconds
    H = h;
    M = m;
    S = s;
}

}  // namespace solarlon
