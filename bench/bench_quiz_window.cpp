// How long the quiz window takes to put the next question on screen: the
// target is one frame (16 ms) for the largest layouts, eight choices and
// eight drag items. Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include "orba/prefs/LanguageTable.h"
#include "orba/runner/frmQuiz.h"
#include "orba/state/QuizState.h"
#include "QuietPlatform.h"
#include "platform/Platform.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kQuestions = 400;

// A quiz of one kind: eight choices, or eight items to put in order.
void fillQuiz(QuizState& s, bool dragDrop)
{
    s.resetForNewScript();
    s.QuizName = "bench";
    s.QuizLength = kQuestions;
    s.BankCount = kQuestions;
    s.QuizQuestion.assign(kQuestions + 1, {});
    s.QuizKind.assign(kQuestions + 1, dragDrop ? "[DD]" : "");
    s.QuizChoices.assign(kQuestions + 1, {});
    s.QuizHelp.assign(kQuestions + 1, {});
    s.QuizCodes.clear();
    for (int q = 1; q <= kQuestions; ++q) {
        s.QuizQuestion[q] = "Question " + std::to_string(q) + " of the benchmark, long enough to wrap[CR]onto a second line.";
        for (int j = 0; j < 8; ++j) {
            const std::string text = "Answer text number " + std::to_string(j + 1) + " for question " + std::to_string(q);
            s.QuizChoices[q][static_cast<std::size_t>(j)] =
                dragDrop ? std::to_string((j * 3) % 8) + text : (j == 2 ? std::string(1, '*') + text : text);
        }
        s.QuizCodes += '@';
        s.QuizCodes += quizfile::zeroPadded(q, 4);
    }
    s.createAnswerArrays(kQuestions);
}

void showNext(benchmark::State& st, bool dragDrop)
{
    QTemporaryDir dir;
    SettingsStore settings((dir.path() + QStringLiteral("/ORBA.ini")).toStdString());
    QuietDialogs dialogs;
    QuietShell shell;
    quizfile::Rng rng(1);
    SilentSoundPlayer sound;
    Platform platform{dialogs, shell, rng, settings, sound};
    LanguageTable lang;
    QuizState state;
    fillQuiz(state, dragDrop);
    frmQuiz window(state, platform, lang);
    window.start();
    for (auto _ : st) {
        if (state.ReachedNumber >= state.QuizLength) {
            st.PauseTiming();
            state.ReachedNumber = 0;
            st.ResumeTiming();
        }
        window.ShowNextQuestion();
        // What a person sees: the window painted with the new question.
        window.repaint();
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK_CAPTURE(showNext, eight_choices, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(showNext, eight_drag_items, true)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
