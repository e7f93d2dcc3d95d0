#include "common/NumberTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberToText, AndBigNumberToTextAreThePlainDigits) {
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(1234567), "1234567");
    EXPECT_EQ(NumberToText(4294967295u), "4294967295");
    EXPECT_EQ(BigNumberToText(0), "0");
    EXPECT_EQ(BigNumberToText(18446744073709551615ull), "18446744073709551615");
}

} // namespace
