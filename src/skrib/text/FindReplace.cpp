#include "skrib/text/FindReplace.h"

#include "quizfile/Lines.h"

#include <algorithm>
#include <array>

namespace skrib {

namespace {

std::string folded(std::string_view text) { return quizfile::toUpperAnsi(text); }

// The first occurrence at or after `from`.
std::size_t searchDown(std::string_view text, std::string_view what, std::size_t from, bool caseSensitive)
{
    if (from > text.size())
        return std::string_view::npos;
    if (caseSensitive)
        return text.find(what, from);
    const std::string hay = folded(text.substr(from));
    const std::size_t at = std::string_view(hay).find(folded(what));
    return at == std::string_view::npos ? at : from + at;
}

// The last occurrence that ends at or before `end`.
std::size_t searchUp(std::string_view text, std::string_view what, std::size_t end, bool caseSensitive)
{
    const std::string_view before = text.substr(0, end);
    if (what.size() > before.size())
        return std::string_view::npos;
    if (caseSensitive)
        return before.rfind(what);
    return std::string_view(folded(before)).rfind(folded(what));
}

FindResult search(std::string_view text, std::string_view what, std::size_t from, SearchDirection direction,
                  bool caseSensitive, FindOutcome none)
{
    const std::size_t at = direction == SearchDirection::Down ? searchDown(text, what, from, caseSensitive)
                                                              : searchUp(text, what, from, caseSensitive);
    if (at == std::string_view::npos)
        return {none, 0, 0};
    return {FindOutcome::Match, at, what.size()};
}

// downFrom: where a downward search starts once a match was found.
FindResult run(const FindRequest& r, std::size_t downFrom)
{
    // An emptied find box ends the search however far it went.
    if (r.what.empty())
        return {FindOutcome::EmptyFindText, 0, 0};
    const std::size_t caret = std::min(r.caret, r.text.size());
    if (r.foundBefore) {
        if (r.direction == SearchDirection::Up && caret == 0)
            return {FindOutcome::NoMoreMatches, 0, 0};
        const std::size_t from = r.direction == SearchDirection::Down ? downFrom : caret;
        return search(r.text, r.what, from, r.direction, r.caseSensitive, FindOutcome::NoMoreMatches);
    }
    if (r.direction == SearchDirection::Up && caret == 0)
        return {FindOutcome::NothingAbove, 0, 0};
    if (r.direction == SearchDirection::Down && caret == r.text.size())
        return {FindOutcome::NothingBelow, 0, 0};
    return search(r.text, r.what, caret, r.direction, r.caseSensitive, FindOutcome::NotFound);
}

} // namespace

FindResult findNext(const FindRequest& request)
{
    // Once a match was found the caret sits on it, so downward the next one starts further on.
    return run(request, std::min(request.caret, request.text.size()) + 1);
}

FindResult findAfterReplace(FindRequest request, std::size_t replacementLength)
{
    if (request.direction == SearchDirection::Up)
        return findNext(request);
    request.caret = std::min(request.caret, request.text.size());
    request.caret = std::min(request.caret + replacementLength, request.text.size());
    return run(request, request.caret);
}

std::string findMessage(FindOutcome outcome, SearchDirection direction)
{
    const std::string word = direction == SearchDirection::Up ? "above" : "below";
    switch (outcome) {
    case FindOutcome::NoMoreMatches:
        return "No more matches " + word + " your cursor.";
    case FindOutcome::NothingAbove:
        return "There is nothing above your cursor!";
    case FindOutcome::NothingBelow:
        return "There is nothing below your cursor!";
    case FindOutcome::NotFound:
        return "Search string not found " + word + " your cursor.";
    case FindOutcome::Match:
    case FindOutcome::EmptyFindText:
        break;
    }
    return {};
}

std::string replaceAllExact(std::string_view text, std::string_view what, std::string_view with)
{
    if (what.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
        out.append(text, from, at - from);
        out.append(with);
        from = at + what.size();
    }
    out.append(text, from);
    return out;
}

std::string withLineBreak(std::string_view replaceText)
{
    std::string out(replaceText);
    out += "\r\n";
    return out;
}

namespace {

bool isPairAt(std::u16string_view shown, std::size_t i)
{
    return i + 1 < shown.size() && shown[i] >= 0xD800 && shown[i] <= 0xDBFF && shown[i + 1] >= 0xDC00 &&
           shown[i + 1] <= 0xDFFF;
}

} // namespace

std::size_t textOffsetFromShown(std::u16string_view shown, std::size_t position)
{
    position = std::min(position, shown.size());
    std::size_t offset = 0;
    for (std::size_t i = 0; i < position; ++i) {
        if (shown[i] == u'\n')
            offset += 2;
        else {
            ++offset;
            if (isPairAt(shown, i))
                ++i;
        }
    }
    return offset;
}

std::size_t shownPositionFromText(std::u16string_view shown, std::size_t offset)
{
    std::size_t position = 0;
    std::size_t reached = 0;
    while (position < shown.size()) {
        const std::size_t bytes = shown[position] == u'\n' ? 2 : 1;
        // An offset inside a CR LF pair stands before the line break.
        if (reached + bytes > offset)
            break;
        reached += bytes;
        position += isPairAt(shown, position) ? 2 : 1;
    }
    return position;
}

} // namespace skrib
