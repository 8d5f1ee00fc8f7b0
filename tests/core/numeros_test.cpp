#include <gtest/gtest.h>

#include "frame/core/numeros.h"

TEST(LeerNumero, BlanksBetweenDigitsAreSkipped) { EXPECT_DOUBLE_EQ(LeerNumero(" 1 2"), 12.0); }
