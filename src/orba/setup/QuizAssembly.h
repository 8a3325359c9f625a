#pragma once

// Chapter selection and the drawing of a quiz from the bank.

#include <array>
#include <optional>
#include <string>

struct QuizState;
namespace quizfile { class Rng; }

// Ticks of the 25 chapter boxes; box f holds chapter f + 1.
using ChapterTicks = std::array<bool, 25>;

ChapterTicks allChaptersTicked();

// Bank questions that can be drawn with the given boxes ticked. Without
// chapters every bank question counts; with chapters, questions before the
// first chapter line never do.
int countAvailable(const QuizState& state, const ChapterTicks& ticked);

// The label beside the count box: the number right-aligned in four
// characters, then the sentence for a quiz or for chapters.
std::string availableText(int available, int chapterCount);

// The count typed into the box, or nothing when it is not a whole number
// from 1 to `available`.
std::optional<int> validQuizLength(const std::string& typed, int available);

// Draws `length` questions from the ticked chapters into the quiz fields
// (QuizLength, QuizCodes, QuizQuestion, QuizKind, QuizChoices, QuizHelp),
// in file order for a sequential quiz, else at random. The caller has
// validated `length` against countAvailable().
void assembleQuiz(QuizState& state, const ChapterTicks& ticked, int length, quizfile::Rng& rng);
