#pragma once

// The editor's line view: the whole script as one Windows-1252 text whose
// lines are separated by CR LF, and the routines every editor command shares.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skrib {

inline constexpr std::string_view kUnclosedPoolMessage =
    "You have a pool that needs closing.\r\n\r\n"
    "Proper script form - Each pool must have a start: [POOLA] and an end: [/POOLA]";

inline constexpr std::string_view kFileInfoTemplate = "TITL: \r\nCOMP: \r\nMVER: \r\nNOTE: \r\nTIME: \r\n";

// Splits at CR LF pairs only; a lone CR or LF stays inside its line. An empty
// text has no lines, and a text ending in CR LF ends with an empty line, so
// JoinScript(SplitScript(t)) == t for every t.
std::vector<std::string> SplitScript(std::string_view text);

// CR LF between lines, none after the last.
std::string JoinScript(const std::vector<std::string>& lines);

inline int lastLine(const std::vector<std::string>& lines) { return static_cast<int>(lines.size()) - 1; }

bool isHeaderLine(std::string_view line);

struct FirstQuestion {
    bool aborted = false; // a pool was never closed; show kUnclosedPoolMessage
    int line = 0;
    std::size_t offset = 0;
    int poolCount = 0;
    int lineAfterPools = 0;
};

// Steps over header lines, pools A..J, a chapter line and the tag line after
// it. When the text ends first, line (and perhaps lineAfterPools) equals the
// number of lines and offset is the length of the whole text: the caret goes
// to the end and line-wise callers find nothing left to walk.
FirstQuestion FindFirstQuestion(const std::vector<std::string>& lines);

// first > last means there are no lines at all.
struct LineRange {
    int first = 0;
    int last = -1;
};

// The lines a command works on: those the selection touches (a selection
// ending at the very start of a line ends on the line before), or the caret's
// line to the last line when nothing is selected. Offsets are in the CR LF
// text and are clamped to it.
LineRange SelectedLineRange(std::string_view text, std::size_t selStart, std::size_t selLength);

struct FileInfoResult {
    std::string text;
    bool changed = false;
    std::size_t caret = 6; // just after "TITL: "
};

// "Add / Jump to File info": puts the header template in front unless line 0
// or line 1 already is a header line.
FileInfoResult AddFileInfo(std::string_view text);

// Done before every save. A run of CRs becomes a single CR, so "\r\r\n" is a
// plain line end again and saving twice writes the same bytes.
std::string collapseDoubleCr(std::string_view text);

// The editor widget counts one character per line break, the CR LF text two.
// Positions outside the text are clamped to it; an offset inside a CR LF pair
// maps to the end of that line.
std::size_t textOffsetFromWidget(const std::vector<std::string>& lines, int line, int column);
std::pair<int, int> widgetPositionFromText(const std::vector<std::string>& lines, std::size_t offset);

} // namespace skrib
