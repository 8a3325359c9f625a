#include "orba/state/QuizState.h"

#include <gtest/gtest.h>

TEST(QuizState, ResetsTouchOnlyTheirOwnFields)
{
    QuizState s;
    s.QuizPath = "/q.qzf";
    s.PendingPath = "/p.qzf";
    s.WindowMode = "Quiz";
    s.TimerSeconds = 60;
    s.BankCount = 3;
    s.CorrectCount = 2;
    s.ChapterAsked[1] = 2;
    s.resetForNewScript();
    EXPECT_EQ(s.QuizPath, "/q.qzf");
    EXPECT_EQ(s.PendingPath, "/p.qzf");
    EXPECT_EQ(s.WindowMode, "Quiz");
    EXPECT_EQ(s.TimerSeconds, 0);
    EXPECT_EQ(s.BankCount, 0);
    EXPECT_EQ(s.BankQuestion.size(), 1u); // index 0 stays
    EXPECT_EQ(s.CorrectCount, 2);         // tallies are not the script's

    s.resetTallies();
    EXPECT_EQ(s.CorrectCount, 0);
    EXPECT_EQ(s.ChapterAsked[1], 0);

    s.BankCount = 4;
    s.QuizLength = 6; // grown by recycling
    s.ReviewingIncorrect = true;
    s.resetForRetake();
    EXPECT_FALSE(s.ReviewingIncorrect);
    EXPECT_EQ(s.TypedAnswer.size(), 7u);
    EXPECT_EQ(s.DropSlot.size(), 7u);
}

TEST(QuizState, ChapterOfAQuestionComesFromItsCode)
{
    QuizState s;
    s.QuizCodes = "@0001A0002Y0003c0004Z0005";
    s.QuizLength = 5;
    EXPECT_EQ(s.chapterOfQuestion(1), 0);
    EXPECT_EQ(s.chapterOfQuestion(2), 1);
    EXPECT_EQ(s.chapterOfQuestion(3), 25);
    EXPECT_EQ(s.chapterOfQuestion(4), 3);  // lower case counts from 96
    EXPECT_EQ(s.chapterOfQuestion(5), 0);  // out of range: no chapter
    EXPECT_EQ(s.chapterOfQuestion(6), 0);
}
