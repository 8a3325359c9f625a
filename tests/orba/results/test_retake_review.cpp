#include "orba/results/RetakeReview.h"
#include "orba/state/QuizState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Five questions whose every part names its position; position 4 is a
// recycled copy of position 2 (same code and texts).
QuizState takenQuiz(const std::vector<int>& wrong)
{
    QuizState s;
    s.QuizLength = 5;
    const std::vector<std::string> names = {"", "Q1", "Q2", "Q3", "Q2", "Q5"};
    const std::vector<std::string> kinds = {"", "", "[BL]", "[DD]", "[BL]", "[FC]"};
    s.QuizCodes = "A0001B0007@0012B0007C0030";
    for (int p = 0; p <= 5; ++p) {
        const auto at = static_cast<std::size_t>(p);
        s.QuizQuestion.push_back(names[at]);
        s.QuizKind.push_back(kinds[at]);
        AnswerSlots choices;
        choices[0] = "*" + names[at] + " right";
        choices[7] = names[at] + " last";
        s.QuizChoices.push_back(choices);
        s.QuizHelp.push_back("?" + names[at] + " help");
    }
    for (int p : wrong)
        s.IncorrectList.push_back(p);
    s.IncorrectCount = static_cast<int>(wrong.size());
    return s;
}

// What position p of the quiz holds, in one text.
std::string positionText(const QuizState& s, int p)
{
    const auto at = static_cast<std::size_t>(p);
    return s.QuizCodes.substr(at * 5 - 5, 5) + " " + s.QuizQuestion[at] + " " + s.QuizKind[at] + " "
        + s.QuizChoices[at][0] + "|" + s.QuizChoices[at][7] + " " + s.QuizHelp[at];
}

} // namespace

TEST(ReduceToIncorrect, KeepsTheWrongQuestionsInTheOrderTheyWereAnswered)
{
    struct Case {
        std::vector<int> wrong;
        std::vector<int> from; // original positions of the reduced quiz
    };
    const Case cases[] = {
        {{1, 5}, {1, 5}}, // first and last
        {{5, 1}, {5, 1}}, // the order of answering, not of the quiz
        {{2, 4}, {2, 4}}, // a recycled question wrong twice comes twice
        {{3}, {3}},
    };
    for (const Case& c : cases) {
        const QuizState before = takenQuiz(c.wrong);
        QuizState s = before;
        const int k = static_cast<int>(c.from.size());
        ASSERT_EQ(reduceToIncorrect(s), k);
        EXPECT_EQ(s.QuizLength, k);
        ASSERT_EQ(s.QuizCodes.size(), 5u * c.from.size());
        for (int j = 1; j <= k; ++j) {
            const int p = c.from[static_cast<std::size_t>(j - 1)];
            EXPECT_EQ(positionText(s, j), positionText(before, p)) << "position " << j;
            EXPECT_EQ(s.chapterOfQuestion(j), before.chapterOfQuestion(p));
        }
        // Beyond the new length the arrays keep what they held.
        EXPECT_EQ(s.QuizQuestion.size(), before.QuizQuestion.size());
        EXPECT_EQ(s.QuizQuestion[5], "Q5");
    }
}

TEST(ReduceToIncorrect, SkipsPositionsADamagedTestCannotHold)
{
    // Out of range on both sides, and a count larger than the list.
    QuizState s = takenQuiz({0, 6, 3, -2, 1000});
    s.IncorrectCount = 9;
    ASSERT_EQ(reduceToIncorrect(s), 1);
    EXPECT_EQ(s.QuizCodes, "@0012");
    EXPECT_EQ(s.QuizQuestion[1], "Q3");

    // A length the codes, or one of the arrays, does not reach.
    QuizState shortCodes = takenQuiz({5, 2});
    shortCodes.QuizCodes.resize(20);
    QuizState shortHelp = takenQuiz({5, 2});
    shortHelp.QuizHelp.pop_back();
    for (QuizState* damaged : {&shortCodes, &shortHelp}) {
        ASSERT_EQ(reduceToIncorrect(*damaged), 1);
        EXPECT_EQ(damaged->QuizCodes, "B0007");
        EXPECT_EQ(damaged->QuizQuestion[1], "Q2");
    }

    // Nothing usable, or no list at all: the quiz stays as it was.
    for (std::vector<int> list : {std::vector<int>{0, 0, 99}, std::vector<int>{}}) {
        const QuizState before = takenQuiz({});
        QuizState none = before;
        none.IncorrectList = list;
        none.IncorrectCount = 3;
        EXPECT_EQ(reduceToIncorrect(none), 0);
        EXPECT_EQ(none.QuizLength, 5);
        EXPECT_EQ(none.QuizCodes, before.QuizCodes);
        EXPECT_EQ(none.QuizQuestion, before.QuizQuestion);
    }
}

TEST(ReduceToIncorrect, RepeatedEntriesNeverWriteOutsideTheArrays)
{
    // A damaged list may repeat a position more often than the quiz is long.
    QuizState s = takenQuiz({1, 1, 1, 1, 1, 1, 1});
    ASSERT_EQ(reduceToIncorrect(s), 7);
    EXPECT_EQ(s.QuizCodes, "A0001A0001A0001A0001A0001A0001A0001");
    ASSERT_GE(s.QuizQuestion.size(), 8u);
    ASSERT_GE(s.QuizChoices.size(), 8u);
    EXPECT_EQ(s.QuizQuestion[7], "Q1");
    EXPECT_EQ(s.QuizHelp[7], "?Q1 help");
}
