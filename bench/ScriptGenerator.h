#pragma once

// Large, realistic quiz scripts made in memory for the benchmarks: a header,
// answer pools, chapters and every kind of question, in the proportions a
// real question bank has.

#include <cstdint>
#include <string>
#include <vector>

namespace orbabench {

enum class TextEncoding {
    // Plain ASCII: the loader's UTF-8 check has to scan the whole file.
    Ascii,
    // Accented words as single Windows-1252 bytes, as old scripts hold them.
    Windows1252,
    // The same words as UTF-8, so the loader converts the whole file.
    Utf8,
};

struct ScriptShape {
    int questions = 9999;
    int chapters = 25;
    // Pools A.. with 50 to 200 entries each (at most 20 pools).
    int pools = 5;
    TextEncoding encoding = TextEncoding::Ascii;
    // Written as an encrypted quiz file, as quizzes are handed to students.
    bool encrypted = false;
    std::uint64_t seed = 20260101;
};

// The script's lines; every block ends with its blank separator line.
std::vector<std::string> generateScriptLines(const ScriptShape& shape);

// The file: the lines joined with CR LF, as the editor writes a script, or
// the encrypted file holding them.
std::string generateScript(const ScriptShape& shape);

} // namespace orbabench
