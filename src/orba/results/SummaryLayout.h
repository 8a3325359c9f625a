#pragma once

// Where the summary window puts its controls, in twips of its client area.

#include "orba/setup/ChapterLayout.h" // TwipsRect

// The window is never made smaller than this (twips).
inline constexpr int kSummaryMinWidth = 12000;
inline constexpr int kSummaryMinHeight = 8490;

struct SummaryLayout {
    TwipsRect txtStats;
    TwipsRect lblScore;
    TwipsRect cmdReviewEntire;
    TwipsRect cmdReviewIncorrect;
    TwipsRect cmdRetakeEntire;
    TwipsRect cmdRetakeIncorrect;
    TwipsRect cmdNewQuiz;
};

// The text box fills the client area above a row holding the score panel at
// the left and the five buttons spread over the width.
SummaryLayout summaryLayout(int clientWidth, int clientHeight);
