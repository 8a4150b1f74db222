// The apparent theory of a build without ERFA: its sources compiled as such a build has them.
#include <gtest/gtest.h>

#include <cmath>

#include "apparent/apparent.hpp"

namespace ap = solarlon::apparent;

// Refused: no theory, every answer NaN; the Delta T model, which needs no ERFA, still answers.
TEST(ApparentStub, RefusesWithoutErfa) {
    const double utc = 2461545.5;  // 2027 June 21
    EXPECT_FALSE(ap::available());
    EXPECT_EQ(ap::coverage(utc, 0.0), ap::Coverage::no_theory);
    EXPECT_TRUE(std::isnan(ap::tt_minus_utc(utc, 0.0)));
    EXPECT_TRUE(std::isnan(ap::longitude(utc, 0.0)));
    EXPECT_TRUE(std::isnan(ap::instant_of(2027, 9, 90).d2));
    for (const ap::Jd& t : ap::solar_terms(2027, 9)) EXPECT_TRUE(std::isnan(t.d1) && std::isnan(t.d2));
    EXPECT_NEAR(ap::delta_t_model(1950.0), 29.07, 1e-9);
}
