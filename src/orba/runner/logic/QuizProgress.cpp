#include "orba/runner/logic/QuizProgress.h"

#include "orba/state/QuizState.h"
#include "quizfile/Grammar.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <cstdlib>

namespace {

template <typename T>
void growTo(std::vector<T>& values, std::size_t size)
{
    if (values.size() < size)
        values.resize(size);
}

// A new copy at t, the entries from t on one place up.
template <typename T>
void insertAt(std::vector<T>& values, std::size_t t, T value)
{
    growTo(values, t);
    values.insert(values.begin() + static_cast<std::ptrdiff_t>(t), std::move(value));
}

int incorrectEntry(const QuizState& state, int position)
{
    const auto at = static_cast<std::size_t>(position);
    return position >= 1 && at < state.IncorrectList.size() ? state.IncorrectList[at] : 0;
}

} // namespace

int chapterIndexForTally(const QuizState& state, int q, bool flashCard)
{
    const auto at = static_cast<std::size_t>(q) * 5 - 5;
    if (q < 1 || at >= state.QuizCodes.size())
        return 0;
    const char letter = state.QuizCodes[at];
    const int code = static_cast<unsigned char>(letter);
    const int chapter = flashCard && code >= 96 ? code - 96 : code - 64;
    // A graded question with a lower-case letter (a hand-made saved test)
    // would count outside the chapters; it counts as its letter, like a card.
    return chapter >= 0 && chapter <= 25 ? chapter : chapterOfCode(letter);
}

SubmitTag recordAnswer(QuizState& state, bool wrong, quizfile::Rng& rng)
{
    const int c = state.ReachedNumber;
    const auto at = static_cast<std::size_t>(c);
    const std::string kind = c >= 1 && at < state.QuizKind.size() ? state.QuizKind[at] : std::string();

    if (kind == quizfile::kFlashCard) {
        ++state.ChapterFlashCards[static_cast<std::size_t>(chapterIndexForTally(state, c, true))];
    } else {
        const auto chapter = static_cast<std::size_t>(chapterIndexForTally(state, c, false));
        ++state.AnsweredCount;
        ++state.ChapterAsked[chapter];
        if (wrong) {
            ++state.IncorrectCount;
            state.IncorrectList.resize(static_cast<std::size_t>(state.IncorrectCount) + 1);
            state.IncorrectList.back() = c;
            if (state.RecycleIncorrect)
                recycleQuestion(state, c, rng);
        } else {
            ++state.CorrectCount;
            ++state.ChapterCorrect[chapter];
        }
    }
    if (state.AnsweredCount > 0)
        state.ScorePercent = quizfile::percentText(state.CorrectCount, state.AnsweredCount);
    return state.ReachedNumber < state.QuizLength ? SubmitTag::Answered : SubmitTag::Ended;
}

// Only positions up to c have been shown, so every position from t = c + 1
// on holds no answer yet: its typed text is empty, its ticks clear and its
// drag entries 0 (they are set when a question is first laid out, and the
// answer being kept on paging back is always that of c). Moving the answer
// entries up with their questions therefore changes no answer; it is done so
// that the arrays keep one entry per question whatever was stored in them.
// IncorrectList holds positions up to c only and needs no shift.
void recycleQuestion(QuizState& state, int c, quizfile::Rng& rng)
{
    const int n = state.QuizLength;
    if (c < 1 || c > n)
        return;
    const auto t = static_cast<std::size_t>(c + 1 + rng.below(n - c + 1));
    const auto from = static_cast<std::size_t>(c);
    const auto size = static_cast<std::size_t>(n) + 1;

    for (auto* texts : {&state.QuizQuestion, &state.QuizKind, &state.QuizHelp}) {
        growTo(*texts, size);
        insertAt(*texts, t, std::string((*texts)[from]));
    }
    growTo(state.QuizChoices, size);
    insertAt(state.QuizChoices, t, AnswerSlots(state.QuizChoices[from]));

    // Answer arrays may be larger than the quiz (sized for the bank); they
    // only ever grow.
    growTo(state.TypedAnswer, size);
    growTo(state.ChoiceChecked, size);
    growTo(state.DropSlot, size);
    insertAt(state.TypedAnswer, t, std::string());
    insertAt(state.ChoiceChecked, t, std::array<bool, 8>{});
    insertAt(state.DropSlot, t, std::array<std::uint8_t, 9>{});

    // Keep five characters per question even if a saved test was short.
    while (state.QuizCodes.size() < 5 * static_cast<std::size_t>(n))
        state.QuizCodes += "@0000";
    const std::string code = state.QuizCodes.substr(5 * (from - 1), 5);
    state.QuizCodes.insert(5 * (t - 1), code);

    state.QuizLength = n + 1;
}

StepPosition stepPosition(const QuizState& state)
{
    if (state.ReviewingIncorrect)
        return {state.ReviewPosition, state.IncorrectCount};
    return {state.ShownNumber, state.ReachedNumber};
}

void step(QuizState& state, Step where)
{
    const StepPosition at = stepPosition(state);
    int target = at.step;
    switch (where) {
    case Step::First:
        if (at.step > 1)
            target = 1;
        break;
    case Step::Previous:
        if (at.step > 1)
            target = at.step - 1;
        break;
    case Step::Next:
        if (at.step < at.last)
            target = at.step + 1;
        break;
    case Step::Last:
        if (at.step < at.last)
            target = at.last;
        break;
    }
    if (target == at.step)
        return;
    if (state.ReviewingIncorrect) {
        const int shown = incorrectEntry(state, target);
        if (shown < 1)
            return;
        state.ReviewPosition = target;
        state.ShownNumber = shown;
    } else {
        state.ShownNumber = target;
    }
}

StepButtons stepButtons(const QuizState& state)
{
    const StepPosition at = stepPosition(state);
    return {at.step != 1, at.step != at.last, at.step >= at.last};
}

ModeTaken takeWindowMode(QuizState& state)
{
    if (state.WindowMode == "ReviewEntire") {
        state.ShownNumber = 1;
        state.ReviewingIncorrect = false;
    } else if (state.WindowMode == "ReviewIncorrect") {
        const int first = incorrectEntry(state, 1);
        if (state.IncorrectCount < 1 || first < 1)
            return ModeTaken::None;
        state.ReviewPosition = 1;
        state.ShownNumber = first;
        state.ReviewingIncorrect = true;
    } else if (state.WindowMode == "Retake") {
        state.resetForRetake();
        if (state.FeedbackMode != 0)
            state.FeedbackMode = -1;
        state.WindowMode = "Summary";
        return ModeTaken::Retake;
    } else {
        return ModeTaken::None;
    }
    // A quiz without feedback shows its marks and full tally under review.
    state.FeedbackMode = std::abs(state.FeedbackMode);
    state.WindowMode = "Summary";
    return ModeTaken::Review;
}

std::string timerText(int seconds)
{
    const int s = seconds < 0 ? 0 : seconds;
    return std::to_string(s / 60) + ":" + quizfile::zeroPadded(s % 60, 2);
}

void expireQuiz(QuizState& state)
{
    state.AnsweredCount = state.QuizLength;
    // The summary shows this score, so it must count the unanswered ones.
    if (state.AnsweredCount > 0)
        state.ScorePercent = quizfile::percentText(state.CorrectCount, state.AnsweredCount);
}

QuizKeyCommand quizKeyCommand(const QuizKeyPress& key, const QuizState& state, bool typingKind, bool pictureButtonShown)
{
    using Action = QuizKeyCommand::Action;
    if (key.kind == QuizKeyPress::Kind::Escape)
        return {pictureButtonShown ? Action::OpenPicture : Action::None, -1};
    if (typingKind)
        return {};
    const StepPosition at = stepPosition(state);
    switch (key.kind) {
    case QuizKeyPress::Kind::KeypadMinus:
        return {at.step > 1 ? Action::StepBack : Action::None, -1};
    case QuizKeyPress::Kind::KeypadPlus:
        return {at.step < at.last ? Action::StepForward : Action::None, -1};
    case QuizKeyPress::Kind::Letter: {
        const char letter = key.letter >= 'a' && key.letter <= 'z' ? static_cast<char>(key.letter - 32) : key.letter;
        if (letter >= 'A' && letter <= 'H')
            return {Action::ToggleChoice, letter - 'A'};
        return {};
    }
    case QuizKeyPress::Kind::KeypadDigit:
        if (key.digit >= 1 && key.digit <= 8)
            return {Action::ToggleChoice, key.digit - 1};
        return {};
    default:
        return {};
    }
}
