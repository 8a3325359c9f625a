#pragma once

// Turns a quiz script into the question bank of the quiz state in one forward
// pass. Pure: the two dialogs it may need mid-load come through LoaderPrompts,
// and file access is limited to loadScriptFile().

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

struct QuizState;
namespace quizfile { class Rng; }

class LoaderPrompts {
public:
    virtual ~LoaderPrompts() = default;
    // The timer dialog for a "TIME: <USER>" line: the typed text, or nothing
    // when the dialog was closed without OK (no time limit).
    virtual std::optional<std::string> askTimer() = 0;
    // The quiz information screen, shown modally once the header is read.
    virtual void showFileInfo(QuizState& state) = 0;
};

enum class LoadOutcome {
    Loaded,
    // A ".qzp" file: nothing is read here; the quiz window restores it.
    SavedTest,
    // The file could not be loaded; `message` says why.
    Refused,
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::string message;
};

// QuizName and PictureFolder from QuizPath.
void setNamesFromPath(QuizState& state);

// The file's date as the information screen shows it: 3/14/2004 2:05:00 PM
// becomes "3.14.2004, 2:05:00pm".
std::string modifiedDateText(std::time_t when);

// Loads script bytes into the bank of `state` (already reset for a new
// script). `fileDate` fills an empty "MODI:" value.
LoadResult loadScriptText(QuizState& state, std::string_view bytes, const std::string& fileDate,
                          quizfile::Rng& rng, LoaderPrompts& prompts);

// Names from QuizPath, the saved-test check, then reading and loading the file.
LoadResult loadScriptFile(QuizState& state, quizfile::Rng& rng, LoaderPrompts& prompts);

// Messages of the loader.
inline constexpr std::string_view kCorruptEncryptedMessage = "Encrypted File is Corrupt.";
