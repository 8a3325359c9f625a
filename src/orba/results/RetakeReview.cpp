#include "orba/results/RetakeReview.h"

#include "orba/state/QuizState.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Question {
    std::string code;
    std::string question;
    std::string kind;
    AnswerSlots choices;
    std::string help;
};

// A saved test may claim more than its arrays hold; such a position has
// nothing to copy.
bool holdsPosition(const QuizState& state, int p)
{
    const auto at = static_cast<std::size_t>(p);
    return p >= 1 && p <= state.QuizLength && at < state.QuizQuestion.size() && at < state.QuizKind.size()
        && at < state.QuizChoices.size() && at < state.QuizHelp.size() && at * 5 <= state.QuizCodes.size();
}

template <class T>
void growTo(std::vector<T>& v, std::size_t size)
{
    if (v.size() < size)
        v.resize(size);
}

} // namespace

int reduceToIncorrect(QuizState& state)
{
    const int held = std::max(static_cast<int>(state.IncorrectList.size()) - 1, 0);
    const int listed = std::clamp(state.IncorrectCount, 0, held);
    std::vector<Question> kept;
    kept.reserve(static_cast<std::size_t>(listed));
    for (int j = 1; j <= listed; ++j) {
        const int p = state.IncorrectList[static_cast<std::size_t>(j)];
        if (!holdsPosition(state, p))
            continue;
        const auto at = static_cast<std::size_t>(p);
        kept.push_back({state.QuizCodes.substr(at * 5 - 5, 5), state.QuizQuestion[at], state.QuizKind[at],
                        state.QuizChoices[at], state.QuizHelp[at]});
    }
    if (kept.empty())
        return 0;

    const std::size_t upper = kept.size() + 1;
    growTo(state.QuizQuestion, upper);
    growTo(state.QuizKind, upper);
    growTo(state.QuizChoices, upper);
    growTo(state.QuizHelp, upper);
    std::string codes;
    codes.reserve(kept.size() * 5);
    for (std::size_t j = 0; j < kept.size(); ++j) {
        Question& q = kept[j];
        codes += q.code;
        state.QuizQuestion[j + 1] = std::move(q.question);
        state.QuizKind[j + 1] = std::move(q.kind);
        state.QuizChoices[j + 1] = std::move(q.choices);
        state.QuizHelp[j + 1] = std::move(q.help);
    }
    state.QuizCodes = std::move(codes);
    state.QuizLength = static_cast<int>(kept.size());
    return state.QuizLength;
}
