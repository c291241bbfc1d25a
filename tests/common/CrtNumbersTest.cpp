// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CrtNumbers.h"

#include <gtest/gtest.h>

namespace tilora {
namespace {

TEST(CrtNumbersTest, AtoIReadsAsTheCLibraryDoes)
{
    EXPECT_EQ(AtoI("42"), 42);
    EXPECT_EQ(AtoI("  \t42abc"), 42);
    EXPECT_EQ(AtoI("-17"), -17);
    EXPECT_EQ(AtoI("+8"), 8);
    EXPECT_EQ(AtoI("abc"), 0);
    EXPECT_EQ(AtoI(""), 0);
    EXPECT_EQ(AtoI("- 5"), 0);
    EXPECT_EQ(AtoI(std::string_view("12\0" "34", 5)), 12);
    EXPECT_EQ(AtoI("4294967297"), 1);  // wraps instead of undefined behaviour
}

TEST(CrtNumbersTest, ItoAWritesPlainDecimal)
{
    EXPECT_EQ(ItoA(0), "0");
    EXPECT_EQ(ItoA(125), "125");
    EXPECT_EQ(ItoA(-40), "-40");
    EXPECT_EQ(ItoA(-2147483647 - 1), "-2147483648");
}

}  // namespace
}  // namespace tilora
