#include "WindowTestSupport.h"

#include "orba/loader/frmFileInfo.h"
#include "orba/loader/frmGetTime.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/setup/frmChapters.h"
#include "orba/state/QuizState.h"
#include "platform/units.h"
#include "quizfile/Grammar.h"
#include "settings/Keys.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

struct ChapterWindow {
    TestPlatform tp;
    QuizState state;
    LanguageTable lang;
    frmChapters window{state, tp.platform, lang};
    int quizReady = 0;
    int programEnd = 0;

    ChapterWindow()
    {
        window.onQuizReady = [this] { ++quizReady; };
        window.onProgramEnd = [this] { ++programEnd; };
    }

    std::string file(const std::string& name, const std::string& bytes) { return writeFile(tp.dir(), name, bytes); }

    void typeCount(const QString& text)
    {
        QTest::keyClicks(window.txtInput, text);
        QTest::keyClick(window.txtInput, Qt::Key_Return);
    }
};

std::string chapters(int count, int perChapter = 2)
{
    std::string s;
    for (int c = 1; c <= count; ++c) {
        s += "'Chapter " + std::to_string(c) + "\r\n";
        for (int q = 1; q <= perChapter; ++q)
            s += "Q" + std::to_string(c) + "." + std::to_string(q) + "\r\n*yes\r\nno\r\n\r\n";
    }
    return s;
}

} // namespace

TEST(Chapters, TheWholeRoadFromCommandLineToDrawnQuiz)
{
    ChapterWindow w;
    w.state.PendingPath = w.file("earth.qzf", exampleScript());

    bool infoSeen = false;
    whenModalShown<frmFileInfo>([&](frmFileInfo* info) {
        infoSeen = true;
        EXPECT_FALSE(w.window.isVisible()); // hidden behind the information screen
        EXPECT_EQ(info->windowTitle(), QStringLiteral(" ORBA v3.0 - earth."));
        EXPECT_TRUE(info->txtFileInfo->toPlainText().startsWith(QStringLiteral(" QUIZ TITLE: Earth Science Review\n     AUTHOR: Science Department\n")));
        EXPECT_EQ(info->txtTimrInfo->text(), QStringLiteral("Timer = 10:00"));
        EXPECT_TRUE(info->txtNote->isVisibleTo(info));
        saveScreenshot(info, "frmFileInfo");
        QTest::mouseClick(info->cmdGoQuiz, Qt::LeftButton);
    });
    w.window.start();
    ASSERT_TRUE(infoSeen);
    EXPECT_TRUE(w.tp.dialogs.openFiles().empty());
    EXPECT_TRUE(w.state.PendingPath.empty());

    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral(" ORBA v3.0 - earth."));
    EXPECT_EQ(w.window.fraFrame->title(), QStringLiteral("Choose Which Chapters You Wish to Be Quizzed On. "));
    EXPECT_TRUE(w.window.optSelectAll->isVisible());
    EXPECT_TRUE(w.window.chkChap[1]->isVisible());
    EXPECT_FALSE(w.window.chkChap[2]->isVisible());
    EXPECT_EQ(w.window.chkChap[0]->text(), QStringLiteral("Planets"));
    EXPECT_TRUE(w.window.picOrba->isVisible()); // fewer than three chapters
    EXPECT_EQ(w.window.lblAvailable->text(), QStringLiteral("  8 questions available from the selected chapters."));
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("8"));
    EXPECT_EQ(w.window.focusWidget(), w.window.txtInput);
    saveScreenshot(&w.window, "frmChapters-two-chapters");

    // Untick Planets: six left; seven is too many and is put back.
    clickMark(w.window.chkChap[0]);
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("6"));
    w.typeCount(QStringLiteral("7"));
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("6"));
    EXPECT_EQ(w.quizReady, 0);

    // The first key replaces the suggested number.
    w.typeCount(QStringLiteral("3"));
    ASSERT_EQ(w.quizReady, 1);
    EXPECT_EQ(w.state.QuizLength, 3);
    EXPECT_EQ(w.state.QuizCodes, "B0003B0004B0005"); // <SEQQ>: file order
    EXPECT_EQ(w.state.QuizKind[2], "[MC]");
    EXPECT_EQ(w.state.QuizChoices[3][1], "zero"); // fill in the blank keeps slot order
    EXPECT_EQ(w.state.WindowMode, "Chapters");
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.programEnd, 0);
    EXPECT_EQ(w.tp.settings.get(keys::Settings, keys::PposWS), "0");
    EXPECT_EQ(w.tp.settings.getNumber(keys::Settings, keys::PposL, -1), pixelsToTwips(w.window.x()));
    EXPECT_TRUE(w.tp.dialogs.messages().empty());
}

TEST(Chapters, SelectAllAndUnselectAll)
{
    ChapterWindow w;
    w.state.PendingPath = w.file("three.txt", chapters(3, 4));
    w.window.start();
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("12"));
    EXPECT_FALSE(w.window.picOrba->isVisible());
    clickMark(w.window.optUnselect);
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("0"));
    EXPECT_FALSE(w.window.chkChap[0]->isChecked());
    EXPECT_FALSE(w.window.chkChap[24]->isChecked());
    w.typeCount(QStringLiteral("1")); // nothing is available
    EXPECT_EQ(w.quizReady, 0);
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("0"));

    // Ticking every box by hand selects the option again.
    for (int i = 0; i < 3; ++i)
        clickMark(w.window.chkChap[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(w.window.optSelectAll->isChecked());
    EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("12"));
    clickMark(w.window.chkChap[1]);
    clickMark(w.window.chkChap[0]);
    clickMark(w.window.chkChap[2]);
    EXPECT_TRUE(w.window.optUnselect->isChecked());
    clickMark(w.window.optSelectAll);
    EXPECT_TRUE(w.window.chkChap[1]->isChecked());
    w.typeCount(QStringLiteral("12"));
    EXPECT_EQ(w.state.QuizLength, 12);
}

TEST(Chapters, CountsThatAreRejected)
{
    for (const char* typed : {"0", "-3", "2.5", "abc", "99"}) {
        ChapterWindow w;
        w.state.PendingPath = w.file("q.txt", chapters(1, 5));
        w.window.start();
        EXPECT_EQ(w.window.fraFrame->title(), QStringLiteral("Choose the Amount of Questions for this Quiz. "));
        EXPECT_FALSE(w.window.optSelectAll->isVisible());
        w.typeCount(QString::fromLatin1(typed));
        EXPECT_EQ(w.quizReady, 0) << typed;
        EXPECT_EQ(w.window.txtInput->text(), QStringLiteral("5")) << typed;
        EXPECT_FALSE(w.window.countEdited());
    }
}

TEST(Chapters, ManyChaptersWidenTheFrame)
{
    ChapterWindow w;
    std::string s = chapters(15, 1);
    s += "'Tom & Jerry\r\nQ\r\n*a\r\nb\r\n";
    w.state.PendingPath = w.file("wide.txt", s);
    w.window.start();
    EXPECT_EQ(w.window.fraFrame->width(), twipsToPixels(11295));
    EXPECT_TRUE(w.window.chkChap[15]->isVisible());
    EXPECT_GT(w.window.chkChap[13]->x(), w.window.chkChap[12]->x() + w.window.chkChap[12]->width() - 1);
    EXPECT_EQ(w.window.chkChap[13]->y(), w.window.chkChap[0]->y());
    EXPECT_EQ(w.state.ChapterNames[16], "Tom && Jerry");
    EXPECT_EQ(w.window.chkChap[15]->text(), QStringLiteral("Tom && Jerry"));
    // Every box lies inside the frame, and the frame inside the window.
    for (int i = 0; i < 16; ++i) {
        const QRect box = w.window.chkChap[static_cast<std::size_t>(i)]->geometry();
        EXPECT_TRUE(w.window.fraFrame->rect().contains(box)) << i;
    }
    EXPECT_TRUE(w.window.rect().contains(w.window.fraFrame->geometry()));
    EXPECT_TRUE(w.window.rect().contains(w.window.cmdQuizMe->geometry()));
    saveScreenshot(&w.window, "frmChapters-sixteen-chapters");
}

TEST(Chapters, OpenDialogAndItsEndings)
{
    ChapterWindow w;
    const std::string good = w.file("good.qzf", "Q\r\n*a\r\nb\r\n");
    const std::string corrupt = w.file("bad.qzf", std::string(quizfile::kEncryptedMagic) + "\r\nshort\r\n");
    const std::string saved = w.file("half.qzp", "x");
    w.tp.dialogs.expectOpenFile(corrupt);
    w.tp.dialogs.expectMessage();
    w.tp.dialogs.expectOpenFile(saved);
    w.tp.dialogs.expectMessage();
    w.tp.dialogs.expectOpenFile(good);
    w.window.start();
    ASSERT_EQ(w.tp.dialogs.openFiles().size(), 3u);
    EXPECT_EQ(w.tp.dialogs.openFiles()[0].title, "Open ORBA Files");
    EXPECT_EQ(w.tp.dialogs.openFiles()[0].filter, "ORBA Files (*.qzf;*.qzp)|*.qzf;*.qzp|");
    ASSERT_EQ(w.tp.dialogs.messages().size(), 2u);
    EXPECT_EQ(w.tp.dialogs.messages()[0].text, "Encrypted File is Corrupt.");
    EXPECT_EQ(w.state.QuizPath, good);
    EXPECT_EQ(w.state.BankCount, 1);
    EXPECT_EQ(w.programEnd, 0);

    ChapterWindow cancelled;
    cancelled.tp.dialogs.expectOpenFile("");
    cancelled.window.start();
    EXPECT_EQ(cancelled.programEnd, 1);
    EXPECT_FALSE(cancelled.window.isVisible());

    ChapterWindow missing;
    missing.state.PendingPath = missing.tp.dir() + "/gone.qzf";
    missing.window.start();
    EXPECT_EQ(missing.programEnd, 1);
}

TEST(Chapters, ClosingTheWindowEndsTheProgram)
{
    ChapterWindow w;
    w.state.PendingPath = w.file("q.txt", chapters(2));
    w.window.start();
    w.window.close();
    EXPECT_EQ(w.programEnd, 1);
    EXPECT_EQ(w.quizReady, 0);
}

TEST(Chapters, UserTimerFromTheTimerDialog)
{
    struct Case { QString typed; bool ok; int seconds; };
    const Case cases[] = {{QStringLiteral("2:30"), true, 150}, {QStringLiteral("2:30"), false, 0}};
    for (const auto& c : cases) {
        ChapterWindow w;
        w.state.PendingPath = w.file("timed.txt", "TIME: <user>\r\nQ\r\n*a\r\nb\r\n");
        whenModalShown<frmGetTime>([&](frmGetTime* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("SET THE TIMER."));
            EXPECT_EQ(dialog->lblEnterUsing->text(), QStringLiteral("Enter using \"Minutes:Seconds\"."));
            saveScreenshot(dialog, "frmGetTime");
            QTest::keyClicks(dialog->txtTime, c.typed);
            whenModalShown<frmFileInfo>([&](frmFileInfo* info) {
                EXPECT_EQ(info->txtTimrInfo->text(), c.ok ? QStringLiteral("Timer = 2:30") : QStringLiteral("No Timer"));
                QTest::mouseClick(info->cmdGoQuiz, Qt::LeftButton);
            });
            if (c.ok)
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
            else
                dialog->close();
        });
        w.window.start();
        EXPECT_EQ(w.state.TimerSeconds, c.seconds);
    }
}

TEST(Chapters, ExitFromTheInformationScreenEndsTheProgram)
{
    ChapterWindow w;
    w.state.PendingPath = w.file("q.txt", "TITL: x\r\nQ\r\n*a\r\n");
    whenModalShown<frmFileInfo>([](frmFileInfo* info) { info->mnuFileExit->trigger(); });
    w.window.start();
    EXPECT_EQ(w.programEnd, 1);
    EXPECT_FALSE(w.window.isVisible());
}

TEST(Chapters, OpensWhereItWasLeft)
{
    ChapterWindow w;
    w.tp.settings.saveNumber(keys::Settings, keys::PposL, 1500);
    w.tp.settings.saveNumber(keys::Settings, keys::PposT, 3000);
    w.state.PendingPath = w.file("q.txt", chapters(2));
    w.window.start();
    EXPECT_EQ(w.window.pos(), QPoint(100, 200));
}
