#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quizfile {

enum class LineEnds {
    // Plain scripts: CR LF, a lone CR and a lone LF all end a line.
    Plain,
    // Enciphered files: only CR LF or a lone CR ends a line; an LF byte may
    // belong to a key line written elsewhere.
    CrOnly,
};

// Splits text into lines. A final line end does not start another line, so
// "a\r\nb\r\n" gives {"a", "b"} and "" gives {}.
std::vector<std::string> splitLines(std::string_view text, LineEnds ends);

// Removes trailing spaces (only spaces, as a plain script reader does).
void trimTrailingSpaces(std::string& line);
std::string_view trimSpaces(std::string_view text);

// Joins with CR LF between lines and none after the last.
std::string joinCrLf(const std::vector<std::string>& lines);

std::string toUpperAscii(std::string_view text);
// Windows-1252 upper case: ASCII and the accented letters (é -> É, š -> Š,
// ÿ -> Ÿ); ß and µ have none. For comparing typed answers and searching
// without regard to letter case.
char toUpperAnsi(char c);
std::string toUpperAnsi(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

// Replaces every occurrence of `from` (compared without regard to letter case
// when noCase is set) by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to, bool noCase = false);

} // namespace quizfile
