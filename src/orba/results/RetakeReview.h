#pragma once

// What the summary's retake of the incorrect questions does to the quiz.

#include <string_view>

struct QuizState;

// Asked before the quiz is cut down; it is not translated.
inline constexpr std::string_view kRetakeIncorrectPrompt =
    "The quiz you just took will now be reduced to\r\ncover only the questions which you answered incorrectly.";

// Makes the quiz the questions of IncorrectList, in the order they were
// answered wrongly: codes, questions, kinds, choices and help move to
// positions 1..k and QuizLength becomes k. Entries beyond k keep what they
// held. Positions outside 1..QuizLength (a damaged saved test) are skipped;
// when none is left the quiz stays as it was. Returns the new length, 0 when
// nothing changed.
int reduceToIncorrect(QuizState& state);
