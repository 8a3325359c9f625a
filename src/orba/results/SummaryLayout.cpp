#include "orba/results/SummaryLayout.h"

#include "quizfile/Numbers.h"

namespace {
constexpr int kButtonWidth = 1455;
constexpr int kButtonHeight = 615;

int share(int clientWidth, double fraction)
{
    return static_cast<int>(quizfile::roundHalfEven(clientWidth * fraction));
}
} // namespace

SummaryLayout summaryLayout(int clientWidth, int clientHeight)
{
    const int row = clientHeight - 690;
    SummaryLayout l;
    l.txtStats = {120, 0, clientWidth - 225, clientHeight - 825};
    l.lblScore = {120, row, 2655, 615};
    l.cmdReviewEntire = {share(clientWidth, 0.272727), row, kButtonWidth, kButtonHeight};
    l.cmdReviewIncorrect = {share(clientWidth, 0.40404), row, kButtonWidth, kButtonHeight};
    l.cmdRetakeEntire = {share(clientWidth, 0.565656), row, kButtonWidth, kButtonHeight};
    l.cmdRetakeIncorrect = {share(clientWidth, 0.696969), row, kButtonWidth, kButtonHeight};
    l.cmdNewQuiz = {clientWidth - 1560, row, kButtonWidth, kButtonHeight};
    return l;
}
