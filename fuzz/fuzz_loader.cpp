// Scripts come from users: whatever the bytes, loading must not crash, and
// the bank it builds must hold together well enough to draw a quiz from.
// Broken bank invariants abort, so a silent mis-read counts as a finding.

#include "orba/loader/ScriptLoader.h"
#include "orba/setup/QuizAssembly.h"
#include "orba/state/QuizState.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

// The timer dialog answers on even input sizes and is closed otherwise, so
// both ways through a "TIME: <USER>" line get explored.
class FuzzPrompts final : public LoaderPrompts {
public:
    explicit FuzzPrompts(bool answerTimer) : answerTimer_(answerTimer) {}
    std::optional<std::string> askTimer() override
    {
        return answerTimer_ ? std::optional<std::string>("1:30") : std::nullopt;
    }
    void showFileInfo(QuizState&) override {}

private:
    bool answerTimer_;
};

void require(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

// An order string lists each of the first n answer slots exactly once.
bool isSlotPermutation(std::string_view order)
{
    if (order.size() > static_cast<std::size_t>(quizfile::kAnswerSlots))
        return false;
    std::array<bool, 8> seen{};
    for (char d : order) {
        const int slot = d - '0';
        if (slot < 0 || slot >= static_cast<int>(order.size()) || seen[static_cast<std::size_t>(slot)])
            return false;
        seen[static_cast<std::size_t>(slot)] = true;
    }
    return true;
}

void checkBank(const QuizState& s)
{
    require(s.BankCount >= 1 && s.BankCount <= quizfile::kMaxQuestions, "bank count within 1..9999");
    require(s.ChapterCount >= 0 && s.ChapterCount <= quizfile::kMaxChapters, "chapter count within 0..25");
    require(s.TimerSeconds >= 0, "timer not negative");
    const auto n = static_cast<std::size_t>(s.BankCount) + 1;
    require(s.BankQuestion.size() == n && s.BankKind.size() == n && s.BankAnswers.size() == n
                && s.BankHelp.size() == n && s.BankOrder.size() == n,
            "bank arrays hold index 0..BankCount");
    require(s.Catalogue.size() == static_cast<std::size_t>(s.BankCount) * 5, "one catalogue record per question");

    char lastLetter = '@';
    for (int c = 1; c <= s.BankCount; ++c) {
        const auto at = static_cast<std::size_t>(c - 1) * 5;
        const char letter = s.Catalogue[at];
        require(letter >= lastLetter && letter <= '@' + s.ChapterCount, "catalogue letters follow the chapters");
        lastLetter = letter;
        require(s.Catalogue.compare(at + 1, 4, quizfile::zeroPadded(c, 4)) == 0, "catalogue numbers run 0001..");

        const auto i = static_cast<std::size_t>(c);
        require(isSlotPermutation(s.BankOrder[i]), "order string is a permutation of the answer slots");
        if (s.BankKind[i] == quizfile::kFlashCard)
            require(s.BankOrder[i].empty() && s.BankAnswers[i][0].empty(), "a flash card has no choices");
        // Blanks keep their accepted answers without an order; every other
        // question shows all its answers, so none may lie beyond the order.
        if (quizfile::toUpperAscii(s.BankKind[i]) != quizfile::kBlank) {
            for (std::size_t slot = s.BankOrder[i].size(); slot < s.BankAnswers[i].size(); ++slot)
                require(s.BankAnswers[i][slot].empty(), "every answer has a place in the order");
        }
    }
    for (std::size_t p = 0; p < s.PoolEntries.size(); ++p) {
        require(s.PoolEntries[p].size() <= static_cast<std::size_t>(quizfile::kMaxPoolEntries), "pool size");
        require(s.PoolIndex[p].size() == s.PoolEntries[p].size() * 4, "one index record per pool entry");
    }
}

void checkQuiz(const QuizState& s, int length)
{
    require(s.QuizLength == length, "quiz has the length asked for");
    require(s.QuizCodes.size() == static_cast<std::size_t>(length) * 5, "one code per quiz question");
    const auto n = static_cast<std::size_t>(length) + 1;
    require(s.QuizQuestion.size() >= n && s.QuizKind.size() >= n && s.QuizChoices.size() >= n
                && s.QuizHelp.size() >= n,
            "quiz arrays hold index 1..QuizLength");
    std::set<int> drawn;
    for (int g = 1; g <= length; ++g) {
        const std::string_view code = std::string_view(s.QuizCodes).substr(static_cast<std::size_t>(g - 1) * 5, 5);
        int b = 0;
        for (char d : code.substr(1)) {
            require(d >= '0' && d <= '9', "code number is four digits");
            b = b * 10 + (d - '0');
        }
        require(b >= 1 && b <= s.BankCount, "code names a bank question");
        require(code[0] == s.Catalogue[static_cast<std::size_t>(b - 1) * 5], "code carries its chapter letter");
        require(drawn.insert(b).second, "no question drawn twice");
        const auto q = static_cast<std::size_t>(g);
        require(s.QuizQuestion[q] == s.BankQuestion[static_cast<std::size_t>(b)]
                    && s.QuizKind[q] == s.BankKind[static_cast<std::size_t>(b)]
                    && s.QuizHelp[q] == s.BankHelp[static_cast<std::size_t>(b)],
                "quiz question copies its bank question");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    QuizState state;
    state.resetForNewScript();
    quizfile::Rng rng(20260101);
    FuzzPrompts prompts(size % 2 == 0);

    const LoadResult result = loadScriptText(state, bytes, "1.2.2026, 3:04:05pm", rng, prompts);
    if (result.outcome != LoadOutcome::Loaded)
        return 0;
    checkBank(state);

    const ChapterTicks ticked = allChaptersTicked();
    const int available = countAvailable(state, ticked);
    if (available <= 0)
        return 0;
    const int length = std::min(available, 50);
    // As the script asks, then the other way round.
    for (int pass = 0; pass < 2; ++pass) {
        assembleQuiz(state, ticked, length, rng);
        checkQuiz(state, length);
        state.SequentialPick = !state.SequentialPick;
    }
    return 0;
}
