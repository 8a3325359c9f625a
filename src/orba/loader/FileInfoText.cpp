#include "orba/loader/FileInfoText.h"

#include "orba/prefs/LanguageTable.h"
#include "orba/state/QuizState.h"
#include "quizfile/Numbers.h"

namespace {

constexpr std::size_t kShownLength = 44;

std::string infoLine(const std::string& label, const std::string& value)
{
    std::string padded = label.size() < 11 ? std::string(11 - label.size(), ' ') + label : label;
    return padded + ": " + value + "\r\n";
}

} // namespace

void applyFileInfoDefaults(QuizState& s)
{
    if (s.QuizTitle.empty())
        s.QuizTitle = s.QuizName;
    s.QuizTitle = s.QuizTitle.substr(0, kShownLength);
    s.QuizAuthor = s.QuizAuthor.substr(0, kShownLength);
    s.QuizCompiler = s.QuizCompiler.substr(0, kShownLength);
    if (s.MinVersion.empty())
        s.MinVersion = "2.63";
}

std::string fileInfoLines(const QuizState& s, const LanguageTable& lang)
{
    std::string out = infoLine(lang.text("QUIZ TITLE"), s.QuizTitle);
    if (!s.QuizAuthor.empty())
        out += infoLine(lang.text("AUTHOR"), s.QuizAuthor);
    else
        out += infoLine(lang.text("COMPILED BY"), s.QuizCompiler.empty() ? lang.text("Anonymous") : s.QuizCompiler);
    out += infoLine(lang.text("MODIFIED"), s.QuizModified);
    out += infoLine(lang.text("MIN. ORBA"), s.MinVersion);
    return out;
}

std::string fileInfoNote(const QuizState& s, const LanguageTable& lang)
{
    return s.QuizNote.empty() ? std::string() : lang.text("NOTE: ") + s.QuizNote + "\r\n";
}

std::string timerInfoText(int seconds, const LanguageTable& lang)
{
    if (seconds <= 0)
        return lang.text("No Timer");
    return lang.text("Timer") + " = " + std::to_string(seconds / 60) + ":" + quizfile::zeroPadded(seconds % 60, 2);
}

std::string programCaption()
{
    return " ORBA v" + std::to_string(ORBA_VERSION_MAJOR) + "." + std::to_string(ORBA_VERSION_MINOR);
}
