#include "orba/runner/logic/QuizProgress.h"

#include "orba/state/QuizState.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A quiz of n multiple-choice questions "Q1".."Qn"; letters[i-1] is the
// chapter letter of question i ('@' when letters is short).
QuizState makeQuiz(int n, const std::string& letters = "")
{
    QuizState s;
    s.resetForNewScript();
    s.BankCount = n;
    s.QuizLength = n;
    for (int i = 1; i <= n; ++i) {
        const std::string name = "Q" + std::to_string(i);
        s.QuizQuestion.push_back(name);
        s.QuizKind.push_back(i % 2 ? "" : "[SO]");
        s.QuizChoices.push_back({"*" + name + " right", name + " wrong"});
        s.QuizHelp.push_back("?help " + name);
        const char letter = static_cast<std::size_t>(i) <= letters.size() ? letters[static_cast<std::size_t>(i) - 1] : '@';
        s.QuizCodes += letter + quizfile::zeroPadded(i, 4);
    }
    s.createAnswerArrays(s.BankCount);
    s.resetTallies();
    return s;
}

// Shows the next question and answers it, as the quiz window does.
SubmitTag answerNext(QuizState& s, bool wrong, quizfile::Rng& rng)
{
    ++s.ReachedNumber;
    s.ShownNumber = s.ReachedNumber;
    s.ChoiceChecked[static_cast<std::size_t>(s.ReachedNumber)][wrong ? 1 : 0] = true;
    return recordAnswer(s, wrong, rng);
}

} // namespace

TEST(QuizProgress, AnswersAreCountedPerChapter)
{
    QuizState s = makeQuiz(3, "AB@");
    quizfile::Rng rng(1);
    EXPECT_EQ(answerNext(s, false, rng), SubmitTag::Answered);
    EXPECT_EQ(s.ScorePercent, "100%");
    EXPECT_EQ(answerNext(s, true, rng), SubmitTag::Answered);
    EXPECT_EQ(s.ScorePercent, "50%");
    EXPECT_EQ(answerNext(s, true, rng), SubmitTag::Ended);

    EXPECT_EQ(s.AnsweredCount, 3);
    EXPECT_EQ(s.CorrectCount, 1);
    EXPECT_EQ(s.IncorrectCount, 2);
    EXPECT_EQ(s.IncorrectList, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(s.ScorePercent, "33%");
    EXPECT_EQ(s.ChapterAsked[0], 1);
    EXPECT_EQ(s.ChapterAsked[1], 1);
    EXPECT_EQ(s.ChapterAsked[2], 1);
    EXPECT_EQ(s.ChapterCorrect[1], 1);
    EXPECT_EQ(s.ChapterCorrect[2], 0);
    EXPECT_EQ(s.QuizLength, 3); // no recycling unless the quiz asks for it
}

TEST(QuizProgress, FlashCardsAreCountedButNotScored)
{
    QuizState s = makeQuiz(3, "cCA");
    s.QuizKind[1] = "[FC]";
    s.QuizKind[2] = "[FC]";
    quizfile::Rng rng(1);
    EXPECT_EQ(answerNext(s, true, rng), SubmitTag::Answered);
    EXPECT_EQ(answerNext(s, false, rng), SubmitTag::Answered);
    EXPECT_EQ(s.ChapterFlashCards[3], 2); // a card's lower-case letter counts from 96
    EXPECT_EQ(s.AnsweredCount, 0);
    EXPECT_EQ(s.IncorrectCount, 0);
    EXPECT_EQ(s.ScorePercent, "");
    EXPECT_EQ(answerNext(s, false, rng), SubmitTag::Ended);
    EXPECT_EQ(s.ScorePercent, "100%");
}

TEST(QuizProgress, ChapterIndexOfAQuestion)
{
    QuizState s = makeQuiz(5, "@AYc!");
    const std::vector<std::tuple<int, bool, int>> cases = {
        {1, false, 0}, {2, false, 1}, {3, false, 25}, {3, true, 25}, {4, true, 3},
        {4, false, 3}, // a graded question never counts outside the chapters
        {5, false, 0}, {5, true, 0}, {0, false, 0}, {6, false, 0},
    };
    for (const auto& [q, card, chapter] : cases)
        EXPECT_EQ(chapterIndexForTally(s, q, card), chapter) << q << (card ? " card" : "");
}

TEST(QuizProgress, RecyclingInsertsACopyAtARandomLaterPlace)
{
    const int n = 10;
    const int c = 3;
    std::set<int> places;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        QuizState s = makeQuiz(n, "ABCDEFGHIJ");
        s.TypedAnswer[3] = "kept";
        s.ChoiceChecked[2][1] = true;
        quizfile::Rng rng(seed);
        quizfile::Rng twin(seed);
        const int t = c + 1 + static_cast<int>(twin.fraction() * (n - c + 1));
        recycleQuestion(s, c, rng);
        places.insert(t);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", t " + std::to_string(t));

        ASSERT_EQ(s.QuizLength, n + 1);
        ASSERT_EQ(s.QuizCodes.size(), 55u);
        ASSERT_EQ(s.QuizQuestion.size(), 12u);
        ASSERT_EQ(s.QuizKind.size(), 12u);
        ASSERT_EQ(s.QuizChoices.size(), 12u);
        ASSERT_EQ(s.QuizHelp.size(), 12u);
        for (int k = 1; k <= n + 1; ++k) {
            const int from = k < t ? k : k == t ? c : k - 1;
            const auto at = static_cast<std::size_t>(k);
            const std::string name = "Q" + std::to_string(from);
            EXPECT_EQ(s.QuizQuestion[at], name) << k;
            EXPECT_EQ(s.QuizKind[at], from % 2 ? "" : "[SO]") << k;
            EXPECT_EQ(s.QuizChoices[at][0], "*" + name + " right") << k;
            EXPECT_EQ(s.QuizHelp[at], "?help " + name) << k;
            EXPECT_EQ(s.QuizCodes.substr(5 * at - 5, 5), std::string(1, static_cast<char>('A' + from - 1)) +
                                                               quizfile::zeroPadded(from, 4))
                << k;
        }
        // Answers already given stay with their questions; the copy is new.
        EXPECT_EQ(s.TypedAnswer[3], "kept");
        EXPECT_TRUE(s.ChoiceChecked[2][1]);
        EXPECT_EQ(s.TypedAnswer[static_cast<std::size_t>(t)], "");
        EXPECT_GE(s.TypedAnswer.size(), 12u);
        EXPECT_GE(s.DropSlot.size(), 12u);
    }
    EXPECT_EQ(places, (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(QuizProgress, RecyclingTheLastQuestionOffersNextQuestion)
{
    QuizState s = makeQuiz(10);
    s.RecycleIncorrect = true;
    s.BankCount = 25; // answer arrays sized for the bank are never shrunk
    s.createAnswerArrays(25);
    quizfile::Rng rng(7);
    for (int i = 1; i < 10; ++i)
        answerNext(s, false, rng);
    EXPECT_EQ(answerNext(s, true, rng), SubmitTag::Answered);
    EXPECT_EQ(s.QuizLength, 11);
    EXPECT_EQ(s.QuizCodes.size(), 55u);
    EXPECT_EQ(s.QuizQuestion[11], "Q10");
    EXPECT_EQ(s.IncorrectList, (std::vector<int>{0, 10}));
    EXPECT_EQ(s.TypedAnswer.size(), 27u);

    EXPECT_EQ(answerNext(s, false, rng), SubmitTag::Ended);
    EXPECT_EQ(s.AnsweredCount, 11);
    EXPECT_EQ(s.ScorePercent, "91%");
}

TEST(QuizProgress, RecyclingOutsideTheQuizDoesNothing)
{
    QuizState s = makeQuiz(4);
    quizfile::Rng rng(1);
    recycleQuestion(s, 0, rng);
    recycleQuestion(s, 5, rng);
    EXPECT_EQ(s.QuizLength, 4);
    EXPECT_EQ(s.QuizCodes.size(), 20u);
}

TEST(QuizProgress, SteppingThroughAnsweredPositions)
{
    struct Case {
        int shown;
        Step where;
        int expected;
    };
    const std::vector<Case> cases = {
        {3, Step::Previous, 2}, {1, Step::Previous, 1}, {2, Step::Next, 3}, {3, Step::Next, 3},
        {3, Step::First, 1},    {1, Step::Last, 3},     {3, Step::Last, 3},
    };
    for (const Case& c : cases) {
        QuizState s = makeQuiz(5);
        s.ReachedNumber = 3;
        s.ShownNumber = c.shown;
        step(s, c.where);
        EXPECT_EQ(s.ShownNumber, c.expected) << "from " << c.shown << " by " << static_cast<int>(c.where);
        EXPECT_EQ(s.ReachedNumber, 3);
    }

    struct Buttons {
        int shown, reached;
        bool back, up, submit;
    };
    for (const Buttons& b : std::vector<Buttons>{
             {3, 3, true, false, true}, {2, 3, true, true, false}, {1, 3, false, true, false}, {1, 1, false, false, true}}) {
        QuizState s = makeQuiz(5);
        s.ShownNumber = b.shown;
        s.ReachedNumber = b.reached;
        const StepButtons got = stepButtons(s);
        EXPECT_EQ(got.back, b.back) << b.shown << "/" << b.reached;
        EXPECT_EQ(got.up, b.up) << b.shown << "/" << b.reached;
        EXPECT_EQ(got.submit, b.submit) << b.shown << "/" << b.reached;
    }
}

TEST(QuizProgress, ReviewOfIncorrectAnswersFollowsRecycledQuestions)
{
    std::set<int> placesOfQ4;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        QuizState s = makeQuiz(5);
        s.RecycleIncorrect = true;
        s.FeedbackMode = -1;
        quizfile::Rng rng(seed);
        // Q2 and Q4 are missed the first time; their copies are answered right.
        std::set<std::string> missed;
        SubmitTag tag = SubmitTag::Answered;
        while (tag != SubmitTag::Ended) {
            const std::string next = s.QuizQuestion[static_cast<std::size_t>(s.ReachedNumber) + 1];
            const bool wrong = (next == "Q2" || next == "Q4") && missed.insert(next).second;
            tag = answerNext(s, wrong, rng);
        }
        ASSERT_EQ(s.QuizLength, 7);
        ASSERT_EQ(s.IncorrectCount, 2);

        s.WindowMode = "ReviewIncorrect";
        ASSERT_EQ(takeWindowMode(s), ModeTaken::Review);
        EXPECT_EQ(s.WindowMode, "Summary");
        EXPECT_EQ(s.FeedbackMode, 1);
        EXPECT_TRUE(s.ReviewingIncorrect);
        EXPECT_EQ(s.ReviewPosition, 1);
        EXPECT_EQ(s.ShownNumber, 2);
        EXPECT_EQ(s.QuizQuestion[2], "Q2");
        EXPECT_TRUE(s.ChoiceChecked[2][1]); // the wrong tick is still there to be marked
        EXPECT_FALSE(stepButtons(s).back);
        EXPECT_TRUE(stepButtons(s).up);
        EXPECT_FALSE(stepButtons(s).submit);

        step(s, Step::Next);
        EXPECT_EQ(s.ReviewPosition, 2);
        EXPECT_EQ(s.QuizQuestion[static_cast<std::size_t>(s.ShownNumber)], "Q4");
        EXPECT_TRUE(s.ChoiceChecked[static_cast<std::size_t>(s.ShownNumber)][1]);
        placesOfQ4.insert(s.ShownNumber);
        const StepButtons last = stepButtons(s);
        EXPECT_TRUE(last.back);
        EXPECT_FALSE(last.up);
        EXPECT_TRUE(last.submit);

        const int lastShown = s.ShownNumber;
        step(s, Step::Next);
        EXPECT_EQ(s.ShownNumber, lastShown);
        step(s, Step::First);
        EXPECT_EQ(s.ReviewPosition, 1);
        EXPECT_EQ(s.ShownNumber, 2);
    }
    // Q4 was pushed one place on by the copy of Q2 in some runs.
    EXPECT_EQ(placesOfQ4, (std::set<int>{4, 5}));
}

TEST(QuizProgress, ReviewIncorrectWithWrongAnswersAtTwoAndFive)
{
    QuizState s = makeQuiz(5);
    quizfile::Rng rng(1);
    for (int i = 1; i <= 5; ++i)
        answerNext(s, i == 2 || i == 5, rng);
    s.WindowMode = "ReviewIncorrect";
    ASSERT_EQ(takeWindowMode(s), ModeTaken::Review);
    EXPECT_EQ(s.ShownNumber, 2);
    step(s, Step::Next);
    EXPECT_EQ(s.ShownNumber, 5);
    EXPECT_FALSE(stepButtons(s).up);
    EXPECT_TRUE(stepButtons(s).submit);
    step(s, Step::Previous);
    EXPECT_EQ(s.ShownNumber, 2);
}

TEST(QuizProgress, ReviewIncorrectWithNothingWrongTakesNoMode)
{
    QuizState s = makeQuiz(3);
    s.ShownNumber = 3;
    s.ReachedNumber = 3;
    s.FeedbackMode = -1;
    s.WindowMode = "ReviewIncorrect";
    EXPECT_EQ(takeWindowMode(s), ModeTaken::None);
    EXPECT_FALSE(s.ReviewingIncorrect);
    EXPECT_EQ(s.ShownNumber, 3);
    EXPECT_EQ(s.FeedbackMode, -1);
}

TEST(QuizProgress, ModesHandedOverByTheSummary)
{
    struct Case {
        std::string mode;
        int feedback;
        ModeTaken taken;
        int feedbackAfter;
        std::string modeAfter;
    };
    const std::vector<Case> cases = {
        {"ReviewEntire", -1, ModeTaken::Review, 1, "Summary"},
        {"ReviewEntire", 0, ModeTaken::Review, 0, "Summary"},
        {"ReviewIncorrect", -1, ModeTaken::Review, 1, "Summary"},
        {"Retake", 1, ModeTaken::Retake, -1, "Summary"},
        {"Retake", -1, ModeTaken::Retake, -1, "Summary"},
        {"Retake", 0, ModeTaken::Retake, 0, "Summary"},
        {"Summary", 1, ModeTaken::None, 1, "Summary"},
        {"Quiz", -1, ModeTaken::None, -1, "Quiz"},
        {"reviewentire", -1, ModeTaken::None, -1, "reviewentire"},
    };
    for (const Case& c : cases) {
        QuizState s = makeQuiz(4);
        quizfile::Rng rng(1);
        for (int i = 1; i <= 4; ++i)
            answerNext(s, i == 3, rng);
        s.ShownNumber = 4;
        s.FeedbackMode = c.feedback;
        s.WindowMode = c.mode;
        EXPECT_EQ(takeWindowMode(s), c.taken) << c.mode;
        EXPECT_EQ(s.FeedbackMode, c.feedbackAfter) << c.mode << " " << c.feedback;
        EXPECT_EQ(s.WindowMode, c.modeAfter) << c.mode;
        if (c.mode == "ReviewEntire") {
            EXPECT_EQ(s.ShownNumber, 1);
            EXPECT_FALSE(s.ReviewingIncorrect);
            EXPECT_EQ(s.AnsweredCount, 4); // a review counts nothing
        }
        if (c.taken == ModeTaken::None) {
            EXPECT_EQ(s.ShownNumber, 4) << c.mode;
        }
    }
}

TEST(QuizProgress, RetakeStartsAfreshWithAnswerArraysForTheGrownQuiz)
{
    QuizState s = makeQuiz(4, "AABB");
    s.RecycleIncorrect = true;
    s.TimerSeconds = 50;
    quizfile::Rng rng(3);
    answerNext(s, true, rng); // grows the quiz to 5
    s.TypedAnswer[1] = "typed";
    s.DropSlot[1][1] = 9;
    s.ReviewingIncorrect = true;
    s.WindowMode = "Retake";
    ASSERT_EQ(takeWindowMode(s), ModeTaken::Retake);
    EXPECT_EQ(s.QuizLength, 5);
    EXPECT_FALSE(s.ReviewingIncorrect);
    EXPECT_EQ(s.ReachedNumber, 0);
    EXPECT_EQ(s.AnsweredCount, 0);
    EXPECT_EQ(s.CorrectCount, 0);
    EXPECT_EQ(s.IncorrectCount, 0);
    EXPECT_EQ(s.ScorePercent, "");
    EXPECT_EQ(s.ChapterAsked[1], 0);
    EXPECT_EQ(s.TypedAnswer.size(), 6u);
    EXPECT_EQ(s.TypedAnswer[1], "");
    EXPECT_EQ(s.DropSlot[1][1], 0);
    EXPECT_FALSE(s.ChoiceChecked[1][1]);
    EXPECT_EQ(s.TimerSeconds, 50); // counting resumes from what is left
}

TEST(QuizProgress, TimerText)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {605, "10:05"}, {59, "0:59"}, {3600, "60:00"}, {90, "1:30"}, {89, "1:29"},
        {0, "0:00"},    {6001, "100:01"}, {-3, "0:00"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(timerText(seconds), text) << seconds;
}

TEST(QuizProgress, ExpiryCountsUnansweredQuestionsAsWrong)
{
    QuizState s = makeQuiz(10);
    quizfile::Rng rng(1);
    answerNext(s, false, rng);
    answerNext(s, true, rng);
    answerNext(s, false, rng);
    ASSERT_EQ(s.ScorePercent, "67%");
    expireQuiz(s);
    EXPECT_EQ(s.AnsweredCount, 10);
    EXPECT_EQ(s.CorrectCount, 2);
    EXPECT_EQ(s.ScorePercent, "20%");

    QuizState empty = makeQuiz(0);
    expireQuiz(empty);
    EXPECT_EQ(empty.AnsweredCount, 0);
    EXPECT_EQ(empty.ScorePercent, "");
}

TEST(QuizProgress, KeyboardOfTheQuizWindow)
{
    using K = QuizKeyPress::Kind;
    using A = QuizKeyCommand::Action;
    struct Case {
        const char* name;
        QuizKeyPress key;
        int shown; // ShownNumber of 3 reached; 0 for the incorrect list at entry 1 of 2
        bool typing;
        bool picture;
        A action;
        int choice;
    };
    const std::vector<Case> cases = {
        {"escape opens the picture", {K::Escape}, 3, false, true, A::OpenPicture, -1},
        {"escape in a blank too", {K::Escape}, 3, true, true, A::OpenPicture, -1},
        {"escape without a picture", {K::Escape}, 3, false, false, A::None, -1},
        {"minus steps back", {K::KeypadMinus}, 2, false, false, A::StepBack, -1},
        {"minus at the first", {K::KeypadMinus}, 1, false, false, A::None, -1},
        {"plus steps forward", {K::KeypadPlus}, 2, false, false, A::StepForward, -1},
        {"plus at the last", {K::KeypadPlus}, 3, false, false, A::None, -1},
        {"minus in a blank", {K::KeypadMinus}, 2, true, false, A::None, -1},
        {"list: minus at entry 1", {K::KeypadMinus}, 0, false, false, A::None, -1},
        {"list: plus at entry 1 of 2", {K::KeypadPlus}, 0, false, false, A::StepForward, -1},
        {"A", {K::Letter, 'A'}, 3, false, false, A::ToggleChoice, 0},
        {"E", {K::Letter, 'E'}, 3, false, false, A::ToggleChoice, 4},
        {"h", {K::Letter, 'h'}, 3, false, false, A::ToggleChoice, 7},
        {"I", {K::Letter, 'I'}, 3, false, false, A::None, -1},
        {"C in an essay", {K::Letter, 'C'}, 3, true, false, A::None, -1},
        {"pad 1", {K::KeypadDigit, 0, 1}, 3, false, false, A::ToggleChoice, 0},
        {"pad 3", {K::KeypadDigit, 0, 3}, 3, false, false, A::ToggleChoice, 2},
        {"pad 8", {K::KeypadDigit, 0, 8}, 3, false, false, A::ToggleChoice, 7},
        {"pad 9", {K::KeypadDigit, 0, 9}, 3, false, false, A::None, -1},
        {"pad 0", {K::KeypadDigit, 0, 0}, 3, false, false, A::None, -1},
        {"pad 3 in a blank", {K::KeypadDigit, 0, 3}, 3, true, false, A::None, -1},
        {"other", {K::Other}, 2, false, true, A::None, -1},
    };
    for (const Case& c : cases) {
        QuizState s = makeQuiz(5);
        s.ReachedNumber = 3;
        s.ShownNumber = c.shown;
        if (c.shown == 0) {
            s.ReviewingIncorrect = true;
            s.IncorrectCount = 2;
            s.IncorrectList = {0, 2, 3};
            s.ReviewPosition = 1;
            s.ShownNumber = 2; // a step back exists in positions, not in the list
        }
        const QuizKeyCommand got = quizKeyCommand(c.key, s, c.typing, c.picture);
        EXPECT_EQ(got.action, c.action) << c.name;
        EXPECT_EQ(got.choice, c.choice) << c.name;
    }
}
