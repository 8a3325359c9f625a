#include "orba/results/SummaryText.h"

#include "orba/state/QuizState.h"
#include "quizfile/Lines.h"
#include "quizfile/Numbers.h"

namespace {

constexpr const char* kCrLf = "\r\n";

// The chapter window doubles " & " for its check box captions and keeps the
// names that way; this text box shows them literally.
std::string shownChapterName(const std::string& name)
{
    return quizfile::replaceAll(name, " && ", " & ");
}

std::string headingLine(const QuizState& state)
{
    if (state.ChapterCount == 1)
        return shownChapterName(state.ChapterNames[1]) + ", score summary:";
    if (state.ChapterCount >= 2)
        return state.QuizName + ", chapter by chapter:";
    return state.QuizName + ", score summary:";
}

std::string chapterLine(const QuizState& state, std::size_t i)
{
    const int asked = state.ChapterAsked[i];
    const int flashCards = state.ChapterFlashCards[i];
    std::string line = std::string(kCrLf) + kCrLf + "   " + shownChapterName(state.ChapterNames[i]) + "  -  ";
    if (asked > 0) {
        const int correct = state.ChapterCorrect[i];
        line += std::to_string(correct) + " / " + std::to_string(asked) + "   ("
            + quizfile::percentText(correct, asked) + ")";
    }
    if (flashCards > 0)
        line += "      (" + std::to_string(flashCards) + " flash card question" + (flashCards > 1 ? "s)" : ")");
    return line;
}

} // namespace

std::string summaryText(QuizState& state)
{
    std::string text = headingLine(state);
    if (state.AnsweredCount == 0) {
        text += std::string(kCrLf) + kCrLf + " Flash Card Quiz - " + std::to_string(state.QuizLength)
            + " questions, no stats available.";
        return text;
    }
    state.ChapterNames[0] = "Total score for this test:";
    for (std::size_t i = 0; i < state.ChapterNames.size(); ++i) {
        if (state.ChapterAsked[i] == 0 && state.ChapterFlashCards[i] == 0)
            continue;
        text += chapterLine(state, i);
    }
    state.ScorePercent = quizfile::percentText(state.CorrectCount, state.AnsweredCount);
    return text;
}

std::string scorePanelText(const QuizState& state)
{
    return " " + std::to_string(state.CorrectCount) + " out of " + std::to_string(state.AnsweredCount) + kCrLf
        + "  YOUR SCORE:" + (state.ScorePercent == "100%" ? "" : " ") + state.ScorePercent;
}
