#pragma once

// Where the quiz window puts its controls, in twips of its client area.
// Every rule is arithmetic on the client size, so it is tested here and the
// window only applies the rectangles.

#include "orba/setup/ChapterLayout.h" // TwipsRect

#include <array>
#include <cstdint>
#include <string>

using AnswerSlots = std::array<std::string, 8>;

// The window never gets smaller than this (window size, twips).
inline constexpr int kQuizMinWidth = 12000;
inline constexpr int kQuizMinHeight = 8490;

// The four measures every layout starts from, rounded halves to even:
// H half the width, W the width less 240, Q the question box height
// (0.375 of the height) and B the top of the button row (height - 690).
struct QuizMeasures {
    int scaleWidth = 0;
    int scaleHeight = 0;
    int H = 0;
    int W = 0;
    int Q = 0;
    int B = 0;
};
QuizMeasures quizMeasures(int scaleWidth, int scaleHeight);

// The question box: left 105... as the window puts it, width W, height Q.
TwipsRect questionBoxRect(const QuizMeasures& m);

// The fixed controls along the bottom. The left of cmdSubmit, cmdHelp and
// cmdPic is fixed (240, 2775, 3330); everything else follows the size.
struct ButtonRowLayout {
    TwipsRect cmdSubmit;
    TwipsRect cmdPic;
    TwipsRect cmdHelp;
    TwipsRect cmdBack;
    TwipsRect cmdOneBack;
    TwipsRect cmdOneUp;
    TwipsRect cmdUp;
    TwipsRect txtTally;
    TwipsRect txtTimr;
};
ButtonRowLayout buttonRowLayout(const QuizMeasures& m);

struct ChoicesLayout {
    int lastChoice = 3;                // 3..7
    std::array<TwipsRect, 8> chk;      // boxes 0..lastChoice are used
    std::array<TwipsRect, 8> picYes;   // the marks beside them (375 x 375)
};
// Rows and columns by how many slots are filled (slot 4 empty: 4 rows; slot 5
// empty: 5 rows; slot 6 empty: 2 x 3; otherwise 2 x 4).
ChoicesLayout choicesLayout(const QuizMeasures& m, const AnswerSlots& choices);

struct BlankLayout {
    TwipsRect txtBlankBack;
    TwipsRect txtBlank;
    std::array<TwipsRect, 5> txtBlankAns;
};
BlankLayout blankLayout(const QuizMeasures& m);

struct DragDropLayout {
    int items = 2;                     // DragItemCount
    std::array<TwipsRect, 17> txtDrop; // boxes 1..16; [0] unused
};
DragDropLayout dragDropLayout(const QuizMeasures& m, int items);
// The box (1..16) drag item k (1..items) is drawn in: its DropSlot entry, or
// its home box k + 8 when the entry is 0 or names no box of this question.
int dropBoxOf(const std::array<std::uint8_t, 9>& dropSlot, int k, int items);
// The box whose left and top are exactly these (1..2 x items), or 0: what
// an item that was moved onto a box records in DropSlot.
int dropBoxAt(const DragDropLayout& layout, int left, int top);

struct EssayLayout {
    TwipsRect input;    // txtEssay(0)
    TwipsRect expected; // txtEssay(1)
};
EssayLayout essayLayout(const QuizMeasures& m);

struct FlashCardLayout {
    TwipsRect txtHelpComment;
    TwipsRect txtFlash;
};
FlashCardLayout flashCardLayout(const QuizMeasures& m);

// The help box when it opens, and the question box height while it is open.
struct HelpBoxLayout {
    TwipsRect txtHelpComment;
    int questionHeight = 0;
};
HelpBoxLayout helpBoxLayout(const QuizMeasures& m, bool flashCard);

// Where a picture window opens the first time (no saved place): at the top
// right corner of the quiz window, 60 twips inside; left never negative.
// All in screen twips.
struct TwipsPoint {
    int left = 0;
    int top = 0;
    friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};
TwipsPoint firstPicturePlace(const TwipsRect& quizWindow, int pictureWindowWidth);
// A "FILE NOT FOUND." window: centred over the quiz window, 60 twips down.
TwipsPoint missingPicturePlace(const TwipsRect& quizWindow, int pictureWindowWidth);
