#include "orba/setup/ChapterLayout.h"

namespace {
constexpr int kMargin = 240;
constexpr int kRowHeight = 330;
constexpr int kFirstRowTop = 840;
constexpr int kColumnWidth = 5400;
constexpr int kRightColumnLeft = kMargin + kColumnWidth + 120;
constexpr int kFrameHeight = kFirstRowTop + 13 * kRowHeight + 150;
} // namespace

TwipsRect chapterBoxRect(int box)
{
    const int column = box < 13 ? 0 : 1;
    const int row = box - 13 * column;
    return {column == 0 ? kMargin : kRightColumnLeft, kFirstRowTop + row * kRowHeight, kColumnWidth, 300};
}

ChapterLayout chapterLayout(int chapterCount)
{
    ChapterLayout l;
    const int frameWidth = chapterCount > 13 ? kWideFrameWidth : kNarrowFrameWidth;
    l.frame = {kMargin, 120, frameWidth, kFrameHeight};
    l.selectAll = {kMargin, 360, 3300, 330};
    l.unselectAll = {kMargin + 3420, 360, 2400, 330};
    // The picture fills the free right part of a narrow frame.
    l.picture = {kRightColumnLeft + 120, kFirstRowTop, kNarrowFrameWidth - kRightColumnLeft - 360, 13 * kRowHeight - 120};
    const int below = l.frame.top + l.frame.height + 180;
    l.available = {kMargin, below, frameWidth, 300};
    l.askHowMany = {kMargin, below + 510, 3300, 330};
    l.input = {kMargin + 3420, below + 450, 1000, 420};
    l.quizMe = {kMargin + frameWidth - 2160, below + 390, 2160, 540};
    l.clientWidth = frameWidth + 2 * kMargin;
    l.clientHeight = l.quizMe.top + l.quizMe.height + kMargin;
    return l;
}
