#include "quizfile/Lines.h"

#include <gtest/gtest.h>

using namespace quizfile;
using Lines = std::vector<std::string>;

TEST(Lines, SplitTable)
{
    struct Case { std::string text; LineEnds ends; Lines lines; };
    const Case cases[] = {
        {"", LineEnds::Plain, {}},
        {"a\r\nb\r\n", LineEnds::Plain, {"a", "b"}},
        {"a\r\nb", LineEnds::Plain, {"a", "b"}},
        {"a\r\n\r\nb", LineEnds::Plain, {"a", "", "b"}},
        {"a\rb\nc", LineEnds::Plain, {"a", "b", "c"}},
        {"a\n\nb\n", LineEnds::Plain, {"a", "", "b"}},
        {"\r\n", LineEnds::Plain, {""}},
        // An LF inside a line of an enciphered file is part of the line.
        {"ke\ny\r\nx\ry", LineEnds::CrOnly, {"ke\ny", "x", "y"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.text, c.ends), c.lines) << c.text;
}

TEST(Lines, TrimsOnlySpaces)
{
    std::string s = "  [BL] \t  ";
    trimTrailingSpaces(s);
    EXPECT_EQ(s, "  [BL] \t");
    EXPECT_EQ(trimSpaces("  2.70 <SEQQ>  "), "2.70 <SEQQ>");
}

TEST(Lines, JoinPutsCrLfBetweenLinesOnly)
{
    EXPECT_EQ(joinCrLf({"a", "", "b"}), "a\r\n\r\nb");
    EXPECT_EQ(joinCrLf({}), "");
}

TEST(Lines, ReplaceAllIgnoringCase)
{
    EXPECT_EQ(replaceAll("one[cr]two[Cr]three", "[CR]", "[CR]", true), "one[CR]two[CR]three");
    EXPECT_EQ(replaceAll("a & b & c", " & ", " && "), "a && b && c");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

TEST(Lines, Windows1252UpperCase)
{
    EXPECT_EQ(toUpperAnsi("paris \xE9t\xE9 \x9A\x9C\x9E\xFF"), "PARIS \xC9T\xC9 \x8A\x8C\x8E\x9F");
    // Division sign, sharp s and micro sign have no capital.
    EXPECT_EQ(toUpperAnsi("\xF7\xDF\xB5 A1"), "\xF7\xDF\xB5 A1");
}
