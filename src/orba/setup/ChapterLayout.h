#pragma once

// Where the chapter window puts its controls, in twips. The frame is
// widened for a second column of boxes when there are more than 13 chapters.

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct ChapterLayout {
    TwipsRect frame;
    TwipsRect selectAll;
    TwipsRect unselectAll;
    TwipsRect picture;
    TwipsRect available;
    TwipsRect askHowMany;
    TwipsRect input;
    TwipsRect quizMe;
    int clientWidth = 0;
    int clientHeight = 0;
};

inline constexpr int kNarrowFrameWidth = 8295;
inline constexpr int kWideFrameWidth = 11295;

ChapterLayout chapterLayout(int chapterCount);

// Box i (0..24), relative to the frame: boxes 0-12 in the left column,
// 13-24 in the right one.
TwipsRect chapterBoxRect(int box);
