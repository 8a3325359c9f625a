#include "WindowTestSupport.h"

#include "orba/loader/ScriptLoader.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/runner/PictureForm.h"
#include "orba/runner/frmQuiz.h"
#include "orba/setup/QuizAssembly.h"
#include "orba/state/QuizState.h"
#include "platform/ProgramFolder.h"
#include "platform/units.h"
#include "settings/Keys.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>

namespace {

struct NoPrompts final : LoaderPrompts {
    std::optional<std::string> askTimer() override { return std::nullopt; }
    void showFileInfo(QuizState&) override {}
};

// A quiz window over a script, drawn in script order.
struct QuizWindow {
    TestPlatform tp;
    QuizState state;
    LanguageTable lang;
    std::unique_ptr<frmQuiz> window;
    int summaries = 0;
    int ended = 0;
    int opened = 0;

    explicit QuizWindow(const std::string& script, const std::string& name = "quiz.txt")
    {
        state.resetForNewScript();
        state.QuizPath = writeFile(tp.dir(), name, script);
        NoPrompts prompts;
        const LoadResult loaded = loadScriptFile(state, tp.rng, prompts);
        EXPECT_EQ(loaded.outcome, LoadOutcome::Loaded) << loaded.message;
        state.createAnswerArrays(state.BankCount);
        state.SequentialPick = true;
        assembleQuiz(state, allChaptersTicked(), countAvailable(state, allChaptersTicked()), tp.rng);
        tp.settings.saveBool(keys::Settings, keys::AutoHelp, false, BoolForm::MinusOneZero);
        tp.settings.saveBool(keys::Settings, keys::AutoPic, false, BoolForm::MinusOneZero);
    }

    frmQuiz& start()
    {
        window = std::make_unique<frmQuiz>(state, tp.platform, lang);
        window->onShowSummary = [this](const QRect&, bool) { ++summaries; };
        window->onProgramEnd = [this] { ++ended; };
        window->onOpenAnother = [this] { ++opened; };
        window->start();
        return *window;
    }

    void submit() { QTest::mouseClick(window->cmdSubmit, Qt::LeftButton); }
    int visibleChoices() const
    {
        int n = 0;
        for (QCheckBox* box : window->chk)
            n += box->isVisible() ? 1 : 0;
        return n;
    }
};

std::string choices(int count)
{
    std::string s = "Pick\r\n*c1\r\n";
    for (int i = 2; i <= count; ++i)
        s += "c" + std::to_string(i) + "\r\n";
    return s + "\r\n";
}

} // namespace

TEST(QuizWindow, ChoiceLayoutsByNumberOfChoices)
{
    struct Case { int count; int rows; int shown; bool twoColumns; };
    const Case cases[] = {{2, 4, 4, false}, {5, 5, 5, false}, {6, 3, 6, true}, {7, 4, 7, true}, {8, 4, 8, true}};
    for (const auto& c : cases) {
        QuizWindow w(choices(c.count));
        frmQuiz& q = w.start();
        EXPECT_EQ(w.visibleChoices(), c.shown) << c.count;
        EXPECT_EQ(q.chk[1]->x() > q.chk[0]->x(), false);
        EXPECT_EQ(q.chk[static_cast<std::size_t>(c.rows)]->x() > q.chk[0]->x(), c.twoColumns) << c.count;
        // Empty slots up to the layout's last box show a bare, disabled letter.
        if (c.count == 2) {
            EXPECT_EQ(q.chk[2]->text(), QStringLiteral("C) "));
            EXPECT_FALSE(q.chk[2]->isEnabled());
        }
        for (int j = 0; j < c.shown; ++j) {
            EXPECT_TRUE(q.rect().contains(q.chk[static_cast<std::size_t>(j)]->geometry().translated(0, 30))) << j;
        }
    }
}

TEST(QuizWindow, EveryKindAtTheSmallestAndALargeSize)
{
    const std::string script = "'One\r\n" + choices(8) + "Blank _____ here\r\n[BL]\r\nx\r\n\r\n"
                               "Order\r\n[DD]\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n\r\n"
                               "Type\r\n[ES]\r\nline one\r\n\r\nCard\r\n[FC]\r\nBack\r\n";
    for (const QSize size : {QSize(twipsToPixels(12000), twipsToPixels(8490)), QSize(1920, 1080)}) {
        QuizWindow w(script);
        w.tp.settings.saveInt(keys::Settings, keys::PposWS, 0);
        w.tp.settings.saveNumber(keys::Settings, keys::PposW, pixelsToTwips(size.width()));
        w.tp.settings.saveNumber(keys::Settings, keys::PposH, pixelsToTwips(size.height()));
        frmQuiz& q = w.start();
        const std::string tag = size.width() == 1920 ? "-1920" : "-min";
        const char* names[] = {"choices", "blank", "dragdrop", "essay", "flashcard"};
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            // Every shown control lies inside the window's client area.
            for (QWidget* child : q.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isVisible()) {
                    EXPECT_TRUE(q.centralWidget()->rect().contains(child->geometry()))
                        << names[i] << tag << " " << child->objectName().toStdString();
                }
            }
            saveScreenshot(&q, std::string("frmQuiz-") + names[i] + tag);
            w.submit();
            if (i < 4)
                w.submit();
        }
        if (size.width() == 1920) {
            EXPECT_GE(q.width(), 1900);
        }
    }
}

TEST(QuizWindow, PartialAnswersAreKeptWhenSteppingBack)
{
    QuizWindow w(choices(3) + "Capital of France?\r\n[BL]\r\nParis\r\n\r\n" + choices(2));
    frmQuiz& q = w.start();
    EXPECT_FALSE(q.cmdOneBack->isEnabled());
    q.chk[1]->setChecked(true);
    w.submit();
    EXPECT_TRUE(q.ShownWrong());
    w.submit();
    ASSERT_EQ(q.ShownNumber(), 2);
    QTest::keyClicks(q.txtBlank, QStringLiteral("Par"));
    EXPECT_TRUE(q.cmdOneBack->isEnabled());
    QTest::mouseClick(q.cmdOneBack, Qt::LeftButton);

    // Question 1 again, with its ticks and marks, no longer answerable.
    ASSERT_EQ(q.ShownNumber(), 1);
    EXPECT_TRUE(q.chk[1]->isChecked());
    EXPECT_TRUE(q.picYes[0]->isVisible());
    EXPECT_TRUE(q.picYes[1]->isVisible());
    EXPECT_FALSE(q.cmdSubmit->isEnabled());
    EXPECT_TRUE(q.cmdUp->isEnabled());
    const QString tally = q.txtTally->text();
    EXPECT_TRUE(tally.startsWith(QStringLiteral(" Q#1.   0 out of 1"))) << tally.toStdString();

    // Back to the question being answered: the typed text is still there.
    QTest::mouseClick(q.cmdUp, Qt::LeftButton);
    ASSERT_EQ(q.ShownNumber(), 2);
    EXPECT_EQ(q.txtBlank->text(), QStringLiteral("Par"));
    EXPECT_TRUE(q.cmdSubmit->isEnabled());
    QTest::keyClicks(q.txtBlank, QStringLiteral("is"));
    QTest::keyClick(q.txtBlank, Qt::Key_Return);
    EXPECT_FALSE(q.ShownWrong());
    EXPECT_EQ(w.state.AnsweredCount, 2);

    // The number pad steps too, but not while a typed answer is on screen.
    w.submit();
    ASSERT_EQ(q.ShownNumber(), 3);
    QTest::keyClick(q.cmdSubmit, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(q.ShownNumber(), 3); // nothing further
    QTest::keyClick(q.cmdSubmit, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(q.ShownNumber(), 2);
    QTest::keyClick(q.cmdSubmit, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(q.ShownNumber(), 2);
}

TEST(QuizWindow, KeysTickChoicesButNotInATextQuestion)
{
    QuizWindow w(choices(4) + "Type\r\n[BL]\r\nx\r\n");
    frmQuiz& q = w.start();
    QTest::keyClick(&q, Qt::Key_C);
    EXPECT_TRUE(q.chk[2]->isChecked());
    QTest::keyClick(&q, Qt::Key_3, Qt::KeypadModifier);
    EXPECT_FALSE(q.chk[2]->isChecked());
    QTest::keyClick(&q, Qt::Key_E); // no fifth choice
    EXPECT_EQ(w.state.ChoiceChecked[1], (std::array<bool, 8>{}));
    w.submit();
    w.submit();
    QTest::keyClicks(q.txtBlank, QStringLiteral("ab"));
    EXPECT_EQ(q.txtBlank->text(), QStringLiteral("ab"));
}

TEST(QuizWindow, NoFeedbackQuizMovesOnAtOnce)
{
    QuizWindow w("MVER: <NOFB>\r\n" + choices(3) + choices(3));
    frmQuiz& q = w.start();
    EXPECT_TRUE(q.txtTally->text() == QStringLiteral(" Q#1."));
    q.chk[2]->setChecked(true);
    w.submit();
    EXPECT_EQ(q.ShownNumber(), 2); // no pause, no marks
    for (QLabel* mark : q.picYes)
        EXPECT_FALSE(mark->isVisible());
    for (QCheckBox* box : q.chk)
        box->setChecked(box->text() == QStringLiteral("A) c1") || box->text().endsWith(QStringLiteral(") c1")));
    w.submit();
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("View Summary"));
    EXPECT_EQ(w.state.IncorrectCount, 1);
    w.submit();
    EXPECT_EQ(w.summaries, 1);
    EXPECT_FALSE(q.isVisible());
    EXPECT_EQ(w.state.WindowMode, "Quiz");

    // Reviewing it shows the marks and the full tally.
    w.state.WindowMode = "ReviewIncorrect";
    q.returnFromSummary(q.geometry());
    EXPECT_EQ(q.ShownNumber(), 1);
    EXPECT_EQ(w.state.FeedbackMode, 1);
    EXPECT_TRUE(q.picYes[2]->isVisible());
    EXPECT_TRUE(q.txtTally->text().contains(QStringLiteral("out of")));
    EXPECT_TRUE(q.cmdSubmit->isEnabled());
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("View Summary"));
}

TEST(QuizWindow, RecycledQuestionComesBackAndRetakeStartsOver)
{
    QuizWindow w("MVER: <RECY>\r\n" + choices(2) + choices(2));
    frmQuiz& q = w.start();
    q.chk[1]->setChecked(true);
    w.submit();
    EXPECT_EQ(w.state.QuizLength, 3);
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("Next Question"));
    for (int i = 0; i < 2; ++i) {
        w.submit();
        q.chk[0]->setChecked(true);
        w.submit();
    }
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("View Summary"));
    EXPECT_EQ(w.state.CorrectCount, 2);

    w.state.WindowMode = "Retake";
    q.returnFromSummary(q.geometry());
    EXPECT_EQ(q.ShownNumber(), 1);
    EXPECT_EQ(w.state.QuizLength, 3); // the recycled copy stays
    EXPECT_EQ(w.state.AnsweredCount, 0);
    EXPECT_FALSE(q.chk[1]->isChecked());
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("Submit Answer"));
}

TEST(QuizWindow, CountdownExpiryAndRetakeFromTheTimeLeft)
{
    QuizWindow w("TIME: 1:30\r\n" + choices(2) + choices(2) + choices(2));
    frmQuiz& q = w.start();
    EXPECT_TRUE(q.txtTimr->isVisible());
    EXPECT_EQ(q.txtTimr->text(), QStringLiteral("1:30"));
    EXPECT_TRUE(q.Timer1->isActive());
    q.Timer1_Timer();
    EXPECT_EQ(q.txtTimr->text(), QStringLiteral("1:29"));
    q.chk[0]->setChecked(true);
    w.submit();

    w.state.TimerSeconds = 1;
    w.tp.dialogs.expectMessage();
    q.Timer1_Timer();
    EXPECT_EQ(w.tp.dialogs.messageTexts(), std::vector<std::string>{"Time has expired for this quiz."});
    EXPECT_FALSE(q.Timer1->isActive());
    EXPECT_EQ(q.cmdSubmit->text(), QStringLiteral("View Summary"));
    EXPECT_FALSE(q.chk[0]->isEnabled());
    EXPECT_FALSE(q.cmdOneBack->isEnabled());
    EXPECT_EQ(w.state.AnsweredCount, 3);
    EXPECT_EQ(w.state.ScorePercent, "33%");
    w.submit();
    EXPECT_EQ(w.summaries, 1);

    // After expiry a retake is untimed; with time left it counts on from there.
    w.state.WindowMode = "Retake";
    q.returnFromSummary(q.geometry());
    EXPECT_FALSE(q.Timer1->isActive());
    EXPECT_FALSE(q.txtTimr->isVisible());

    QuizWindow left("TIME: 1:30\r\n" + choices(2));
    frmQuiz& l = left.start();
    left.state.TimerSeconds = 50;
    l.chk[0]->setChecked(true);
    left.submit();
    left.submit();
    EXPECT_FALSE(l.Timer1->isActive()); // stopped once the summary shows
    left.state.WindowMode = "Retake";
    l.returnFromSummary(l.geometry());
    EXPECT_EQ(l.txtTimr->text(), QStringLiteral("0:50"));
    EXPECT_TRUE(l.Timer1->isActive());
}

TEST(QuizWindow, HelpCommentsChoiceCommentsAndPictures)
{
    const std::string script = "Which bone?<femur.png>\r\n*Femur<?The thigh bone.?>\r\nTibia<?The shin bone.?>\r\n"
                               "?Long bones.<missing.png>\r\n\r\n"
                               "Card\r\n[FC]\r\nThe back[CR]of the card\r\n";
    QuizWindow w(script, "Anatomy.txt");
    std::filesystem::create_directories(w.tp.dir() + "/Anatomy");
    QPixmap femur(120, 80);
    femur.fill(Qt::darkCyan);
    ASSERT_TRUE(femur.save(QString::fromStdString(w.tp.dir() + "/Anatomy/femur.png")));
    w.tp.settings.saveBool(keys::Settings, keys::AutoPic, true, BoolForm::MinusOneZero);
    frmQuiz& q = w.start();

    EXPECT_EQ(q.txtQuestion->toPlainText(), QStringLiteral("Which bone?"));
    EXPECT_EQ(q.chk[0]->text(), QStringLiteral("A) Femur"));
    EXPECT_TRUE(q.cmdPic->isVisible());
    ASSERT_TRUE(q.picForm()->isVisible());
    EXPECT_EQ(q.picForm()->size(), QSize(120, 80));
    QTest::mouseClick(q.cmdPic, Qt::LeftButton);
    EXPECT_FALSE(q.picForm()->isVisible());
    EXPECT_NE(w.tp.settings.get(keys::Settings, keys::PicLeft), "");

    // Both ticked: the two choice comments replace the help comment, and the
    // explanation picture that is not there says so.
    q.chk[0]->setChecked(true);
    q.chk[1]->setChecked(true);
    w.submit();
    ASSERT_TRUE(q.cmdHelp->isVisible());
    ASSERT_TRUE(q.helpPicForm()->isVisible());
    EXPECT_TRUE(q.helpPicForm()->Label2->isVisible());
    EXPECT_EQ(q.helpPicForm()->Label2->text(), QStringLiteral("FILE NOT FOUND."));
    saveScreenshot(q.helpPicForm(), "frmHelpPicForm-not-found");
    QTest::mouseClick(q.cmdHelp, Qt::LeftButton);
    EXPECT_TRUE(q.txtHelpComment->isVisible());
    EXPECT_EQ(q.txtHelpComment->toPlainText(), QStringLiteral("ANSWER A: The thigh bone. | ANSWER B: The shin bone."));
    EXPECT_LT(q.txtQuestion->height(), q.txtHelpComment->y() + 5);
    saveScreenshot(&q, "frmQuiz-help-open");
    QTest::mouseClick(q.cmdHelp, Qt::LeftButton);
    EXPECT_FALSE(q.txtHelpComment->isVisible());

    // The flash card's back is its help comment.
    w.submit();
    EXPECT_FALSE(q.helpPicForm()->isVisible()); // closed by the next question
    EXPECT_TRUE(q.txtFlash->text().contains(QStringLiteral("check the help [?] button")));
    w.submit();
    EXPECT_EQ(w.state.ChapterFlashCards[0], 1);
    QTest::mouseClick(q.cmdHelp, Qt::LeftButton);
    EXPECT_EQ(q.txtHelpComment->toPlainText(), QStringLiteral("The back\nof the card"));
}

TEST(QuizWindow, FileMenuAndClosing)
{
    QuizWindow w(choices(2));
    const std::string gone = w.tp.dir() + "/gone.qzf";
    w.tp.settings.savePath(keys::PreviousFiles, "1", gone);
    frmQuiz& q = w.start();
    // The quiz just opened goes first; the old entry follows.
    EXPECT_TRUE(q.mnuFilePrevious[0]->isVisible());
    EXPECT_TRUE(q.mnuFilePrevious[0]->text().endsWith(QString::fromStdString(w.state.QuizPath)));
    EXPECT_TRUE(q.mnuFilePrevious[1]->isVisible());
    EXPECT_FALSE(q.mnuFilePrevious[2]->isVisible());

    w.tp.dialogs.expectMessage();
    q.mnuFilePrevious[1]->trigger();
    EXPECT_EQ(w.tp.dialogs.messages().size(), 1u);
    EXPECT_FALSE(q.mnuFilePrevious[1]->isVisible());
    EXPECT_EQ(w.opened, 0);
    EXPECT_TRUE(q.isVisible());

    q.mnuFilePrevious[0]->trigger();
    EXPECT_EQ(w.opened, 1);
    EXPECT_EQ(w.state.PendingPath, w.state.QuizPath);
    EXPECT_EQ(w.ended, 0);
    EXPECT_EQ(w.tp.settings.get(keys::Settings, keys::PposWS), "0");

    // Help, About opens the about window over the quiz without blocking.
    q.mnuHelpAbout->trigger();
    const auto abouts = q.findChildren<QDialog*>(QStringLiteral("frmAbout"));
    ASSERT_EQ(abouts.size(), 1);
    EXPECT_TRUE(abouts[0]->isVisible());
    EXPECT_EQ(abouts[0]->windowTitle(), QStringLiteral(" About ORBA . . ."));

    QuizWindow closing(choices(2));
    frmQuiz& c = closing.start();
    c.close();
    EXPECT_EQ(closing.ended, 1);
}

TEST(QuizWindow, MonotypeFontIsOfferedForThisQuizOnly)
{
    QuizWindow w("MVER: <MONO>\r\n" + choices(2));
    w.tp.dialogs.expectMessage(MsgAnswer::Ok);
    frmQuiz& q = w.start();
    ASSERT_EQ(w.tp.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.tp.dialogs.messages()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(q.txtQuestion->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(w.tp.settings.get(keys::FontSet, keys::QuestionFontName), "");
}

TEST(QuizWindow, SoundResponsesFollowTheAnswerAndTheOption)
{
    QuizWindow w(choices(2) + choices(2) + choices(2));
    std::filesystem::create_directories(w.tp.dir() + "/~Sounds");
    writeFile(w.tp.dir() + "/~Sounds", "C00.mp3", "right");
    writeFile(w.tp.dir() + "/~Sounds", "W00.mp3", "wrong");
    ScopedProgramFolder folder(w.tp.dir());
    frmQuiz& q = w.start();
    for (QCheckBox* box : q.chk)
        box->setChecked(box->text().endsWith(QStringLiteral(") c1")));
    w.submit();
    w.submit();
    w.submit(); // nothing ticked: wrong
    ASSERT_EQ(w.tp.sound.played.size(), 2u);
    EXPECT_TRUE(w.tp.sound.played[0].ends_with("/~Sounds/C00.mp3"));
    EXPECT_TRUE(w.tp.sound.played[1].ends_with("/~Sounds/W00.mp3"));

    // Switched off, the next answer is silent at once.
    w.tp.settings.saveBool(keys::Settings, keys::SoundResponses, false, BoolForm::MinusOneZero);
    w.submit();
    w.submit();
    EXPECT_EQ(w.tp.sound.played.size(), 2u);
}
