#include "platform/ProgramFolder.h"
#include "quizfile/Ansi.h"
#include "quizfile/Container.h"
#include "quizfile/Grammar.h"
#include "settings/Keys.h"
#include "skrib/EditorCommandLine.h"
#include "skrib/SkribState.h"
#include "skrib/frmLogin.h"
#include "skrib/frmSkrib.h"
#include "support/TestPlatform.h"
#include "ToolWindowSupport.h"

#include "orba/setup/StartUp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

// Answers the password dialog the next time it is up, as a person would.
void whenLoginShown(std::function<void(frmLogin*)> act)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
        *waited += 10;
        if (auto* login = dynamic_cast<frmLogin*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(login);
        } else if (*waited > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the password dialog did not appear";
        }
    });
    timer->start();
}

void typePassword(const QString& password, bool remember = false)
{
    whenLoginShown([password, remember](frmLogin* login) {
        QTest::keyClicks(login->txtPassword, password);
        saveToolWindowShot(login, "frmLogin");
        login->chkAutoSaveEncrypted->setChecked(remember);
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    });
}

std::string readAll(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void writeAll(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

struct Editor {
    TestPlatform tp;
    SkribState state;
    ScopedProgramFolder folder{tp.dir()};
    frmSkrib window{state, tp.platform};
    int ended = 0;

    Editor()
    {
        tp.settings.saveBool(keys::Settings, keys::QTips, false, BoolForm::TrueFalse);
        window.onProgramEnd = [this] { ++ended; };
        window.start();
    }

    std::string path(const std::string& name) const { return tp.dir() + "/" + name; }
    void type(const QString& text) { QTest::keyClicks(window.txtT, text); }
};

const char* const kScript = "TITL: Round trip\r\nMODI: today\r\n'Chapter \xE9t\xE9\r\nQuestion?\r\n*yes\r\nno\r\n?because\r\n\r\n"
                            "Fill _____\r\n[BL]\r\nword\r\n";

} // namespace

TEST(Skrib, StartsUntitledWithItsFontSize)
{
    Editor e;
    EXPECT_EQ(e.window.windowTitle(), QStringLiteral("Untitled - Quiz Script Editor"));
    EXPECT_EQ(e.window.txtT->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(e.window.txtT->font().pointSize(), 10);
    EXPECT_TRUE(e.window.mnuViewSize[0]->isChecked());
    EXPECT_FALSE(e.state.TextChanged);

    TestPlatform odd;
    odd.settings.save(keys::Settings, keys::SkribFSize, "11");
    odd.settings.saveBool(keys::Settings, keys::QTips, false, BoolForm::TrueFalse);
    SkribState state;
    frmSkrib window(state, odd.platform);
    window.start();
    EXPECT_EQ(state.EditorFontSize, 10);
    window.setFontSize(3);
    EXPECT_EQ(window.txtT->font().pointSize(), 16);
    EXPECT_EQ(odd.settings.get(keys::Settings, keys::SkribFSize), "16");
    EXPECT_TRUE(window.mnuViewSize[3]->isChecked());
    EXPECT_FALSE(window.mnuViewSize[0]->isChecked());
}

TEST(Skrib, EncryptedSaveLoadsTheSameBankInTheQuizTaker)
{
    Editor e;
    e.window.setScriptText(kScript);
    std::filesystem::create_directories(e.path("plain"));
    std::filesystem::create_directories(e.path("secret"));
    e.state.ScriptPath = e.path("plain/quiz.txt");
    ASSERT_TRUE(e.window.SaveScript(false));
    EXPECT_EQ(readAll(e.path("plain/quiz.txt")), kScript); // no line break added at the end
    EXPECT_EQ(e.window.windowTitle(), QStringLiteral("quiz.txt - Quiz Script Editor"));

    e.state.ScriptPath = e.path("secret/quiz.qzf");
    typePassword(QStringLiteral("Open Sesame"));
    ASSERT_TRUE(e.window.SaveScript(true));
    const std::string file = readAll(e.path("secret/quiz.qzf"));
    EXPECT_EQ(file.rfind(std::string(quizfile::kEncryptedMagic) + "\r\n", 0), 0u);
    EXPECT_EQ(file.find("Round trip"), std::string::npos);

    saveToolWindowShot(&e.window, "frmSkrib-script");
    std::string plainDump, secretDump, err;
    EXPECT_EQ(dumpScript(e.path("plain/quiz.txt"), 5, plainDump, err), 0) << err;
    EXPECT_EQ(dumpScript(e.path("secret/quiz.qzf"), 5, secretDump, err), 0) << err;
    EXPECT_EQ(plainDump, secretDump);
    EXPECT_NE(plainDump.find("Chapter \xC3\xA9t\xC3\xA9"), std::string::npos);

    // The editor opens it again with the password, and only with it.
    Editor other;
    typePassword(QStringLiteral("open sesame"));
    other.tp.dialogs.expectMessage();
    EXPECT_FALSE(other.window.openFile(e.path("secret/quiz.qzf")));
    EXPECT_EQ(other.tp.dialogs.messageTexts(), std::vector<std::string>{"Invalid Password."});
    EXPECT_TRUE(other.window.txtT->toPlainText().isEmpty());

    whenLoginShown([](frmLogin* login) { QTest::mouseClick(login->cmdCancel, Qt::LeftButton); });
    EXPECT_FALSE(other.window.openFile(e.path("secret/quiz.qzf")));
    EXPECT_EQ(other.tp.dialogs.messages().size(), 1u); // a cancelled dialog says nothing

    typePassword(QStringLiteral("Open Sesame"));
    ASSERT_TRUE(other.window.openFile(e.path("secret/quiz.qzf")));
    EXPECT_EQ(other.window.scriptText(), kScript);
    EXPECT_EQ(other.state.EncryptionHeader, std::string(quizfile::kEncryptedMagic));
    EXPECT_FALSE(other.state.TextChanged);
}

TEST(Skrib, MalformedKeyLine)
{
    Editor e;
    writeAll(e.path("bad.qzf"), std::string(quizfile::kEncryptedMagic) + "\r\nshort\r\nxyz");
    e.tp.dialogs.expectMessage();
    EXPECT_FALSE(e.window.openFile(e.path("bad.qzf")));
    EXPECT_EQ(e.tp.dialogs.messageTexts(),
              std::vector<std::string>{"Improper Encryption Format.  This file may be unrecoverable."});
    EXPECT_EQ(e.window.windowTitle(), QStringLiteral("Untitled - Quiz Script Editor"));
}

TEST(Skrib, PlainSaveAfterEncryptedOpenSaysSoOnce)
{
    Editor e;
    e.window.setScriptText(kScript);
    e.state.ScriptPath = e.path("q.qzf");
    typePassword(QStringLiteral("pw"));
    ASSERT_TRUE(e.window.SaveScript(true));

    Editor other;
    typePassword(QStringLiteral("pw"));
    ASSERT_TRUE(other.window.openFile(e.path("q.qzf")));
    other.tp.dialogs.expectMessage();
    other.window.save();
    EXPECT_EQ(other.tp.dialogs.messageTexts(), std::vector<std::string>{"File saved UNENCRYPTED."});
    EXPECT_EQ(readAll(e.path("q.qzf")), kScript);
    other.window.save();
    EXPECT_EQ(other.tp.dialogs.messages().size(), 1u);
}

TEST(Skrib, RememberedPasswordSavesWithoutAsking)
{
    Editor e;
    e.window.setScriptText(kScript);
    e.state.ScriptPath = e.path("r.qzf");
    typePassword(QStringLiteral("secret"), true);
    e.window.saveEncrypted();
    ASSERT_TRUE(e.state.AutoSaveEncrypted);
    auto key = quizfile::encryptedKeyLine(readAll(e.path("r.qzf")));
    ASSERT_TRUE(key.ok());
    EXPECT_TRUE(key.value().remember);

    e.type(QStringLiteral("x"));
    e.window.saveEncrypted(); // no dialog: an unexpected one would fail the test
    EXPECT_FALSE(e.state.TextChanged);

    // Save Encrypted As always asks.
    e.tp.dialogs.expectSaveFile(e.path("s.qzf"));
    typePassword(QStringLiteral("other"));
    e.window.saveEncryptedAs();
    EXPECT_FALSE(e.state.AutoSaveEncrypted);
    EXPECT_TRUE(quizfile::readEncrypted(readAll(e.path("s.qzf")), "other").ok());
}

TEST(Skrib, SaveEncryptedWithoutAPasswordWritesNothing)
{
    Editor e;
    e.window.setScriptText(kScript);
    e.state.ScriptPath = e.path("none.qzf");
    whenLoginShown([](frmLogin* login) { QTest::mouseClick(login->cmdOK, Qt::LeftButton); });
    e.tp.dialogs.expectMessage();
    EXPECT_FALSE(e.window.SaveScript(true));
    EXPECT_EQ(e.tp.dialogs.messageTexts(), std::vector<std::string>{"You need a password to Save Encrypted."});
    EXPECT_FALSE(std::filesystem::exists(e.path("none.qzf")));
}

TEST(Skrib, RecentFilesKeepTheNewestFirst)
{
    Editor e;
    std::vector<std::string> files;
    for (int i = 1; i <= 5; ++i) {
        files.push_back(e.path("f" + std::to_string(i) + ".txt"));
        writeAll(files.back(), "Q" + std::to_string(i) + "\r\n*a\r\n");
        ASSERT_TRUE(e.window.openFile(files.back()));
    }
    auto entry = [&e](int n) { return e.window.mnuEditorPreviousFile[static_cast<std::size_t>(n)]->text(); };
    EXPECT_TRUE(entry(0).endsWith(QStringLiteral("f5.txt")));
    EXPECT_TRUE(entry(3).endsWith(QStringLiteral("f2.txt"))); // f1 pushed out
    EXPECT_TRUE(entry(2).startsWith(QStringLiteral("&3 - ")));
    e.window.openRecentFile(2); // f3
    EXPECT_TRUE(entry(0).endsWith(QStringLiteral("f3.txt")));
    EXPECT_TRUE(entry(1).endsWith(QStringLiteral("f5.txt")));
    EXPECT_TRUE(entry(2).endsWith(QStringLiteral("f4.txt")));
    EXPECT_EQ(e.window.scriptText(), "Q3\r\n*a\r\n");

    std::filesystem::remove(files[3]); // f4
    e.tp.dialogs.expectMessage();
    e.window.openRecentFile(2);
    EXPECT_EQ(e.tp.dialogs.messageTexts(),
              std::vector<std::string>{"Whoops!  Looks like that file has either been moved or renamed."});
    EXPECT_TRUE(entry(2).endsWith(QStringLiteral("f2.txt")));
    EXPECT_FALSE(e.window.mnuEditorPreviousFile[3]->isVisible());
}

TEST(Skrib, FileInfoAndJumpToQuestionOne)
{
    Editor e;
    e.window.addFileInfo();
    EXPECT_EQ(e.window.scriptText(), "TITL: \r\nCOMP: \r\nMVER: \r\nNOTE: \r\nTIME: \r\n");
    EXPECT_EQ(e.window.caretOffset(), 6u);

    e.window.setScriptText("TITL: x\r\n[POOLA]\r\na\r\n[/POOLA]\r\n[POOLB]\r\nb\r\n[/POOLB]\r\n'Ch\r\n[MC]\r\nFirst?\r\n*y\r\n");
    e.window.jumpToQuestion1();
    EXPECT_EQ(e.window.txtT->textCursor().blockNumber(), 9);
    EXPECT_EQ(e.window.txtT->textCursor().positionInBlock(), 0);

    e.window.setScriptText("[POOLA]\r\nx\r\nQ\r\n");
    e.tp.dialogs.expectMessage();
    e.window.jumpToQuestion1();
    ASSERT_EQ(e.tp.dialogs.messages().size(), 1u);
    EXPECT_EQ(e.tp.dialogs.messages()[0].text.rfind("You have a pool that needs closing.", 0), 0u);
}

TEST(Skrib, DiscardingChangesAsksFirst)
{
    Editor e;
    e.type(QStringLiteral("Some work"));
    EXPECT_TRUE(e.state.TextChanged);
    e.tp.dialogs.expectMessage(MsgAnswer::Cancel);
    e.window.newScript();
    EXPECT_EQ(e.window.txtT->toPlainText(), QStringLiteral("Some work"));
    ASSERT_EQ(e.tp.dialogs.messages().size(), 1u);
    EXPECT_EQ(e.tp.dialogs.messages()[0].buttons, MsgButtons::YesNoCancel);

    // Yes saves first; a dismissed Save As keeps the text.
    e.tp.dialogs.expectMessage(MsgAnswer::Yes);
    e.tp.dialogs.expectSaveFile("");
    e.window.newScript();
    EXPECT_EQ(e.window.txtT->toPlainText(), QStringLiteral("Some work"));

    e.tp.dialogs.expectMessage(MsgAnswer::Yes);
    e.tp.dialogs.expectSaveFile(e.path("work.txt"));
    e.window.newScript();
    EXPECT_EQ(readAll(e.path("work.txt")), "Some work");
    EXPECT_TRUE(e.window.txtT->toPlainText().isEmpty());
    EXPECT_EQ(e.window.windowTitle(), QStringLiteral("Untitled - Quiz Script Editor"));

    e.type(QStringLiteral("more"));
    e.tp.dialogs.expectMessage(MsgAnswer::Cancel);
    e.window.close();
    EXPECT_TRUE(e.window.isVisible());
    EXPECT_EQ(e.ended, 0);
    e.tp.dialogs.expectMessage(MsgAnswer::No);
    e.window.close();
    EXPECT_EQ(e.ended, 1);
    EXPECT_EQ(e.tp.settings.get(keys::Settings, keys::SkribposWS), "0");
}

TEST(Skrib, AFailedSaveSaysWhyAndKeepsTheChanges)
{
    Editor e;
    std::filesystem::create_directories(e.path("taken.txt"));
    e.type(QStringLiteral("precious"));
    e.state.ScriptPath = e.path("taken.txt");
    e.tp.dialogs.expectMessage();
    EXPECT_FALSE(e.window.SaveScript(false));
    ASSERT_EQ(e.tp.dialogs.messages().size(), 1u);
    EXPECT_NE(e.tp.dialogs.messages()[0].text.find("taken.txt could not be saved"), std::string::npos);
    EXPECT_TRUE(e.state.TextChanged);

    // A failed Save As keeps its path off the script and counts as failed.
    e.tp.dialogs.expectSaveFile(e.path("missing-folder/x.txt"));
    e.tp.dialogs.expectMessage();
    e.window.saveAs();
    EXPECT_TRUE(e.state.SaveFailed);
    EXPECT_EQ(e.state.ScriptPath, e.path("taken.txt"));
}

TEST(Skrib, CharactersWindows1252CannotHoldAreNotLostSilently)
{
    Editor e;
    e.window.txtT->setPlainText(QStringLiteral("Caf\u00e9 \u0416\u0416"));
    e.state.ScriptPath = e.path("cyr.txt");
    e.tp.dialogs.expectMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(e.window.SaveScript(false));
    EXPECT_NE(e.tp.dialogs.messages()[0].text.find("2 characters"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(e.path("cyr.txt")));
    e.tp.dialogs.expectMessage(MsgAnswer::Ok);
    EXPECT_TRUE(e.window.SaveScript(false));
    EXPECT_EQ(readAll(e.path("cyr.txt")), "Caf\xE9 ??");
}

TEST(Skrib, ConvertRenamesAndFollowsTheEditedFile)
{
    Editor e;
    writeAll(e.path("a.txt"), "Q\r\n*a\r\n");
    ASSERT_TRUE(e.window.openFile(e.path("a.txt")));
    e.tp.dialogs.expectOpenFile(e.path("a.txt"));
    e.window.convertTxtToQzf();
    EXPECT_EQ(e.state.ScriptPath, e.path("a.qzf"));
    EXPECT_TRUE(std::filesystem::exists(e.path("a.qzf")));

    writeAll(e.path("a.txt"), "other");
    e.tp.dialogs.expectOpenFile(e.path("a.txt"));
    e.tp.dialogs.expectMessage();
    e.window.convertTxtToQzf();
    EXPECT_EQ(e.tp.dialogs.messageTexts(), std::vector<std::string>{"There's already a qzf file with that name."});
    e.tp.dialogs.expectOpenFile(e.path("a.qzf"));
    e.tp.dialogs.expectMessage();
    e.window.revertQzfToTxt();
    EXPECT_EQ(e.tp.dialogs.messageTexts().back(), "There's already a .txt file with that name.");
    EXPECT_EQ(readAll(e.path("a.txt")), "other");
}

TEST(SkribCommandLine, ParseTable)
{
    using M = EditorCommand::Mode;
    struct Case { std::vector<std::string> args; M mode; };
    const Case cases[] = {
        {{}, M::Window},
        {{"--help"}, M::Help},
        {{"--encrypt", "a.txt", "--out", "a.qzf", "--password", "p"}, M::Encrypt},
        {{"--encrypt", "a.txt", "--out", "a.qzf", "--password", "p", "--remember"}, M::Encrypt},
        {{"--decrypt", "a.qzf", "--password", "p"}, M::Decrypt},
        {{"--encrypt", "a.txt", "--password", "p"}, M::Error},
        {{"--decrypt", "a.qzf"}, M::Error},
        {{"--password", "p"}, M::Error},
        {{"a.txt"}, M::Error},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseEditorCommand(c.args).mode, c.mode) << ::testing::PrintToString(c.args);
}

TEST(SkribCommandLine, EncryptThenDecrypt)
{
    TestPlatform tp;
    const std::string plain = tp.dir() + "/in.txt";
    const std::string secret = tp.dir() + "/out.qzf";
    // LF line ends and a tab: the quiz file gets CR LF, and a space for the tab.
    writeAll(plain, "TITL: CLI\nQ\t1\n*yes\nno\n");
    std::string out, err;
    ASSERT_EQ(runEditorCommand(parseEditorCommand({"--encrypt", plain, "--out", secret, "--password", "pw", "--remember"}),
                               out, err),
              0)
        << err;
    EXPECT_NE(err.find("1 tab"), std::string::npos);
    EXPECT_TRUE(quizfile::encryptedKeyLine(readAll(secret)).value().remember);

    out.clear();
    err.clear();
    EXPECT_EQ(runEditorCommand(parseEditorCommand({"--decrypt", secret, "--password", "pw"}), out, err), 0);
    EXPECT_EQ(out, "TITL: CLI\r\nQ 1\r\n*yes\r\nno\r\n");

    out.clear();
    EXPECT_EQ(runEditorCommand(parseEditorCommand({"--decrypt", secret, "--password", "PW"}), out, err), 1);
    EXPECT_EQ(err, "Invalid Password.\n");
    EXPECT_TRUE(out.empty());

    writeAll(secret, std::string(quizfile::kEncryptedMagic) + "\r\nbad\r\n");
    EXPECT_EQ(runEditorCommand(parseEditorCommand({"--decrypt", secret, "--password", "pw"}), out, err), 1);
    EXPECT_EQ(err, "Improper Encryption Format.  This file may be unrecoverable.\n");
}
