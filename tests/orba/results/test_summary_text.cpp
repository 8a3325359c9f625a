#include "orba/results/SummaryText.h"
#include "orba/state/QuizState.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// One chapter's counters: scored, correct, flash cards.
void chapter(QuizState& s, int i, int asked, int correct, int flashCards)
{
    const auto at = static_cast<std::size_t>(i);
    s.ChapterAsked[at] = asked;
    s.ChapterCorrect[at] = correct;
    s.ChapterFlashCards[at] = flashCards;
    s.AnsweredCount += asked;
    s.CorrectCount += correct;
    s.IncorrectCount += asked - correct;
}

QuizState quiz(int chapterCount)
{
    QuizState s;
    s.QuizName = "rocks";
    s.ChapterCount = chapterCount;
    for (int i = 1; i <= chapterCount; ++i)
        s.ChapterNames[static_cast<std::size_t>(i)] = "Chapter " + std::to_string(i);
    return s;
}

const std::string kGap = "\r\n\r\n   ";

struct SummaryCase {
    const char* name;
    std::function<QuizState()> make;
    std::string expected;
};

class SummaryTextCases : public testing::TestWithParam<SummaryCase> {};

} // namespace

TEST_P(SummaryTextCases, BuildsTheBreakdown)
{
    QuizState s = GetParam().make();
    EXPECT_EQ(summaryText(s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Summary, SummaryTextCases,
    testing::Values(
        SummaryCase{"NoChapters",
                    [] {
                        QuizState s = quiz(0);
                        chapter(s, 0, 4, 3, 0);
                        return s;
                    },
                    "rocks, score summary:" + kGap + "Total score for this test:  -  3 / 4   (75%)"},
        SummaryCase{"OneChapterNamesTheHeading",
                    [] {
                        QuizState s = quiz(1);
                        s.ChapterNames[1] = "Volcanoes";
                        chapter(s, 1, 2, 2, 0);
                        return s;
                    },
                    "Volcanoes, score summary:" + kGap + "Volcanoes  -  2 / 2   (100%)"},
        // Questions before the first heading come first; chapter 1 asked
        // nothing and is left out; halves round away from zero (1/8 is 13%).
        SummaryCase{"ChaptersInIndexOrder",
                    [] {
                        QuizState s = quiz(25);
                        chapter(s, 25, 1, 0, 0);
                        chapter(s, 3, 3, 2, 0);
                        chapter(s, 2, 8, 1, 0);
                        chapter(s, 0, 1, 1, 0);
                        return s;
                    },
                    "rocks, chapter by chapter:" + kGap + "Total score for this test:  -  1 / 1   (100%)" + kGap
                        + "Chapter 2  -  1 / 8   (13%)" + kGap + "Chapter 3  -  2 / 3   (67%)" + kGap
                        + "Chapter 25  -  0 / 1   (0%)"},
        SummaryCase{"FlashCardsOneAndMany",
                    [] {
                        QuizState s = quiz(2);
                        chapter(s, 1, 0, 0, 1);
                        chapter(s, 2, 2, 1, 3);
                        return s;
                    },
                    "rocks, chapter by chapter:" + kGap + "Chapter 1  -        (1 flash card question)" + kGap
                        + "Chapter 2  -  1 / 2   (50%)      (3 flash card questions)"},
        SummaryCase{"FlashCardsOnly",
                    [] {
                        QuizState s = quiz(2);
                        s.QuizLength = 5;
                        chapter(s, 1, 0, 0, 2);
                        chapter(s, 2, 0, 0, 3);
                        return s;
                    },
                    "rocks, chapter by chapter:\r\n\r\n Flash Card Quiz - 5 questions, no stats available."},
        // The chapter window keeps " & " doubled for its check boxes.
        SummaryCase{"AmpersandShownOnce",
                    [] {
                        QuizState s = quiz(1);
                        s.ChapterNames[1] = "Rocks && Minerals";
                        chapter(s, 1, 1, 1, 0);
                        return s;
                    },
                    "Rocks & Minerals, score summary:" + kGap + "Rocks & Minerals  -  1 / 1   (100%)"}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

TEST(SummaryText, NamesTheTotalLineAndRecomputesTheScore)
{
    QuizState s = quiz(0);
    s.ScorePercent = "12%"; // left over from before the last answer
    chapter(s, 0, 4, 3, 0);
    summaryText(s);
    EXPECT_EQ(s.ChapterNames[0], "Total score for this test:");
    EXPECT_EQ(s.ScorePercent, "75%");
    EXPECT_EQ(scorePanelText(s), " 3 out of 4\r\n  YOUR SCORE: 75%");

    // Nothing scored: neither is touched, and the panel shows no score.
    QuizState cards = quiz(0);
    chapter(cards, 0, 0, 0, 3);
    cards.QuizLength = 3;
    summaryText(cards);
    EXPECT_EQ(cards.ChapterNames[0], "");
    EXPECT_EQ(cards.ScorePercent, "");
    EXPECT_EQ(scorePanelText(cards), " 0 out of 0\r\n  YOUR SCORE: ");
}

TEST(SummaryText, ScorePanelEndsInTheSameColumn)
{
    struct Case {
        int correct;
        int answered;
        const char* percent;
        const char* expected;
    };
    const Case cases[] = {
        {3, 4, "75%", " 3 out of 4\r\n  YOUR SCORE: 75%"},
        {12, 12, "100%", " 12 out of 12\r\n  YOUR SCORE:100%"},
        {0, 2, "0%", " 0 out of 2\r\n  YOUR SCORE: 0%"},
    };
    for (const Case& c : cases) {
        QuizState s;
        s.CorrectCount = c.correct;
        s.AnsweredCount = c.answered;
        s.ScorePercent = c.percent;
        EXPECT_EQ(scorePanelText(s), c.expected) << c.percent;
    }
}
