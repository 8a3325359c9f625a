#pragma once

// The editor's tip of the day: the tips file and the stepping through it.

#include <string>
#include <string_view>
#include <vector>

namespace skrib {

inline constexpr std::string_view DefaultTipTitle = "Quiz Script Editor Tips . . .";

struct Tip {
    std::string title;
    std::string text; // lines joined with CR LF

    friend bool operator==(const Tip&, const Tip&) = default;
};

// One tip line: every "~" becomes CR LF; "|title|text" carries its own
// title. A line that opens with "|" but never closes it is all text.
Tip parseTip(std::string_view line);

// The tips of a file, one a line; CR LF and LF line ends are both read.
// Blank lines are no tips. A file saved as UTF-8 is read as such.
std::vector<Tip> parseTips(std::string_view bytes);

// Which tip is on show, which buttons a person may press, and what number
// the settings store keeps as "QTipNum" (the tip to show at the next start).
class TipNavigator final {
public:
    // storedTipNum is "QTipNum" as read: a number outside 1..tipCount, as a
    // tips file that has since grown shorter leaves it, starts over at 1.
    TipNavigator(int tipCount, int storedTipNum);

    int tipCount() const { return count_; }
    bool hasTips() const { return count_ > 0; }
    // 1-based; 0 when there are no tips.
    int current() const { return current_; }
    int lastViewed() const { return lastViewed_; }

    bool canGoNext() const { return current_ < count_; }
    bool canGoPrevious() const { return current_ > 1; }
    bool canMark() const { return hasTips() && current_ != lastViewed_; }

    // Out-of-range steps are ignored.
    void next();
    void previous();
    // The tip on show becomes the last one viewed; returns numberToStore().
    int markAsLastViewed();

    // The tip after the last one viewed, 1 after the last tip.
    int numberToStore() const;

private:
    int count_;
    int current_;
    int lastViewed_;
};

} // namespace skrib
