#include "skrib/text/ScriptText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skrib;

namespace {

using Lines = std::vector<std::string>;

} // namespace

TEST(ScriptLines, SplitsOnlyAtCrLfAndJoinsBackToTheSameText)
{
    struct Case {
        std::string text;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"\r\n", {"", ""}},
        {"a\r\n", {"a", ""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b", ""}},
        {"a\rb", {"a\rb"}},
        {"a\nb", {"a\nb"}},
        {"\r", {"\r"}},
        {"\n", {"\n"}},
        {"\n\r", {"\n\r"}},
        {"\r\r\n", {"\r", ""}},
        {"\r\n\n", {"", "\n"}},
        {"x\n\r\ny\r", {"x\n", "y\r"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const Lines lines = SplitScript(c.text);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(lastLine(lines), static_cast<int>(c.lines.size()) - 1);
        EXPECT_EQ(JoinScript(lines), c.text);
    }
}

TEST(ScriptLines, JoinPutsCrLfBetweenLinesOnly)
{
    EXPECT_EQ(JoinScript({}), "");
    EXPECT_EQ(JoinScript({"a", "b", "c"}), "a\r\nb\r\nc");
    EXPECT_EQ(JoinScript({"a", ""}), "a\r\n");
}

TEST(ScriptLines, LargeScriptRoundTrips)
{
    std::string text;
    for (int i = 0; i < 50000; ++i)
        text += (i % 4 == 3) ? std::string("\r\n") : "Line number " + std::to_string(i) + " with\ra lone CR\r\n";
    const Lines lines = SplitScript(text);
    ASSERT_EQ(lines.size(), 50001u);
    EXPECT_EQ(lines[2], "Line number 2 with\ra lone CR");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(JoinScript(lines), text);
}

TEST(ScriptLines, HeaderLineIsOneOfTheSevenKeysInAnyCase)
{
    for (const char* line : {"TITL: Demo", "titl: Demo", "AUTH:", "Comp: x", "MODI:today", "mver: 2.9", "NOTE: n",
                             "TIME: 10:00"})
        EXPECT_TRUE(isHeaderLine(line)) << line;
    for (const char* line : {"", "TITL", "TITLE: Demo", " TITL: Demo", "TIME 10", "DATE: x", "'TITL:"})
        EXPECT_FALSE(isHeaderLine(line)) << line;
}

TEST(FirstQuestion, StepsOverHeaderPoolsChapterAndTag)
{
    const Lines lines = {"TITL: Demo",  "TIME: 10", "[POOLA]", "Mercury", "Venus", "[/POOLA]", "[POOLB]", "Red",
                         "[/POOLB]",    "'Planets", "[MC]",    "Which is closest to the Sun?",   "Mercury", ""};
    const FirstQuestion q = FindFirstQuestion(lines);
    EXPECT_FALSE(q.aborted);
    EXPECT_EQ(q.line, 11);
    EXPECT_EQ(q.poolCount, 2);
    EXPECT_EQ(q.lineAfterPools, 9);
    const std::string text = JoinScript(lines);
    EXPECT_EQ(q.offset, text.find("Which"));
}

TEST(FirstQuestion, PoolMarkersIgnoreCaseAndSurroundingSpaces)
{
    const Lines lines = {"  [poola] ", "x", "[/PoolA]  ", " [poolb]", "y", "[/poolb]", "Q", "a", ""};
    const FirstQuestion q = FindFirstQuestion(lines);
    EXPECT_FALSE(q.aborted);
    EXPECT_EQ(q.poolCount, 2);
    EXPECT_EQ(q.lineAfterPools, 6);
    EXPECT_EQ(q.line, 6);
    EXPECT_EQ(q.offset, JoinScript(lines).find("\r\nQ") + 2);
}

TEST(FirstQuestion, UnclosedPoolAborts)
{
    EXPECT_TRUE(FindFirstQuestion({"[POOLA]", "x", "Q", "a", ""}).aborted);
    EXPECT_TRUE(FindFirstQuestion({"TITL: t", "[POOLA]", "x", "[/POOLA]", "[POOLB]", "y", "[/POOLA]"}).aborted);
    // The end marker must name the pool's own letter.
    EXPECT_TRUE(FindFirstQuestion({"[POOLA]", "x", "[/POOLB]"}).aborted);
}

TEST(FirstQuestion, StopsAtTheEndOfTheText)
{
    struct Case {
        const char* name;
        Lines lines;
        int line;
        int lineAfterPools;
        int poolCount;
    };
    const std::vector<Case> cases = {
        {"header only", {"TITL: Demo", "NOTE: n"}, 2, 2, 0},
        {"pool closes the last line", {"TITL: Demo", "[POOLA]", "x", "[/POOLA]"}, 4, 4, 1},
        {"chapter line last", {"[POOLA]", "x", "[/POOLA]", "'Chapter"}, 4, 3, 1},
        {"tag line last", {"'Chapter", "[FC]"}, 2, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FirstQuestion q = FindFirstQuestion(c.lines);
        EXPECT_FALSE(q.aborted);
        EXPECT_EQ(q.line, c.line);
        EXPECT_EQ(q.lineAfterPools, c.lineAfterPools);
        EXPECT_EQ(q.poolCount, c.poolCount);
        EXPECT_EQ(q.offset, JoinScript(c.lines).size());
    }

    const FirstQuestion empty = FindFirstQuestion({});
    EXPECT_FALSE(empty.aborted);
    EXPECT_EQ(empty.line, 0);
    EXPECT_EQ(empty.offset, 0u);
    EXPECT_EQ(empty.poolCount, 0);
}

TEST(FirstQuestion, OnlyTheNextPoolLetterContinuesTheWalk)
{
    const FirstQuestion skipped = FindFirstQuestion({"[POOLA]", "x", "[/POOLA]", "[POOLC]", "y", "[/POOLC]", "Q"});
    EXPECT_EQ(skipped.poolCount, 1);
    EXPECT_EQ(skipped.line, 3);

    // A pool not at the head of the script is question text.
    const FirstQuestion late = FindFirstQuestion({"Q", "[POOLA]", "x"});
    EXPECT_FALSE(late.aborted);
    EXPECT_EQ(late.line, 0);

    // The editor walks ten pools; an eleventh is left where it stands.
    Lines lines;
    for (int p = 0; p < 11; ++p) {
        const char letter = static_cast<char>('A' + p);
        lines.insert(lines.end(), {std::string("[POOL") + letter + "]", "e", std::string("[/POOL") + letter + "]"});
    }
    lines.push_back("Q");
    const FirstQuestion ten = FindFirstQuestion(lines);
    EXPECT_EQ(ten.poolCount, 10);
    EXPECT_EQ(ten.line, 30);
    EXPECT_EQ(lines[static_cast<std::size_t>(ten.line)], "[POOLK]");
}

TEST(FirstQuestion, TagLineIsSkippedOnlyAfterAChapterLine)
{
    struct Case {
        Lines lines;
        int line;
    };
    const std::vector<Case> cases = {
        {{"'Ch", "[mc]", "Q"}, 2},
        {{"'Ch", " [BL] ", "Q"}, 2},
        {{"'Ch", "[bL]", "Q"}, 2},
        {{"'Ch", "[eS]", "Q"}, 2},
        {{"'Ch", "[pj]", "Q"}, 2},
        {{"'Ch", "[PK]", "Q"}, 1},
        {{"'Ch", "Q", "a"}, 1},
        {{"[MC]", "Q", "a"}, 0},
        {{" 'Ch", "Q"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lines));
        EXPECT_EQ(FindFirstQuestion(c.lines).line, c.line);
    }
}

TEST(SelectedLines, RangeFromCaretAndSelection)
{
    // Offsets: a0 b1 CR2 LF3 c4 d5 CR6 LF7 e8 f9, length 10.
    const std::string text = "ab\r\ncd\r\nef";
    struct Case {
        const char* name;
        std::string text;
        std::size_t start;
        std::size_t length;
        int first;
        int last;
    };
    const std::vector<Case> cases = {
        {"caret on line 0 runs to the end", text, 0, 0, 0, 2},
        {"caret on line 1", text, 5, 0, 1, 2},
        {"caret at the very end", text, 10, 0, 2, 2},
        {"caret at a line start", text, 4, 0, 1, 2},
        {"inside line 0 stays on line 0", text, 0, 1, 0, 0},
        {"ends at the start of line 1", text, 0, 4, 0, 0},
        {"takes the first character of line 1", text, 0, 5, 0, 1},
        {"whole line 1 with its break", text, 4, 4, 1, 1},
        {"ends between CR and LF", text, 4, 3, 1, 1},
        {"into line 2", text, 4, 5, 1, 2},
        {"everything", text, 0, 10, 0, 2},
        {"selection past the end", text, 8, 100, 2, 2},
        {"caret past the end", text, 50, 0, 2, 2},
        {"trailing empty line", "ab\r\n", 4, 0, 1, 1},
        {"line 0 of a text with a trailing break", "ab\r\n", 0, 4, 0, 0},
        {"lone CR and LF are no breaks", "a\rb\nc", 4, 0, 0, 0},
        {"empty text has no lines", "", 0, 0, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LineRange r = SelectedLineRange(c.text, c.start, c.length);
        EXPECT_EQ(r.first, c.first);
        EXPECT_EQ(r.last, c.last);
    }
}

TEST(FileInfo, TemplateGoesInFrontUnlessTheFirstTwoLinesHoldAHeader)
{
    const std::string tmpl = "TITL: \r\nCOMP: \r\nMVER: \r\nNOTE: \r\nTIME: \r\n";
    struct Case {
        const char* name;
        std::string text;
        bool changed;
    };
    const std::vector<Case> cases = {
        {"empty text", "", true},
        {"plain script", "Q\r\n*a\r\nb\r\n", true},
        {"single line without a break", "Q", true},
        {"header only on line 2", "Q\r\na\r\nTITL: x", true},
        {"title text then a title line", "My quiz\r\nTITL: x\r\n", false},
        {"lower-case header on line 0", "time: 5\r\nQ", false},
        {"header on line 1 of two lines", "x\r\nnote: n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FileInfoResult r = AddFileInfo(c.text);
        EXPECT_EQ(r.changed, c.changed);
        EXPECT_EQ(r.text, c.changed ? tmpl + c.text : c.text);
        EXPECT_EQ(r.caret, 6u);
    }
}

TEST(DoubleCr, RunsOfCrBecomeOneCr)
{
    struct Case {
        std::string in;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"a\r\r\nb\r\r\n", "a\r\nb\r\n"},
        {"\r\r", "\r"},
        {"\r\r\r", "\r"},
        {"x\r\r\r\r\ny", "x\r\ny"},
        {"a\rb\r", "a\rb\r"},
        {"\n\n", "\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.in));
        const std::string once = collapseDoubleCr(c.in);
        EXPECT_EQ(once, c.out);
        EXPECT_EQ(collapseDoubleCr(once), once);
    }
}

TEST(WidgetOffset, ConvertsBetweenOneAndTwoCharacterLineBreaks)
{
    // Offsets: a0 b1 CR2 LF3 | CR4 LF5 | c6 d7 e8, length 9.
    const Lines lines = SplitScript("ab\r\n\r\ncde");
    struct Case {
        int line;
        int column;
        std::size_t offset;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0}, {0, 2, 2}, {1, 0, 4}, {2, 0, 6}, {2, 3, 9}}) {
        EXPECT_EQ(textOffsetFromWidget(lines, c.line, c.column), c.offset);
        EXPECT_EQ(widgetPositionFromText(lines, c.offset), std::make_pair(c.line, c.column));
    }

    // Inside a CR LF pair means the end of that line.
    EXPECT_EQ(widgetPositionFromText(lines, 3), std::make_pair(0, 2));
    EXPECT_EQ(widgetPositionFromText(lines, 5), std::make_pair(1, 0));

    // Out-of-range positions are clamped to the text.
    EXPECT_EQ(textOffsetFromWidget(lines, 0, 99), 2u);
    EXPECT_EQ(textOffsetFromWidget(lines, 7, 0), 9u);
    EXPECT_EQ(textOffsetFromWidget(lines, -1, 4), 0u);
    EXPECT_EQ(textOffsetFromWidget(lines, 2, -3), 6u);
    EXPECT_EQ(widgetPositionFromText(lines, 100), std::make_pair(2, 3));
    EXPECT_EQ(textOffsetFromWidget({}, 0, 0), 0u);
    EXPECT_EQ(widgetPositionFromText({}, 5), std::make_pair(0, 0));
}

TEST(WidgetOffset, EveryPositionRoundTrips)
{
    const std::string text = "TITL: x\r\n\r\n'Ch\r\nQ\r\n*a\r\n";
    const Lines lines = SplitScript(text);
    for (int l = 0; l <= lastLine(lines); ++l) {
        const int length = static_cast<int>(lines[static_cast<std::size_t>(l)].size());
        for (int c = 0; c <= length; ++c) {
            const std::size_t offset = textOffsetFromWidget(lines, l, c);
            ASSERT_LE(offset, text.size());
            EXPECT_EQ(widgetPositionFromText(lines, offset), std::make_pair(l, c)) << l << ":" << c;
        }
    }
    for (std::size_t offset = 0; offset <= text.size(); ++offset) {
        if (offset > 0 && text[offset - 1] == '\r' && offset < text.size() && text[offset] == '\n')
            continue;
        const auto [l, c] = widgetPositionFromText(lines, offset);
        EXPECT_EQ(textOffsetFromWidget(lines, l, c), offset) << offset;
    }
}
