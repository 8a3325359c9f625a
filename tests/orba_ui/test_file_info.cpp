#include "WindowTestSupport.h"

#include "orba/loader/frmFileInfo.h"
#include "orba/setup/FileCommands.h"
#include "settings/RecentFiles.h"
#include "settings/Keys.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/state/QuizState.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

struct InfoWindow {
    TestPlatform tp;
    QuizState state;
    LanguageTable lang;

    InfoWindow() { state.QuizName = "biology"; }
};

QStringList lines(const QPlainTextEdit* box) { return box->toPlainText().split(QLatin1Char('\n')); }

} // namespace

TEST(FileInfo, DefaultsForAOneLineHeader)
{
    InfoWindow w;
    w.state.MinVersion = "2.82";
    w.state.QuizModified = "3.14.2004, 2:05:00pm";
    frmFileInfo info(w.state, w.tp.platform, w.lang);
    EXPECT_EQ(lines(info.txtFileInfo), (QStringList{QStringLiteral(" QUIZ TITLE: biology"),
                                                    QStringLiteral("COMPILED BY: Anonymous"),
                                                    QStringLiteral("   MODIFIED: 3.14.2004, 2:05:00pm"),
                                                    QStringLiteral("  MIN. ORBA: 2.82")}));
    EXPECT_EQ(info.txtTimrInfo->text(), QStringLiteral("No Timer"));
    EXPECT_FALSE(info.txtNote->isVisibleTo(&info));
    EXPECT_EQ(w.state.QuizTitle, "biology"); // the default is kept
    EXPECT_EQ(info.cmdGoQuiz->text(), QStringLiteral("Let's Go! "));
    EXPECT_EQ(info.mnuConv->title(), QStringLiteral("&Convert"));
    EXPECT_TRUE(info.menuBar->isVisibleTo(&info));
    EXPECT_LE(info.menuBar->geometry().bottom(), info.txtFileInfo->parentWidget()->y());
}

TEST(FileInfo, LongValuesAreCutAndTheAuthorWins)
{
    InfoWindow w;
    w.state.QuizTitle = std::string(60, 'T');
    w.state.QuizAuthor = "Ann \xE9l\xE8ve";
    w.state.QuizCompiler = "Bob";
    w.state.QuizNote = "Bring a pencil.";
    w.state.TimerSeconds = 45;
    frmFileInfo info(w.state, w.tp.platform, w.lang);
    const QStringList shown = lines(info.txtFileInfo);
    EXPECT_EQ(shown[0], QStringLiteral(" QUIZ TITLE: ") + QString(44, QLatin1Char('T')));
    EXPECT_EQ(shown[1], QStringLiteral("     AUTHOR: Ann \u00E9l\u00E8ve"));
    EXPECT_FALSE(info.txtFileInfo->toPlainText().contains(QStringLiteral("Bob")));
    EXPECT_EQ(w.state.MinVersion, "2.63");
    EXPECT_TRUE(info.txtNote->isVisibleTo(&info));
    EXPECT_EQ(info.txtNote->toPlainText(), QStringLiteral("NOTE: Bring a pencil."));
    EXPECT_EQ(info.txtTimrInfo->text(), QStringLiteral("Timer = 0:45"));
    // Nothing sticks out of the window.
    for (QWidget* child : {static_cast<QWidget*>(info.txtFileInfo), static_cast<QWidget*>(info.txtNote),
                           static_cast<QWidget*>(info.txtTimrInfo), static_cast<QWidget*>(info.cmdGoQuiz)})
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST(FileInfo, MenuCommands)
{
    InfoWindow w;
    frmFileInfo info(w.state, w.tp.platform, w.lang);
    info.mnuEditOpen->trigger();
    info.mnuContents->trigger();
    ASSERT_EQ(w.tp.shell.started().size(), 1u);
    EXPECT_EQ(w.tp.shell.started()[0].program, "skrib");
    ASSERT_EQ(w.tp.shell.opened().size(), 1u);
    EXPECT_EQ(std::filesystem::path(w.tp.shell.opened()[0]).filename(), "orbahelp.html");

    // Convert refuses a name in capitals; Revert renames a quiz file.
    const std::string upper = writeFile(w.tp.dir(), "QUIZ.TXT", "x");
    const std::string qzf = writeFile(w.tp.dir(), "quiz.qzf", "x");
    w.tp.dialogs.expectOpenFile(upper);
    w.tp.dialogs.expectMessage();
    info.mnuConvert->trigger();
    EXPECT_EQ(w.tp.dialogs.messageTexts(), std::vector<std::string>{"You must select a .txt file."});
    EXPECT_EQ(w.tp.dialogs.openFiles()[0].filter, "Text Files (*.txt)|*.txt");
    w.tp.dialogs.expectOpenFile(qzf);
    info.mnuRevert->trigger();
    EXPECT_EQ(w.tp.dialogs.openFiles()[1].filter, "ORBA Files (*.qzf)|*.qzf");
    EXPECT_TRUE(std::filesystem::exists(w.tp.dir() + "/quiz.txt"));
    EXPECT_FALSE(std::filesystem::exists(qzf));
}

TEST(FileInfo, OpenAndExitEndTheScreen)
{
    InfoWindow w;
    frmFileInfo info(w.state, w.tp.platform, w.lang);
    whenModalShown<frmFileInfo>([](frmFileInfo* shown) { shown->mnuFileOpen->trigger(); });
    EXPECT_EQ(info.run(), frmFileInfo::Outcome::Open);
    EXPECT_EQ(w.state.WindowMode, "FileInfo");
    whenModalShown<frmFileInfo>([](frmFileInfo* shown) { QTest::keyClick(shown, Qt::Key_Return); });
    EXPECT_EQ(info.run(), frmFileInfo::Outcome::Go);
    whenModalShown<frmFileInfo>([](frmFileInfo* shown) { shown->mnuFileExit->trigger(); });
    EXPECT_EQ(info.run(), frmFileInfo::Outcome::ExitProgram);
}

TEST(PreviousFileCommands, RememberAndForgetThroughTheSettingsStore)
{
    TestPlatform tp;
    for (const char* path : {"/q/d.qzf", "/q/c.qzf", "/q/b.qzf", "/q/a.qzf"})
        rememberPreviousFile(tp.platform, path);
    EXPECT_EQ(readPreviousFiles(tp.settings, keys::PreviousFiles), (PreviousFileList{"/q/a.qzf", "/q/b.qzf", "/q/c.qzf", "/q/d.qzf"}));

    tp.dialogs.expectMessage();
    forgetPreviousFile(tp.platform, "/q/b.qzf");
    EXPECT_EQ(tp.dialogs.messageTexts(),
              std::vector<std::string>{"Whoops!  Looks like that file has either been moved or renamed."});
    EXPECT_EQ(readPreviousFiles(tp.settings, keys::PreviousFiles), (PreviousFileList{"/q/a.qzf", "/q/c.qzf", "/q/d.qzf", ""}));
    EXPECT_EQ(tp.settings.get(keys::PreviousFiles, "4", "missing"), "");
}
