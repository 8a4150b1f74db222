// URAND, URGET, URRESET  Uniform deviates from the run-long additive generator.
#include <cstdint>

#include <solarlon/util.hpp>

#include "seams.hpp"

namespace solarlon {

namespace {

constexpr URSTATE kStart = {65010871, 86268900};  // starting values of every run
constexpr std::int32_t kModulus = 100000001;

// The generator state: the only value of the library that lives for the whole run. S1 and S2 stay
// in 0..100000000 after the first draw, so their sum never leaves the 32-bit range.
URSTATE state = kStart;

}  // namespace

void URAND(double& U) {
    const std::int32_t k = state.S2 + state.S1;
    state.S2 = state.S1;
    state.S1 = k % kModulus;
    U = static_cast<double>(state.S2) / 100000000.0;
}

URSTATE URGET() { return state; }

void URRESET() { state = kStart; }

}  // namespace solarlon
