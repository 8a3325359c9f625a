#include "skrib/text/ScriptText.h"

#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace skrib {

namespace {

// Index of the CR of the next CR LF pair at or after `from`, or npos.
// memchr over LF keeps 2 MB scripts fast.
std::size_t findCrLf(std::string_view text, std::size_t from)
{
    const char* const base = text.data();
    const std::size_t n = text.size();
    std::size_t at = from + 1;
    while (at < n) {
        const void* hit = std::memchr(base + at, '\n', n - at);
        if (hit == nullptr)
            return std::string_view::npos;
        const auto lf = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
        if (base[lf - 1] == '\r')
            return lf - 1;
        at = lf + 1;
    }
    return std::string_view::npos;
}

// CR LF pairs lying wholly within the first `end` characters.
int countCrLfWithin(std::string_view text, std::size_t end)
{
    int count = 0;
    for (std::size_t at = findCrLf(text, 0); at != std::string_view::npos && at + 2 <= end; at = findCrLf(text, at + 2))
        ++count;
    return count;
}

bool isPoolLine(std::string_view line, bool end, int pool)
{
    return quizfile::equalsNoCase(quizfile::trimSpaces(line),
                                  end ? quizfile::poolEndLine(pool) : quizfile::poolStartLine(pool));
}

// The editor creates and walks ten pools, A to J.
constexpr int kEditorPools = 10;

bool isFirstQuestionTag(std::string_view line)
{
    using namespace quizfile;
    const std::string up = toUpperAscii(trimSpaces(line));
    static constexpr std::array<std::string_view, 6> tags = {kFlashCard,      kBlank,  kDragDrop, kWrittenOrder,
                                                             kMultipleChoice, kEssay};
    if (std::find(tags.begin(), tags.end(), up) != tags.end())
        return true;
    const int pool = poolNumberOfKind(up);
    return pool >= 1 && pool <= kEditorPools;
}

std::size_t textLength(const std::vector<std::string>& lines)
{
    std::size_t total = 0;
    for (const auto& line : lines)
        total += line.size() + 2;
    return lines.empty() ? 0 : total - 2;
}

} // namespace

std::vector<std::string> SplitScript(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    lines.reserve(static_cast<std::size_t>(countCrLfWithin(text, text.size())) + 1);
    std::size_t start = 0;
    for (std::size_t at = findCrLf(text, 0); at != std::string_view::npos; at = findCrLf(text, at + 2)) {
        lines.emplace_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinScript(const std::vector<std::string>& lines) { return quizfile::joinCrLf(lines); }

bool isHeaderLine(std::string_view line) { return !quizfile::headerKeyOf(line).empty(); }

FirstQuestion FindFirstQuestion(const std::vector<std::string>& lines)
{
    FirstQuestion result;
    const std::size_t n = lines.size();
    std::size_t at = 0;
    while (at < n && isHeaderLine(lines[at]))
        ++at;

    if (at < n && isPoolLine(lines[at], false, 0)) {
        for (int pool = 0; pool < kEditorPools; ++pool) {
            ++result.poolCount;
            while (at < n && !isPoolLine(lines[at], true, pool))
                ++at;
            if (at == n) {
                result.aborted = true;
                return result;
            }
            ++at;
            if (at == n || pool + 1 == kEditorPools || !isPoolLine(lines[at], false, pool + 1))
                break;
        }
    }
    result.lineAfterPools = static_cast<int>(at);

    if (at < n && !lines[at].empty() && lines[at].front() == quizfile::kChapterMark) {
        ++at;
        if (at < n && isFirstQuestionTag(lines[at]))
            ++at;
    }

    result.line = static_cast<int>(at);
    if (at == n) {
        result.offset = textLength(lines);
    } else {
        for (std::size_t i = 0; i < at; ++i)
            result.offset += lines[i].size() + 2;
    }
    return result;
}

LineRange SelectedLineRange(std::string_view text, std::size_t selStart, std::size_t selLength)
{
    LineRange range;
    selStart = std::min(selStart, text.size());
    selLength = std::min(selLength, text.size() - selStart);
    range.first = countCrLfWithin(text, selStart);
    if (text.empty() || selLength == 0) {
        range.last = text.empty() ? -1 : countCrLfWithin(text, text.size());
        return range;
    }
    // The line of the selection's last character, so that a selection ending
    // at the very start of a line ends on the line before. A selection inside
    // line 0 is line 0 alone, not the whole script.
    range.last = countCrLfWithin(text, selStart + selLength - 1);
    return range;
}

FileInfoResult AddFileInfo(std::string_view text)
{
    FileInfoResult result;
    if (text.empty()) {
        result.text = kFileInfoTemplate;
        result.changed = true;
        return result;
    }
    const std::size_t firstEnd = findCrLf(text, 0);
    const std::string_view line0 = text.substr(0, firstEnd);
    std::string_view line1;
    if (firstEnd != std::string_view::npos) {
        const std::size_t secondStart = firstEnd + 2;
        const std::size_t secondEnd = findCrLf(text, secondStart);
        line1 = text.substr(secondStart, secondEnd == std::string_view::npos ? std::string_view::npos
                                                                             : secondEnd - secondStart);
    }
    if (isHeaderLine(line0) || isHeaderLine(line1)) {
        result.text = text;
        return result;
    }
    result.text.reserve(kFileInfoTemplate.size() + text.size());
    result.text.append(kFileInfoTemplate).append(text);
    result.changed = true;
    return result;
}

std::string collapseDoubleCr(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t cr = text.find('\r', from);
        if (cr == std::string_view::npos) {
            out.append(text.substr(from));
            break;
        }
        out.append(text.substr(from, cr + 1 - from));
        from = text.find_first_not_of('\r', cr);
        if (from == std::string_view::npos)
            break;
    }
    return out;
}

std::size_t textOffsetFromWidget(const std::vector<std::string>& lines, int line, int column)
{
    if (lines.empty() || line < 0)
        return 0;
    const auto target = static_cast<std::size_t>(line);
    if (target >= lines.size())
        return textLength(lines);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < target; ++i)
        offset += lines[i].size() + 2;
    const std::size_t col = column < 0 ? 0 : static_cast<std::size_t>(column);
    return offset + std::min(col, lines[target].size());
}

std::pair<int, int> widgetPositionFromText(const std::vector<std::string>& lines, std::size_t offset)
{
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t length = lines[i].size();
        // Both the end of the line and the middle of its CR LF are its end.
        if (offset < lineStart + length + 2 || i + 1 == lines.size())
            return {static_cast<int>(i), static_cast<int>(std::min(offset - lineStart, length))};
        lineStart += length + 2;
    }
    return {0, 0};
}

} // namespace skrib
