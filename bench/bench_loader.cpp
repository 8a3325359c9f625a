// Loading a full-size quiz (9999 questions) against merely reading and
// splitting the same file, and drawing a full-size quiz from the bank.
//
// Targets: loading costs at most three times reading and splitting, measured
// in the same run; assembling 9999 questions takes under 5 ms. The figures are
// printed after the table; nothing here fails on them.

#include "ScriptGenerator.h"

#include "orba/loader/ScriptLoader.h"
#include "orba/setup/QuizAssembly.h"
#include "orba/state/QuizState.h"
#include "quizfile/Lines.h"
#include "quizfile/Rng.h"

#include <benchmark/benchmark.h>

#include <chrono>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unistd.h>

namespace {

constexpr int kQuestions = 9999;
constexpr int kChapters = 25;
const std::string kFileDate = "1.2.2026, 3:04:05pm";

struct Variant {
    const char* name;
    orbabench::TextEncoding encoding;
    bool encrypted;
};

constexpr std::array<Variant, 4> kVariants = {{
    {"ascii", orbabench::TextEncoding::Ascii, false},
    {"ansi", orbabench::TextEncoding::Windows1252, false},
    {"utf8", orbabench::TextEncoding::Utf8, false},
    {"encrypted", orbabench::TextEncoding::Ascii, true},
}};

struct NoPrompts final : LoaderPrompts {
    std::optional<std::string> askTimer() override { return std::nullopt; }
    void showFileInfo(QuizState&) override {}
};

// The generated scripts, written once to temporary files and removed at exit.
class ScriptFiles {
public:
    ~ScriptFiles()
    {
        std::error_code ec;
        for (const auto& p : paths_)
            if (!p.empty())
                std::filesystem::remove(p, ec);
    }

    const std::filesystem::path& path(std::size_t variant)
    {
        auto& p = paths_[variant];
        if (p.empty()) {
            orbabench::ScriptShape shape;
            shape.questions = kQuestions;
            shape.chapters = kChapters;
            shape.encoding = kVariants[variant].encoding;
            shape.encrypted = kVariants[variant].encrypted;
            const std::string text = orbabench::generateScript(shape);
            p = std::filesystem::temp_directory_path()
                / ("orba-bench-" + std::to_string(::getpid()) + "-" + kVariants[variant].name + ".txt");
            std::ofstream(p, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
        }
        return p;
    }

private:
    std::array<std::filesystem::path, kVariants.size()> paths_;
};

ScriptFiles& scriptFiles()
{
    static ScriptFiles files;
    return files;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Why a load of the generated script is not the bank it should be, or empty.
std::string bankProblem(const QuizState& quiz, const LoadResult& result)
{
    if (result.outcome != LoadOutcome::Loaded)
        return "script not loaded: " + result.message;
    if (quiz.BankCount != kQuestions || quiz.ChapterCount != kChapters)
        return "generated script read as " + std::to_string(quiz.BankCount) + " questions in "
               + std::to_string(quiz.ChapterCount) + " chapters";
    return {};
}

void readAndSplit(benchmark::State& st, std::size_t variant)
{
    const auto& path = scriptFiles().path(variant);
    std::size_t bytes = 0;
    for (auto _ : st) {
        const std::string text = readFile(path);
        std::vector<std::string> lines = quizfile::splitLines(text, quizfile::LineEnds::Plain);
        for (auto& l : lines)
            quizfile::trimTrailingSpaces(l);
        benchmark::DoNotOptimize(lines.data());
        benchmark::ClobberMemory();
        bytes = text.size();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(bytes) * st.iterations());
    st.SetItemsProcessed(static_cast<std::int64_t>(kQuestions) * st.iterations());
}

void loadScript(benchmark::State& st, std::size_t variant)
{
    const auto& path = scriptFiles().path(variant);
    QuizState quiz;
    quiz.resetForNewScript();
    quizfile::Rng rng(7);
    NoPrompts prompts;
    std::size_t bytes = 0;
    for (auto _ : st) {
        const std::string text = readFile(path);
        // As the chapter window does before every load.
        quiz.resetForNewScript();
        const LoadResult result = loadScriptText(quiz, text, kFileDate, rng, prompts);
        if (const std::string problem = bankProblem(quiz, result); !problem.empty()) {
            st.SkipWithError(problem.c_str());
            break;
        }
        bytes = text.size();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(bytes) * st.iterations());
    st.SetItemsProcessed(static_cast<std::int64_t>(kQuestions) * st.iterations());
}

// The program's own way in: loadScriptFile() reads the file itself.
void loadScriptFromPath(benchmark::State& st)
{
    QuizState quiz;
    quiz.resetForNewScript();
    quiz.QuizPath = scriptFiles().path(0).string();
    quizfile::Rng rng(7);
    NoPrompts prompts;
    for (auto _ : st) {
        quiz.resetForNewScript();
        const LoadResult result = loadScriptFile(quiz, rng, prompts);
        if (const std::string problem = bankProblem(quiz, result); !problem.empty()) {
            st.SkipWithError(problem.c_str());
            break;
        }
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(std::filesystem::file_size(scriptFiles().path(0)))
                         * st.iterations());
    st.SetItemsProcessed(static_cast<std::int64_t>(kQuestions) * st.iterations());
}

// The plain ASCII bank, loaded once for the assembly benchmarks.
const QuizState& loadedBank()
{
    static const QuizState bank = [] {
        QuizState quiz;
        quiz.resetForNewScript();
        quizfile::Rng rng(7);
        NoPrompts prompts;
        const std::string text = readFile(scriptFiles().path(0));
        loadScriptText(quiz, text, kFileDate, rng, prompts);
        return quiz;
    }();
    return bank;
}

void assemble(benchmark::State& st, bool sequential)
{
    QuizState quiz = loadedBank();
    if (const std::string problem = bankProblem(quiz, LoadResult{}); !problem.empty()) {
        st.SkipWithError(problem.c_str());
        return;
    }
    quiz.SequentialPick = sequential;
    const ChapterTicks ticked = allChaptersTicked();
    const int length = static_cast<int>(st.range(0));
    if (countAvailable(quiz, ticked) < length) {
        st.SkipWithError("fewer questions available than the quiz length");
        return;
    }
    quizfile::Rng rng(11);
    for (auto _ : st) {
        assembleQuiz(quiz, ticked, length, rng);
        benchmark::DoNotOptimize(quiz.QuizCodes.data());
    }
    // The first quiz drawn from a bank has no earlier quiz to reuse.
    if (st.range(0) == kQuestions) {
        QuizState fresh = quiz;
        fresh.QuizQuestion.clear();
        fresh.QuizKind.clear();
        fresh.QuizChoices.clear();
        fresh.QuizHelp.clear();
        const auto start = std::chrono::steady_clock::now();
        assembleQuiz(fresh, ticked, length, rng);
        st.counters["first_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    if (quiz.QuizLength != length || quiz.QuizCodes.size() != static_cast<std::size_t>(length) * 5)
        st.SkipWithError("quiz not assembled to the requested length");
    st.SetItemsProcessed(static_cast<std::int64_t>(length) * st.iterations());
}

// The console table, then the figures against the targets.
class TargetReporter final : public benchmark::ConsoleReporter {
public:
    TargetReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.error_occurred)
                continue;
            // With repetitions the median stands for the benchmark.
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median")
                continue;
            if (r.run_type == Run::RT_Iteration && medians_.count(r.run_name.function_name))
                continue;
            const double ms = r.GetAdjustedRealTime() * scaleToMs(r.time_unit);
            times_[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] = ms;
            if (r.run_type == Run::RT_Aggregate)
                medians_.insert(r.run_name.function_name);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\nLoading against reading and splitting (target: at most 3x)\n");
        for (const Variant& v : kVariants) {
            const auto split = find(std::string("BM_ReadAndSplit/") + v.name);
            const auto load = find(std::string("BM_LoadScript/") + v.name);
            if (!split || !load)
                continue;
            const double ratio = *load / *split;
            std::fprintf(out, "  %-10s load %8.2f ms  read+split %8.2f ms  ratio %5.2fx  %s\n", v.name, *load,
                         *split, ratio, ratio <= 3.0 ? "within target" : "OVER TARGET");
        }
        const auto split = find("BM_ReadAndSplit/ascii");
        if (const auto file = find("BM_LoadScriptFile/ascii"); file && split)
            std::fprintf(out, "  %-10s load %8.2f ms  through loadScriptFile(), ratio %5.2fx\n", "ascii", *file,
                         *file / *split);
        std::fprintf(out, "Assembling a %d-question quiz (target: under 5 ms)\n", kQuestions);
        for (const char* name : {"BM_AssembleQuiz", "BM_AssembleQuizSequential"}) {
            if (const auto t = find(std::string(name) + "/" + std::to_string(kQuestions)))
                std::fprintf(out, "  %-26s %8.3f ms  %s\n", name, *t, *t < 5.0 ? "within target" : "OVER TARGET");
        }
        std::fflush(out);
    }

private:
    static double scaleToMs(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-6;
        case benchmark::kMicrosecond: return 1e-3;
        case benchmark::kMillisecond: return 1.0;
        case benchmark::kSecond: return 1e3;
        }
        return 1.0;
    }

    std::optional<double> find(const std::string& name) const
    {
        const auto it = times_.find(name);
        return it == times_.end() ? std::nullopt : std::optional<double>(it->second);
    }

    std::map<std::string, double> times_;
    std::set<std::string> medians_;
};

void registerBenchmarks()
{
    // Read+split and load alternate per variant, so both see the same machine state.
    for (std::size_t v = 0; v < kVariants.size(); ++v) {
        benchmark::RegisterBenchmark((std::string("BM_ReadAndSplit/") + kVariants[v].name).c_str(), readAndSplit, v)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("BM_LoadScript/") + kVariants[v].name).c_str(), loadScript, v)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("BM_LoadScriptFile/ascii", loadScriptFromPath)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_AssembleQuiz", assemble, false)
        ->Arg(kQuestions)
        ->Arg(50)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_AssembleQuizSequential", assemble, true)
        ->Arg(kQuestions)
        ->Arg(50)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace

int main(int argc, char** argv)
{
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
