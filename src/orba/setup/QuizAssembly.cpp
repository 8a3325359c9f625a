#include "orba/setup/QuizAssembly.h"

#include "orba/state/QuizState.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <cmath>
#include <vector>

using namespace quizfile;

namespace {

// Records (as offsets into Catalogue) that belong to the ticked chapters,
// chapter by chapter in chapter order, each in file order.
std::vector<std::size_t> candidateRecords(const QuizState& state, const ChapterTicks& ticked)
{
    const std::string& cat = state.Catalogue;
    const std::size_t records = cat.size() / 5;
    std::vector<std::size_t> out;
    if (state.ChapterCount == 0) {
        out.reserve(records);
        for (std::size_t r = 0; r < records; ++r)
            out.push_back(r * 5);
        return out;
    }
    std::array<std::vector<std::size_t>, 25> byChapter;
    for (std::size_t r = 0; r < records; ++r) {
        const int f = static_cast<unsigned char>(cat[r * 5]) - 65;
        if (f >= 0 && f < 25 && ticked[static_cast<std::size_t>(f)])
            byChapter[static_cast<std::size_t>(f)].push_back(r * 5);
    }
    for (const auto& chapter : byChapter)
        out.insert(out.end(), chapter.begin(), chapter.end());
    return out;
}

} // namespace

ChapterTicks allChaptersTicked()
{
    ChapterTicks t;
    t.fill(true);
    return t;
}

int countAvailable(const QuizState& state, const ChapterTicks& ticked)
{
    if (state.ChapterCount == 0)
        return static_cast<int>(state.Catalogue.size() / 5);
    int n = 0;
    for (std::size_t at = 0; at + 5 <= state.Catalogue.size(); at += 5) {
        const int f = static_cast<unsigned char>(state.Catalogue[at]) - 65;
        if (f >= 0 && f < state.ChapterCount && ticked[static_cast<std::size_t>(f)])
            ++n;
    }
    return n;
}

std::string availableText(int available, int chapterCount)
{
    const std::string padded = "  " + std::to_string(available);
    return padded.substr(padded.size() > 4 ? padded.size() - 4 : 0) + " "
           + (chapterCount < 2 ? "questions available from the selected quiz."
                               : "questions available from the selected chapters.");
}

std::optional<int> validQuizLength(const std::string& typed, int available)
{
    const double v = leadingNumber(typed);
    if (v != std::floor(v) || v < 1 || v > available)
        return std::nullopt;
    return static_cast<int>(v);
}

void assembleQuiz(QuizState& state, const ChapterTicks& ticked, int length, Rng& rng)
{
    std::vector<std::size_t> candidates = candidateRecords(state, ticked);
    if (length > static_cast<int>(candidates.size()))
        length = static_cast<int>(candidates.size());

    const auto n = static_cast<std::size_t>(length < 0 ? 0 : length) + 1;
    state.QuizLength = length < 0 ? 0 : length;
    state.QuizCodes.clear();
    state.QuizCodes.reserve(n * 5);
    // Texts of an earlier quiz are overwritten in place: their buffers are
    // reused instead of freed and allocated again.
    state.QuizQuestion.resize(n);
    state.QuizKind.resize(n);
    state.QuizChoices.resize(n);
    state.QuizHelp.resize(n);
    state.QuizQuestion[0].clear();
    state.QuizKind[0].clear();
    state.QuizHelp[0].clear();
    for (std::string& slot : state.QuizChoices[0])
        slot.clear();

    // A sequential quiz takes the front of the list in file order. A random
    // draw is uniform over the records left; the last one fills the hole, so
    // a draw costs the same for a quiz of ten or of ten thousand.
    for (int g = 1; g <= state.QuizLength; ++g) {
        std::size_t at;
        const auto i = static_cast<std::size_t>(g - 1);
        if (state.SequentialPick) {
            at = candidates[i];
        } else {
            const auto h = static_cast<std::size_t>(rng.below(static_cast<int>(candidates.size())));
            at = candidates[h];
            candidates[h] = candidates.back();
            candidates.pop_back();
        }
        const std::string_view record = std::string_view(state.Catalogue).substr(at, 5);
        state.QuizCodes += record;
        std::size_t b = 0;
        for (char d : record.substr(1))
            b = b * 10 + static_cast<std::size_t>(d - '0');
        const auto q = static_cast<std::size_t>(g);
        if (b >= state.BankQuestion.size()) {
            state.QuizQuestion[q].clear();
            state.QuizKind[q].clear();
            state.QuizHelp[q].clear();
            for (std::string& slot : state.QuizChoices[q])
                slot.clear();
            continue;
        }
        state.QuizQuestion[q] = state.BankQuestion[b];
        state.QuizKind[q] = state.BankKind[b];
        state.QuizHelp[q] = state.BankHelp[b];
        const std::string& kind = state.QuizKind[q];
        if (equalsNoCase(kind, kBlank) || kind == kFlashCard) {
            state.QuizChoices[q] = state.BankAnswers[b];
            continue;
        }
        const std::string& order = state.BankOrder[b];
        const bool dragDrop = kind == kDragDrop;
        for (std::size_t o = order.size(); o < 8; ++o)
            state.QuizChoices[q][o].clear();
        for (std::size_t o = 0; o < order.size() && o < 8; ++o) {
            const char digit = order[o];
            const std::string& answer = state.BankAnswers[b][static_cast<std::size_t>(digit - '0')];
            std::string& slot = state.QuizChoices[q][o];
            if (dragDrop) {
                slot.assign(1, digit);
                slot += answer;
            } else if (answer.find('&') == std::string::npos) {
                slot = answer;
            } else {
                slot = replaceAll(answer, "&", "&&");
            }
        }
    }
}
