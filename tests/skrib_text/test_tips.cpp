#include "skrib/text/Tips.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skrib;

namespace {

const std::string kDefault(DefaultTipTitle);

} // namespace

TEST(TipsFile, TitlesAndLineBreaks)
{
    struct Case {
        std::string line;
        Tip expected;
    };
    const std::vector<Case> cases = {
        {"Press Ctrl+F to find.", {kDefault, "Press Ctrl+F to find."}},
        {"|Pools|Put answers in a pool.", {"Pools", "Put answers in a pool."}},
        {"|Tags|First line~Second line~~Third", {"Tags", "First line\r\nSecond line\r\n\r\nThird"}},
        {"Two~lines", {kDefault, "Two\r\nlines"}},
        {"|Never closed", {kDefault, "Never closed"}},
        {"||No title", {"", "No title"}},
        {"|Pipes|a | b", {"Pipes", "a | b"}},
        {"A tip | with a bar", {kDefault, "A tip | with a bar"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseTip(c.line), c.expected) << c.line;
}

TEST(TipsFile, OneTipALine)
{
    const std::vector<Tip> tips = parseTips("first\r\n|T|second\nthird\r\n\r\n   \r\nfourth");
    ASSERT_EQ(tips.size(), 4u);
    EXPECT_EQ(tips[0], (Tip{kDefault, "first"}));
    EXPECT_EQ(tips[1], (Tip{"T", "second"}));
    EXPECT_EQ(tips[2].text, "third");
    EXPECT_EQ(tips[3].text, "fourth");

    EXPECT_TRUE(parseTips("").empty());
    EXPECT_TRUE(parseTips("\r\n\r\n").empty());
    // Windows-1252 stays byte for byte; a file saved as UTF-8 is converted.
    EXPECT_EQ(parseTips("caf\xE9\r\n")[0].text, "caf\xE9");
    EXPECT_EQ(parseTips("caf\xC3\xA9\r\n")[0].text, "caf\xE9");
}

TEST(TipNavigator, OpeningOnTheLastTipStartsOverNextTime)
{
    TipNavigator nav(5, 5);
    EXPECT_EQ(nav.current(), 5);
    EXPECT_FALSE(nav.canGoNext());
    EXPECT_TRUE(nav.canGoPrevious());
    EXPECT_FALSE(nav.canMark());
    EXPECT_EQ(nav.numberToStore(), 1);

    TipNavigator nextStart(5, nav.numberToStore());
    EXPECT_EQ(nextStart.current(), 1);
    EXPECT_FALSE(nextStart.canGoPrevious());
    EXPECT_TRUE(nextStart.canGoNext());
    EXPECT_EQ(nextStart.numberToStore(), 2);
}

TEST(TipNavigator, MarkingMakesTheNextStartShowTheTipAfter)
{
    TipNavigator nav(5, 2);
    nav.next();
    EXPECT_TRUE(nav.canMark());
    nav.next();
    EXPECT_EQ(nav.current(), 4);
    EXPECT_EQ(nav.numberToStore(), 3) << "unmarked steps change nothing stored";
    EXPECT_EQ(nav.markAsLastViewed(), 5);
    EXPECT_FALSE(nav.canMark());
    EXPECT_EQ(TipNavigator(5, nav.numberToStore()).current(), 5);

    nav.next();
    EXPECT_EQ(nav.markAsLastViewed(), 1) << "marking the last tip starts over";
}

TEST(TipNavigator, ButtonsFollowTheTipOnShow)
{
    TipNavigator nav(3, 2);
    nav.previous();
    EXPECT_EQ(nav.current(), 1);
    EXPECT_FALSE(nav.canGoPrevious());
    EXPECT_TRUE(nav.canMark());
    nav.previous(); // ignored, as the disabled button would be
    EXPECT_EQ(nav.current(), 1);
    nav.next();
    EXPECT_FALSE(nav.canMark()) << "back on the tip already counted as viewed";
    nav.next();
    nav.next();
    EXPECT_EQ(nav.current(), 3);
    EXPECT_FALSE(nav.canGoNext());
}

TEST(TipNavigator, StoredNumbersOutOfRangeStartOver)
{
    for (int stored : {0, -4, 6, 1000}) {
        TipNavigator nav(5, stored);
        EXPECT_EQ(nav.current(), 1) << stored;
        EXPECT_EQ(nav.numberToStore(), 2) << stored;
    }
    TipNavigator one(1, 1);
    EXPECT_FALSE(one.canGoNext());
    EXPECT_FALSE(one.canGoPrevious());
    EXPECT_EQ(one.numberToStore(), 1);

    TipNavigator none(0, 3);
    EXPECT_FALSE(none.hasTips());
    EXPECT_EQ(none.current(), 0);
    EXPECT_FALSE(none.canGoNext());
    EXPECT_FALSE(none.canGoPrevious());
    EXPECT_FALSE(none.canMark());
}
