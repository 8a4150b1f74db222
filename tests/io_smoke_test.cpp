#include <gtest/gtest.h>
#include "io/io.hpp"
TEST(Shown, EscapesControlBytes) { EXPECT_EQ(solarlon::io::shown(std::string("a\0b", 3)), "'a\\x00b'"); }
