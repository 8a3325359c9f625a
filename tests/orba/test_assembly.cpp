#include "LoaderFixture.h"

#include "orba/setup/QuizAssembly.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Three chapters of 4, 5 and 6 questions, after one question outside them.
std::string threeChapters()
{
    std::vector<std::string> lines{"Before any chapter", "*x", ""};
    const int sizes[] = {4, 5, 6};
    for (int ch = 0; ch < 3; ++ch) {
        lines.push_back("'Chapter " + std::to_string(ch + 1));
        for (int q = 1; q <= sizes[ch]; ++q) {
            lines.push_back("C" + std::to_string(ch + 1) + "Q" + std::to_string(q));
            lines.push_back("*right");
            lines.push_back("wrong");
            lines.push_back("");
        }
    }
    return script(lines);
}

} // namespace

TEST(Assembly, AvailableCountFollowsTheTickedChapters)
{
    auto l = load(threeChapters());
    ASSERT_EQ(l.state.BankCount, 16);
    ChapterTicks ticks = allChaptersTicked();
    // The question before the first chapter line is never counted.
    EXPECT_EQ(countAvailable(l.state, ticks), 15);
    ticks[1] = false;
    EXPECT_EQ(countAvailable(l.state, ticks), 10);
    EXPECT_EQ(availableText(10, 3), "  10 questions available from the selected chapters.");
    EXPECT_EQ(availableText(7, 1), "  7 questions available from the selected quiz.");
    EXPECT_EQ(availableText(1234, 0), "1234 questions available from the selected quiz.");
    ticks.fill(false);
    EXPECT_EQ(countAvailable(l.state, ticks), 0);

    auto noChapters = load(script({"Q1", "a", "", "Q2", "b", ""}));
    ticks.fill(false);
    EXPECT_EQ(countAvailable(noChapters.state, ticks), 2); // boxes do not matter without chapters
}

TEST(Assembly, CountValidation)
{
    struct Case { std::string typed; std::optional<int> length; };
    const Case cases[] = {
        {"10", 10}, {"1", 1}, {"3x", 3}, {"0", std::nullopt}, {"-3", std::nullopt}, {"2.5", std::nullopt},
        {"12", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt}, {"1e1", 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(validQuizLength(c.typed, 10), c.length) << c.typed;
}

TEST(Assembly, SequentialQuizTakesTheTickedChaptersInFileOrder)
{
    auto l = load("MVER: <SEQQ>\r\n" + threeChapters());
    ChapterTicks ticks{};
    ticks[0] = ticks[2] = true;
    quizfile::Rng rng(5);
    assembleQuiz(l.state, ticks, 6, rng);
    EXPECT_EQ(l.state.QuizLength, 6);
    EXPECT_EQ(l.state.QuizCodes, "A0002A0003A0004A0005C0011C0012");
    EXPECT_EQ(l.state.QuizQuestion[1], "C1Q1");
    EXPECT_EQ(l.state.QuizQuestion[6], "C3Q2");
}

TEST(Assembly, RandomQuizDrawsEachQuestionOnce)
{
    auto l = load(threeChapters());
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        quizfile::Rng rng(seed);
        assembleQuiz(l.state, allChaptersTicked(), 15, rng);
        ASSERT_EQ(l.state.QuizCodes.size(), 75u);
        std::set<std::string> codes;
        for (int q = 1; q <= 15; ++q) {
            const std::string code = l.state.QuizCodes.substr(static_cast<std::size_t>(q) * 5 - 5, 5);
            codes.insert(code);
            EXPECT_NE(code[0], '@');
            const int bank = std::stoi(code.substr(1));
            EXPECT_EQ(l.state.QuizQuestion[q], l.state.BankQuestion[bank]);
        }
        EXPECT_EQ(codes.size(), 15u);
    }
}

TEST(Assembly, ChoicesGoInDisplayOrder)
{
    auto l = load(script({"Drag", "[DD]", "first & one", "second", "third", "", "Pick", "*a & b", "c", "", "Blank", "[BL]",
                          "x & y", "", "MVER: no", "[FC]", "Card", "Back", ""}));
    l.state.BankOrder[1] = "201";
    l.state.BankOrder[2] = "10";
    l.state.SequentialPick = true;
    quizfile::Rng rng(1);
    assembleQuiz(l.state, allChaptersTicked(), 4, rng);
    const auto& ch = l.state.QuizChoices;
    EXPECT_EQ(ch[1][0], "2third");
    EXPECT_EQ(ch[1][1], "0first & one"); // a drag item keeps one ampersand
    EXPECT_EQ(ch[1][2], "1second");
    EXPECT_EQ(ch[2][0], "c");
    EXPECT_EQ(ch[2][1], "*a && b");
    EXPECT_EQ(ch[3][0], "x & y"); // fill in the blank: as written, slot order
    EXPECT_EQ(l.state.QuizKind[4], "[FC]");
    EXPECT_EQ(l.state.QuizHelp[4], "?Card");
}

TEST(Assembly, ASecondDrawLeavesNothingOfTheFirst)
{
    auto l = load(script({"Eight", "*1", "2", "3", "4", "5", "6", "7", "8", "", "Two", "*a", "b", "", "Card", "[FC]",
                          "back", ""}));
    quizfile::Rng rng(2);
    l.state.SequentialPick = true;
    assembleQuiz(l.state, allChaptersTicked(), 3, rng);
    ASSERT_EQ(l.state.QuizChoices[1][7].empty(), false);
    // Draw again in another order: every slot is the new question's own.
    l.state.BankOrder[2] = "10";
    ChapterTicks none{};
    l.state.SequentialPick = false;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        quizfile::Rng again(seed);
        assembleQuiz(l.state, none, 2, again);
        for (int q = 1; q <= 2; ++q) {
            const int bank = std::stoi(l.state.QuizCodes.substr(static_cast<std::size_t>(q) * 5 - 4, 4));
            EXPECT_EQ(l.state.QuizQuestion[q], l.state.BankQuestion[bank]);
            EXPECT_EQ(l.state.QuizHelp[q], l.state.BankHelp[bank]);
            const std::size_t shown = l.state.BankOrder[bank].size();
            for (std::size_t slot = shown; slot < 8; ++slot)
                EXPECT_EQ(l.state.QuizChoices[q][slot], "") << "question " << q << " slot " << slot;
        }
        EXPECT_EQ(l.state.QuizLength, 2);
    }
}
