#include "WindowTestSupport.h"

#include "orba/prefs/LanguageTable.h"
#include "orba/results/frmSummary.h"
#include "orba/state/QuizState.h"
#include "platform/units.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// A quiz of five: two chapters, a flash card at the end, and one wrong answer
// (position 3), so 3 of 4 scored answers are right.
void finishedQuiz(QuizState& s)
{
    s.QuizName = "earth";
    s.ChapterCount = 2;
    s.ChapterNames[1] = "Planets";
    s.ChapterNames[2] = "Rocks && Minerals";
    s.QuizLength = 5;
    s.QuizCodes = "A0001A0002B0003B0004B0005";
    for (int p = 0; p <= 5; ++p) {
        const std::string n = std::to_string(p);
        s.QuizQuestion.push_back("Question " + n);
        s.QuizKind.push_back(p == 5 ? "[FC]" : "");
        s.QuizChoices.push_back(AnswerSlots{"*right " + n, "wrong " + n});
        s.QuizHelp.push_back("?help " + n);
    }
    s.ChapterAsked[1] = 2;
    s.ChapterCorrect[1] = 2;
    s.ChapterAsked[2] = 2;
    s.ChapterCorrect[2] = 1;
    s.ChapterFlashCards[2] = 1;
    s.AnsweredCount = 4;
    s.CorrectCount = 3;
    s.IncorrectCount = 1;
    s.IncorrectList = {0, 3};
    s.ScorePercent = "75%";
    s.WindowMode = "Quiz";
}

struct SummaryWindow {
    TestPlatform tp;
    QuizState state;
    LanguageTable lang;
    frmSummary window{state, tp.platform, lang};

    int returned = 0;
    QRect returnedTo;
    std::string modeOnReturn;
    int newQuiz = 0;
    std::string modeOnNewQuiz;
    bool reviewingOnNewQuiz = true;
    int programEnd = 0;
    int about = 0;

    SummaryWindow()
    {
        finishedQuiz(state);
        window.onReturnToQuiz = [this](const QRect& place) {
            ++returned;
            returnedTo = place;
            modeOnReturn = state.WindowMode;
        };
        window.onNewQuiz = [this] {
            ++newQuiz;
            modeOnNewQuiz = state.WindowMode;
            reviewingOnNewQuiz = state.ReviewingIncorrect;
        };
        window.onProgramEnd = [this] { ++programEnd; };
        window.onAbout = [this] { ++about; };
    }

    void load(const QRect& place = QRect(100, 80, 900, 650)) { window.load(place, false); }
};

QRect inClient(const frmSummary& w, const QWidget* control)
{
    return QRect(control->mapTo(w.centralWidget(), QPoint(0, 0)), control->size());
}

// Every control lies inside the client area and clear of the others.
void expectTidyLayout(const frmSummary& w)
{
    const std::vector<const QWidget*> controls = {w.txtStats, w.lblScore, w.cmdReviewEntire, w.cmdReviewIncorrect,
                                                  w.cmdRetakeEntire, w.cmdRetakeIncorrect, w.cmdNewQuiz};
    const QRect client = w.centralWidget()->rect();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect r = inClient(w, controls[i]);
        EXPECT_TRUE(client.contains(r)) << controls[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(r.intersects(inClient(w, controls[j])))
                << controls[i]->objectName().toStdString() << " and " << controls[j]->objectName().toStdString();
    }
}

} // namespace

TEST(Summary, LoadShowsTheScoreInTheQuizWindowsPlace)
{
    SummaryWindow w;
    w.load();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.window.geometry(), QRect(100, 80, 900, 650));
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral(" ORBA v3.0"));

    EXPECT_EQ(w.window.txtStats->toPlainText(),
              QStringLiteral("earth, chapter by chapter:\n\n   Planets  -  2 / 2   (100%)\n\n"
                             "   Rocks & Minerals  -  1 / 2   (50%)      (1 flash card question)"));
    for (QTextBlock b = w.window.txtStats->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().alignment(), Qt::AlignHCenter) << b.text().toStdString();
    EXPECT_TRUE(w.window.txtStats->isReadOnly());
    EXPECT_EQ(w.window.lblScore->text(), QStringLiteral(" 3 out of 4\n  YOUR SCORE: 75%"));

    EXPECT_EQ(w.window.cmdReviewEntire->text(), QStringLiteral("Review Entire Quiz"));
    EXPECT_EQ(w.window.cmdReviewIncorrect->text(), QStringLiteral("Review Incorrect"));
    EXPECT_EQ(w.window.cmdRetakeEntire->text(), QStringLiteral("Retake Entire Quiz"));
    EXPECT_EQ(w.window.cmdRetakeIncorrect->text(), QStringLiteral("Retake Incorrect"));
    EXPECT_EQ(w.window.cmdNewQuiz->text(), QStringLiteral("New Quiz"));
    EXPECT_TRUE(w.window.cmdReviewIncorrect->isEnabled());
    EXPECT_TRUE(w.window.cmdRetakeIncorrect->isEnabled());

    EXPECT_EQ(w.window.mnuFile->title(), QStringLiteral("&File"));
    EXPECT_EQ(w.window.mnuFileExit->text(), QStringLiteral("E&xit ORBA"));
    EXPECT_EQ(w.window.mnuConv->actions().size(), 2);
    EXPECT_EQ(w.window.mnuHelpAbout->text(), QStringLiteral("&About the ORBA"));
    EXPECT_TRUE(w.tp.dialogs.messages().empty());
}

TEST(Summary, WithoutWrongAnswersOnlyTheWholeQuizIsOffered)
{
    struct Case {
        const char* name;
        int answered;
        int correct;
        const char* panel;
    };
    const Case cases[] = {
        {"perfect score", 4, 4, " 4 out of 4\n  YOUR SCORE:100%"},
        {"flash cards only", 0, 0, " 0 out of 0\n  YOUR SCORE: "},
    };
    for (const Case& c : cases) {
        SummaryWindow w;
        w.state.AnsweredCount = c.answered;
        w.state.CorrectCount = c.correct;
        w.state.IncorrectCount = 0;
        w.state.IncorrectList = {0};
        w.state.ScorePercent.clear();
        w.load();
        EXPECT_EQ(w.window.lblScore->text(), QString::fromLatin1(c.panel)) << c.name;
        EXPECT_FALSE(w.window.cmdReviewIncorrect->isEnabled()) << c.name;
        EXPECT_FALSE(w.window.cmdRetakeIncorrect->isEnabled()) << c.name;
        EXPECT_TRUE(w.window.cmdReviewEntire->isEnabled()) << c.name;
        EXPECT_TRUE(w.window.cmdRetakeEntire->isEnabled()) << c.name;
        if (c.answered > 0)
            saveScreenshot(&w.window, "frmSummary-perfect");
    }
}

TEST(Summary, ReviewsHandBackToTheQuizWindowAtOnce)
{
    struct Case {
        QPushButton* frmSummary::*button;
        const char* mode;
    };
    const Case cases[] = {{&frmSummary::cmdReviewEntire, "ReviewEntire"},
                          {&frmSummary::cmdReviewIncorrect, "ReviewIncorrect"}};
    for (const Case& c : cases) {
        SummaryWindow w;
        w.load();
        const QRect place = w.window.geometry();
        QTest::mouseClick(w.window.*c.button, Qt::LeftButton);
        EXPECT_EQ(w.returned, 1) << c.mode;
        EXPECT_EQ(w.modeOnReturn, c.mode);
        EXPECT_EQ(w.returnedTo, place);
        EXPECT_FALSE(w.window.isVisible()) << c.mode;
        EXPECT_EQ(w.programEnd, 0) << c.mode;
        EXPECT_EQ(w.state.QuizLength, 5) << c.mode;
        EXPECT_TRUE(w.tp.dialogs.messages().empty()) << c.mode;
    }
}

TEST(Summary, RetakesAskFirstAndCancelChangesNothing)
{
    struct Case {
        QPushButton* frmSummary::*button;
        std::string question;
        int lengthAfterOk;
        std::string codesAfterOk;
    };
    const Case cases[] = {
        {&frmSummary::cmdRetakeEntire, "The quiz you just took will now be reset and readministered.", 5,
         "A0001A0002B0003B0004B0005"},
        {&frmSummary::cmdRetakeIncorrect,
         "The quiz you just took will now be reduced to\r\ncover only the questions which you answered incorrectly.", 1,
         "B0003"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        SummaryWindow w;
        w.load();

        w.tp.dialogs.expectMessage(MsgAnswer::Cancel);
        QTest::mouseClick(w.window.*c.button, Qt::LeftButton);
        ASSERT_EQ(w.tp.dialogs.messages().size(), 1u);
        const auto& asked = w.tp.dialogs.messages()[0];
        EXPECT_EQ(asked.text, c.question);
        EXPECT_EQ(asked.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(asked.title, "ORBA");
        EXPECT_EQ(w.returned, 0);
        EXPECT_TRUE(w.window.isVisible());
        EXPECT_EQ(w.state.WindowMode, "Quiz");
        EXPECT_EQ(w.state.QuizLength, 5);
        EXPECT_EQ(w.state.QuizCodes, "A0001A0002B0003B0004B0005");

        w.tp.dialogs.expectMessage(MsgAnswer::Ok);
        QTest::mouseClick(w.window.*c.button, Qt::LeftButton);
        EXPECT_EQ(w.returned, 1);
        EXPECT_EQ(w.modeOnReturn, "Retake");
        EXPECT_FALSE(w.window.isVisible());
        EXPECT_EQ(w.programEnd, 0);
        EXPECT_EQ(w.state.QuizLength, c.lengthAfterOk);
        EXPECT_EQ(w.state.QuizCodes, c.codesAfterOk);
        EXPECT_EQ(w.state.QuizQuestion[1], c.lengthAfterOk == 1 ? "Question 3" : "Question 1");
    }
}

TEST(Summary, RetakeIncorrectOfADamagedListKeepsTheQuiz)
{
    SummaryWindow w;
    w.state.IncorrectList = {0, 9};
    w.load();
    w.tp.dialogs.expectMessage(MsgAnswer::Ok);
    w.tp.dialogs.expectMessage(MsgAnswer::Ok);
    QTest::mouseClick(w.window.cmdRetakeIncorrect, Qt::LeftButton);
    ASSERT_EQ(w.tp.dialogs.messages().size(), 2u);
    EXPECT_EQ(w.tp.dialogs.messages()[1].icon, MsgIcon::Warning);
    EXPECT_EQ(w.returned, 0);
    EXPECT_EQ(w.state.QuizLength, 5);
    EXPECT_EQ(w.state.WindowMode, "Quiz");
    EXPECT_TRUE(w.window.isVisible());
}

TEST(Summary, NewQuizAndFileOpenLeaveForTheChapterWindow)
{
    for (const bool byMenu : {false, true}) {
        SummaryWindow w;
        w.state.ReviewingIncorrect = true;
        w.load();
        if (byMenu)
            w.window.mnuFileOpen->trigger();
        else
            QTest::mouseClick(w.window.cmdNewQuiz, Qt::LeftButton);
        EXPECT_EQ(w.newQuiz, 1) << byMenu;
        EXPECT_EQ(w.modeOnNewQuiz, "Summary");
        EXPECT_FALSE(w.reviewingOnNewQuiz);
        EXPECT_FALSE(w.window.isVisible());
        EXPECT_EQ(w.programEnd, 0);
        EXPECT_EQ(w.returned, 0);
    }
}

TEST(Summary, TheUserClosingTheWindowOrExitEndsTheProgram)
{
    SummaryWindow closeBox;
    closeBox.load();
    closeBox.window.close();
    EXPECT_EQ(closeBox.programEnd, 1);
    EXPECT_FALSE(closeBox.window.isVisible());

    SummaryWindow exit;
    exit.load();
    exit.window.mnuFileExit->trigger();
    EXPECT_EQ(exit.programEnd, 1);
    EXPECT_FALSE(exit.window.isVisible());

    // A close of its own on handing over is not the user's.
    SummaryWindow review;
    review.load();
    QTest::mouseClick(review.window.cmdReviewEntire, Qt::LeftButton);
    EXPECT_EQ(review.programEnd, 0);
    // Loaded again later, the close box ends the program once more.
    review.load();
    review.window.close();
    EXPECT_EQ(review.programEnd, 1);
}

TEST(Summary, MenuCommandsReachTheOtherPrograms)
{
    SummaryWindow w;
    w.load();
    w.window.mnuEditOpen->trigger();
    ASSERT_EQ(w.tp.shell.started().size(), 1u);
    EXPECT_EQ(w.tp.shell.started()[0].program, "skrib");

    w.window.mnuContents->trigger();
    ASSERT_EQ(w.tp.shell.opened().size(), 1u);
    EXPECT_TRUE(QString::fromStdString(w.tp.shell.opened()[0]).endsWith(QStringLiteral("/orbahelp.html")));

    const std::string txt = writeFile(w.tp.dir(), "rocks.txt", "Granite is?\r\n*igneous\r\nsedimentary\r\n");
    const std::string qzf = w.tp.dir() + "/rocks.qzf";
    w.tp.dialogs.expectOpenFile(txt);
    w.window.mnuConvert->trigger();
    EXPECT_TRUE(std::filesystem::exists(qzf));
    EXPECT_FALSE(std::filesystem::exists(txt));
    w.tp.dialogs.expectOpenFile(qzf);
    w.window.mnuRevert->trigger();
    EXPECT_TRUE(std::filesystem::exists(txt));
    EXPECT_TRUE(w.tp.dialogs.messages().empty());

    w.window.mnuHelpAbout->trigger();
    EXPECT_EQ(w.about, 1);
    w.window.onAbout = nullptr;
    w.window.mnuHelpAbout->trigger();

    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.programEnd, 0);
}

TEST(Summary, LayoutFromTheSmallestWindowToAFullScreen)
{
    SummaryWindow w;
    // A quiz window smaller than the summary allows is not copied below its minimum.
    w.load(QRect(40, 30, 300, 200));
    EXPECT_EQ(w.window.size(), QSize(800, 566));
    w.window.resize(500, 400);
    EXPECT_EQ(w.window.size(), QSize(800, 566));
    QCoreApplication::processEvents();

    const int clientWidth = w.window.centralWidget()->width();
    const int clientHeight = w.window.centralWidget()->height();
    EXPECT_EQ(w.window.txtStats->geometry(), twipsToRect(120, 0, clientWidth * 15 - 225, clientHeight * 15 - 825));
    EXPECT_EQ(w.window.cmdNewQuiz->geometry(), twipsToRect(clientWidth * 15 - 1560, clientHeight * 15 - 690, 1455, 615));
    expectTidyLayout(w.window);
    saveScreenshot(&w.window, "frmSummary-min");

    w.window.resize(1920, 1080);
    QCoreApplication::processEvents();
    const int wideClient = w.window.centralWidget()->width();
    EXPECT_EQ(w.window.cmdNewQuiz->geometry().right() + 1, wideClient - 7);
    EXPECT_EQ(w.window.txtStats->width(), wideClient - 15);
    EXPECT_EQ(w.window.lblScore->geometry().bottom() + 1, w.window.centralWidget()->height() - 5);
    expectTidyLayout(w.window);
    saveScreenshot(&w.window, "frmSummary-1920");
}

TEST(Summary, OpensMaximizedWhenTheQuizWindowIs)
{
    SummaryWindow w;
    w.window.load(QRect(100, 80, 900, 650), true);
    EXPECT_TRUE(w.window.isMaximized());
    EXPECT_EQ(w.window.normalGeometry(), QRect(100, 80, 900, 650));
    QCoreApplication::processEvents();
    expectTidyLayout(w.window);
}
