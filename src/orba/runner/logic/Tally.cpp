#include "orba/runner/logic/Tally.h"

#include "orba/prefs/LanguageTable.h"
#include "orba/state/QuizState.h"

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kAnswerableBack = 0xC0FFFF;
constexpr std::uint32_t kFlashCardBack = 0xFFFFC0;
constexpr std::uint32_t kWrongBack = 0x0000FF;
constexpr std::uint32_t kRightBack = 0x008000;

} // namespace

TallyLook tallyLook(const QuizState& state, const LanguageTable& lang, bool answerable, bool flashCard,
                    bool shownWrong)
{
    const int p = state.ShownNumber;
    const std::string label = " " + lang.text("Q") + "#" + std::to_string(p) + ".";
    TallyLook look;
    if (state.FeedbackMode == -1) {
        look.text = label;
        look.foreBgr = kBlack;
        look.backBgr = flashCard ? kFlashCardBack : kAnswerableBack;
        return look;
    }
    // Keeps the score column still as the question number grows.
    const std::size_t spaces = p < 10 ? 3 : p < 100 ? 2 : 1;
    look.text = label + std::string(spaces, ' ') + std::to_string(state.CorrectCount) + " " + lang.text("out of") +
                " " + std::to_string(state.AnsweredCount) + "\r\n" + lang.text("       Your Score: ") +
                state.ScorePercent;
    if (answerable) {
        look.foreBgr = kBlack;
        look.backBgr = kAnswerableBack;
    } else if (flashCard) {
        look.foreBgr = kBlack;
        look.backBgr = kFlashCardBack;
    } else {
        look.foreBgr = kWhite;
        look.backBgr = shownWrong ? kWrongBack : kRightBack;
    }
    return look;
}
