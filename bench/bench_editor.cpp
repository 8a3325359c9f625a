// Opening a 50,000-line script in the editor and saving it encrypted: each
// should take well under half a second. Runs offscreen.

#include "QuietPlatform.h"
#include "platform/Platform.h"
#include "quizfile/Rng.h"
#include "settings/Keys.h"
#include "settings/SettingsStore.h"
#include "skrib/SkribState.h"
#include "skrib/frmSkrib.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// 50,000 lines in blocks of a question, four answers, a help line and a blank.
std::string bigScript()
{
    std::string s = "TITL: A large quiz\r\nMVER: 2.9\r\n";
    int lines = 2;
    for (int q = 1; lines < 50000; ++q) {
        s += "'Chapter " + std::to_string(q % 25) + "\r\n";
        s += "Question number " + std::to_string(q) + ": which of these answers is the right one?\r\n";
        s += "*The right answer to question " + std::to_string(q) + "\r\n";
        s += "A wrong answer with some more words in it\r\n";
        s += "Another wrong answer, d\xE9j\xE0 vu\r\n";
        s += "?Help comment explaining question " + std::to_string(q) + "\r\n\r\n";
        lines += 7;
    }
    return s;
}

struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{(dir.path() + QStringLiteral("/ORBA.ini")).toStdString()};
    QuietDialogs dialogs;
    QuietShell shell;
    quizfile::Rng rng{1};
    SilentSoundPlayer sound;
    Platform platform{dialogs, shell, rng, settings, sound};
    SkribState state;
    std::unique_ptr<frmSkrib> editor;
    std::string path;

    Fixture()
    {
        settings.saveBool(keys::Settings, keys::QTips, false, BoolForm::TrueFalse);
        path = (dir.path() + QStringLiteral("/big.txt")).toStdString();
        std::ofstream(path, std::ios::binary) << bigScript();
        editor = std::make_unique<frmSkrib>(state, platform);
        editor->start();
    }
};

void openScript(benchmark::State& st)
{
    Fixture f;
    for (auto _ : st) {
        f.editor->openFile(f.path);
        QCoreApplication::processEvents();
    }
    st.counters["lines"] = static_cast<double>(f.editor->txtT->blockCount());
}

void saveEncrypted(benchmark::State& st)
{
    Fixture f;
    f.editor->openFile(f.path);
    f.state.ScriptPath = f.path + ".qzf";
    f.state.EditorPassword = "benchmark";
    f.state.AutoSaveEncrypted = true;
    for (auto _ : st) {
        if (!f.editor->SaveScript(true))
            st.SkipWithError("the encrypted save failed");
    }
}

} // namespace

BENCHMARK(openScript)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveEncrypted)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
