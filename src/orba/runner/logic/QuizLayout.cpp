#include "orba/runner/logic/QuizLayout.h"

#include "quizfile/Numbers.h"

#include <algorithm>

namespace {

constexpr int kMargin = 240;
constexpr int kQuestionLeft = 105;
constexpr int kMarkSize = 375;
constexpr int kStepButtonSize = 495;
constexpr int kBlankWidth = 11400;
constexpr int kBlankHeight = 465;
constexpr int kFlashWidth = 8415;
constexpr int kFlashHeight = 1575;

int rounded(double value) { return static_cast<int>(quizfile::roundHalfEven(value)); }

} // namespace

QuizMeasures quizMeasures(int scaleWidth, int scaleHeight)
{
    QuizMeasures m;
    m.scaleWidth = scaleWidth;
    m.scaleHeight = scaleHeight;
    m.H = rounded(scaleWidth / 2.0);
    m.W = scaleWidth - 240;
    m.Q = rounded(scaleHeight * 0.375);
    m.B = scaleHeight - 690;
    return m;
}

TwipsRect questionBoxRect(const QuizMeasures& m) { return {kQuestionLeft, 0, m.W, m.Q}; }

ButtonRowLayout buttonRowLayout(const QuizMeasures& m)
{
    ButtonRowLayout l;
    const int row = m.B + 120;
    l.cmdSubmit = {kMargin, m.B, 2415, 615};
    l.cmdHelp = {kMargin + 2415 + 120, row, kStepButtonSize, kStepButtonSize};
    l.cmdPic = {l.cmdHelp.left + kStepButtonSize + 60, row, kStepButtonSize, kStepButtonSize};
    l.cmdBack = {m.H - 1327, row, kStepButtonSize, kStepButtonSize};
    l.cmdOneBack = {m.H - 647, row, kStepButtonSize, kStepButtonSize};
    l.cmdOneUp = {m.H + 32, row, kStepButtonSize, kStepButtonSize};
    l.cmdUp = {m.H + 713, row, kStepButtonSize, kStepButtonSize};
    // The timer sits over the blank start of the tally's score line. Both
    // keep a 60-twip margin to the window's right and bottom edges, so that
    // neither looks cut off.
    l.txtTally = {m.scaleWidth - 3960, m.B - 30, 3900, 660};
    l.txtTimr = {m.scaleWidth - 3960 + 30, m.B + 330, 1035, 300};
    return l;
}

ChoicesLayout choicesLayout(const QuizMeasures& m, const AnswerSlots& choices)
{
    ChoicesLayout l;
    int rows = 4;
    int columns = 2;
    int gaps = 300;
    if (choices[4].empty()) {
        columns = 1;
        l.lastChoice = 3;
    } else if (choices[5].empty()) {
        columns = 1;
        rows = 5;
        gaps = 360;
        l.lastChoice = 4;
    } else if (choices[6].empty()) {
        rows = 3;
        gaps = 240;
        l.lastChoice = 5;
    } else {
        l.lastChoice = choices[7].empty() ? 6 : 7;
    }
    const int r = rounded((m.B - m.Q - gaps) / static_cast<double>(rows));
    const int width = columns == 1 ? m.scaleWidth - 480 : m.H - 270;
    for (int c = 0; c < columns; ++c) {
        const int boxLeft = c == 0 ? kMargin : m.H + 30;
        const int markLeft = c == 0 ? 160 : m.H - 50;
        for (int d = 0; d < rows; ++d) {
            const int top = m.Q + 60 + d * (r + 60);
            const auto j = static_cast<std::size_t>(c * rows + d);
            l.chk[j] = {boxLeft, top, width, r};
            l.picYes[j] = {markLeft, rounded(top + r / 2.0 - 476), kMarkSize, kMarkSize};
        }
    }
    return l;
}

BlankLayout blankLayout(const QuizMeasures& m)
{
    BlankLayout l;
    l.txtBlankBack = {m.H - 5700, m.Q + 330, kBlankWidth, kBlankHeight};
    // The borderless input line sits inside the back box's frame.
    l.txtBlank = {l.txtBlankBack.left + 255, l.txtBlankBack.top + 52, kBlankWidth - 2 * 255, kBlankHeight - 2 * 52};
    for (int i = 0; i < 5; ++i)
        l.txtBlankAns[static_cast<std::size_t>(i)] = {l.txtBlankBack.left, l.txtBlankBack.top + 630 * (i + 1),
                                                      kBlankWidth, kBlankHeight};
    return l;
}

DragDropLayout dragDropLayout(const QuizMeasures& m, int items)
{
    DragDropLayout l;
    l.items = std::clamp(items, 2, 8);
    const int r = rounded((m.B - m.Q - 240) / static_cast<double>(l.items));
    for (int e = 1; e <= l.items; ++e) {
        const int top = m.Q + 120 + (e - 1) * (r - 15);
        l.txtDrop[static_cast<std::size_t>(e)] = {kMargin, top, m.H - 300, r};
        l.txtDrop[static_cast<std::size_t>(e + 8)] = {m.H + 60, top, m.H - 300, r};
    }
    return l;
}

int dropBoxOf(const std::array<std::uint8_t, 9>& dropSlot, int k, int items)
{
    if (k < 1 || k > 8)
        return 0;
    const int box = dropSlot[static_cast<std::size_t>(k)];
    // A saved test may name a box this question does not show.
    const bool shown = box >= 1 && box <= 16 && (box - 1) % 8 + 1 <= items;
    return shown ? box : k + 8;
}

int dropBoxAt(const DragDropLayout& layout, int left, int top)
{
    for (int c = 1; c <= layout.items; ++c) {
        for (const int box : {c, c + 8}) {
            const TwipsRect& r = layout.txtDrop[static_cast<std::size_t>(box)];
            if (r.left == left && r.top == top)
                return box;
        }
    }
    return 0;
}

EssayLayout essayLayout(const QuizMeasures& m)
{
    const int a = rounded((m.B - m.Q - 270) / 2.0);
    EssayLayout l;
    l.input = {kMargin, m.Q + 120, m.scaleWidth - 480, a};
    l.expected = {kMargin, m.Q + 120 + a, m.scaleWidth - 480, a};
    return l;
}

FlashCardLayout flashCardLayout(const QuizMeasures& m)
{
    FlashCardLayout l;
    l.txtHelpComment = {kQuestionLeft, m.Q, m.W, m.Q};
    // Centred between the question box and the button row.
    l.txtFlash = {m.H - 4207, rounded(m.Q + (m.B - m.Q) / 2.0 - 787), kFlashWidth, kFlashHeight};
    return l;
}

HelpBoxLayout helpBoxLayout(const QuizMeasures& m, bool flashCard)
{
    HelpBoxLayout l;
    const double divisor = flashCard ? 1.0 : 2.0;
    const int height = rounded(m.Q / divisor);
    l.txtHelpComment = {kQuestionLeft, height, m.W, height};
    // The help takes the lower half of the question area; a flash card's
    // answer opens below its question.
    l.questionHeight = flashCard ? m.Q : rounded(0.1875 * m.scaleHeight);
    return l;
}

TwipsPoint firstPicturePlace(const TwipsRect& quizWindow, int pictureWindowWidth)
{
    const int left = quizWindow.left + quizWindow.width - pictureWindowWidth - 60;
    return {std::max(left, 0), quizWindow.top + 60};
}

TwipsPoint missingPicturePlace(const TwipsRect& quizWindow, int pictureWindowWidth)
{
    return {rounded(quizWindow.left + (quizWindow.width - pictureWindowWidth) / 2.0), quizWindow.top + 60};
}
