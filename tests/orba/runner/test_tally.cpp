#include "orba/runner/logic/Tally.h"

#include "orba/prefs/LanguageTable.h"
#include "orba/state/QuizState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0xC0FFFF;
constexpr std::uint32_t kCyan = 0xFFFFC0;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x008000;

QuizState tallied(int shown, int correct, int answered, const std::string& percent, int feedback)
{
    QuizState s;
    s.ShownNumber = shown;
    s.CorrectCount = correct;
    s.AnsweredCount = answered;
    s.ScorePercent = percent;
    s.FeedbackMode = feedback;
    return s;
}

} // namespace

TEST(Tally, ScoreLineKeepsItsColumn)
{
    const LanguageTable eng;
    const std::vector<std::pair<int, std::string>> cases = {
        {7, " Q#7.   5 out of 6"},  {9, " Q#9.   5 out of 6"},   {10, " Q#10.  5 out of 6"},
        {99, " Q#99.  5 out of 6"}, {100, " Q#100. 5 out of 6"}, {105, " Q#105. 5 out of 6"},
    };
    for (const auto& [shown, line] : cases) {
        const TallyLook look = tallyLook(tallied(shown, 5, 6, "83%", 0), eng, true, false, false);
        EXPECT_EQ(look.text, line + "\r\n       Your Score: 83%") << shown;
    }
    // Before the first scored answer the score is still empty.
    EXPECT_EQ(tallyLook(tallied(1, 0, 0, "", 0), eng, true, false, false).text,
              " Q#1.   0 out of 0\r\n       Your Score: ");
}

TEST(Tally, ColoursTellAnswerableRightWrongAndCard)
{
    const LanguageTable eng;
    struct Case {
        const char* name;
        int feedback;
        bool answerable, card, wrong;
        std::uint32_t fore, back;
        bool labelOnly;
    };
    const std::vector<Case> cases = {
        {"answerable", 0, true, false, false, kBlack, kYellow, false},
        {"answerable after a wrong look", 0, true, false, true, kBlack, kYellow, false},
        {"answerable card", 0, true, true, false, kBlack, kYellow, false},
        {"answered card", 0, false, true, false, kBlack, kCyan, false},
        {"answered right", 0, false, false, false, kWhite, kGreen, false},
        {"answered wrong", 0, false, false, true, kWhite, kRed, false},
        {"reviewed without-feedback quiz", 1, false, false, true, kWhite, kRed, false},
        {"no feedback, wrong", -1, false, false, true, kBlack, kYellow, true},
        {"no feedback, answerable", -1, true, false, false, kBlack, kYellow, true},
        {"no feedback, card", -1, false, true, false, kBlack, kCyan, true},
        {"no feedback, answerable card", -1, true, true, false, kBlack, kCyan, true},
    };
    for (const Case& c : cases) {
        const TallyLook look = tallyLook(tallied(12, 3, 4, "75%", c.feedback), eng, c.answerable, c.card, c.wrong);
        EXPECT_EQ(look.foreBgr, c.fore) << c.name;
        EXPECT_EQ(look.backBgr, c.back) << c.name;
        EXPECT_EQ(look.text, c.labelOnly ? " Q#12." : " Q#12.  3 out of 4\r\n       Your Score: 75%") << c.name;
    }
}

TEST(Tally, WordsComeFromTheLanguage)
{
    const LanguageTable esp(Language::Esp);
    const TallyLook look = tallyLook(tallied(3, 1, 2, "50%", 0), esp, true, false, false);
    EXPECT_EQ(look.text, " P#3.   1 de 2\r\n" + esp.text("       Your Score: ") + "50%");
    EXPECT_NE(esp.text("       Your Score: "), "       Your Score: ");
    EXPECT_EQ(tallyLook(tallied(3, 1, 2, "50%", -1), esp, true, false, false).text, " P#3.");
}
