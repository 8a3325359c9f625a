#pragma once

// The texts of the score summary window, built from the tally of the quiz
// just taken.

#include <string>

struct QuizState;

// The heading line and one line per chapter that was asked or showed flash
// cards (or the flash-card-only line), joined with CR LF. Names entry 0 of
// ChapterNames "Total score for this test:" and recomputes ScorePercent when
// anything was scored.
std::string summaryText(QuizState& state);

// " 3 out of 4" CR LF "  YOUR SCORE: 75%"; a perfect score loses the space
// before "100%" so that both end in the same column of the monospaced panel.
std::string scorePanelText(const QuizState& state);
