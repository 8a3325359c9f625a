#include "orba/setup/StartUp.h"

#include "orba/loader/ScriptLoader.h"
#include "orba/setup/ScriptDump.h"
#include "orba/state/QuizState.h"
#include "quizfile/Ansi.h"
#include "quizfile/Rng.h"

#include <charconv>
#include <filesystem>

namespace {

// No dialogs in a dump: a time the user would set counts as no time limit.
class SilentPrompts final : public LoaderPrompts {
public:
    std::optional<std::string> askTimer() override { return std::nullopt; }
    void showFileInfo(QuizState&) override {}
};

std::string unquoted(const std::string& arg)
{
    if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"')
        return arg.substr(1, arg.size() - 2);
    return arg;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.mode = CommandLine::Mode::Help;
            return cl;
        }
        if (a == "--version") {
            cl.mode = CommandLine::Mode::Version;
            return cl;
        }
        if (a == "--dump-script") {
            if (i + 1 >= args.size()) {
                cl.mode = CommandLine::Mode::Error;
                cl.error = "--dump-script needs a file";
                return cl;
            }
            cl.mode = CommandLine::Mode::DumpScript;
            cl.path = unquoted(args[++i]);
        } else if (a == "--seed") {
            std::uint64_t seed = 0;
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            const auto res = std::from_chars(value.data(), value.data() + value.size(), seed);
            if (value.empty() || res.ec != std::errc() || res.ptr != value.data() + value.size()) {
                cl.mode = CommandLine::Mode::Error;
                cl.error = "--seed needs a whole number";
                return cl;
            }
            cl.seed = seed;
        } else if (cl.path.empty()) {
            cl.path = unquoted(a);
        } else {
            cl.mode = CommandLine::Mode::Error;
            cl.error = "one quiz file at a time";
            return cl;
        }
    }
    return cl;
}

std::string usageText()
{
    return "Usage: orba [QUIZFILE]\n"
           "       orba --dump-script QUIZFILE [--seed N]\n"
           "\n"
           "Takes the quiz in QUIZFILE (a .qzf, .txt or .qzp file); without one,\n"
           "asks for a quiz file.\n"
           "\n"
           "  --dump-script FILE  print how the quiz script reads, as JSON, and exit\n"
           "  --seed N            draw answer orders and pool answers from seed N\n"
           "  --help              show this help\n"
           "  --version           show the version\n";
}

int dumpScript(const std::string& path, std::optional<std::uint64_t> seed, std::string& out, std::string& err)
{
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        err = "There's no such file: " + path + "\n";
        return 1;
    }
    QuizState state;
    state.resetForNewScript();
    state.QuizPath = path;
    quizfile::Rng rng;
    if (seed)
        rng.seed(*seed);
    SilentPrompts prompts;
    const LoadResult result = loadScriptFile(state, rng, prompts);
    if (result.outcome == LoadOutcome::SavedTest) {
        err = "A saved test in progress is not a quiz script.\n";
        return 1;
    }
    if (result.outcome == LoadOutcome::Refused) {
        err = quizfile::ansiToUtf8(result.message) + "\n";
        return 1;
    }
    out = scriptDumpJson(state);
    return 0;
}
