#include "orba/setup/ScriptDump.h"

#include "orba/state/QuizState.h"
#include "quizfile/Ansi.h"

namespace {

void appendString(std::string& out, std::string_view ansi)
{
    out += '"';
    for (char c : quizfile::ansiToUtf8(ansi)) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[u >> 4];
                out += hex[u & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void key(std::string& out, const char* name, bool first = false)
{
    if (!first)
        out += ",\n";
    out += "  \"";
    out += name;
    out += "\": ";
}

} // namespace

std::string scriptDumpJson(const QuizState& s)
{
    std::string out = "{\n";
    key(out, "name", true); appendString(out, s.QuizName);
    key(out, "title"); appendString(out, s.QuizTitle);
    key(out, "author"); appendString(out, s.QuizAuthor);
    key(out, "compiler"); appendString(out, s.QuizCompiler);
    key(out, "modified"); appendString(out, s.QuizModified);
    key(out, "minVersion"); appendString(out, s.MinVersion);
    key(out, "note"); appendString(out, s.QuizNote);
    key(out, "timerSeconds"); out += std::to_string(s.TimerSeconds);
    key(out, "mono"); out += s.MonoFont ? "true" : "false";
    key(out, "sequential"); out += s.SequentialPick ? "true" : "false";
    key(out, "recycle"); out += s.RecycleIncorrect ? "true" : "false";
    key(out, "feedbackMode"); out += std::to_string(s.FeedbackMode);

    key(out, "chapters"); out += '[';
    for (int i = 1; i <= s.ChapterCount; ++i) {
        if (i > 1)
            out += ", ";
        appendString(out, s.ChapterNames[static_cast<std::size_t>(i)]);
    }
    out += ']';

    // Pools as far as the last one read.
    std::size_t pools = 0;
    for (std::size_t p = 0; p < s.PoolEntries.size(); ++p)
        if (!s.PoolEntries[p].empty())
            pools = p + 1;
    key(out, "pools"); out += '[';
    for (std::size_t p = 0; p < pools; ++p) {
        out += p ? ", [" : "[";
        for (std::size_t i = 0; i < s.PoolEntries[p].size(); ++i) {
            if (i)
                out += ", ";
            appendString(out, s.PoolEntries[p][i]);
        }
        out += ']';
    }
    out += ']';

    key(out, "catalogue"); appendString(out, s.Catalogue);
    key(out, "questions"); out += '[';
    for (int c = 1; c <= s.BankCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        out += c > 1 ? ",\n    {" : "\n    {";
        out += "\"code\": ";
        appendString(out, s.Catalogue.substr(i * 5 - 5, 5));
        out += ", \"kind\": ";
        appendString(out, s.BankKind[i]);
        out += ", \"question\": ";
        appendString(out, s.BankQuestion[i]);
        out += ", \"answers\": [";
        for (std::size_t j = 0; j < 8; ++j) {
            if (j)
                out += ", ";
            appendString(out, s.BankAnswers[i][j]);
        }
        out += "], \"help\": ";
        appendString(out, s.BankHelp[i]);
        out += ", \"order\": ";
        appendString(out, s.BankOrder[i]);
        out += '}';
    }
    out += s.BankCount > 0 ? "\n  ]" : "]";
    out += "\n}\n";
    return out;
}
