#include "quizfile/Grammar.h"
#include "quizfile/Rng.h"

#include <gtest/gtest.h>

using namespace quizfile;

TEST(Grammar, KindTagTable)
{
    struct Case { const char* line; const char* kind; };
    const Case cases[] = {
        {"[bl]", "[BL]"}, {"[bL]", "[bL]"}, {"[Bl]", "[BL]"}, {"[eS]", "[eS]"}, {"[es]", "[ES]"},
        {"[fc]", "[FC]"}, {"[dd]", "[DD]"}, {"[so]", "[SO]"}, {"[mc]", "[MC]"},
        {"[pa]", "[PA]"}, {"[PT]", "[PT]"}, {"[PU]", ""}, {"  [BL]", ""}, {"[BL] ", ""}, {"[XX]", ""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindTagOf(c.line), c.kind) << c.line;
}

TEST(Grammar, HeaderKeysNeedTheirFirstFiveCharacters)
{
    EXPECT_EQ(headerKeyOf("titl: Demo"), kTitleKey);
    EXPECT_EQ(headerKeyOf("TIME:"), kTimeKey);
    // "title:" is not a key: its fifth character is an e.
    EXPECT_EQ(headerKeyOf("title: Demo"), "");
    EXPECT_EQ(headerKeyOf("TIM"), "");
}

TEST(Grammar, PoolWords)
{
    EXPECT_EQ(poolStartLine(0), "[POOLA]");
    EXPECT_EQ(poolEndLine(19), "[/POOLT]");
    EXPECT_EQ(poolNumberOfKind("[PA]"), 1);
    EXPECT_EQ(poolNumberOfKind("[PT]"), 20);
    EXPECT_EQ(poolNumberOfKind("[PU]"), 0);
    EXPECT_EQ(poolNumberOfKind("[DD]"), 0);
}

TEST(Rng, SeededDrawsRepeatAndStayInRange)
{
    Rng a(7), b(7);
    for (int i = 0; i < 1000; ++i) {
        const int k = a.below(5);
        EXPECT_EQ(k, b.below(5));
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 5);
    }
    EXPECT_EQ(a.below(0), 0);
}
