#include "orba/runner/logic/QuizLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The smallest window, and a larger one whose half width (7500.5) and
// question height (3750.75) exercise the rounding.
const QuizMeasures kMin = quizMeasures(12000, 8490);
const QuizMeasures kLarge = quizMeasures(15001, 10002);

AnswerSlots filled(int count)
{
    AnswerSlots s;
    for (int j = 0; j < count; ++j)
        s[static_cast<std::size_t>(j)] = "choice";
    return s;
}

} // namespace

TEST(QuizLayout, MeasuresRoundHalvesToEven)
{
    struct Case {
        int w, h, H, W, Q, B;
    };
    const std::vector<Case> cases = {
        {12000, 8490, 6000, 11760, 3184, 7800},
        {15001, 10002, 7500, 14761, 3751, 9312},
        {12003, 8492, 6002, 11763, 3184, 7802}, // 6001.5 up to even, 3184.5 down to even
        {12001, 10004, 6000, 11761, 3752, 9314},
    };
    for (const Case& c : cases) {
        const QuizMeasures m = quizMeasures(c.w, c.h);
        EXPECT_EQ(m.H, c.H) << c.w << "x" << c.h;
        EXPECT_EQ(m.W, c.W) << c.w << "x" << c.h;
        EXPECT_EQ(m.Q, c.Q) << c.w << "x" << c.h;
        EXPECT_EQ(m.B, c.B) << c.w << "x" << c.h;
    }
    EXPECT_EQ(questionBoxRect(kMin), (TwipsRect{105, 0, 11760, 3184}));
    EXPECT_EQ(questionBoxRect(kLarge), (TwipsRect{105, 0, 14761, 3751}));
}

TEST(QuizLayout, ButtonRowFollowsTheSize)
{
    for (const auto& [m, H, B, right] : std::vector<std::tuple<QuizMeasures, int, int, int>>{
             {kMin, 6000, 7800, 12000}, {kLarge, 7500, 9312, 15001}}) {
        const ButtonRowLayout l = buttonRowLayout(m);
        EXPECT_EQ(l.cmdSubmit.top, B);
        EXPECT_EQ(l.cmdSubmit.width, 2415);
        EXPECT_EQ(l.cmdPic.top, B + 120);
        EXPECT_EQ(l.cmdHelp.top, B + 120);
        EXPECT_EQ(l.cmdBack, (TwipsRect{H - 1327, B + 120, 495, 495}));
        EXPECT_EQ(l.cmdOneBack, (TwipsRect{H - 647, B + 120, 495, 495}));
        EXPECT_EQ(l.cmdOneUp, (TwipsRect{H + 32, B + 120, 495, 495}));
        EXPECT_EQ(l.cmdUp, (TwipsRect{H + 713, B + 120, 495, 495}));
        EXPECT_EQ(l.txtTally, (TwipsRect{right - 3960, B - 30, 3900, 660}));
        EXPECT_EQ(l.txtTimr, (TwipsRect{right - 3930, B + 330, 1035, 300}));
        // Inside the client area, with a margin.
        EXPECT_LE(l.txtTally.left + l.txtTally.width, right - 60);
        EXPECT_LE(l.txtTally.top + l.txtTally.height, B + 690 - 60);
        EXPECT_LE(l.txtTimr.top + l.txtTimr.height, B + 690 - 60);
        // The fixed buttons on the left never run into the step buttons.
        EXPECT_LT(l.cmdSubmit.left + l.cmdSubmit.width, l.cmdHelp.left);
        EXPECT_LT(l.cmdHelp.left + l.cmdHelp.width, l.cmdPic.left);
        EXPECT_LT(l.cmdPic.left + l.cmdPic.width, l.cmdBack.left);
    }
}

TEST(QuizLayout, ChoiceArrangementFollowsTheFilledSlots)
{
    struct Box {
        std::size_t j;
        TwipsRect chk;
        TwipsRect mark;
    };
    struct Case {
        const char* name;
        QuizMeasures m;
        int filled;
        int lastChoice;
        std::vector<Box> boxes; // the first and last box of each column
    };
    const std::vector<Case> cases = {
        {"four, min", kMin, 4, 3,
         {{0, {240, 3244, 11520, 1079}, {160, 3308, 375, 375}}, {3, {240, 6661, 11520, 1079}, {160, 6724, 375, 375}}}},
        {"two (C and D disabled), min", kMin, 2, 3,
         {{0, {240, 3244, 11520, 1079}, {160, 3308, 375, 375}}, {3, {240, 6661, 11520, 1079}, {160, 6724, 375, 375}}}},
        {"five, min", kMin, 5, 4,
         {{0, {240, 3244, 11520, 851}, {160, 3194, 375, 375}}, {4, {240, 6888, 11520, 851}, {160, 6838, 375, 375}}}},
        {"six, min", kMin, 6, 5,
         {{0, {240, 3244, 5730, 1459}, {160, 3498, 375, 375}},
          {2, {240, 6282, 5730, 1459}, {160, 6536, 375, 375}},
          {3, {6030, 3244, 5730, 1459}, {5950, 3498, 375, 375}},
          {5, {6030, 6282, 5730, 1459}, {5950, 6536, 375, 375}}}},
        {"seven, min", kMin, 7, 6,
         {{0, {240, 3244, 5730, 1079}, {160, 3308, 375, 375}},
          {3, {240, 6661, 5730, 1079}, {160, 6724, 375, 375}},
          {4, {6030, 3244, 5730, 1079}, {5950, 3308, 375, 375}},
          {7, {6030, 6661, 5730, 1079}, {5950, 6724, 375, 375}}}},
        {"eight, min", kMin, 8, 7,
         {{4, {6030, 3244, 5730, 1079}, {5950, 3308, 375, 375}},
          {7, {6030, 6661, 5730, 1079}, {5950, 6724, 375, 375}}}},
        {"four, large", kLarge, 4, 3,
         {{0, {240, 3811, 14521, 1315}, {160, 3992, 375, 375}}, {3, {240, 7936, 14521, 1315}, {160, 8118, 375, 375}}}},
        {"five, large", kLarge, 5, 4,
         {{0, {240, 3811, 14521, 1040}, {160, 3855, 375, 375}}, {4, {240, 8211, 14521, 1040}, {160, 8255, 375, 375}}}},
        {"six, large", kLarge, 6, 5,
         {{2, {240, 7479, 7230, 1774}, {160, 7890, 375, 375}},
          {3, {7530, 3811, 7230, 1774}, {7450, 4222, 375, 375}}}},
        {"eight, large", kLarge, 8, 7,
         {{3, {240, 7936, 7230, 1315}, {160, 8118, 375, 375}},
          {7, {7530, 7936, 7230, 1315}, {7450, 8118, 375, 375}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChoicesLayout l = choicesLayout(c.m, filled(c.filled));
        EXPECT_EQ(l.lastChoice, c.lastChoice);
        for (const Box& b : c.boxes) {
            EXPECT_EQ(l.chk[b.j], b.chk) << "box " << b.j;
            EXPECT_EQ(l.picYes[b.j], b.mark) << "mark " << b.j;
        }
    }
}

TEST(QuizLayout, ChoiceRowsAreEvenlySpacedWithRoundedMarks)
{
    // Odd row heights put the mark on a half twip: 1079 / 2 gives 3307.5 and
    // 4446.5, rounded to the even neighbours.
    const ChoicesLayout l = choicesLayout(kMin, filled(4));
    const std::vector<int> tops = {3244, 4383, 5522, 6661};
    const std::vector<int> marks = {3308, 4446, 5586, 6724};
    for (std::size_t d = 0; d < 4; ++d) {
        EXPECT_EQ(l.chk[d].top, tops[d]);
        EXPECT_EQ(l.picYes[d].top, marks[d]);
    }
}

TEST(QuizLayout, BlankEssayAndFlashCard)
{
    const BlankLayout bMin = blankLayout(kMin);
    EXPECT_EQ(bMin.txtBlankBack, (TwipsRect{300, 3514, 11400, 465}));
    EXPECT_EQ(bMin.txtBlank.left, 555);
    EXPECT_EQ(bMin.txtBlank.top, 3566);
    EXPECT_EQ(bMin.txtBlankAns[0], (TwipsRect{300, 4144, 11400, 465}));
    EXPECT_EQ(bMin.txtBlankAns[4], (TwipsRect{300, 6664, 11400, 465}));
    const BlankLayout bLarge = blankLayout(kLarge);
    EXPECT_EQ(bLarge.txtBlankBack, (TwipsRect{1800, 4081, 11400, 465}));
    EXPECT_EQ(bLarge.txtBlankAns[4], (TwipsRect{1800, 7231, 11400, 465}));

    EXPECT_EQ(essayLayout(kMin).input, (TwipsRect{240, 3304, 11520, 2173}));
    EXPECT_EQ(essayLayout(kMin).expected, (TwipsRect{240, 5477, 11520, 2173}));
    EXPECT_EQ(essayLayout(kLarge).input, (TwipsRect{240, 3871, 14521, 2646})); // 2645.5 to even
    EXPECT_EQ(essayLayout(kLarge).expected, (TwipsRect{240, 6517, 14521, 2646}));

    EXPECT_EQ(flashCardLayout(kMin).txtHelpComment, (TwipsRect{105, 3184, 11760, 3184}));
    EXPECT_EQ(flashCardLayout(kMin).txtFlash, (TwipsRect{1793, 4705, 8415, 1575}));
    EXPECT_EQ(flashCardLayout(kLarge).txtHelpComment, (TwipsRect{105, 3751, 14761, 3751}));
    EXPECT_EQ(flashCardLayout(kLarge).txtFlash, (TwipsRect{3293, 5744, 8415, 1575})); // 5744.5 to even
}

TEST(QuizLayout, DragDropRowsOverlapByTheirBorder)
{
    struct Case {
        const char* name;
        QuizMeasures m;
        int items;
        int r;
        std::vector<int> tops;
        int rightLeft;
        int width;
    };
    const std::vector<Case> cases = {
        {"3, min", kMin, 3, 1459, {3304, 4748, 6192}, 6060, 5700},
        {"4, min", kMin, 4, 1094, {3304, 4383, 5462, 6541}, 6060, 5700},
        {"8, min", kMin, 8, 547, {3304, 3836, 4368, 4900, 5432, 5964, 6496, 7028}, 6060, 5700},
        {"5, large", kLarge, 5, 1064, {3871, 4920, 5969, 7018, 8067}, 7560, 7200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DragDropLayout l = dragDropLayout(c.m, c.items);
        EXPECT_EQ(l.items, c.items);
        for (int e = 1; e <= c.items; ++e) {
            const int top = c.tops[static_cast<std::size_t>(e - 1)];
            EXPECT_EQ(l.txtDrop[static_cast<std::size_t>(e)], (TwipsRect{240, top, c.width, c.r})) << e;
            EXPECT_EQ(l.txtDrop[static_cast<std::size_t>(e + 8)], (TwipsRect{c.rightLeft, top, c.width, c.r})) << e;
        }
        if (c.items < 8) {
            EXPECT_EQ(l.txtDrop[static_cast<std::size_t>(c.items + 1)], TwipsRect{});
        }
    }
}

TEST(QuizLayout, DragItemsSitInTheBoxTheirEntryNames)
{
    // Entry 0 (never laid out) and entries naming boxes this question does
    // not show put the item at home.
    const std::array<std::uint8_t, 9> slots = {0, 0, 3, 11, 7, 15, 17, 0, 0};
    EXPECT_EQ(dropBoxOf(slots, 1, 4), 9);
    EXPECT_EQ(dropBoxOf(slots, 2, 4), 3);
    EXPECT_EQ(dropBoxOf(slots, 3, 4), 11);
    EXPECT_EQ(dropBoxOf(slots, 4, 4), 12); // box 7 is beyond four rows
    EXPECT_EQ(dropBoxOf(slots, 5, 8), 15);
    EXPECT_EQ(dropBoxOf(slots, 6, 8), 14); // no box 17

    const DragDropLayout l = dragDropLayout(kMin, 4);
    EXPECT_EQ(dropBoxAt(l, 240, 4383), 2);
    EXPECT_EQ(dropBoxAt(l, 6060, 6541), 12);
    EXPECT_EQ(dropBoxAt(l, 240, 4384), 0);
    EXPECT_EQ(dropBoxAt(l, 0, 0), 0); // rows 5..8 are not laid out
}

TEST(QuizLayout, HelpBoxTakesTheLowerHalfOrTheAreaBelowACard)
{
    const HelpBoxLayout minText = helpBoxLayout(kMin, false);
    EXPECT_EQ(minText.txtHelpComment, (TwipsRect{105, 1592, 11760, 1592}));
    EXPECT_EQ(minText.questionHeight, 1592); // 1591.875
    const HelpBoxLayout largeText = helpBoxLayout(kLarge, false);
    EXPECT_EQ(largeText.txtHelpComment, (TwipsRect{105, 1876, 14761, 1876})); // 1875.5 to even
    EXPECT_EQ(largeText.questionHeight, 1875);                                // 1875.375
    const HelpBoxLayout largeCard = helpBoxLayout(kLarge, true);
    EXPECT_EQ(largeCard.txtHelpComment, (TwipsRect{105, 3751, 14761, 3751}));
    EXPECT_EQ(largeCard.questionHeight, 3751);
}

TEST(QuizLayout, PictureWindowPlaces)
{
    const TwipsRect quiz = {1000, 500, 12000, 8490};
    EXPECT_EQ(firstPicturePlace(quiz, 8910), (TwipsPoint{4030, 560}));
    // Never off the left edge of the screen.
    EXPECT_EQ(firstPicturePlace({0, 300, 9000, 8490}, 9500), (TwipsPoint{0, 360}));
    EXPECT_EQ(missingPicturePlace(quiz, 8910), (TwipsPoint{2545, 560}));
    EXPECT_EQ(missingPicturePlace({1000, 500, 12001, 8490}, 8910), (TwipsPoint{2546, 560})); // 2545.5
}
