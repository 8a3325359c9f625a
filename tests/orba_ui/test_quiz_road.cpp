#include "WindowTestSupport.h"

#include "orba/loader/frmFileInfo.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/results/frmSummary.h"
#include "orba/runner/frmQuiz.h"
#include "orba/setup/OrbaApp.h"
#include "orba/setup/frmChapters.h"
#include "orba/state/QuizState.h"
#include "settings/Keys.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

// One question of every kind, in script order.
const char* const kRoadScript =
    "TITL: Road test\r\n"
    "MVER: <SEQQ>\r\n"
    "'Sky\r\n"
    "Which are planets?\r\n*Mars\r\nMoon\r\n*Venus\r\n\r\n"
    "The red planet is _______.\r\n[BL]\r\nMars\r\n\r\n"
    "Order these from the Sun.\r\n[DD]\r\nMercury\r\nVenus\r\nEarth\r\n\r\n"
    "'Sea\r\n"
    "Name the two gases of water, one per line.\r\n[ES]\r\nhydrogen\r\noxygen\r\n\r\n"
    "What covers most of Earth?\r\n[FC]\r\nWater.\r\n\r\n"
    "Which is salty?\r\n[SO]\r\nA. Rain\r\n*B. Sea water\r\n";

struct Road {
    TestPlatform tp;
    QuizState state;
    LanguageTable lang;
    OrbaApp app{state, tp.platform, lang};
    int ended = 0;

    Road()
    {
        // Sounds, pictures and help stay out of the way of this walk.
        tp.settings.saveBool(keys::Settings, keys::AutoHelp, false, BoolForm::MinusOneZero);
        app.onProgramEnd = [this] { ++ended; };
    }

    frmQuiz* quiz() { return app.quiz(); }

    void submit() { QTest::mouseClick(quiz()->cmdSubmit, Qt::LeftButton); }

    // Presses the item with the mouse, moves it over the box and lets go.
    void drag(int item, int box)
    {
        QLabel* from = quiz()->txtDrag[static_cast<std::size_t>(item)];
        QLabel* to = quiz()->txtDrop[static_cast<std::size_t>(box)];
        QTest::mousePress(from, Qt::LeftButton, {}, QPoint(10, 10));
        const QPoint target = from->mapFrom(from->parentWidget(), to->geometry().center());
        QTest::mouseMove(from, target);
        QTest::mouseRelease(from, Qt::LeftButton, {}, from->mapFrom(from->parentWidget(), to->geometry().center()));
    }
};

} // namespace

TEST(QuizRoad, StartToSummaryThenRetakeIncorrect)
{
    Road r;
    r.state.PendingPath = writeFile(r.tp.dir(), "road.qzf", kRoadScript);
    whenModalShown<frmFileInfo>([](frmFileInfo* info) { QTest::mouseClick(info->cmdGoQuiz, Qt::LeftButton); });
    r.app.start();
    ASSERT_NE(r.app.chapters(), nullptr);
    QTest::keyClicks(r.app.chapters()->txtInput, QStringLiteral("6"));
    QTest::keyClick(r.app.chapters()->txtInput, Qt::Key_Return);
    ASSERT_NE(r.quiz(), nullptr);
    frmQuiz* q = r.quiz();
    EXPECT_TRUE(q->isVisible());
    EXPECT_EQ(q->windowTitle(), QStringLiteral(" ORBA v3.0 - road."));
    EXPECT_EQ(r.tp.settings.getPath(keys::PreviousFiles, "1"), r.state.QuizPath);

    // 1. Multiple choice, by keyboard: tick A only (Venus is missed), Enter.
    ASSERT_EQ(q->ShownNumber(), 1);
    EXPECT_TRUE(q->chk[0]->isVisible());
    EXPECT_EQ(q->cmdSubmit->text(), QStringLiteral("Submit Answer"));
    const QString firstTally = q->txtTally->text();
    EXPECT_TRUE(firstTally.startsWith(QStringLiteral(" Q#1.   0 out of 0"))) << firstTally.toStdString();
    QTest::keyClick(q, Qt::Key_A);
    EXPECT_TRUE(q->chk[0]->isChecked() || q->chk[1]->isChecked() || q->chk[2]->isChecked());
    // Tick exactly Mars, whichever letter it has.
    for (QCheckBox* box : q->chk)
        if (box->isVisible())
            box->setChecked(box->text().contains(QStringLiteral("Mars")));
    QTest::keyClick(q->cmdSubmit, Qt::Key_Return);
    EXPECT_TRUE(q->ShownWrong());
    EXPECT_EQ(q->cmdSubmit->text(), QStringLiteral("Next Question"));
    int marks = 0;
    for (QLabel* mark : q->picYes)
        marks += mark->isVisible() ? 1 : 0;
    EXPECT_EQ(marks, 1); // Venus should have been ticked
    saveScreenshot(q, "frmQuiz-choices-marked");
    r.submit();

    // 2. Fill in the blank, typed, Enter submits.
    ASSERT_EQ(q->ShownNumber(), 2);
    EXPECT_TRUE(q->txtBlank->isVisible());
    QTest::keyClicks(q->txtBlank, QStringLiteral("mars"));
    QTest::keyClick(q->txtBlank, Qt::Key_Return);
    EXPECT_FALSE(q->ShownWrong());
    EXPECT_EQ(r.state.TypedAnswer[2], "mars");
    r.submit();

    // 3. Drag and drop with the mouse: every item onto its own row.
    ASSERT_EQ(q->ShownNumber(), 3);
    EXPECT_TRUE(q->txtDrag[3]->isVisible());
    const auto& items = r.state.QuizChoices[3];
    for (int k = 1; k <= 3; ++k) {
        const int row = items[static_cast<std::size_t>(k - 1)][0] - '0' + 1;
        r.drag(k, row);
        EXPECT_EQ(r.state.DropSlot[3][static_cast<std::size_t>(k)], row) << "item " << k;
    }
    saveScreenshot(q, "frmQuiz-dragdrop");
    r.submit();
    EXPECT_FALSE(q->ShownWrong());
    r.submit();

    // 4. Typed answer over two lines, with a final Enter.
    ASSERT_EQ(q->ShownNumber(), 4);
    QTest::keyClicks(q->txtEssay[0], QStringLiteral("Hydrogen"));
    QTest::keyClick(q->txtEssay[0], Qt::Key_Return);
    QTest::keyClicks(q->txtEssay[0], QStringLiteral("OXYGEN"));
    QTest::keyClick(q->txtEssay[0], Qt::Key_Return);
    r.submit();
    EXPECT_FALSE(q->ShownWrong());
    r.submit();

    // 5. Flash card: not scored.
    ASSERT_EQ(q->ShownNumber(), 5);
    EXPECT_TRUE(q->txtFlash->isVisible());
    r.submit();
    EXPECT_EQ(r.state.AnsweredCount, 4);
    EXPECT_TRUE(q->cmdHelp->isVisible());
    r.submit();

    // 6. Written order: choose the wrong one.
    ASSERT_EQ(q->ShownNumber(), 6);
    EXPECT_EQ(q->chk[0]->text(), QStringLiteral("A) Rain"));
    QTest::keyClick(q, Qt::Key_A);
    r.submit();
    EXPECT_TRUE(q->ShownWrong());
    EXPECT_EQ(q->cmdSubmit->text(), QStringLiteral("View Summary"));
    EXPECT_EQ(r.state.CorrectCount, 3);
    EXPECT_EQ(r.state.IncorrectCount, 2);
    r.submit();

    // The summary takes over.
    ASSERT_NE(r.app.summary(), nullptr);
    frmSummary* s = r.app.summary();
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(q->isVisible());
    EXPECT_TRUE(s->txtStats->toPlainText().contains(QStringLiteral("Sky  -  2 / 3")));
    EXPECT_TRUE(s->cmdRetakeIncorrect->isEnabled());
    saveScreenshot(s, "frmSummary-after-road");

    // Retake only the two wrong ones.
    r.tp.dialogs.expectMessage(MsgAnswer::Ok);
    QTest::mouseClick(s->cmdRetakeIncorrect, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(r.quiz(), q);
    EXPECT_TRUE(q->isVisible());
    EXPECT_EQ(r.state.QuizLength, 2);
    EXPECT_EQ(r.state.QuizCodes, "A0001B0006");
    ASSERT_EQ(q->ShownNumber(), 1);
    EXPECT_EQ(r.state.AnsweredCount, 0);
    for (QCheckBox* box : q->chk)
        if (box->isVisible())
            box->setChecked(box->text().contains(QStringLiteral("Mars")) || box->text().contains(QStringLiteral("Venus")));
    r.submit();
    EXPECT_FALSE(q->ShownWrong());
    r.submit();
    QTest::keyClick(q, Qt::Key_B);
    r.submit();
    EXPECT_FALSE(q->ShownWrong());
    EXPECT_EQ(q->cmdSubmit->text(), QStringLiteral("View Summary"));
    r.submit();

    ASSERT_NE(r.app.summary(), nullptr);
    EXPECT_EQ(r.app.summary()->lblScore->text(), QStringLiteral(" 2 out of 2\n  YOUR SCORE:100%"));
    EXPECT_FALSE(r.app.summary()->cmdRetakeIncorrect->isEnabled());
    EXPECT_EQ(r.ended, 0);
}
