#pragma once

#include "orba/loader/ScriptLoader.h"
#include "orba/state/QuizState.h"
#include "quizfile/Rng.h"

#include <optional>
#include <string>
#include <vector>

// Dialog answers for the loader, and a record of what it asked.
struct FakePrompts final : LoaderPrompts {
    std::optional<std::string> timerAnswer;
    int timerAsked = 0;
    int infoShown = 0;
    std::optional<std::string> askTimer() override { ++timerAsked; return timerAnswer; }
    void showFileInfo(QuizState&) override { ++infoShown; }
};

// Script text from lines, joined with CR LF.
inline std::string script(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? "\r\n" : "") + lines[i];
    return out;
}

struct Loaded {
    QuizState state;
    FakePrompts prompts;
    LoadResult result;
};

inline Loaded load(const std::string& text, std::optional<std::string> timerAnswer = std::nullopt,
                   std::uint64_t seed = 1, const std::string& date = "1.2.2026, 3:04:05pm")
{
    Loaded l;
    l.state.resetForNewScript();
    l.prompts.timerAnswer = std::move(timerAnswer);
    quizfile::Rng rng(seed);
    l.result = loadScriptText(l.state, text, date, rng, l.prompts);
    return l;
}
