#include "skrib/text/FindReplace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace skrib;

namespace {

constexpr auto Up = SearchDirection::Up;
constexpr auto Down = SearchDirection::Down;

struct FindCase {
    const char* name;
    std::string text;
    std::string what;
    std::size_t caret;
    SearchDirection direction;
    bool caseSensitive;
    bool foundBefore;
    FindOutcome outcome;
    std::size_t start; // of the match
};

} // namespace

TEST(FindNext, Outcomes)
{
    const auto M = FindOutcome::Match;
    const std::vector<FindCase> cases = {
        {"down from a match at the caret finds it", "cat cat", "cat", 4, Down, false, false, M, 4},
        {"down again finds the next, not the same", "cat cat", "cat", 0, Down, false, true, M, 4},
        {"down again may overlap the last match", "aaa", "aa", 0, Down, false, true, M, 1},
        {"down again past the last match", "cat cat", "cat", 4, Down, false, true, FindOutcome::NoMoreMatches, 0},
        {"down again at the very end", "cat", "cat", 3, Down, false, true, FindOutcome::NoMoreMatches, 0},
        {"down from the end of the text", "cat", "cat", 3, Down, false, false, FindOutcome::NothingBelow, 0},
        {"down in an empty text", "", "cat", 0, Down, false, false, FindOutcome::NothingBelow, 0},
        {"a caret past the end counts as the end", "cat", "cat", 99, Down, false, false, FindOutcome::NothingBelow, 0},
        {"down, not there", "dog dog", "cat", 0, Down, false, false, FindOutcome::NotFound, 0},
        {"up from the start of the text", "cat", "cat", 0, Up, false, false, FindOutcome::NothingAbove, 0},
        {"up again from the start", "cat", "cat", 0, Up, false, true, FindOutcome::NoMoreMatches, 0},
        {"up takes a match ending at the caret", "ab ab ab", "ab", 5, Up, false, false, M, 3},
        {"up skips a match the caret cuts", "ab ab ab", "ab", 4, Up, false, false, M, 0},
        {"up again lies wholly before the match", "ab ab ab", "ab", 3, Up, false, true, M, 0},
        {"up again, none before", "ab ab ab", "ab", 0, Up, false, true, FindOutcome::NoMoreMatches, 0},
        {"up, not there", "dog cat", "cat", 6, Up, false, false, FindOutcome::NotFound, 0},
        {"up with a caret inside the only match", "xcat", "cat", 3, Up, false, false, FindOutcome::NotFound, 0},
        {"small letters find capitals", "The CAT sat", "cat", 0, Down, false, false, M, 4},
        {"case sensitive does not", "The CAT sat", "cat", 0, Down, true, false, FindOutcome::NotFound, 0},
        {"case sensitive finds the exact form", "CAT cat", "cat", 0, Down, true, false, M, 4},
        {"capitals find small letters upward", "a cat", "CAT", 5, Up, false, false, M, 2},
        {"accented capitals fold", "ETE \xC9T\xC9", "\xE9t\xE9", 0, Down, false, false, M, 4},
        {"S with caron folds", "\x8A" "ed", "\x9A" "ED", 0, Down, false, false, M, 0},
        {"times is no capital of divide", "\xD7", "\xF7", 0, Down, false, false, FindOutcome::NotFound, 0},
        {"across line ends", "one\r\ntwo\r\nthree", "two", 1, Down, false, false, M, 5},
        {"an empty find text ends the search", "cat", "", 0, Down, false, false, FindOutcome::EmptyFindText, 0},
        {"also after a match", "cat", "", 0, Up, false, true, FindOutcome::EmptyFindText, 0},
    };
    for (const FindCase& c : cases) {
        const FindResult r = findNext({c.text, c.what, c.caret, c.direction, c.caseSensitive, c.foundBefore});
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        if (c.outcome == FindOutcome::Match) {
            EXPECT_EQ(r.start, c.start) << c.name;
            EXPECT_EQ(r.length, c.what.size()) << c.name;
        }
    }
}

TEST(FindNext, MessageTexts)
{
    EXPECT_EQ(findMessage(FindOutcome::NoMoreMatches, Down), "No more matches below your cursor.");
    EXPECT_EQ(findMessage(FindOutcome::NoMoreMatches, Up), "No more matches above your cursor.");
    EXPECT_EQ(findMessage(FindOutcome::NothingAbove, Up), "There is nothing above your cursor!");
    EXPECT_EQ(findMessage(FindOutcome::NothingBelow, Down), "There is nothing below your cursor!");
    EXPECT_EQ(findMessage(FindOutcome::NotFound, Up), "Search string not found above your cursor.");
    EXPECT_EQ(findMessage(FindOutcome::NotFound, Down), "Search string not found below your cursor.");
    EXPECT_EQ(findMessage(FindOutcome::Match, Down), "");
    EXPECT_EQ(findMessage(FindOutcome::EmptyFindText, Up), "");
}

TEST(FindNext, AfterReplaceNeitherSkipsNorRefindsTheReplacement)
{
    // "foofoo": the first "foo" became "bar"; the second follows at once.
    FindResult r = findAfterReplace({"barfoo", "foo", 0, Down, false, true}, 3);
    EXPECT_EQ(r.outcome, FindOutcome::Match);
    EXPECT_EQ(r.start, 3u);

    // Upward, "cat" became "cats": the new text must not be found again.
    r = findAfterReplace({"cat cats", "cat", 4, Up, false, true}, 4);
    EXPECT_EQ(r.outcome, FindOutcome::Match);
    EXPECT_EQ(r.start, 0u);

    r = findAfterReplace({"xx bar", "foo", 3, Down, false, true}, 3);
    EXPECT_EQ(r.outcome, FindOutcome::NoMoreMatches);
    // Replace before any Find Next: a first search, from the end of the replacement.
    r = findAfterReplace({"bar", "foo", 0, Down, false, false}, 3);
    EXPECT_EQ(r.outcome, FindOutcome::NothingBelow);
    r = findAfterReplace({"barfoo", "FOO", 0, Down, false, false}, 3);
    EXPECT_EQ(r.outcome, FindOutcome::Match);
    EXPECT_EQ(r.start, 3u);
}

TEST(ReplaceAll, ComparesExactly)
{
    struct Case {
        std::string text, what, with, expected;
    };
    const std::vector<Case> cases = {
        {"cat Cat CAT cat", "cat", "dog", "dog Cat CAT dog"},
        {"aaaa", "aa", "b", "bb"},
        {"aaa", "aa", "b", "ba"},
        {"a a", "a", "aa", "aa aa"},
        {"one, two", ", ", "", "onetwo"},
        {"nothing here", "x", "y", "nothing here"},
        {"empty find text", "", "y", "empty find text"},
        {"", "a", "b", ""},
        {"line\r\nline", "\r\n", " ", "line line"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replaceAllExact(c.text, c.what, c.with), c.expected) << c.text << " / " << c.what;
}

TEST(ReplaceAll, TwoLineBreaksForEverySpace)
{
    const std::string with = withLineBreak(withLineBreak(""));
    EXPECT_EQ(with, "\r\n\r\n");
    EXPECT_EQ(replaceAllExact("What is it?  A cat", " ", with), "What\r\n\r\nis\r\n\r\nit?\r\n\r\n\r\n\r\nA\r\n\r\ncat");
    EXPECT_EQ(withLineBreak("end."), "end.\r\n");
}

TEST(ShownPositions, MapToTextOffsetsAndBack)
{
    // "ab", line break, a character outside the BMP, "c", line break.
    const std::u16string shown = u"ab\n\U0001F600c\n";
    // The text is "ab" CR LF "?" "c" CR LF.
    const std::vector<std::pair<std::size_t, std::size_t>> pairs = {
        {0, 0}, {2, 2}, {3, 4}, {5, 5}, {6, 6}, {7, 8}};
    for (const auto& [position, offset] : pairs) {
        EXPECT_EQ(textOffsetFromShown(shown, position), offset) << "position " << position;
        EXPECT_EQ(shownPositionFromText(shown, offset), position) << "offset " << offset;
    }
    EXPECT_EQ(shownPositionFromText(shown, 3), 2u) << "inside CR LF stands before the break";
    EXPECT_EQ(textOffsetFromShown(shown, 99), 8u);
    EXPECT_EQ(shownPositionFromText(shown, 99), shown.size());
    EXPECT_EQ(shownPositionFromText(u"", 5), 0u);
}

TEST(FindNext, FastOnALargeScript)
{
    std::string text;
    while (text.size() < 2'000'000)
        text += "What is the capital of France?\r\n*Paris\r\nLyon\r\nNice\r\n\r\n";
    const std::string last = "Zanzibar";
    text += last;

    const auto started = std::chrono::steady_clock::now();
    for (bool caseSensitive : {false, true}) {
        const FindResult down = findNext({text, "zanzibar", 0, Down, caseSensitive, false});
        EXPECT_EQ(down.outcome, caseSensitive ? FindOutcome::NotFound : FindOutcome::Match);
        const FindResult up = findNext({text, "nowhere", text.size(), Up, caseSensitive, true});
        EXPECT_EQ(up.outcome, FindOutcome::NoMoreMatches);
    }
    const std::string replaced = replaceAllExact(text, "\r\n", "\r\n\r\n");
    EXPECT_GT(replaced.size(), text.size());
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::seconds(2)) << "searching 2 MB must not be quadratic";
}
