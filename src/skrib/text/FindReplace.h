#pragma once

// Find Next, Replace All and the "[CR]" button of the editor's Find and
// Replace windows, on the script as Windows-1252 text with CR LF line ends.
// Offsets are 0-based byte offsets into that text.

#include <cstddef>
#include <string>
#include <string_view>

namespace skrib {

enum class SearchDirection { Up, Down };

enum class FindOutcome {
    Match,
    EmptyFindText, // the window closes without a word
    NoMoreMatches, // "No more matches below your cursor."
    NothingAbove,  // "There is nothing above your cursor!"
    NothingBelow,  // "There is nothing below your cursor!"
    NotFound,      // "Search string not found below your cursor."
};

struct FindRequest {
    std::string_view text;
    std::string_view what;
    // The caret, or the start of the selection; clamped to the text.
    std::size_t caret = 0;
    SearchDirection direction = SearchDirection::Down;
    bool caseSensitive = false;
    // Whether a match was found since the window opened.
    bool foundBefore = false;
};

struct FindResult {
    FindOutcome outcome = FindOutcome::NotFound;
    std::size_t start = 0; // of the match
    std::size_t length = 0;
};

// Down searches from the caret itself on the first search, and one past it
// once a match was found (the caret then sits on that match). Up finds the
// last occurrence that ends at or before the caret.
FindResult findNext(const FindRequest& request);

// Find Next right after Replace put replacementLength bytes at
// request.caret: downward the search goes on from the end of the
// replacement, upward from its start, so it neither skips a match that
// follows the replacement at once nor finds text the replacement brought in.
FindResult findAfterReplace(FindRequest request, std::size_t replacementLength);

// The text the window shows for an outcome before it closes; empty for a
// match and for an empty find text.
std::string findMessage(FindOutcome outcome, SearchDirection direction);

// Every occurrence, left to right and never overlapping, compared exactly.
// An empty `what` changes nothing.
std::string replaceAllExact(std::string_view text, std::string_view what, std::string_view with);

// "[CR]": a line break added to the replace text.
std::string withLineBreak(std::string_view replaceText);

// The editor widget counts a line break as one character and a character
// outside the Basic Multilingual Plane as two (a surrogate pair); the
// Windows-1252 text holds CR LF for the one and a single '?' for the other.
// `shown` is the widget's plain text, with "\n" between lines.
std::size_t textOffsetFromShown(std::u16string_view shown, std::size_t position);
std::size_t shownPositionFromText(std::u16string_view shown, std::size_t offset);

} // namespace skrib
