#pragma once

// What answering, recycling, stepping and the modes handed over by the
// summary do to the quiz state. The window reads its controls into the state,
// calls these, and redraws from the result.

#include <string>

struct QuizState;
namespace quizfile { class Rng; }

// The three states of the submit button: its tag.
enum class SubmitTag { Pending = 0, Answered = 1, Ended = 2 };

// Counts the answer just judged for the question at ReachedNumber: the
// flash-card counter for "[FC]"; otherwise AnsweredCount, ChapterAsked and
// either CorrectCount/ChapterCorrect or IncorrectCount/IncorrectList (and a
// recycled copy when the quiz recycles), then ScorePercent. Returns the tag
// the button takes next: Answered while questions remain (read after a
// recycle), else Ended.
SubmitTag recordAnswer(QuizState& state, bool wrong, quizfile::Rng& rng);

// Inserts a copy of question c at a random later place c+1..QuizLength+1
// (questions, kinds, choices, help, codes). The answer arrays get an empty
// entry at the same place, so every answer stays with its question; they
// only ever grow. Does nothing unless 1 <= c <= QuizLength.
void recycleQuestion(QuizState& state, int c, quizfile::Rng& rng);

// Chapter index of a question for the counters: a flash card counts a
// lower-case letter as its code - 96.
int chapterIndexForTally(const QuizState& state, int q, bool flashCard);

// --- Stepping ---------------------------------------------------------------------

// The step on screen and the last step, in positions or in the incorrect list.
struct StepPosition {
    int step = 1;
    int last = 1;
};
StepPosition stepPosition(const QuizState& state);

enum class Step { First, Previous, Next, Last };
// Moves ShownNumber (and ReviewPosition in the incorrect list) one way.
// Does nothing where no such step exists.
void step(QuizState& state, Step where);

struct StepButtons {
    bool back = false; // cmdBack and cmdOneBack
    bool up = false;   // cmdOneUp and cmdUp
    bool submit = false;
};
StepButtons stepButtons(const QuizState& state);

// --- Modes handed over in WindowMode ------------------------------------------------

enum class ModeTaken { None, Review, Retake };
// "ReviewEntire", "ReviewIncorrect" and "Retake" change the state as the quiz
// window does when activated, and set WindowMode to "Summary".
ModeTaken takeWindowMode(QuizState& state);

// --- Timer ----------------------------------------------------------------------------

// "10:05", "0:59", "60:00".
std::string timerText(int seconds);
// Time is up: every question counts as answered (unanswered ones wrong).
void expireQuiz(QuizState& state);

// --- Keyboard of the quiz window ---------------------------------------------------------

// A key as the quiz window sees it before its controls do.
struct QuizKeyPress {
    enum class Kind { Escape, KeypadMinus, KeypadPlus, Letter, KeypadDigit, Other };
    Kind kind = Kind::Other;
    char letter = 0; // 'A'..'Z' for Letter
    int digit = 0;   // 0..9 for KeypadDigit
};

struct QuizKeyCommand {
    enum class Action { None, OpenPicture, StepBack, StepForward, ToggleChoice };
    Action action = Action::None;
    int choice = -1; // 0..7 for ToggleChoice
};

// Escape opens the picture when its button is shown; with a blank or essay on
// screen nothing else is taken; number-pad minus and plus step where a step
// exists; A..H and number-pad 1..8 toggle that choice (the window checks
// the box is shown and enabled).
QuizKeyCommand quizKeyCommand(const QuizKeyPress& key, const QuizState& state, bool typingKind, bool pictureButtonShown);
