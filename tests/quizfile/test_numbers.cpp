#include "quizfile/Numbers.h"

#include <gtest/gtest.h>

using namespace quizfile;

TEST(Numbers, LeadingNumberTable)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"", 0}, {"abc", 0}, {"1.5abc", 1.5}, {"  42", 42}, {"-3", -3}, {"2.70 <SEQQ>", 2.7},
        {".5", 0.5}, {"1e2x", 100}, {"2e", 2}, {"-", 0}, {"1:30", 1}, {"12.", 12},
        {"1e999999", 0}, // would overflow: no number rather than infinity
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(Numbers, RoundingRules)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(90.4), 90);
    EXPECT_EQ(roundHalfAway(62.5), 63);
    EXPECT_EQ(roundHalfAway(-62.5), -63);
    EXPECT_EQ(roundHalfEven(1e300), 9'000'000'000'000'000'000LL);
}

TEST(Numbers, Formatting)
{
    EXPECT_EQ(percentText(3, 4), "75%");
    EXPECT_EQ(percentText(5, 8), "63%"); // 62.5 rounds up
    EXPECT_EQ(percentText(1, 3), "33%");
    EXPECT_EQ(zeroPadded(1, 4), "0001");
    EXPECT_EQ(zeroPadded(9999, 4), "9999");
    EXPECT_EQ(zeroPadded(5, 2), "05");
    EXPECT_EQ(zeroPadded(123, 2), "123");
    EXPECT_EQ(shortNumberText(2.82), "2.82");
    EXPECT_EQ(shortNumberText(1200), "1200");
    EXPECT_EQ(shortNumberText(1234.5), "1234.5");
}
